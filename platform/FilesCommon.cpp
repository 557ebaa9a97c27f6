// The parts of the file interface that need no system call of their own.
#include <atomic>

#include "platform/Files.h"
#include "platform/System.h"

namespace platform {

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    char last = folder.back();
    if (last == '/' || last == PathSeparator()) return folder + name;
    return folder + PathSeparator() + name;
}

bool ReadWholeFile(const std::string& path, std::string& contents) {
    contents.clear();
    FileHandle f = OpenFile(path, FileAccess::Read, FileDisposition::OpenExisting, FileShare{true, true, false});
    if (f == kInvalidFile) return false;
    std::int64_t size = 0;
    bool ok = FileSize(f, size);
    if (ok) {
        contents.resize(static_cast<std::size_t>(size));
        std::size_t done = 0;
        while (ok && done < contents.size()) {
            std::size_t got = 0;
            ok = ReadFile(f, contents.data() + done, contents.size() - done, got);
            if (got == 0) break;
            done += got;
        }
        contents.resize(done);
    }
    std::uint32_t err = LastError();
    CloseFile(f);
    if (!ok) {
        contents.clear();
        SetLastError(err);
    }
    return ok;
}

bool WriteWholeFile(const std::string& path, const std::string& contents) {
    FileHandle f = OpenFile(path, FileAccess::Write, FileDisposition::CreateAlways, FileShare{true, false, false});
    if (f == kInvalidFile) return false;
    std::size_t written = 0;
    bool ok = contents.empty() || WriteFile(f, contents.data(), contents.size(), written);
    ok = ok && written == contents.size();
    std::uint32_t err = LastError();
    bool closed = CloseFile(f);
    if (!ok) SetLastError(err);
    return ok && closed;
}

bool WriteFileReplacing(const std::string& path, const std::string& contents) {
    static std::atomic<unsigned> counter{0};
    std::string temp = path + ".tmp" + std::to_string(CurrentThreadId()) + "_" + std::to_string(counter++);
    if (!WriteWholeFile(temp, contents)) {
        std::uint32_t err = LastError();
        DeleteFile(temp);
        SetLastError(err);
        return false;
    }
    if (!RenameFile(temp, path, true)) {
        std::uint32_t err = LastError();
        DeleteFile(temp);
        SetLastError(err);
        return false;
    }
    return true;
}

}  // namespace platform
