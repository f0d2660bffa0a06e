#include "data/first_lines.hpp"

#include <algorithm>

namespace zelkor {

void KeepFirstLine(std::vector<std::string>& lines, const TextLine& line) {
    constexpr std::size_t kPiece = 999;
    const auto pieces = static_cast<std::size_t>(LineReads(line.length, line.hadLineEnd));
    for (std::size_t k = 0; k < pieces && lines.size() < kMaxFirstLines; ++k) {
        const std::size_t start = std::min(k * kPiece, line.text.size());
        lines.emplace_back(line.text.substr(start, kPiece));
    }
}

}  // namespace zelkor
