#include "data/line_ranges.hpp"

#include "data/line_reader.hpp"

#include <algorithm>
#include <cstring>

namespace zelkor {

bool SharedSource::open() {
    if (source_.inMemory()) {
        size_ = source_.bytes->size();
        return true;
    }
    if (!file_.open(source_.path)) return false;
    size_ = file_.size();
    return true;
}

bool SharedSource::close() {
    if (!file_.isOpen()) return source_.inMemory();
    return file_.close();
}

void SharedSource::openRange(LineReader& reader, std::uint64_t begin, std::uint64_t end, std::size_t blockBytes) const {
    if (!source_.inMemory()) return reader.openRange(file_, begin, end, blockBytes);
    const std::string_view bytes(*source_.bytes);
    const std::uint64_t from = std::min<std::uint64_t>(begin, bytes.size());
    reader.openBytes(bytes.substr(from, std::min<std::uint64_t>(end, bytes.size()) - from));
}

std::uint64_t SharedSource::nextLineStart(std::uint64_t from, std::uint64_t limit) const {
    if (source_.inMemory()) {
        const std::size_t lf = std::string_view(*source_.bytes).find('\n', from);
        return lf != std::string_view::npos && lf + 1 < limit ? lf + 1 : 0;
    }
    char window[64 * 1024];
    for (std::uint64_t at = from; at < limit;) {
        const std::int64_t got = file_.readAt(at, window, sizeof window);
        if (got <= 0) return 0;
        if (const void* lf = std::memchr(window, '\n', static_cast<std::size_t>(got))) {
            const std::uint64_t start = at + static_cast<std::uint64_t>(static_cast<const char*>(lf) - window) + 1;
            return start < limit ? start : 0;
        }
        at += static_cast<std::uint64_t>(got);
    }
    return 0;
}

std::vector<LineRange> SharedSource::splitAtLineStarts(unsigned parts) const {
    std::vector<LineRange> runs(1);
    for (unsigned k = 1; k < parts; ++k) {
        const std::uint64_t nominal = size_ / parts * k;
        const std::uint64_t limit = std::min(size_, size_ / parts * (k + 1));
        const std::uint64_t start = nextLineStart(std::max(nominal, runs.back().begin), limit);
        if (start <= runs.back().begin) continue;
        runs.back().end = start;
        runs.push_back({start, 0, 0});
    }
    runs.back().end = LineReader::kToEndOfFile;
    return runs;
}

}  // namespace zelkor
