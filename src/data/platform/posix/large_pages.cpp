#include "data/platform/large_pages.hpp"

#include <cstdlib>
#include <new>
#include <sys/mman.h>

namespace zelkor::platform {

void* AllocateAligned(std::size_t bytes, std::size_t alignment) {
    void* block = std::aligned_alloc(alignment, bytes);
    if (block == nullptr) throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    ::madvise(block, bytes, MADV_HUGEPAGE);
#endif
    return block;
}

void FreeAligned(void* block) noexcept { std::free(block); }

}  // namespace zelkor::platform
