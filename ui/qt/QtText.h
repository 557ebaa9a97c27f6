#pragma once
// Windows-1250 texts of the logic to and from the toolkit's strings.
#include <QString>
#include <string>

#include "platform/Cp1250.h"

inline QString ToQt(std::string_view cp1250Text) {
    return QString::fromStdU16String(cp1250::ToUtf16(cp1250Text));
}

inline std::string FromQt(const QString& text) {
    return cp1250::FromUtf16(text.toStdU16String());
}
