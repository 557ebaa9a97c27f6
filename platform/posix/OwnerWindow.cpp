#include <cstdio>

#include "platform/Cp1250.h"
#include "platform/OwnerWindow.h"

namespace platform {

int ShowSystemMessageBox(const std::string& text, const std::string& caption, int) {
    std::fprintf(stderr, "%s: %s\n", cp1250::ToUtf8(caption).c_str(), cp1250::ToUtf8(text).c_str());
    return idOk;
}

} // namespace platform
