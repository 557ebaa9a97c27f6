#pragma once
// Small text helpers shared by the exception classes (not part of the exported interface).
#include <cstdint>
#include <string>
#include <string_view>

#include "base/Macerror.h"

namespace macerror_text {

inline constexpr std::string_view kCrLf = "\r\n";

// The English text when EMException::Language is 1, the Polish one otherwise.
inline std::string Choose(std::string_view polish, std::string_view english) {
    return std::string(EMException::Language == 1 ? english : polish);
}

// True when nothing but white space and control characters is left after trimming.
inline bool IsBlank(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) > ' ') return false;
    return true;
}

inline std::string Decimal(std::int64_t value) {
    return std::to_string(value);
}

} // namespace macerror_text
