#include "platform/Cp1250.h"

#include <array>

namespace cp1250 {
namespace {

constexpr std::array<unsigned char, 256> MakeUpperTable() {
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 256; ++i) t[i] = static_cast<unsigned char>(i);
    for (int i = 'a'; i <= 'z'; ++i) t[i] = static_cast<unsigned char>(i - 32);
    // Š Ś Ť Ž Ź, Ł Ą Ş Ľ Ż
    t[0x9A] = 0x8A, t[0x9C] = 0x8C, t[0x9D] = 0x8D, t[0x9E] = 0x8E, t[0x9F] = 0x8F;
    t[0xB3] = 0xA3, t[0xB9] = 0xA5, t[0xBA] = 0xAA, t[0xBE] = 0xBC, t[0xBF] = 0xAF;
    // 0xE0..0xFE map to 0xC0..0xDE, except the division sign (0xF7).
    for (int i = 0xE0; i <= 0xFE; ++i)
        if (i != 0xF7) t[i] = static_cast<unsigned char>(i - 0x20);
    return t;
}

constexpr std::array<unsigned char, 256> MakeLowerTable() {
    auto up = MakeUpperTable();
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 256; ++i) t[i] = static_cast<unsigned char>(i);
    for (int i = 0; i < 256; ++i)
        if (up[i] != i) t[up[i]] = static_cast<unsigned char>(i);
    return t;
}

constexpr auto kUpper = MakeUpperTable();
constexpr auto kLower = MakeLowerTable();

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[i]; returns its length, or 0 when it is not well formed.
std::size_t DecodeUtf8(std::string_view text, std::size_t i, char32_t& cp) {
    unsigned char b = static_cast<unsigned char>(text[i]);
    std::size_t len;
    char32_t min;
    if (b < 0x80) {
        cp = b;
        return 1;
    } else if ((b & 0xE0) == 0xC0) {
        cp = b & 0x1F, len = 2, min = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        cp = b & 0x0F, len = 3, min = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        cp = b & 0x07, len = 4, min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > text.size()) return 0;
    for (std::size_t k = 1; k < len; ++k) {
        unsigned char c = static_cast<unsigned char>(text[i + k]);
        if ((c & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return len;
}

char FromCodePoint(char32_t cp) {
    int b = FromUnicode(cp);
    return b < 0 ? '?' : static_cast<char>(b);
}

}  // namespace

std::string ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    for (char c : text) AppendUtf8(out, ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::string FromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp;
        std::size_t len = DecodeUtf8(utf8, i, cp);
        if (len == 0) {
            out += utf8[i];
            ++i;
        } else {
            out += FromCodePoint(cp);
            i += len;
        }
    }
    return out;
}

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t cp;
        std::size_t len = DecodeUtf8(bytes, i, cp);
        if (len == 0) return false;
        i += len;
    }
    return true;
}

std::u16string ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char c : text) out += static_cast<char16_t>(ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::string FromUtf16(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t cp = utf16[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            ++i;
        }
        out += FromCodePoint(cp);
    }
    return out;
}

char ToUpper(char c) { return static_cast<char>(kUpper[static_cast<unsigned char>(c)]); }
char ToLower(char c) { return static_cast<char>(kLower[static_cast<unsigned char>(c)]); }

std::string UpperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = ToUpper(c);
    return out;
}

std::string LowerCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = ToLower(c);
    return out;
}

}  // namespace cp1250
