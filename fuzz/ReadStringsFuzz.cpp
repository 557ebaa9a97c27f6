// Arbitrary file contents through the whole-file line reader: it must never crash, and every
// chunk size must give the same lines, which must join back to the contents.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/MFile.h"
#include "base/StringList.h"
#include "platform/Files.h"
#include "platform/System.h"

namespace {

const std::string& ScratchFile() {
    static const std::string path = platform::JoinPath(
        platform::TempDirectory(), "vxfuzz-read-strings-" + std::to_string(platform::CurrentThreadId()) + ".txt");
    return path;
}

// The contents with every break (CR LF, CR, LF, zero byte) turned into one LF and a final
// break dropped: what the lines must give back when joined with LF.
std::string Normalised(const std::string& in) {
    std::string out;
    bool afterCr = false;
    for (char c : in) {
        bool brk = c == '\r' || c == '\n' || c == 0;
        if (c == '\n' && afterCr) {
            afterCr = false;
            continue;
        }
        out += brk ? '\n' : c;
        afterCr = c == '\r';
    }
    if (!out.empty() && out.back() == '\n') out.pop_back();
    return out;
}

std::string Joined(const TStringList& lines) {
    std::string out;
    for (int i = 0; i < lines.Count(); ++i) {
        if (i) out += '\n';
        out += lines[i];
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string contents(reinterpret_cast<const char*>(data), size);
    if (!platform::WriteWholeFile(ScratchFile(), contents)) return 0;
    TStringList small, large;
    TMFile::ReadStringsFromFile(ScratchFile(), small, 64);
    TMFile::ReadStringsFromFile(ScratchFile(), large, 4096);
    if (small.Lines() != large.Lines()) std::abort();
    // A file of breaks only may leave one empty line fewer than the joined text shows, so the
    // joined lines are compared with the contents only when the last line holds text.
    std::string expected = Normalised(contents);
    if (!expected.empty() && expected.back() != '\n' && Joined(large) != expected) std::abort();
    return 0;
}
