#include "bridge/SendingProgram.h"

#include "platform/Process.h"

namespace bridge {

ProgramOutcome PlatformProgramRunner::Run(const std::string& program,
                                          const std::vector<std::string>& arguments,
                                          const std::string& workDir,
                                          const std::function<void()>& whileWaiting) {
    ProgramOutcome outcome;
    auto process = platform::Process::Start(program, arguments, workDir);
    if (!process) return outcome;
    outcome.Started = true;
    while (!process->Wait(20))
        if (whileWaiting) whileWaiting();
    outcome.ExitCode = process->ExitCode();
    return outcome;
}

} // namespace bridge
