#pragma once

#include "data/particle_set.hpp"
#include "support/counting_progress.hpp"
#include "support/particle_sets.hpp"
#include "support/temp_dir.hpp"

#include <string>
#include <vector>

namespace zelkor::test {

// Splits at CR LF; fails the calling test when a lone CR or LF is found.
std::vector<std::string> SplitCrLf(const std::string& bytes);

}  // namespace zelkor::test
