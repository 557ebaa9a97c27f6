#pragma once
// Matching file names against a mask with * and ? in its last part ("C:\WYM\*.exp").
#include <string>

#include "platform/Export.h"

namespace platform {

// True when at least one ordinary file (not a folder, hidden or system file) matches the mask.
VXLUMO_API bool AnyFileMatches(const std::string& mask);

} // namespace platform
