#include "driver/HostText.h"

#include <cstring>
#include <limits>

namespace hosttext {

namespace {
constexpr std::size_t kMaxText = 300;
bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}
} // namespace

std::string Trim(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && IsBlank(text[b])) ++b;
    while (e > b && IsBlank(text[e - 1])) --e;
    return std::string(text.substr(b, e - b));
}

void CopyToBuffer(char* buffer, std::string_view text) {
    if (!buffer) return;
    std::size_t n = text.size() < kMaxText ? text.size() : kMaxText;
    if (n) std::memcpy(buffer, text.data(), n);
    std::memset(buffer + n, 0, kMaxText + 1 - n);
}

std::string FromBuffer(const char* buffer) {
    if (!buffer) return {};
    std::size_t n = 0;
    while (n < kMaxText && buffer[n] != '\0') ++n;
    return std::string(buffer, n);
}

int ToIntDef(std::string_view text, int fallback) {
    std::string t = Trim(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
    if (i == t.size()) return fallback;
    long long value = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9') return fallback;
        value = value * 10 + (t[i] - '0');
        if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1) return fallback;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min()) return fallback;
    return static_cast<int>(value);
}

} // namespace hosttext
