#pragma once
// The one place that turns our file modes into a CreateFileW call; flags are the attribute and
// access-pattern flags of that call.
#include <string>

#include "platform/Files.h"
#include "platform/win32/WindowsApi.h"

namespace platform::win32 {
FileHandle CreateFileWith(const std::string& path, FileAccess access, FileDisposition disposition,
                          FileShare share, DWORD flags);
} // namespace platform::win32
