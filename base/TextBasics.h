#pragma once
// Small text helpers the number and date-time readers share.
#include <string>

namespace text_basics {

inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Without leading and trailing blanks and control characters.
inline std::string Trim(const std::string& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
    return s.substr(b, e - b);
}

} // namespace text_basics
