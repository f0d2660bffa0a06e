#pragma once

#include "batch/batch_cli.hpp"

#include <sstream>
#include <string>
#include <vector>

namespace zelkor::test {

struct BatchRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline BatchRun RunBatchWords(const std::vector<std::string>& words) {
    std::ostringstream out;
    std::ostringstream err;
    BatchRun run;
    run.status = batch::RunBatch(words, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

}  // namespace zelkor::test
