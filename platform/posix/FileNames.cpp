#include "platform/FileNames.h"

#include <dirent.h>

#include "platform/Cp1250.h"
#include "platform/Files.h"

namespace platform {

std::string FindFileIgnoringCase(const std::string& folder, const std::string& name) {
    std::string exact = JoinPath(folder, name);
    if (FileExists(exact)) return exact;
    DIR* dir = ::opendir(folder.empty() ? "." : cp1250::ToUtf8(folder).c_str());
    if (!dir) return {};
    std::string wanted = cp1250::UpperCase(name);
    std::string found;
    while (dirent* entry = ::readdir(dir)) {
        std::string candidate = cp1250::FromUtf8(entry->d_name);
        if (cp1250::UpperCase(candidate) != wanted) continue;
        std::string path = JoinPath(folder, candidate);
        if (FileExists(path)) {
            found = path;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

} // namespace platform
