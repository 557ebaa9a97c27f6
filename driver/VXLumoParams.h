#pragma once
// The scale driver's fixed description of itself: library properties, the parameter table and
// the texts of the parameters' value lists. No library object or host callback is needed.
#include <string>

#include "platform/Export.h"

// How the host keeps a parameter's value.
enum TVXParamType : int {
    vptNone = 0,
    vptText = 1,
    vptListText = 3, // one of the list's texts; the value is the text
    vptRange = 4,    // a whole number between minimum and maximum
    vptDirectory = 6,
    vptListIndex = 7, // one of the list's texts; the value is its index
};

struct VXLUMO_API TVXParamInfo {
    int type = vptNone;
    std::string name;
    std::string caption;
    std::string defaultValue;
    std::string minimum;
    std::string maximum;
};

namespace vxparams {

inline constexpr int kMainGroup = 101;
inline constexpr int kFolderGroup = 102;

// Library property by number (1 name, 2 identifier, 3 description, 102 and 103 "0").
VXLUMO_API std::string LibraryProperty(int number);
// The parameter at (group, index); type vptNone with empty texts when there is none.
VXLUMO_API TVXParamInfo Parameter(int group, int index);
// Entry index of the named parameter's list; empty when there is no such entry. The name is
// compared trimmed and upper-cased.
VXLUMO_API std::string ListText(const std::string& parameterName, int index);

} // namespace vxparams
