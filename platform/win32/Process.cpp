#include "platform/Process.h"

#include "platform/ConsoleProcess.h"

#include "platform/win32/WindowsApi.h"

#include "platform/win32/Wide.h"

namespace platform {
using win32::Wide;

namespace {

// Quotes one command-line argument so that the C runtime's parser gives it back unchanged.
std::wstring Quote(const std::wstring& arg) {
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
        } else if (c == L'"') {
            out.append(backslashes * 2 + 1, L'\\');
            backslashes = 0;
        } else {
            out.append(backslashes, L'\\');
            backslashes = 0;
        }
        if (c != L'\\') out += c;
    }
    out.append(backslashes * 2, L'\\');
    out += L'"';
    return out;
}

class Win32Process final : public Process {
public:
    explicit Win32Process(HANDLE h) : h_(h) {}
    ~Win32Process() override { ::CloseHandle(h_); }
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

std::unique_ptr<Process> StartProcess(const std::string& program, const std::vector<std::string>& args,
                                      const std::string& workDir, DWORD creationFlags,
                                      const STARTUPINFOW& si) {
    std::wstring cmd = Quote(Wide(program));
    for (const auto& a : args) cmd += L" " + Quote(Wide(a));
    std::wstring app = Wide(program);
    std::wstring dir = Wide(workDir);
    STARTUPINFOW startup = si;
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessW(app.c_str(), cmd.data(), nullptr, nullptr, FALSE, creationFlags, nullptr,
                          dir.empty() ? nullptr : dir.c_str(), &startup, &pi))
        return nullptr;
    ::CloseHandle(pi.hThread);
    return std::make_unique<Win32Process>(pi.hProcess);
}

} // namespace

Process::~Process() = default;

std::unique_ptr<Process> Process::Start(const std::string& program, const std::vector<std::string>& args,
                                        const std::string& workDir) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    return StartProcess(program, args, workDir, 0, si);
}

std::unique_ptr<Process> StartConsoleProgram(const std::string& program, const std::vector<std::string>& args,
                                             const std::string& workDir) {
    // A console program of another maker gets a console of its own, shown minimised without
    // taking the focus.
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOWMINNOACTIVE;
    return StartProcess(program, args, workDir, CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS, si);
}

bool ShellOpen(const std::string& file, const std::string& parameters, const std::string& workDir) {
    std::wstring f = Wide(file), p = Wide(parameters), d = Wide(workDir);
    HINSTANCE r = ::ShellExecuteW(nullptr, L"open", f.c_str(), p.empty() ? nullptr : p.c_str(),
                                  d.empty() ? nullptr : d.c_str(), SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(r) > 32;
}

} // namespace platform
