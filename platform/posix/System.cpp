#include "platform/System.h"

#include <dlfcn.h>
#include <limits.h>
#include <pthread.h>
#include <sys/syscall.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <thread>

#include "platform/Cp1250.h"
#include "platform/Oem.h"

namespace platform {
namespace {

std::string WithTrailingSlash(std::string s) {
    if (s.empty() || s.back() != '/') s += '/';
    return s;
}

std::string FolderOf(const std::string& path) {
    auto pos = path.rfind('/');
    return pos == std::string::npos ? std::string("./") : path.substr(0, pos + 1);
}

}  // namespace

std::string CurrentDirectory() {
    char buf[PATH_MAX];
    if (!::getcwd(buf, sizeof buf)) return {};
    return cp1250::FromUtf8(buf);
}

bool SetCurrentDirectory(const std::string& path) { return ::chdir(cp1250::ToUtf8(path).c_str()) == 0; }

std::string TempDirectory() {
    const char* t = std::getenv("TMPDIR");
    return WithTrailingSlash(cp1250::FromUtf8(t && *t ? t : "/tmp"));
}

std::string SystemDirectory() { return "/usr/bin"; }
std::string WindowsDirectory() { return "/"; }

std::string ExecutableDirectory() {
    char buf[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return WithTrailingSlash(CurrentDirectory());
    buf[n] = 0;
    return cp1250::FromUtf8(FolderOf(buf));
}

std::string ModuleDirectory() {
    Dl_info info{};
    if (::dladdr(reinterpret_cast<void*>(&ModuleDirectory), &info) == 0 || !info.dli_fname)
        return ExecutableDirectory();
    char buf[PATH_MAX];
    if (!::realpath(info.dli_fname, buf)) return ExecutableDirectory();
    return cp1250::FromUtf8(FolderOf(buf));
}

void Sleep(std::uint32_t milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

std::uint32_t TickCount() {
    using namespace std::chrono;
    return static_cast<std::uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

LocalDateTime LocalNow() {
    struct timeval tv{};
    ::gettimeofday(&tv, nullptr);
    struct tm t{};
    time_t secs = tv.tv_sec;
    ::localtime_r(&secs, &t);
    return LocalDateTime{t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour,
                         t.tm_min,         t.tm_sec,     static_cast<int>(tv.tv_usec / 1000)};
}

std::uint32_t CurrentThreadId() { return static_cast<std::uint32_t>(::syscall(SYS_gettid)); }

std::uint32_t LastError() { return static_cast<std::uint32_t>(errno); }
void SetLastError(std::uint32_t code) { errno = static_cast<int>(code); }

std::string SystemErrorMessage(std::uint32_t code) {
    char buf[512];
    // The GNU strerror_r returns the text, which may or may not be in buf.
    const char* text = ::strerror_r(static_cast<int>(code), buf, sizeof buf);
    return cp1250::FromUtf8(text ? text : "");
}

std::string AnsiToOem(const std::string& text) { return oem::Cp1250ToCp852(text); }
std::string OemToAnsi(const std::string& text) { return oem::Cp852ToCp1250(text); }

std::string GetEnvironment(const std::string& name) {
    const char* v = std::getenv(cp1250::ToUtf8(name).c_str());
    return v ? cp1250::FromUtf8(v) : std::string();
}

}  // namespace platform
