#include "driver/DriverFile.h"

#include "base/Exception.h"
#include "base/TdtTools.h"
#include "platform/Cp1250.h"
#include "platform/System.h"

DriverFile::DriverFile(const std::string& path, Mode mode) : path_(path) {
    using platform::FileAccess;
    using platform::FileDisposition;
    if (mode == Mode::Read)
        handle_ =
            platform::OpenFile(path, FileAccess::Read, FileDisposition::OpenExisting, {true, true, false});
    else
        handle_ = platform::OpenFile(path, FileAccess::Write,
                                     mode == Mode::Truncate ? FileDisposition::CreateAlways
                                                            : FileDisposition::OpenAlways);
    if (handle_ == platform::kInvalidFile) Fail("Błąd otwarcia pliku");
    std::int64_t at = 0;
    if (mode == Mode::Append && !platform::SeekFile(handle_, 0, platform::SeekOrigin::End, at)) {
        platform::CloseFile(handle_);
        handle_ = platform::kInvalidFile;
        Fail("Błąd ustawienia pozycji w pliku");
    }
}

DriverFile::~DriverFile() {
    if (handle_ != platform::kInvalidFile) platform::CloseFile(handle_);
}

void DriverFile::Fail(const char* what) const {
    std::uint32_t code = platform::LastError();
    throw Exception(cp1250::FromUtf8(what) + " " + path_ + ": " + platform::SystemErrorMessage(code));
}

void DriverFile::Write(const std::string& bytes) {
    if (bytes.empty()) return;
    std::size_t written = 0;
    if (!platform::WriteFile(handle_, bytes.data(), bytes.size(), written) || written != bytes.size())
        Fail("Błąd zapisu do pliku");
}

bool DriverFile::Fill() {
    if (eof_) return false;
    char chunk[4096];
    std::size_t got = 0;
    if (!platform::ReadFile(handle_, chunk, sizeof chunk, got)) Fail("Błąd odczytu pliku");
    if (got == 0) {
        eof_ = true;
        return false;
    }
    buffer_.erase(0, pos_);
    pos_ = 0;
    buffer_.append(chunk, got);
    return true;
}

bool DriverFile::ReadLine(std::string& line) {
    line.clear();
    for (;;) {
        std::size_t end = buffer_.find_first_of("\r\n", pos_);
        if (end == std::string::npos) {
            if (Fill()) continue;
            if (pos_ >= buffer_.size()) return false;
            line = buffer_.substr(pos_);
            pos_ = buffer_.size();
            return true;
        }
        // A CR at the end of the buffer may be the first half of CR LF.
        if (buffer_[end] == '\r' && end + 1 == buffer_.size() && Fill()) {
            end = buffer_.find_first_of("\r\n", pos_);
        }
        line = buffer_.substr(pos_, end - pos_);
        pos_ = end + 1;
        if (buffer_[end] == '\r' && pos_ < buffer_.size() && buffer_[pos_] == '\n') ++pos_;
        return true;
    }
}

void DriverFile::Close() {
    if (handle_ == platform::kInvalidFile) return;
    platform::FileHandle h = handle_;
    handle_ = platform::kInvalidFile;
    if (!platform::CloseFile(h)) Fail("Błąd zamknięcia pliku");
}

std::string DriverFile::NowTimeHMSms() {
    return TdtTools().ToString(TdtTools::fmtTimeHMSms);
}

std::string DriverFile::Now4YDateTime() {
    return TdtTools().ToString(TdtTools::fmt4YDateTime);
}
