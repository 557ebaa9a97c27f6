#include "platform/Memory.h"

#include <sys/mman.h>

#include <cstdlib>
#include <new>

namespace platform {

void* AllocateLarge(std::size_t bytes) {
    const std::size_t rounded = (bytes + kLargePage - 1) / kLargePage * kLargePage;
    void* block = std::aligned_alloc(kLargePage, rounded);
    if (block == nullptr) throw std::bad_alloc();
#if defined(MADV_HUGEPAGE)
    // Only advice: where huge pages are off or scarce the block works with ordinary pages.
    madvise(block, rounded, MADV_HUGEPAGE);
#endif
    return block;
}

void FreeLarge(void* block, std::size_t) noexcept {
    std::free(block);
}

} // namespace platform
