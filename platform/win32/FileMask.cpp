#include "platform/FileMask.h"

#include "platform/win32/WindowsApi.h"

#include "platform/win32/Wide.h"

namespace platform {

bool AnyFileMatches(const std::string& mask) {
    WIN32_FIND_DATAW data{};
    HANDLE h = ::FindFirstFileW(win32::Wide(mask).c_str(), &data);
    if (h == INVALID_HANDLE_VALUE) return false;
    constexpr DWORD kNotPlain = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    bool found = false;
    do {
        found = (data.dwFileAttributes & kNotPlain) == 0;
    } while (!found && ::FindNextFileW(h, &data));
    ::FindClose(h);
    return found;
}

} // namespace platform
