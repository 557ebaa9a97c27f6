#include "platform/FileNames.h"

#include "platform/Files.h"

namespace platform {

// The file system itself matches names without regard to case.
std::string FindFileIgnoringCase(const std::string& folder, const std::string& name) {
    std::string path = JoinPath(folder, name);
    return FileExists(path) ? path : std::string();
}

} // namespace platform
