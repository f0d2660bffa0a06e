#pragma once

namespace zelkor {

// How long passes report to a window: advance() moves the progress bar by the
// given steps, yield() offers the window a chance to repaint. The default does
// nothing; yield() is an inline test of one flag so that a pass with nobody
// listening pays nothing for it.
class Progress {
public:
    Progress() = default;
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;
    virtual ~Progress() = default;

    virtual void advance(int /*steps*/) {}
    void yield() {
        if (listening_) onYield();
    }

protected:
    explicit Progress(bool listening) : listening_(listening) {}
    virtual void onYield() {}

private:
    bool listening_ = false;
};

// A progress that nobody watches.
inline Progress& NoProgress() {
    static Progress none;
    return none;
}

// Steps of a pass paced by "index is a whole multiple of total / parts": for
// small totals the quotient is 0, and every index then counts as a step.
inline int ProgressPeriod(int total, int parts) {
    const int period = total / parts;
    return period > 0 ? period : 1;
}

}  // namespace zelkor
