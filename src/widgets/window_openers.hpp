#pragma once

namespace zelkor {

// The windows of the relativity library that a button of another library
// opens: the data page's "Relativistic Parameters" and the generator's
// "Periodic Table of Elements".
class WindowOpeners {
public:
    virtual void openRelativisticWindow() = 0;
    virtual void openElementTable() = 0;

protected:
    ~WindowOpeners() = default;
};

}  // namespace zelkor
