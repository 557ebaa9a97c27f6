#include "base/TfTools.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

#include "base/Exception.h"
#include "base/TextBasics.h"
#include "platform/Cp1250.h"
#include "platform/Locale.h"

namespace {

using text_basics::IsDigit;
using text_basics::Trim;

// A whole text as a number: sign, digits with one decimal separator, an optional exponent.
// The grammar is checked here and the digits converted by the standard library, so that the
// result is correctly rounded and independent of the C locale.
bool ReadNumber(const std::string& text, char separator, double& result) {
    std::string plain;
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') plain += '-';
        ++i;
    }
    int mantissaDigits = 0;
    while (i < n && IsDigit(text[i])) plain += text[i++], ++mantissaDigits;
    if (i < n && text[i] == separator) {
        plain += '.';
        ++i;
        while (i < n && IsDigit(text[i])) plain += text[i++], ++mantissaDigits;
    }
    if (mantissaDigits == 0) return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) plain += text[i++];
        if (i >= n || !IsDigit(text[i])) return false;
        while (i < n && IsDigit(text[i])) plain += text[i++];
    }
    if (i != n) return false;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), result);
    return ec == std::errc() && end == plain.data() + plain.size() && std::isfinite(result);
}

template <typename T> T DBFieldValue(const std::string& text) {
    const char systemSeparator = platform::Locale().DecimalSeparator;
    std::size_t i = 0;
    const std::size_t n = text.size();
    bool negative = false;
    while (i < n) {
        const char c = text[i];
        if (c == '-' && !negative)
            negative = true;
        else if (c != ' ' && c != '\t' && c != '+')
            break;
        ++i;
    }
    T value = 0, scale = 1;
    bool fraction = false;
    for (; i < n; ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            if (fraction) {
                scale *= 10;
                value += static_cast<T>(c - '0') / scale;
            } else {
                value = value * 10 + static_cast<T>(c - '0');
            }
        } else if ((c == ',' || c == '.' || c == systemSeparator) && !fraction) {
            fraction = true;
        } else {
            break;
        }
    }
    if (value == 0) return 0;
    return negative ? -value : value;
}

template <typename T> std::string NumberText(T value, int minDecimals, int maxDecimals, char separator) {
    minDecimals = std::clamp(minDecimals, 0, 12);
    maxDecimals = std::clamp(maxDecimals, 0, 12);
    const long double v = value;
    const int size = std::snprintf(nullptr, 0, "%.*Lf", maxDecimals, v);
    if (size <= 0) return {};
    std::vector<char> buf(static_cast<std::size_t>(size) + 1);
    std::snprintf(buf.data(), buf.size(), "%.*Lf", maxDecimals, v);
    std::string out(buf.data(), static_cast<std::size_t>(size));
    const std::size_t point = out.find('.');
    if (point != std::string::npos) {
        out[point] = separator;
        const std::size_t keep = static_cast<std::size_t>(std::min(minDecimals, maxDecimals));
        std::size_t decimals = out.size() - point - 1;
        while (decimals > keep && out.back() == '0') {
            out.pop_back();
            --decimals;
        }
        if (decimals == 0) out.pop_back();
    }
    // A value that rounds to zero is written without a sign.
    if (!out.empty() && out[0] == '-' &&
        out.find_first_not_of(std::string("-0") + separator) == std::string::npos)
        out.erase(0, 1);
    return out;
}

template <typename T> T Power10(int decimals) {
    return std::pow(static_cast<T>(10), static_cast<T>(decimals));
}

template <typename T> T RoundHalfUp(T value, int decimals) {
    if (value == 0) return 0;
    decimals = std::clamp(decimals, -12, 12);
    const T f = Power10<T>(decimals);
    const T d = std::fabs(value) * f;
    T r = std::floor(d);
    if (d - r - static_cast<T>(0.5) >= static_cast<T>(-1e-10)) r += 1;
    if (r == 0) return 0;
    return value < 0 ? -r / f : r / f;
}

template <typename T> T RoundWith(T value, int decimals, T (*step)(T)) {
    const T f = Power10<T>(std::clamp(decimals, -12, 12));
    return step(value * f) / f;
}

double FloorD(double v) {
    return std::floor(v);
}
double CeilD(double v) {
    return std::ceil(v);
}
long double FloorL(long double v) {
    return std::floor(v);
}
long double CeilL(long double v) {
    return std::ceil(v);
}

} // namespace

TfTools& TfTools::FromString(const std::string& text, int decimals, bool allowNegative) {
    const char separator = platform::Locale().DecimalSeparator;
    std::string s = Trim(text);
    std::replace(s.begin(), s.end(), '.', separator);
    std::replace(s.begin(), s.end(), ',', separator);
    double v = 0;
    if (!ReadNumber(s, separator, v))
        throw Exception(std::string("[TfTools] Błąd wprowadzania wartości liczbowej"_pl));
    if (!(v >= 0) && !allowNegative)
        throw Exception(std::string("[TfTools] Wprowadzona wartość liczbowa jest ujemna"_pl));
    value_ = TfTools(v).Round(std::clamp(decimals, 0, 12));
    return *this;
}

TfTools& TfTools::FromDBField(const std::string& text) {
    value_ = DBFieldValue<double>(text);
    return *this;
}

std::string TfTools::ToString(int minDecimals, int maxDecimals) const {
    return NumberText(value_, minDecimals, maxDecimals, platform::Locale().DecimalSeparator);
}

std::string TfTools::ToDBField(int minDecimals, int maxDecimals) const {
    return NumberText(value_, minDecimals, maxDecimals, '.');
}

double TfTools::Round(int decimals) const {
    return RoundHalfUp(value_, decimals);
}
double TfTools::RoundDown(int decimals) const {
    return RoundWith(value_, decimals, &FloorD);
}
double TfTools::RoundUp(int decimals) const {
    return RoundWith(value_, decimals, &CeilD);
}

TxfTools& TxfTools::FromString(const std::string& text, int decimals, bool allowNegative) {
    value_ = TfTools().FromString(text, decimals, allowNegative).Value();
    return *this;
}

TxfTools& TxfTools::FromDBField(const std::string& text) {
    value_ = DBFieldValue<long double>(text);
    return *this;
}

std::string TxfTools::ToString(int minDecimals, int maxDecimals) const {
    return NumberText(value_, minDecimals, maxDecimals, platform::Locale().DecimalSeparator);
}

std::string TxfTools::ToDBField(int minDecimals, int maxDecimals) const {
    return NumberText(value_, minDecimals, maxDecimals, '.');
}

long double TxfTools::Round(int decimals) const {
    return RoundHalfUp(value_, decimals);
}
long double TxfTools::RoundDown(int decimals) const {
    return RoundWith(value_, decimals, &FloorL);
}
long double TxfTools::RoundUp(int decimals) const {
    return RoundWith(value_, decimals, &CeilL);
}
