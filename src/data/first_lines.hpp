#pragma once

#include "data/line_reader.hpp"

#include <cstddef>
#include <string>
#include <vector>

namespace zelkor {

// Header shows at most this many of the loaded file's first lines.
inline constexpr std::size_t kMaxFirstLines = 10;

// Keeps the pieces that reads of a 1000-byte line buffer make of one line
// (999 characters each, so a longer line counts as several), until
// kMaxFirstLines are kept. Header shows them from memory, so it never opens
// the file again: a pipe could not be read twice, and a file replaced since
// the load would show another file's header. A line too long to be held
// gives its pieces as empty lines, so the lines after it keep their places.
void KeepFirstLine(std::vector<std::string>& lines, const TextLine& line);

}  // namespace zelkor
