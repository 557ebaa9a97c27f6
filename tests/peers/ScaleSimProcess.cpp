#include "ScaleSimProcess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "common/ScaleClient.h"
#include "platform/Files.h"
#include "platform/System.h"

namespace peers_test {

std::string PeerProgram(const std::string& name) {
#if defined(_WIN32)
    bool hasExe = name.size() > 4 && name.compare(name.size() - 4, 4, ".exe") == 0;
    return platform::ExecutableDirectory() + name + (hasExe ? "" : ".exe");
#else
    return platform::ExecutableDirectory() + name;
#endif
}

int RunProgram(const std::string& program, const std::vector<std::string>& args, const std::string& folder) {
    auto process = platform::Process::Start(program, args, folder);
    if (!process) {
        ADD_FAILURE() << "cannot start " << program;
        return -1;
    }
    if (!process->Wait(60000)) {
        process->Kill();
        process->Wait(5000);
        ADD_FAILURE() << program << " did not end within 60 s";
        return -1;
    }
    return process->ExitCode();
}

ScaleSimProcess::ScaleSimProcess(const testing_support::TempDir& dir, const std::string& dbName) {
    std::string portFile = dir.File("scalesim.port");
    platform::DeleteFile(portFile); // an earlier simulator's port must not be taken for this one's
    std::vector<std::string> args{"--port", "0", "--port-file", portFile};
    if (!dbName.empty()) {
        args.push_back("--db");
        args.push_back(dir.File(dbName));
    }
    process_ = platform::Process::Start(PeerProgram("scalesim"), args, dir.Cp1250());
    if (!process_) {
        ADD_FAILURE() << "cannot start scalesim";
        return;
    }
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline && process_->IsRunning()) {
        std::string text;
        if (platform::ReadWholeFile(portFile, text) && !text.empty() && text.back() == '\n') {
            auto port = peers::ParseInteger(text.substr(0, text.size() - 1), 1, 65535);
            if (port) port_ = static_cast<std::uint16_t>(*port);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (port_ == 0) ADD_FAILURE() << "scalesim did not report its port";
}

ScaleSimProcess::~ScaleSimProcess() {
    Stop();
}

int ScaleSimProcess::Stop() {
    if (!process_) return -1;
    if (process_->IsRunning() && port_ != 0) {
        peers::ScaleClient client;
        std::string error, reply;
        if (client.Connect("127.0.0.1", port_, error)) client.Request("SHUTDOWN", reply);
    }
    int code = -1;
    if (process_->Wait(10000)) {
        code = process_->ExitCode();
    } else {
        process_->Kill();
        process_->Wait(5000);
    }
    process_.reset();
    return code;
}

std::vector<peers::PluRecord> ScaleSimProcess::Dump() {
    peers::ScaleClient client;
    std::string error;
    std::vector<peers::PluRecord> records;
    if (!client.Connect("127.0.0.1", port_, error) || !client.Dump(records, error))
        ADD_FAILURE() << "dump failed: " << error;
    return records;
}

void ScaleSimProcess::Set(const peers::PluRecord& record) {
    peers::ScaleClient client;
    std::string error;
    if (!client.Connect("127.0.0.1", port_, error) || !client.Set(record, error))
        ADD_FAILURE() << "SET failed: " << error;
}

peers::PluRecord Plu(int plu, const std::string& name) {
    peers::PluRecord r;
    r.plu = plu;
    r.name1 = name;
    return r;
}

} // namespace peers_test
