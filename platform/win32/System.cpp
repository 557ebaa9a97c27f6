#include "platform/System.h"

#include "platform/win32/WindowsApi.h"

#include <string>

#include "platform/win32/Wide.h"

namespace platform {
using win32::Narrow;
using win32::Wide;

namespace {

std::string FolderOf(const std::wstring& path) {
    auto pos = path.find_last_of(L"\\/");
    return Narrow(pos == std::wstring::npos ? std::wstring(L".\\") : path.substr(0, pos + 1));
}

std::wstring ModulePath(HMODULE module) {
    std::wstring buf(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = ::GetModuleFileNameW(module, buf.data(), static_cast<DWORD>(buf.size()));
        if (n == 0) return {};
        if (n < buf.size()) {
            buf.resize(n);
            return buf;
        }
        buf.resize(buf.size() * 2);
    }
}

} // namespace

std::string CurrentDirectory() {
    wchar_t buf[MAX_PATH + 1];
    DWORD n = ::GetCurrentDirectoryW(MAX_PATH + 1, buf);
    return n == 0 || n > MAX_PATH ? std::string() : Narrow(std::wstring(buf, n));
}

bool SetCurrentDirectory(const std::string& path) {
    return ::SetCurrentDirectoryW(Wide(path).c_str()) != FALSE;
}

std::string TempDirectory() {
    wchar_t buf[MAX_PATH + 1];
    DWORD n = ::GetTempPathW(MAX_PATH + 1, buf);
    return n == 0 || n > MAX_PATH ? std::string() : Narrow(std::wstring(buf, n));
}

std::string SystemDirectory() {
    wchar_t buf[MAX_PATH + 1];
    UINT n = ::GetSystemDirectoryW(buf, MAX_PATH + 1);
    return n == 0 || n > MAX_PATH ? std::string() : Narrow(std::wstring(buf, n));
}

std::string WindowsDirectory() {
    wchar_t buf[MAX_PATH + 1];
    UINT n = ::GetWindowsDirectoryW(buf, MAX_PATH + 1);
    return n == 0 || n > MAX_PATH ? std::string() : Narrow(std::wstring(buf, n));
}

std::string ExecutableDirectory() {
    return FolderOf(ModulePath(nullptr));
}

std::string ModuleDirectory() {
    HMODULE self = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                             GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCWSTR>(&ModuleDirectory), &self);
    return FolderOf(ModulePath(self));
}

void Sleep(std::uint32_t milliseconds) {
    ::Sleep(milliseconds);
}
std::uint32_t TickCount() {
    return static_cast<std::uint32_t>(::GetTickCount64());
}

LocalDateTime LocalNow() {
    SYSTEMTIME t;
    ::GetLocalTime(&t);
    return LocalDateTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

std::uint32_t CurrentThreadId() {
    return ::GetCurrentThreadId();
}
std::uint32_t LastError() {
    return ::GetLastError();
}
void SetLastError(std::uint32_t code) {
    ::SetLastError(code);
}

std::string SystemErrorMessage(std::uint32_t code) {
    wchar_t* buf = nullptr;
    DWORD n = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                   FORMAT_MESSAGE_IGNORE_INSERTS,
                               nullptr, code, 0, reinterpret_cast<LPWSTR>(&buf), 0, nullptr);
    std::wstring text = n && buf ? std::wstring(buf, n) : std::wstring();
    if (buf) ::LocalFree(buf);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' '))
        text.pop_back();
    return Narrow(text);
}

std::string AnsiToOem(const std::string& text) {
    // Through Unicode, so that the result does not depend on the user's ANSI code page.
    std::wstring w = Wide(text);
    int n = ::WideCharToMultiByte(CP_OEMCP, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr,
                                  nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(CP_OEMCP, 0, w.data(), static_cast<int>(w.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::string OemToAnsi(const std::string& text) {
    int n = ::MultiByteToWideChar(CP_OEMCP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring w(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_OEMCP, 0, text.data(), static_cast<int>(text.size()), w.data(), n);
    return Narrow(w);
}

std::string GetEnvironment(const std::string& name) {
    std::wstring wname = Wide(name);
    DWORD n = ::GetEnvironmentVariableW(wname.c_str(), nullptr, 0);
    if (n == 0) return {};
    std::wstring buf(n, L'\0');
    n = ::GetEnvironmentVariableW(wname.c_str(), buf.data(), n);
    buf.resize(n);
    return Narrow(buf);
}

} // namespace platform
