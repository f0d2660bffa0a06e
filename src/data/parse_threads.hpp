#pragma once

#include <cstddef>

namespace zelkor {

// How the passes over a file are shared out. The count pass splits the file
// at line starts into one run per thread and counts each run on its thread;
// the parse reads the same runs on as many threads, each into its own slice
// of the set's storage, which nobody reads until they are joined. The calling
// thread takes the first run and reports progress.
struct ParseThreads {
    unsigned threads = 1;              // 0 or 1: the whole file in one run on the calling thread
    std::size_t minParallelBytes = 0;  // a file below this is read in one run
    std::size_t blockBytes = 0;        // read size of each thread
};

// The machine's hardware threads, 1 MB, 1 MB.
ParseThreads DefaultParseThreads();
ParseThreads CurrentParseThreads();
// For tests and benchmarks that compare ways of splitting the same file.
void SetParseThreads(const ParseThreads& threads);

}  // namespace zelkor
