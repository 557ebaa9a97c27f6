#include "platform/FileModes.h"

#include "platform/win32/WindowsApi.h"

#include "platform/win32/Wide.h"

namespace platform {
using win32::Wide;

FileHandle OpenFileForPattern(const std::string& path, FileAccess access, FileDisposition disposition,
                              FileShare share, FileAccessPattern pattern) {
    DWORD acc = access == FileAccess::Read    ? GENERIC_READ
                : access == FileAccess::Write ? GENERIC_WRITE
                                              : GENERIC_READ | GENERIC_WRITE;
    DWORD disp = disposition == FileDisposition::CreateAlways   ? CREATE_ALWAYS
                 : disposition == FileDisposition::OpenExisting ? OPEN_EXISTING
                                                                : OPEN_ALWAYS;
    DWORD shareMode = (share.Read ? FILE_SHARE_READ : 0) | (share.Write ? FILE_SHARE_WRITE : 0) |
                      (share.Delete ? FILE_SHARE_DELETE : 0);
    DWORD flags = FILE_ATTRIBUTE_NORMAL | (pattern == FileAccessPattern::Random ? FILE_FLAG_RANDOM_ACCESS
                                                                                : FILE_FLAG_SEQUENTIAL_SCAN);
    HANDLE h = ::CreateFileW(Wide(path).c_str(), acc, shareMode, nullptr, disp, flags, nullptr);
    if (h == INVALID_HANDLE_VALUE) return kInvalidFile;
    return reinterpret_cast<FileHandle>(h);
}

bool SetFileReadOnly(const std::string& path, bool readOnly) {
    std::wstring wide = Wide(path);
    DWORD a = ::GetFileAttributesW(wide.c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return false;
    a = readOnly ? (a | FILE_ATTRIBUTE_READONLY) : (a & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
    if (a == 0) a = FILE_ATTRIBUTE_NORMAL;
    return ::SetFileAttributesW(wide.c_str(), a) != FALSE;
}

} // namespace platform
