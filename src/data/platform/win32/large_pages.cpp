#include "data/platform/large_pages.hpp"

#include <malloc.h>
#include <new>

namespace zelkor::platform {

// Large pages need a privilege a user rarely has: plain aligned memory.
void* AllocateAligned(std::size_t bytes, std::size_t alignment) {
    void* block = _aligned_malloc(bytes, alignment);
    if (block == nullptr) throw std::bad_alloc();
    return block;
}

void FreeAligned(void* block) noexcept { _aligned_free(block); }

}  // namespace zelkor::platform
