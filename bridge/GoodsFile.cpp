#include "bridge/GoodsFile.h"

#include <atomic>
#include <utility>

#include "platform/System.h"

namespace bridge {

GoodsFileWriter::GoodsFileWriter(std::string target) : target_(std::move(target)) {
    // The thread's number keeps two programs sending at once from sharing one temporary file.
    static std::atomic<unsigned> counter{0};
    temp_ = target_ + ".tmp" + std::to_string(platform::CurrentThreadId()) + "_" + std::to_string(counter++);
    file_ = platform::OpenFile(temp_, platform::FileAccess::Write, platform::FileDisposition::CreateAlways,
                               platform::FileShare{true, false, false});
}

GoodsFileWriter::~GoodsFileWriter() {
    Discard();
}

void GoodsFileWriter::Discard() {
    if (file_ == platform::kInvalidFile) return;
    platform::CloseFile(file_);
    file_ = platform::kInvalidFile;
    platform::DeleteFile(temp_);
}

void GoodsFileWriter::Write(std::string_view text) {
    if (failed_ || file_ == platform::kInvalidFile || text.empty()) return;
    std::size_t written = 0;
    if (!platform::WriteFile(file_, text.data(), text.size(), written) || written != text.size()) {
        error_ = platform::LastError();
        failed_ = true;
    }
}

bool GoodsFileWriter::Commit(std::string_view rest) {
    if (file_ == platform::kInvalidFile) return false;
    Write(rest);
    if (!platform::CloseFile(std::exchange(file_, platform::kInvalidFile)) && !failed_) {
        error_ = platform::LastError();
        failed_ = true;
    }
    if (!failed_ && !platform::RenameFile(temp_, target_, true)) {
        error_ = platform::LastError();
        failed_ = true;
    }
    if (failed_) {
        platform::DeleteFile(temp_);
        platform::SetLastError(error_);
    }
    return !failed_;
}

} // namespace bridge
