#pragma once
// An allocator for containers that may grow very large (the lines of a big file): small requests
// go to the ordinary heap, large ones to platform::AllocateLarge.
#include <cstddef>
#include <new>

#include "platform/Memory.h"

template <class T> struct LargeAllocator {
    using value_type = T;

    LargeAllocator() = default;
    template <class U> LargeAllocator(const LargeAllocator<U>&) noexcept {}

    T* allocate(std::size_t n) {
        if (n > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
        const std::size_t bytes = n * sizeof(T);
        if (bytes >= platform::kLargePage) return static_cast<T*>(platform::AllocateLarge(bytes));
        return static_cast<T*>(::operator new(bytes));
    }
    void deallocate(T* p, std::size_t n) noexcept {
        const std::size_t bytes = n * sizeof(T);
        if (bytes >= platform::kLargePage)
            platform::FreeLarge(p, bytes);
        else
            ::operator delete(p);
    }

    template <class U> bool operator==(const LargeAllocator<U>&) const noexcept { return true; }
};
