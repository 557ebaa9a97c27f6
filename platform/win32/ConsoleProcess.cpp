#include "platform/ConsoleProcess.h"

#include "platform/win32/WindowsApi.h"

#include "platform/win32/Wide.h"

namespace platform {

namespace {

// Quotes one argument so that the C runtime's parser gives it back unchanged.
std::wstring QuoteArg(const std::wstring& arg) {
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, L'\\');
    out += L'"';
    return out;
}

class ConsoleProcess final : public Process {
public:
    explicit ConsoleProcess(HANDLE h) : h_(h) {}
    ~ConsoleProcess() override { ::CloseHandle(h_); }
    bool IsRunning() override { return ::WaitForSingleObject(h_, 0) == WAIT_TIMEOUT; }
    bool Wait(int timeoutMs) override {
        return ::WaitForSingleObject(h_, timeoutMs < 0 ? INFINITE : static_cast<DWORD>(timeoutMs)) ==
               WAIT_OBJECT_0;
    }
    int ExitCode() override {
        DWORD code = 0;
        if (!::GetExitCodeProcess(h_, &code) || code == STILL_ACTIVE) return -1;
        return static_cast<int>(code);
    }
    void Kill() override { ::TerminateProcess(h_, 1); }

private:
    HANDLE h_;
};

} // namespace

std::unique_ptr<Process> StartConsoleProgram(const std::string& program, const std::vector<std::string>& args,
                                             const std::string& workDir) {
    std::wstring app = win32::Wide(program);
    std::wstring cmd = QuoteArg(app);
    for (const auto& a : args) cmd += L" " + QuoteArg(win32::Wide(a));
    std::wstring dir = win32::Wide(workDir);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOWMINNOACTIVE;
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessW(app.c_str(), cmd.data(), nullptr, nullptr, FALSE,
                          CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS, nullptr,
                          dir.empty() ? nullptr : dir.c_str(), &si, &pi))
        return nullptr;
    ::CloseHandle(pi.hThread);
    return std::make_unique<ConsoleProcess>(pi.hProcess);
}

} // namespace platform
