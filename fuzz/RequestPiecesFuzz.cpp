// The request read piece by piece must report what the scan of the whole document reports,
// wherever the pieces cut it. The first byte picks the piece size, the rest is the request.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "bridge/RequestFile.h"
#include "bridge/XmlScanner.h"
#include "platform/Files.h"

namespace {

std::string Tag(std::string_view name, const XmlAttributes& attributes) {
    std::string t(name);
    for (const auto& a : attributes) t += " " + a.Name + "=" + a.Value;
    return t;
}

class Trace : public XmlHandler {
public:
    std::string Events;
    void StartTag(std::string_view n, const XmlAttributes& a) override { Events += "<" + Tag(n, a) + ">"; }
    void EmptyTag(std::string_view n, const XmlAttributes& a) override { Events += "<" + Tag(n, a) + "/>"; }
    void EndTag(std::string_view n) override { Events += "</" + std::string(n) + ">"; }
    void Content(std::string_view t) override { Events += "'" + std::string(t) + "'"; }
};

// One file for the run, removed when the fuzzer ends.
struct RunFile {
    std::filesystem::path Path =
        std::filesystem::temp_directory_path() / ("fuzz_request_pieces_" + std::to_string(::getpid()));
    ~RunFile() {
        std::error_code ec;
        std::filesystem::remove(Path, ec);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    static RunFile run;
    std::string request(reinterpret_cast<const char*>(data + 1), size - 1);
    std::string path = run.Path.string();
    if (!platform::WriteWholeFile(path, request)) return 0;

    Trace whole;
    XmlScanner scanner;
    scanner.OnStartTag = [&](const std::string& n, const XmlAttributes& a) { whole.StartTag(n, a); };
    scanner.OnEmptyTag = [&](const std::string& n, const XmlAttributes& a) { whole.EmptyTag(n, a); };
    scanner.OnEndTag = [&](const std::string& n) { whole.EndTag(n); };
    scanner.OnContent = [&](const std::string& t) { whole.Content(t); };
    scanner.Scan(request);

    bridge::RequestFile file(1 + data[0] % 32);
    Trace pieces;
    if (!file.Open(path) || !bridge::ScanRequest(file, pieces)) std::abort();
    if (pieces.Events != whole.Events) std::abort();
    return 0;
}
