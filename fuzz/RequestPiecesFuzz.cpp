// The request read piece by piece must report what the scan of the whole document reports,
// wherever the pieces cut it. The first byte picks the piece size, the rest is the request.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "bridge/RequestFile.h"
#include "platform/Files.h"
#include "platform/System.h"
#include "tests/support/XmlEventTrace.h"

namespace {

// One file for the run, removed when the fuzzer ends.
struct RunFile {
    std::string Path = platform::JoinPath(
        platform::TempDirectory(), "fuzz_request_pieces_" + std::to_string(platform::CurrentThreadId()));
    ~RunFile() { platform::DeleteFile(Path); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    static RunFile run;
    std::string request(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string& path = run.Path;
    if (!platform::WriteWholeFile(path, request)) return 0;

    const std::string whole = testing_support::WholeDocumentTrace(request);

    bridge::RequestFile file(1 + data[0] % 32);
    testing_support::XmlEventTrace pieces;
    if (!file.Open(path) || !bridge::ScanRequest(file, pieces)) std::abort();
    if (pieces.Events != whole) std::abort();
    return 0;
}
