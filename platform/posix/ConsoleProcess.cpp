#include "platform/ConsoleProcess.h"

namespace platform {

std::unique_ptr<Process> StartConsoleProgram(const std::string& program, const std::vector<std::string>& args,
                                             const std::string& workDir) {
    return Process::Start(program, args, workDir);
}

} // namespace platform
