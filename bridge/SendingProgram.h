#pragma once
// Running the scale maker's sending program and waiting for it to end.
#include <functional>
#include <string>
#include <vector>

namespace bridge {

struct ProgramOutcome {
    bool Started = false;
    int ExitCode = 0;
};

class ProgramRunner {
public:
    virtual ~ProgramRunner() = default;
    // Starts the program with the arguments in workDir and waits for it to end, calling
    // whileWaiting now and then meanwhile.
    virtual ProgramOutcome Run(const std::string& program, const std::vector<std::string>& arguments,
                               const std::string& workDir, const std::function<void()>& whileWaiting) = 0;
};

// The real thing, through the platform's processes.
class PlatformProgramRunner : public ProgramRunner {
public:
    ProgramOutcome Run(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& workDir, const std::function<void()>& whileWaiting) override;
};

} // namespace bridge
