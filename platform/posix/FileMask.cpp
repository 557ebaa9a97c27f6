#include "platform/FileMask.h"

#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>

#include "platform/Cp1250.h"

namespace platform {

bool AnyFileMatches(const std::string& mask) {
    std::string m = cp1250::ToUtf8(mask);
    std::size_t slash = m.find_last_of('/');
    std::string folder = slash == std::string::npos ? "." : m.substr(0, slash + 1);
    std::string pattern = slash == std::string::npos ? m : m.substr(slash + 1);
    if (pattern.empty()) return false;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return false;
    bool found = false;
    while (!found) {
        dirent* entry = ::readdir(dir);
        if (!entry) break;
        // A name beginning with a dot is what a hidden file is here.
        if (entry->d_name[0] == '.') continue;
        if (::fnmatch(pattern.c_str(), entry->d_name, 0) != 0) continue;
        struct stat st {};
        std::string path = (slash == std::string::npos ? std::string() : folder) + entry->d_name;
        found = ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    }
    ::closedir(dir);
    return found;
}

} // namespace platform
