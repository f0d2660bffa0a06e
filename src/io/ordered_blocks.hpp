#pragma once

// Long texts made of many short pieces (a file's record lines, a grid's rows
// on the clipboard) are formatted in blocks on every core, each block into
// its own buffer, and handed on in block order: the same bytes as one pass
// in order, formatted in a fraction of the time.

#include "data/progress.hpp"
#include "data/run_on_threads.hpp"

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

namespace zelkor {

// The buffer of one block: room for a piece is made before it is written.
class BlockBuffer {
public:
    // At least `bytes` writable characters at the returned pointer; hand the
    // end of what was written to commitTo().
    char* room(std::size_t bytes) {
        if (bytes_.size() - used_ < bytes) bytes_.resize(std::max(2 * bytes_.size(), used_ + bytes));
        return bytes_.data() + used_;
    }
    void commitTo(const char* end) { used_ = static_cast<std::size_t>(end - bytes_.data()); }
    void clear() { used_ = 0; }
    std::string_view text() const { return {bytes_.data(), used_}; }

private:
    std::vector<char> bytes_;
    std::size_t used_ = 0;
};

// Blocks 0..blocks-1, as many at once as CurrentPassThreads() allows:
// format(block, buffer, here) fills a block's buffer, on the calling thread
// when `here` (which may then yield to the window) or on another; then
// deliver(text) takes the buffers in block order and afterRound(end) hears that
// the blocks before `end` are delivered (on the calling thread). The progress
// yields while the calling thread waits for the others.
template <class Format, class Deliver, class AfterRound>
void FormatBlocksInOrder(std::size_t blocks, Format&& format, Deliver&& deliver, AfterRound&& afterRound,
                         Progress& progress) {
    const std::size_t threads = std::max<std::size_t>(CurrentPassThreads().threads, 1);
    std::vector<BlockBuffer> buffers(std::min(threads, blocks));
    for (std::size_t first = 0; first < blocks; first += threads) {
        const std::size_t round = std::min(threads, blocks - first);
        RunOnThreads(
            round,
            [&](std::size_t k) {
                buffers[k].clear();
                format(first + k, buffers[k], k == 0);
            },
            [&progress] { progress.yield(); });
        for (std::size_t k = 0; k < round; ++k) deliver(buffers[k].text());
        afterRound(first + round);
    }
}

// Progress steps of a pass paced by "index is a whole multiple of period"
// between two indices: the multiples in (before, last].
inline int StepsBetween(int before, int last, int period) { return last / period - before / period; }

}  // namespace zelkor
