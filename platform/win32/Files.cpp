#include "platform/Files.h"

#include "platform/win32/WindowsApi.h"

#include "platform/win32/CreateFile.h"
#include "platform/win32/Wide.h"

namespace platform {
using win32::Wide;

namespace {
HANDLE ToHandle(FileHandle f) {
    return reinterpret_cast<HANDLE>(f);
}
} // namespace

namespace win32 {

FileHandle CreateFileWith(const std::string& path, FileAccess access, FileDisposition disposition,
                          FileShare share, DWORD flags) {
    DWORD acc = access == FileAccess::Read    ? GENERIC_READ
                : access == FileAccess::Write ? GENERIC_WRITE
                                              : GENERIC_READ | GENERIC_WRITE;
    DWORD disp = disposition == FileDisposition::CreateAlways   ? CREATE_ALWAYS
                 : disposition == FileDisposition::OpenExisting ? OPEN_EXISTING
                                                                : OPEN_ALWAYS;
    DWORD shareMode = (share.Read ? FILE_SHARE_READ : 0) | (share.Write ? FILE_SHARE_WRITE : 0) |
                      (share.Delete ? FILE_SHARE_DELETE : 0);
    HANDLE h = ::CreateFileW(Wide(path).c_str(), acc, shareMode, nullptr, disp, flags, nullptr);
    if (h == INVALID_HANDLE_VALUE) return kInvalidFile;
    return reinterpret_cast<FileHandle>(h);
}

} // namespace win32

FileHandle OpenFile(const std::string& path, FileAccess access, FileDisposition disposition,
                    FileShare share) {
    return win32::CreateFileWith(path, access, disposition, share, FILE_ATTRIBUTE_NORMAL);
}

bool ReadFile(FileHandle file, void* buffer, std::size_t size, std::size_t& read) {
    DWORD got = 0;
    DWORD want = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
    BOOL ok = ::ReadFile(ToHandle(file), buffer, want, &got, nullptr);
    read = got;
    return ok != FALSE;
}

bool WriteFile(FileHandle file, const void* buffer, std::size_t size, std::size_t& written) {
    written = 0;
    const char* p = static_cast<const char*>(buffer);
    while (written < size) {
        std::size_t left = size - written;
        DWORD chunk = left > 0x40000000 ? 0x40000000 : static_cast<DWORD>(left);
        DWORD done = 0;
        if (!::WriteFile(ToHandle(file), p + written, chunk, &done, nullptr)) return false;
        if (done == 0) {
            ::SetLastError(ERROR_DISK_FULL);
            return false;
        }
        written += done;
    }
    return true;
}

bool SeekFile(FileHandle file, std::int64_t offset, SeekOrigin origin, std::int64_t& position) {
    LARGE_INTEGER dist, now;
    dist.QuadPart = offset;
    DWORD method = origin == SeekOrigin::Begin     ? FILE_BEGIN
                   : origin == SeekOrigin::Current ? FILE_CURRENT
                                                   : FILE_END;
    if (!::SetFilePointerEx(ToHandle(file), dist, &now, method)) return false;
    position = now.QuadPart;
    return true;
}

bool FileSize(FileHandle file, std::int64_t& size) {
    LARGE_INTEGER s;
    if (!::GetFileSizeEx(ToHandle(file), &s)) return false;
    size = s.QuadPart;
    return true;
}

bool FlushFile(FileHandle file) {
    return ::FlushFileBuffers(ToHandle(file)) != FALSE;
}
bool SetEndOfFile(FileHandle file) {
    return ::SetEndOfFile(ToHandle(file)) != FALSE;
}
bool CloseFile(FileHandle file) {
    return ::CloseHandle(ToHandle(file)) != FALSE;
}

bool FileExists(const std::string& path) {
    DWORD a = ::GetFileAttributesW(Wide(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
    DWORD a = ::GetFileAttributesW(Wide(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool DeleteFile(const std::string& path) {
    return ::DeleteFileW(Wide(path).c_str()) != FALSE;
}

bool RenameFile(const std::string& from, const std::string& to, bool replaceExisting) {
    DWORD flags = MOVEFILE_COPY_ALLOWED | (replaceExisting ? MOVEFILE_REPLACE_EXISTING : 0);
    return ::MoveFileExW(Wide(from).c_str(), Wide(to).c_str(), flags) != FALSE;
}

bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) {
    return ::CopyFileW(Wide(from).c_str(), Wide(to).c_str(), failIfExists ? TRUE : FALSE) != FALSE;
}

bool CreateDirectory(const std::string& path) {
    return ::CreateDirectoryW(Wide(path).c_str(), nullptr) != FALSE;
}
bool RemoveDirectory(const std::string& path) {
    return ::RemoveDirectoryW(Wide(path).c_str()) != FALSE;
}

char PathSeparator() {
    return '\\';
}

} // namespace platform
