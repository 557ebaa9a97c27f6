#pragma once
// Starting a console program of another maker for the user to watch: on Windows in a new console
// window, shown minimised without taking the focus. Elsewhere it is Process::Start.
#include <memory>
#include <string>
#include <vector>

#include "platform/Process.h"

namespace platform {

// Every part of the command line is quoted. workDir empty: the current folder. nullptr when the
// program could not be started (reason in LastError()).
VXLUMO_API std::unique_ptr<Process> StartConsoleProgram(const std::string& program,
                                                        const std::vector<std::string>& args,
                                                        const std::string& workDir);

} // namespace platform
