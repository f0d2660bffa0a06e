#pragma once

#include <cstddef>

namespace zelkor {

// How the parse of a record part is shared out. Whole lines are taken from
// the reader in blocks and split at line ends into one chunk per thread; the
// calling thread parses the first chunk (and reports progress), the others
// parse into their own slice of the set's storage, which nobody reads until
// they are joined. Small blocks stay on the calling thread.
struct ParseThreads {
    unsigned threads = 1;           // 0: lines are handed out one by one, never in blocks
    std::size_t minParallelBytes = 0;  // a block below this is parsed by the calling thread alone
    std::size_t blockBytes = 0;     // read size of a file for the parse
};

// The machine's hardware threads, 1 MB, 16 MB.
ParseThreads DefaultParseThreads();
ParseThreads CurrentParseThreads();
// For tests and benchmarks that compare ways of splitting the same file.
void SetParseThreads(const ParseThreads& threads);

} // namespace zelkor
