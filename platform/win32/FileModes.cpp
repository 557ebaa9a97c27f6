#include "platform/FileModes.h"

#include "platform/win32/WindowsApi.h"

#include "platform/win32/CreateFile.h"
#include "platform/win32/Wide.h"

namespace platform {
using win32::Wide;

FileHandle OpenFileForPattern(const std::string& path, FileAccess access, FileDisposition disposition,
                              FileShare share, FileAccessPattern pattern) {
    DWORD flags = FILE_ATTRIBUTE_NORMAL | (pattern == FileAccessPattern::Random ? FILE_FLAG_RANDOM_ACCESS
                                                                                : FILE_FLAG_SEQUENTIAL_SCAN);
    return win32::CreateFileWith(path, access, disposition, share, flags);
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
