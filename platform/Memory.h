#pragma once
// Memory for large buffers that are filled once and kept (the text of a big list read from a file).
// On Linux it comes in 2 MB-aligned pieces that the kernel may back with huge pages: filling
// 100 MB of ordinary pages costs tens of thousands of page faults, more than the copying itself.
#include <cstddef>

namespace platform {

// Allocations of at least this many bytes are worth the large-page path.
inline constexpr std::size_t kLargePage = std::size_t{2} << 20;

// Throws std::bad_alloc when there is no memory. bytes must be the same in both calls.
void* AllocateLarge(std::size_t bytes);
void FreeLarge(void* block, std::size_t bytes) noexcept;

} // namespace platform
