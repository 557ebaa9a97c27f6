#pragma once
// Starting other programs and waiting for them.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Export.h"

namespace platform {

class VXLUMO_API Process {
public:
    // Starts program with the arguments in folder workDir (the current one when empty). Windows
    // builds a command line with every part quoted; POSIX passes the arguments as they are.
    // Returns nullptr when the program could not be started (reason in LastError()).
    static std::unique_ptr<Process> Start(const std::string& program, const std::vector<std::string>& args,
                                          const std::string& workDir);
    virtual ~Process();

    // True while the process runs; a finished process has its exit code.
    virtual bool IsRunning() = 0;
    // Waits at most timeoutMs (negative: without limit); true when the process has ended.
    virtual bool Wait(int timeoutMs) = 0;
    virtual int ExitCode() = 0;
    virtual void Kill() = 0;
};

// The shell's "open" verb: starts a program or opens a document without waiting. On POSIX the
// file is started directly as a program. True when it was started.
VXLUMO_API bool ShellOpen(const std::string& file, const std::string& parameters, const std::string& workDir);

}  // namespace platform
