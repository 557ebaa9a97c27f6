#include "base/MFile.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "base/Mfierror.h"
#include "base/StringList.h"
#include "platform/FileModes.h"

TMCustomFile::~TMCustomFile() {
    // A descendant that guards its state has closed already; this closes the plain file.
    TMCustomFile::SetActive(false);
}

void TMCustomFile::CheckActive(bool forWriting) const {
    if (!GetActive()) throw EMFileError(this, 101);
    if (forWriting && readOnly_) throw EMFileError(this, 102);
}

void TMCustomFile::CheckNotActive() const {
    if (GetActive()) throw EMFileError(this, 103);
}

void TMCustomFile::CheckActiveFor(std::int32_t code, bool forWriting) const {
    try {
        CheckActive(forWriting);
    } catch (const EMException& e) {
        throw EMFileError(this, code, &e);
    }
}

void TMCustomFile::SetPath(const std::string& path) {
    if (path == fileName_) return;
    try {
        CheckNotActive();
    } catch (const EMException& e) {
        throw EMFileError(this, 105, &e);
    }
    fileName_ = path;
}

void TMCustomFile::SetReadOnly(bool value) {
    if (value == readOnly_) return;
    try {
        CheckNotActive();
    } catch (const EMException& e) {
        throw EMFileError(this, 106, &e);
    }
    readOnly_ = value;
}

void TMCustomFile::SetRandomAccess(bool value) {
    if (value == randomAccess_) return;
    try {
        CheckNotActive();
    } catch (const EMException& e) {
        throw EMFileError(this, 107, &e);
    }
    randomAccess_ = value;
}

bool TMCustomFile::GetActive() const {
    return handle_ != platform::kInvalidFile;
}

void TMCustomFile::SetActive(bool value) {
    if (value == (handle_ != platform::kInvalidFile)) return;
    if (value) {
        // Others may read the file while it is open; a missing file is created only for writing.
        platform::FileHandle h = platform::OpenFileForPattern(
            fileName_, readOnly_ ? platform::FileAccess::Read : platform::FileAccess::ReadWrite,
            readOnly_ ? platform::FileDisposition::OpenExisting : platform::FileDisposition::OpenAlways,
            platform::FileShare{true, false, false},
            randomAccess_ ? platform::FileAccessPattern::Random : platform::FileAccessPattern::Sequential);
        if (h == platform::kInvalidFile) EMFileError::Generate(this, 104, "CreateFile");
        handle_ = h;
    } else {
        // Failures to flush or close are of no use to anybody here: the handle goes either way.
        if (!readOnly_) platform::FlushFile(handle_);
        platform::CloseFile(handle_);
        handle_ = platform::kInvalidFile;
    }
}

std::uint64_t TMCustomFile::GetPointer() const {
    std::int64_t position = 0;
    if (!GetActive() || !platform::SeekFile(handle_, 0, platform::SeekOrigin::Current, position)) return 0;
    return static_cast<std::uint64_t>(position);
}

void TMCustomFile::SetPointer(std::uint64_t position) {
    CheckActiveFor(108, false);
    std::int64_t now = 0;
    if (!platform::SeekFile(handle_, static_cast<std::int64_t>(position), platform::SeekOrigin::Begin, now))
        EMFileError::Generate(this, 108, "SetFilePointer");
}

std::uint64_t TMCustomFile::GetSize() const {
    std::int64_t size = 0;
    if (!GetActive() || !platform::FileSize(handle_, size)) return 0;
    return static_cast<std::uint64_t>(size);
}

void TMCustomFile::DoWrite(const void* buffer, std::int64_t count) {
    if (count < 1) return;
    CheckActiveFor(109, true);
    std::size_t written = 0;
    if (!platform::WriteFile(handle_, buffer, static_cast<std::size_t>(count), written))
        EMFileError::Generate(this, 109, "WriteFile");
    if (written < static_cast<std::size_t>(count)) EMFileError::Generate(this, 110, "WriteFile");
}

std::int64_t TMCustomFile::DoRead(void* buffer, std::int64_t count) {
    CheckActiveFor(111, false);
    if (count < 1) return 0;
    std::size_t read = 0;
    if (!platform::ReadFile(handle_, buffer, static_cast<std::size_t>(count), read))
        EMFileError::Generate(this, 111, "ReadFile");
    return std::min<std::int64_t>(static_cast<std::int64_t>(read), count);
}

void TMCustomFile::DoWriteLine(std::string_view text, std::string_view terminator) {
    DoWrite(text.data(), static_cast<std::int64_t>(text.size()));
    DoWrite(terminator.data(), static_cast<std::int64_t>(terminator.size()));
}

// Reads 256-byte chunks and sets the pointer back to the start of the next line. Each
// terminator byte is consumed at most once per line, so CR LF ends one line while LF LF ends
// one and leaves an empty one behind.
bool TMCustomFile::DoReadLine(std::string& line, std::string_view terminator) {
    bool ends[256] = {};
    ends[0] = true;
    for (char c : terminator) ends[static_cast<unsigned char>(c)] = true;
    line.clear();
    bool found = false;
    char chunk[256];
    for (;;) {
        std::int64_t n = DoRead(chunk, sizeof chunk);
        if (n == 0) return !line.empty();
        std::int64_t i = 0;
        if (!found) {
            while (i < n && !ends[static_cast<unsigned char>(chunk[i])]) ++i;
            line.append(chunk, static_cast<std::size_t>(i));
            if (i == n) continue;
            ends[static_cast<unsigned char>(chunk[i])] = false;
            ++i;
            found = true;
        }
        while (i < n && ends[static_cast<unsigned char>(chunk[i])]) {
            ends[static_cast<unsigned char>(chunk[i])] = false;
            ++i;
        }
        if (i == n) continue;
        SetPointer(GetPointer() - static_cast<std::uint64_t>(n - i));
        return true;
    }
}

void TMCustomFile::DoFlush() {
    CheckActiveFor(112, true);
    if (!platform::FlushFile(handle_)) EMFileError::Generate(this, 112, "FlushFileBuffers");
}

void TMCustomFile::DoSetEof() {
    CheckActiveFor(113, true);
    if (!platform::SetEndOfFile(handle_)) EMFileError::Generate(this, 113, "SetEndOfFile");
}

// ---- whole-file operations ----

namespace {

constexpr int kMinBlock = 64;
constexpr int kMaxBlock = 65536;

// CR, LF and a zero byte each end a line; CR LF ends one.
inline bool IsLineEnd(char c) {
    return c == '\r' || c == '\n' || c == '\0';
}

} // namespace

void TMFile::WriteStringsToFile(const std::string& fileName, const TStringList& strings, int bufferSize) {
    std::vector<char> block;
    if (bufferSize >= 1) block.resize(static_cast<std::size_t>(std::clamp(bufferSize, kMinBlock, kMaxBlock)));
    TMFile file(nullptr);
    file.SetPath(fileName);
    file.Open();
    file.SetPointer(0);
    file.SetEof();
    std::size_t used = 0;
    const std::size_t size = block.size();
    for (int i = 0; i < strings.Count(); ++i) {
        const std::string_view s = strings[i];
        if (size > 0) {
            if (used + s.size() + 2 > size) {
                file.Write(block.data(), static_cast<std::int64_t>(used));
                used = 0;
            }
            if (s.size() + 2 <= size) {
                std::memcpy(block.data() + used, s.data(), s.size());
                used += s.size();
                block[used++] = '\r';
                block[used++] = '\n';
                continue;
            }
        }
        file.WriteLine(s, "\r\n");
    }
    file.Write(block.data(), static_cast<std::int64_t>(used));
    file.Close();
}

void TMFile::ReadStringsFromFile(const std::string& fileName, TStringList& strings, int bufferSize) {
    strings.Clear();
    const std::int64_t chunkSize = std::clamp(bufferSize, kMinBlock, kMaxBlock);
    try {
        TMFile file(nullptr);
        file.SetReadOnly(true);
        file.SetPath(fileName);
        file.Open();
        file.SetPointer(0);
        std::vector<char> chunk(static_cast<std::size_t>(chunkSize));
        std::string line;     // the piece of a line that began in an earlier chunk
        bool afterCr = false; // the last byte seen ended a line with CR, across chunk borders too
        for (;;) {
            const std::int64_t n = file.Read(chunk.data(), chunkSize);
            const char* p = chunk.data();
            const char* const end = p + n;
            // A LF right after the CR that ended a line belongs to that line's end.
            if (afterCr && p < end && *p == '\n') ++p;
            afterCr = false;
            while (p < end) {
                const char* stop = p;
                while (stop < end && !IsLineEnd(*stop)) ++stop;
                if (stop == end) {
                    line.append(p, end);
                    break;
                }
                if (line.empty()) {
                    strings.Add(std::string_view(p, static_cast<std::size_t>(stop - p)));
                } else {
                    line.append(p, stop);
                    strings.Add(line);
                    line.clear();
                }
                p = stop + 1;
                if (*stop == '\r') {
                    if (p == end)
                        afterCr = true;
                    else if (*p == '\n')
                        ++p;
                }
            }
            if (n < chunkSize) break;
        }
        if (!line.empty()) strings.Add(line);
        file.Close();
    } catch (...) {
        strings.Clear();
        throw;
    }
}
