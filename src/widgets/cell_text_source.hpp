#pragma once

#include <string>

namespace zelkor {

// The text of a grid's cells, formatted when asked: the view shows it and Copy
// reads the same characters.
class CellTextSource {
public:
    virtual ~CellTextSource() = default;
    // Appends the text of the cell at a grid row and column (grid co-ordinates).
    virtual void appendCell(std::string& out, int row, int column) const = 0;
};

}  // namespace zelkor
