#include "platform/Memory.h"

#include <new>

#include "platform/win32/WindowsApi.h"

namespace platform {

// Large pages on Windows need a privilege users do not have; committed pages straight from the
// system at least keep big buffers out of the heap.
void* AllocateLarge(std::size_t bytes) {
    void* block = VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    if (block == nullptr) throw std::bad_alloc();
    return block;
}

void FreeLarge(void* block, std::size_t) noexcept {
    if (block != nullptr) VirtualFree(block, 0, MEM_RELEASE);
}

} // namespace platform
