#include "platform/Process.h"

#include "platform/ConsoleProcess.h"

#include <signal.h>
#include <spawn.h>
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

    // posix_spawn rather than fork: a copy of a large process's address space, with every page
    // then faulted in again, costs more than the whole start of a small program. It reports a
    // failed chdir or exec as its result, so the caller learns of a program that could not be
    // started instead of seeing a process that ended with code 127.
    posix_spawn_file_actions_t actions;
    if (int err = ::posix_spawn_file_actions_init(&actions); err != 0) {
        errno = err;
        return nullptr;
    }
    int err = dir.empty() ? 0 : ::posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
    pid_t pid = -1;
    if (err == 0) err = ::posix_spawn(&pid, prog.c_str(), &actions, nullptr, argv.data(), environ);
    ::posix_spawn_file_actions_destroy(&actions);
    if (err != 0) {
        errno = err;
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
