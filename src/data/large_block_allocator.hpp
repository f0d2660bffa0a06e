#pragma once

#include <cstddef>
#include <new>
#include <utility>

namespace zelkor {

// Allocates blocks of a few MB and more in 2 MB aligned memory that the
// kernel is asked to back with huge pages: a million-ion set is then mapped
// with a few dozen page faults instead of tens of thousands, which otherwise
// cost as much as reading the file. Small blocks come from operator new.
void* AllocateLargeBlock(std::size_t bytes);
void FreeLargeBlock(void* block, std::size_t bytes) noexcept;

// While one is alive on a thread, growing a vector of LargeBlockAllocator on
// that thread leaves the new elements unwritten. The parallel parse grows the
// set this way and fills each slice from the thread that parses it, so that
// the pages are first touched (and cleared by the kernel) on every core.
class UnwrittenGrowth {
public:
    UnwrittenGrowth() { active() = true; }
    ~UnwrittenGrowth() { active() = false; }
    UnwrittenGrowth(const UnwrittenGrowth&) = delete;
    UnwrittenGrowth& operator=(const UnwrittenGrowth&) = delete;
    static bool& active() {
        static thread_local bool on = false;
        return on;
    }
};

template <class T>
struct LargeBlockAllocator {
    using value_type = T;

    LargeBlockAllocator() = default;
    template <class U>
    LargeBlockAllocator(const LargeBlockAllocator<U>&) noexcept {}

    T* allocate(std::size_t n) { return static_cast<T*>(AllocateLargeBlock(n * sizeof(T))); }
    void deallocate(T* p, std::size_t n) noexcept { FreeLargeBlock(p, n * sizeof(T)); }

    template <class U>
    void construct(U* p) {
        if (!UnwrittenGrowth::active()) ::new (static_cast<void*>(p)) U();
    }
    template <class U, class A, class... Args>
    void construct(U* p, A&& a, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<A>(a), std::forward<Args>(args)...);
    }

    template <class U>
    bool operator==(const LargeBlockAllocator<U>&) const noexcept {
        return true;
    }
};

}  // namespace zelkor
