#include "platform/Process.h"

#include "platform/ConsoleProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "platform/Cp1250.h"

namespace platform {
namespace {

class PosixProcess final : public Process {
public:
    explicit PosixProcess(pid_t pid) : pid_(pid) {}
    ~PosixProcess() override {
        // A process we no longer watch must not stay a zombie: reap it when it has ended.
        if (!ended_) ::waitpid(pid_, &status_, WNOHANG);
    }

    bool IsRunning() override { return !Poll(false); }

    bool Wait(int timeoutMs) override {
        if (timeoutMs < 0) return Poll(true);
        auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (!Poll(false)) {
            if (std::chrono::steady_clock::now() >= deadline) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return true;
    }

    int ExitCode() override {
        if (!ended_) return -1;
        if (WIFEXITED(status_)) return WEXITSTATUS(status_);
        return 128 + (WIFSIGNALED(status_) ? WTERMSIG(status_) : 0);
    }

    void Kill() override {
        if (!ended_) ::kill(pid_, SIGKILL);
    }

private:
    bool Poll(bool block) {
        if (ended_) return true;
        for (;;) {
            pid_t r = ::waitpid(pid_, &status_, block ? 0 : WNOHANG);
            if (r < 0 && errno == EINTR) continue;
            if (r == pid_ || r < 0) ended_ = true;
            return ended_;
        }
    }

    pid_t pid_;
    int status_ = 0;
    bool ended_ = false;
};

} // namespace

Process::~Process() = default;

std::unique_ptr<Process> Process::Start(const std::string& program, const std::vector<std::string>& args,
                                        const std::string& workDir) {
    std::string prog = cp1250::ToUtf8(program);
    std::vector<std::string> argv_s{prog};
    for (const auto& a : args) argv_s.push_back(cp1250::ToUtf8(a));
    std::vector<char*> argv;
    for (auto& s : argv_s) argv.push_back(s.data());
    argv.push_back(nullptr);
    std::string dir = cp1250::ToUtf8(workDir);

    // The child reports a failed chdir or exec through this pipe, so that the caller learns of a
    // program that could not be started instead of seeing a process that ended with code 127.
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return nullptr;
    pid_t pid = ::fork();
    if (pid < 0) {
        int err = errno;
        ::close(fds[0]);
        ::close(fds[1]);
        errno = err;
        return nullptr;
    }
    if (pid == 0) {
        ::close(fds[0]);
        if (!dir.empty() && ::chdir(dir.c_str()) != 0) {
            int err = errno;
            (void)!::write(fds[1], &err, sizeof err);
            ::_exit(127);
        }
        ::execv(prog.c_str(), argv.data());
        int err = errno;
        (void)!::write(fds[1], &err, sizeof err);
        ::_exit(127);
    }
    ::close(fds[1]);
    int childErr = 0;
    ssize_t n;
    do {
        n = ::read(fds[0], &childErr, sizeof childErr);
    } while (n < 0 && errno == EINTR);
    ::close(fds[0]);
    if (n == sizeof childErr) {
        int status;
        ::waitpid(pid, &status, 0);
        errno = childErr;
        return nullptr;
    }
    return std::make_unique<PosixProcess>(pid);
}

// No console windows here: a console program starts like any other.
std::unique_ptr<Process> StartConsoleProgram(const std::string& program, const std::vector<std::string>& args,
                                             const std::string& workDir) {
    return Process::Start(program, args, workDir);
}

bool ShellOpen(const std::string& file, const std::string& parameters, const std::string& workDir) {
    std::vector<std::string> args;
    if (!parameters.empty()) args.push_back(parameters);
    auto p = Process::Start(file, args, workDir);
    // Not waited for: the child is reaped when this object goes, or by init once we exit.
    return p != nullptr;
}

} // namespace platform
