#pragma once
// The goods file written while the request is still being read, so that a request of many goods
// never has its whole goods file in memory: it goes under a temporary name beside the target and
// is put in place only when the operation proves to be a send; otherwise it is removed.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Files.h"

namespace bridge {

class GoodsFileWriter {
public:
    // Opens the temporary file; Opened() tells whether that worked (the caller then keeps the
    // text in memory and writes it the ordinary way).
    explicit GoodsFileWriter(std::string target);
    ~GoodsFileWriter();
    GoodsFileWriter(const GoodsFileWriter&) = delete;
    GoodsFileWriter& operator=(const GoodsFileWriter&) = delete;

    bool Opened() const { return file_ != platform::kInvalidFile; }
    // Appends text; a failure is kept for Commit to report.
    void Write(std::string_view text);
    // Appends the rest, closes the file and puts it in place of the target. False on any
    // failure since opening, with the reason in platform::LastError(); the temporary file is gone.
    bool Commit(std::string_view rest);

private:
    void Discard();

    std::string target_;
    std::string temp_;
    platform::FileHandle file_ = platform::kInvalidFile;
    std::uint32_t error_ = 0;
    bool failed_ = false;
};

} // namespace bridge
