#pragma once

#include <cstddef>
#include <new>

namespace zelkor {

// Allocates blocks of a few MB and more in 2 MB aligned memory that the
// kernel is asked to back with huge pages: a million-ion set is then mapped
// with a few dozen page faults instead of tens of thousands, which otherwise
// cost as much as reading the file. Small blocks come from operator new.
void* AllocateLargeBlock(std::size_t bytes);
void FreeLargeBlock(void* block, std::size_t bytes) noexcept;

template <class T>
struct LargeBlockAllocator {
    using value_type = T;

    LargeBlockAllocator() = default;
    template <class U>
    LargeBlockAllocator(const LargeBlockAllocator<U>&) noexcept {}

    T* allocate(std::size_t n) { return static_cast<T*>(AllocateLargeBlock(n * sizeof(T))); }
    void deallocate(T* p, std::size_t n) noexcept { FreeLargeBlock(p, n * sizeof(T)); }

    template <class U>
    bool operator==(const LargeBlockAllocator<U>&) const noexcept { return true; }
};

} // namespace zelkor
