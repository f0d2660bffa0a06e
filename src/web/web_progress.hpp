#pragma once

#include "data/progress.hpp"

#include <emscripten/val.h>

#include <algorithm>

namespace zelkor::web {

// The core's progress handed to the page as a percentage, once per change,
// so that the worker posts at most a hundred messages a pass.
class WebProgress : public Progress {
public:
    explicit WebProgress(emscripten::val report) : report_(std::move(report)) {}

    void advance(int steps) override {
        done_ = std::min(done_ + steps, 100);
        if (done_ == shown_ || report_.isUndefined() || report_.isNull()) return;
        shown_ = done_;
        report_(shown_);
    }

private:
    emscripten::val report_;
    int done_ = 0;
    int shown_ = 0;
};

}  // namespace zelkor::web
