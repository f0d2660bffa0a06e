#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace zelkor::batch {

// zelkor-batch without the process around it: words after the program name,
// the two streams; returns the exit status.
int RunBatch(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

}  // namespace zelkor::batch
