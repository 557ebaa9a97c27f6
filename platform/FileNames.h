#pragma once
// Finding a file by name the way Windows matches names: without regard to case.
#include <string>

#include "platform/Export.h"

namespace platform {

// The path of the file called name in folder (the current directory when empty), its name
// matched without regard to case; an exact match wins. Empty when there is no such file.
VXLUMO_API std::string FindFileIgnoringCase(const std::string& folder, const std::string& name);

} // namespace platform
