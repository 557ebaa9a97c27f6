#pragma once
// The text of many lines kept in large blocks that never move: storing a line costs a copy, not an
// allocation of its own, and the view of a stored line stays valid until the store is emptied.
// A list of millions of lines read from a file would otherwise spend most of its time allocating.
#include <cstddef>
#include <string_view>
#include <vector>

#include "platform/Export.h"

class VXLUMO_API LineStore {
public:
    LineStore() = default;
    ~LineStore();
    LineStore(LineStore&& other) noexcept;
    LineStore& operator=(LineStore&& other) noexcept;
    LineStore(const LineStore&) = delete;
    LineStore& operator=(const LineStore&) = delete;

    // A copy of text inside the store. text may itself be a view into this store.
    std::string_view Keep(std::string_view text);
    // Frees every block: views handed out before are no longer valid.
    void Clear();
    // Bytes of text kept so far (what Keep copied in, not the room of the blocks).
    std::size_t KeptBytes() const { return kept_; }

private:
    struct Block {
        char* Data;
        std::size_t Size;
    };
    char* NewBlock(std::size_t size);
    void FreeBlocks() noexcept;

    std::vector<Block> blocks_;
    char* free_ = nullptr; // the unused end of the newest ordinary block
    std::size_t room_ = 0; // its length
    std::size_t nextSize_ = 0;
    std::size_t kept_ = 0;
};
