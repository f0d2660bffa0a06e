#include "data/large_block_allocator.hpp"

#include "data/platform/large_pages.hpp"

namespace zelkor {
namespace {
constexpr std::size_t kHugePage = std::size_t{2} << 20;
constexpr std::size_t kLargeBlock = 2 * kHugePage;
}  // namespace

void* AllocateLargeBlock(std::size_t bytes) {
    if (bytes < kLargeBlock) return ::operator new(bytes);
    const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    // Without huge pages the block works the same, just slower to touch.
    return platform::AllocateAligned(rounded, kHugePage);
}

void FreeLargeBlock(void* block, std::size_t bytes) noexcept {
    if (bytes < kLargeBlock)
        ::operator delete(block);
    else
        platform::FreeAligned(block);
}

}  // namespace zelkor
