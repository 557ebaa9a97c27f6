#include "base/LineStore.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/Memory.h"

namespace {

// Small lists (a configuration file, a few words) take little; large ones grow to blocks big
// enough that the allocator is seldom asked.
constexpr std::size_t kFirstBlock = 256;
constexpr std::size_t kLargestBlock = platform::kLargePage;
// A line this long gets a block of its own, so that the room left in the current one is not lost.
constexpr std::size_t kOwnBlock = kLargestBlock / 4;

} // namespace

LineStore::~LineStore() {
    FreeBlocks();
}

LineStore::LineStore(LineStore&& other) noexcept
    : blocks_(std::move(other.blocks_)), free_(std::exchange(other.free_, nullptr)),
      room_(std::exchange(other.room_, 0)), nextSize_(std::exchange(other.nextSize_, 0)),
      kept_(std::exchange(other.kept_, 0)) {
    other.blocks_.clear();
}

LineStore& LineStore::operator=(LineStore&& other) noexcept {
    if (this != &other) {
        FreeBlocks();
        blocks_ = std::move(other.blocks_);
        other.blocks_.clear();
        free_ = std::exchange(other.free_, nullptr);
        room_ = std::exchange(other.room_, 0);
        nextSize_ = std::exchange(other.nextSize_, 0);
        kept_ = std::exchange(other.kept_, 0);
    }
    return *this;
}

void LineStore::FreeBlocks() noexcept {
    for (const Block& b : blocks_) {
        if (b.Size >= platform::kLargePage)
            platform::FreeLarge(b.Data, b.Size);
        else
            delete[] b.Data;
    }
    blocks_.clear();
}

char* LineStore::NewBlock(std::size_t size) {
    if (blocks_.size() == blocks_.capacity()) blocks_.reserve(blocks_.size() < 8 ? 8 : blocks_.size() * 2);
    // Room in the list first, so that a failed allocation leaves nothing half done.
    char* data =
        size >= platform::kLargePage ? static_cast<char*>(platform::AllocateLarge(size)) : new char[size];
    blocks_.push_back(Block{data, size});
    return data;
}

std::string_view LineStore::Keep(std::string_view text) {
    const std::size_t size = text.size();
    if (size == 0) return std::string_view("", 0); // never a null pointer: callers may memcpy from it
    char* at;
    if (size >= kOwnBlock) {
        at = NewBlock(size);
    } else {
        if (size > room_) {
            // Doubling from small, but never smaller than the line (below kOwnBlock, so within
            // kLargestBlock).
            nextSize_ = std::max(std::min(std::max(nextSize_ * 2, kFirstBlock), kLargestBlock), size);
            // The old block stays where it is, so text that is a view into it can still be read.
            free_ = NewBlock(nextSize_);
            room_ = nextSize_;
        }
        at = free_;
        free_ += size;
        room_ -= size;
    }
    std::memcpy(at, text.data(), size);
    kept_ += size;
    return {at, size};
}

void LineStore::Clear() {
    FreeBlocks();
    blocks_.shrink_to_fit();
    free_ = nullptr;
    room_ = 0;
    nextSize_ = 0;
    kept_ = 0;
}
