#include "common/Console.h"

#include "platform/Cp1250.h"

namespace peers {

std::string ArgToCp1250(const char* arg) {
    std::string text = arg ? arg : "";
#if defined(_WIN32)
    return text;
#else
    return cp1250::IsValidUtf8(text) ? cp1250::FromUtf8(text) : text;
#endif
}

void PrintLine(std::FILE* stream, std::string_view cp1250Text) {
#if defined(_WIN32)
    std::string out(cp1250Text);
#else
    std::string out = cp1250::ToUtf8(cp1250Text);
#endif
    out += '\n';
    std::fwrite(out.data(), 1, out.size(), stream);
    std::fflush(stream);
}

} // namespace peers
