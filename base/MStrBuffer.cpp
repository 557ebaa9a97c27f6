#include "base/MStrBuffer.h"

#include <cstring>

void TMStrBuffer::Clear() {
    text_.clear();
    total_ = 0;
    used_ = 0;
    chunk_[0] = 0;
}

void TMStrBuffer::AddBuff(const char* bytes, std::int32_t count) {
    if (!bytes) return;
    std::size_t left = count < 0 ? std::strlen(bytes) : static_cast<std::size_t>(count);
    total_ += static_cast<std::int64_t>(left);
    while (left > 0) {
        if (used_ == kChunkSize) Flush();
        std::size_t room = static_cast<std::size_t>(kChunkSize - used_);
        std::size_t n = left < room ? left : room;
        std::memcpy(chunk_ + used_, bytes, n);
        used_ += static_cast<int>(n);
        bytes += n;
        left -= n;
    }
    chunk_[used_] = 0;
}

// The chunk moves by its byte count, so a zero byte inside it is kept rather than ending it.
void TMStrBuffer::Flush() {
    text_.append(chunk_, static_cast<std::size_t>(used_));
    used_ = 0;
    chunk_[0] = 0;
}

const std::string& TMStrBuffer::Data() {
    Flush();
    return text_;
}
