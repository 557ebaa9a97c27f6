#pragma once
// A scale simulator running as a child process for one test, on a free port of 127.0.0.1.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/ScaleProtocol.h"
#include "platform/Process.h"
#include "support/TempDir.h"

namespace peers_test {

// The path of a stand-in program built beside the test executable ("CAScale.exe", "scalesim").
std::string PeerProgram(const std::string& name);

// Runs a program in folder with the arguments; waits at most 60 s and returns its exit code.
int RunProgram(const std::string& program, const std::vector<std::string>& args, const std::string& folder);

class ScaleSimProcess {
public:
    // Starts the simulator with its files in dir; dbName names its table file there (none when
    // empty). Fails the test (and Port() is 0) when it does not come up.
    explicit ScaleSimProcess(const testing_support::TempDir& dir, const std::string& dbName = {});
    ~ScaleSimProcess();

    std::uint16_t Port() const { return port_; }
    // The table as the simulator holds it, through the protocol.
    std::vector<peers::PluRecord> Dump();
    void Set(const peers::PluRecord& record);
    // Asks the simulator to end and waits for it; the exit code, or -1 when it had to be killed.
    int Stop();

private:
    std::unique_ptr<platform::Process> process_;
    std::uint16_t port_ = 0;
};

// A record with just a number and a name.
peers::PluRecord Plu(int plu, const std::string& name);

} // namespace peers_test
