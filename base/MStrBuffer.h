#pragma once
// Collects text piece by piece in a fixed chunk, so that the text grows once per chunk rather
// than once per character.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Export.h"

class VXLUMO_API TMStrBuffer {
public:
    static constexpr int kChunkSize = 64;

    void Clear();
    void AddChar(char ch) { AddBuff(&ch, 1); }
    void AddStr(std::string_view text) { AddBuff(text.data(), static_cast<std::int32_t>(text.size())); }
    // A negative count means: up to the first zero byte.
    void AddBuff(const char* bytes, std::int32_t count);
    // Everything added so far.
    const std::string& Data();
    // The number of bytes added since the last Clear.
    std::int64_t Total() const { return total_; }

private:
    void Flush();

    std::string text_;
    std::int64_t total_ = 0;
    char chunk_[kChunkSize + 1] = {};
    int used_ = 0;
};
