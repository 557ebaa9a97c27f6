// Arbitrary bytes as the two request files: the first two bytes give the length of the
// settings file, the rest after it is the request. The window is a stand-in that answers No,
// no sending program runs and the connection library is missing.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "bridge/FrmSubiekt.h"
#include "bridge/SilentView.h"
#include "platform/Files.h"

namespace {

class NoProgram : public bridge::ProgramRunner {
public:
    bridge::ProgramOutcome Run(const std::string&, const std::vector<std::string>&, const std::string&,
                               const std::function<void()>&) override {
        return {false, 0};
    }
};

// One folder for the run, removed when the fuzzer ends.
struct RunFolder {
    std::filesystem::path Path =
        std::filesystem::temp_directory_path() / ("fuzz_bridge_" + std::to_string(::getpid()));
    RunFolder() { std::filesystem::create_directories(Path); }
    ~RunFolder() {
        std::error_code ec;
        std::filesystem::remove_all(Path, ec);
    }
};

const std::string& Folder() {
    static RunFolder run;
    static const std::string folder = run.Path.string();
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    std::size_t settingsSize = std::min<std::size_t>(size - 2, data[0] | (data[1] << 8));
    std::string settings(reinterpret_cast<const char*>(data + 2), settingsSize);
    std::string request(reinterpret_cast<const char*>(data + 2 + settingsSize), size - 2 - settingsSize);
    const std::string& folder = Folder();
    platform::WriteWholeFile(platform::JoinPath(folder, "Prog_kom.cfg"), settings);
    platform::WriteWholeFile(platform::JoinPath(folder, "ster_uni.xml"), request);

    bridge::SilentView view;
    NoProgram runner;
    bridge::CasPrtcLibrary casprtc(platform::JoinPath(folder, "missing"));
    bridge::TFrmSubiekt form(view, view, runner, casprtc, {folder, folder});
    form.ConnectionSleep = [](std::uint32_t) {};
    form.TimerTick();
    return 0;
}
