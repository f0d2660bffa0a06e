#pragma once

#include <cstddef>

namespace zelkor::platform {

// A block of bytes aligned to alignment (a power of two; bytes a multiple of
// it), which the system is asked to back with huge pages where it can: only
// advice, the block works the same without. Throws std::bad_alloc.
void* AllocateAligned(std::size_t bytes, std::size_t alignment);
void FreeAligned(void* block) noexcept;

}  // namespace zelkor::platform
