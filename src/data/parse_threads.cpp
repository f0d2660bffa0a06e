#include "data/parse_threads.hpp"

#include "data/platform/worker_threads.hpp"

#include <atomic>

namespace zelkor {
namespace {

std::atomic<unsigned> gThreads{0};
std::atomic<std::size_t> gMinParallelBytes{0};
std::atomic<std::size_t> gBlockBytes{0};
std::atomic<bool> gSet{false};

}  // namespace

ParseThreads DefaultParseThreads() { return {platform::HardwareThreads(), std::size_t{1} << 20, std::size_t{1} << 20}; }

ParseThreads CurrentParseThreads() {
    if (!gSet.load()) return DefaultParseThreads();
    return {gThreads.load(), gMinParallelBytes.load(), gBlockBytes.load()};
}

void SetParseThreads(const ParseThreads& threads) {
    gThreads = threads.threads;
    gMinParallelBytes = threads.minParallelBytes;
    gBlockBytes = threads.blockBytes;
    gSet = true;
}

}  // namespace zelkor
