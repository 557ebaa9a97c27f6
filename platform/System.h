#pragma once
// Process-wide facts and services of the operating system.
#include <cstdint>
#include <string>

#include "platform/Export.h"

namespace platform {

// Folders, as Windows-1250 texts without a trailing separator unless the system gives one.
VXLUMO_API std::string CurrentDirectory();
VXLUMO_API bool SetCurrentDirectory(const std::string& path);
VXLUMO_API std::string TempDirectory();     // with a trailing separator, as the system gives it
VXLUMO_API std::string SystemDirectory();   // Windows: System32; POSIX: /usr/bin
VXLUMO_API std::string WindowsDirectory();  // Windows: the Windows folder; POSIX: /
// The folder of the running executable, with the separator at its end.
VXLUMO_API std::string ExecutableDirectory();
// The folder of the loaded library that holds this code (the executable's when linked statically).
VXLUMO_API std::string ModuleDirectory();

VXLUMO_API void Sleep(std::uint32_t milliseconds);
VXLUMO_API std::uint32_t TickCount();  // milliseconds, monotonic

struct LocalDateTime {
    int Year = 0, Month = 0, Day = 0;
    int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};
VXLUMO_API LocalDateTime LocalNow();

VXLUMO_API std::uint32_t CurrentThreadId();

// The calling thread's last system error: GetLastError() on Windows, errno on POSIX.
VXLUMO_API std::uint32_t LastError();
VXLUMO_API void SetLastError(std::uint32_t code);
// The system's own message text for an error code, Windows-1250, without trailing line breaks.
VXLUMO_API std::string SystemErrorMessage(std::uint32_t code);

// The OEM code page conversions (code page 852 beside Windows-1250 on a Polish system).
VXLUMO_API std::string AnsiToOem(const std::string& text);
VXLUMO_API std::string OemToAnsi(const std::string& text);

// The value of an environment variable, empty when unset.
VXLUMO_API std::string GetEnvironment(const std::string& name);

}  // namespace platform
