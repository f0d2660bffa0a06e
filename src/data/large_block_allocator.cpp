#include "data/large_block_allocator.hpp"

#include <cstdlib>
#include <sys/mman.h>

namespace zelkor {
namespace {
constexpr std::size_t kHugePage = std::size_t{2} << 20;
constexpr std::size_t kLargeBlock = 2 * kHugePage;
}  // namespace

void* AllocateLargeBlock(std::size_t bytes) {
    if (bytes < kLargeBlock) return ::operator new(bytes);
    const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* block = std::aligned_alloc(kHugePage, rounded);
    if (block == nullptr) throw std::bad_alloc();
    // Only advice: without huge pages the block works the same, just slower to touch.
    ::madvise(block, rounded, MADV_HUGEPAGE);
    return block;
}

void FreeLargeBlock(void* block, std::size_t bytes) noexcept {
    if (bytes < kLargeBlock)
        ::operator delete(block);
    else
        std::free(block);
}

}  // namespace zelkor
