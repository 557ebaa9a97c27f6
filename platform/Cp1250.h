#pragma once
// Windows-1250 text: the one table between the system's 8-bit texts and Unicode.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Export.h"

namespace cp1250 {

// Unicode code points of the bytes 0x80..0xFF. The five bytes the code page leaves undefined map
// to the C1 control of the same value, so every byte survives a round trip.
inline constexpr char16_t kHighHalf[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039, 0x015A,
    0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154,
    0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD,
    0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA,
    0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4,
    0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9};

constexpr char32_t ToUnicode(unsigned char byte) {
    return byte < 0x80 ? char32_t(byte) : char32_t(kHighHalf[byte - 0x80]);
}

// The byte for a code point, or -1 when the code page has no such letter.
constexpr int FromUnicode(char32_t cp) {
    if (cp < 0x80) return int(cp);
    for (int i = 0; i < 128; ++i)
        if (kHighHalf[i] == cp) return 0x80 + i;
    return -1;
}

// Conversions at the edges. Letters without a Windows-1250 form become '?'; invalid UTF-8
// bytes are taken as Windows-1250 bytes, so nothing a user typed is silently dropped.
VXLUMO_API std::string ToUtf8(std::string_view text);
VXLUMO_API std::string FromUtf8(std::string_view utf8);
VXLUMO_API std::u16string ToUtf16(std::string_view text);
VXLUMO_API std::string FromUtf16(std::u16string_view utf16);
// True when the bytes are well-formed UTF-8.
VXLUMO_API bool IsValidUtf8(std::string_view bytes);

// Case mapping aware of the Polish (and other Central European) letters of the code page.
VXLUMO_API char ToUpper(char c);
VXLUMO_API char ToLower(char c);
VXLUMO_API std::string UpperCase(std::string_view text);
VXLUMO_API std::string LowerCase(std::string_view text);

// Compile-time conversion of the system's own Polish texts, written in the source as UTF-8.
template <std::size_t N> struct Utf8Literal {
    char data[N]{};
    constexpr Utf8Literal(const char (&s)[N]) {
        for (std::size_t i = 0; i < N; ++i) data[i] = s[i];
    }
};

template <std::size_t N> struct Converted {
    char data[N]{};
    std::size_t size = 0;
};

template <std::size_t N> constexpr Converted<N> ConvertLiteral(const Utf8Literal<N>& in) {
    Converted<N> out;
    std::size_t i = 0;
    while (i + 1 < N) {  // the last byte is the terminating zero
        unsigned char b = static_cast<unsigned char>(in.data[i]);
        char32_t cp = 0;
        int extra = 0;
        if (b < 0x80) {
            cp = b;
        } else if ((b & 0xE0) == 0xC0) {
            cp = b & 0x1F;
            extra = 1;
        } else if ((b & 0xF0) == 0xE0) {
            cp = b & 0x0F;
            extra = 2;
        } else if ((b & 0xF8) == 0xF0) {
            cp = b & 0x07;
            extra = 3;
        } else {
            throw "invalid UTF-8 in a Polish literal";
        }
        ++i;
        for (int k = 0; k < extra; ++k, ++i) {
            if (i + 1 >= N) throw "truncated UTF-8 in a Polish literal";
            cp = (cp << 6) | (static_cast<unsigned char>(in.data[i]) & 0x3F);
        }
        int byte = FromUnicode(cp);
        if (byte < 0) throw "a letter without a Windows-1250 form";
        out.data[out.size++] = static_cast<char>(byte);
    }
    return out;
}

template <Utf8Literal L> struct Literal {
    static constexpr auto value = ConvertLiteral(L);
    static constexpr std::string_view view{value.data, value.size};
};

}  // namespace cp1250

// "Błąd"_pl is the Windows-1250 form of the text, converted while compiling. It yields a
// reference to the converted view: clang 14 crashes on two such literals turned into strings in
// one function when the operator returns the view by value.
template <cp1250::Utf8Literal L> constexpr const std::string_view& operator""_pl() {
    return cp1250::Literal<L>::view;
}
