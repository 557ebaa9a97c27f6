#include "driver/LTools.h"

#include <cstdio>

#include "base/Exception.h"
#include "base/TfTools.h"
#include "driver/HostText.h"

// One row per code set, the letters in the order Ą Ć Ę Ł Ń Ó Ś Ż Ź ą ć ę ł ń ó ś ż ź.
const std::uint8_t TLTools::kPolishLetters[kCodeSets][kLetters] = {
    {0xA4, 0x8F, 0xA8, 0x9D, 0xE3, 0xE0, 0x97, 0xBD, 0x8D, 0xA5, 0x86, 0xA9, 0x88, 0xE4, 0xA2, 0x98, 0xBE,
     0xAB},
    {0x8F, 0x95, 0x90, 0x9C, 0xA5, 0xA3, 0x98, 0xA1, 0xA0, 0x86, 0x8D, 0x91, 0x92, 0xA4, 0xA2, 0x9E, 0xA7,
     0xA6},
    {0xA5, 0xC6, 0xCA, 0xA3, 0xD1, 0xD3, 0x8C, 0xAF, 0x8F, 0xB9, 0xE6, 0xEA, 0xB3, 0xF1, 0xF3, 0x9C, 0xBF,
     0x9F},
    {0x80, 0x81, 0x82, 0x83, 0x84, 0x85, 0x86, 0x88, 0x87, 0x89, 0x8A, 0x8B, 0x8C, 0x8D, 0x8E, 0x8F, 0x91,
     0x90},
    {0x80, 0x81, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7,
     0xA8},
    {0x80, 0x82, 0x84, 0x8B, 0x8D, 0x8E, 0x92, 0x97, 0x99, 0xA0, 0xA2, 0xA4, 0xAB, 0xAD, 0xAE, 0xB2, 0xB7,
     0xB9},
    {0x41, 0x43, 0x45, 0x4C, 0x4E, 0x4F, 0x53, 0x5A, 0x5A, 0x61, 0x63, 0x65, 0x6C, 0x6E, 0x6F, 0x73, 0x7A,
     0x7A},
    {0xC0, 0xC3, 0xC6, 0xCC, 0xCE, 0xD0, 0xD5, 0xDD, 0xDC, 0xE0, 0xE3, 0xE6, 0xEC, 0xEE, 0xF0, 0xF5, 0xFD,
     0xFC},
    {0x79, 0x78, 0x7A, 0x6C, 0x4E, 0x74, 0x53, 0x5A, 0x5A, 0x79, 0x78, 0x7A, 0x6C, 0x4E, 0x74, 0x53, 0x5A,
     0x5A},
    {0x79, 0x78, 0x7A, 0x6C, 0x7B, 0x74, 0x7C, 0x7D, 0x7E, 0x79, 0x78, 0x7A, 0x6C, 0x7B, 0x74, 0x7C, 0x7D,
     0x7E},
    {0x02, 0x01, 0x03, 0xF8, 0x04, 0x99, 0x05, 0x06, 0x06, 0x02, 0x01, 0x03, 0xF8, 0x04, 0x99, 0x05, 0x06,
     0x06},
    {0xCC, 0xCD, 0xCE, 0xCF, 0xD0, 0xD1, 0xD2, 0xD4, 0xD3, 0xC3, 0xC4, 0xC5, 0xC6, 0xC7, 0xC8, 0xC9, 0xCB,
     0xCA},
    {0x7B, 0x7D, 0x7F, 0x81, 0x83, 0x85, 0x87, 0x8B, 0x89, 0x7C, 0x7E, 0x80, 0x82, 0x84, 0x86, 0x88, 0x8C,
     0x8A},
    {0xB8, 0xB9, 0x7D, 0xBA, 0xC0, 0xB6, 0xBB, 0xBF, 0xBC, 0xB8, 0xB9, 0x7D, 0xBA, 0xC0, 0xB6, 0xBB, 0xBF,
     0xBC},
};

namespace {
bool ValidRow(int row) {
    return row >= 0 && row < TLTools::kCodeSets;
}
} // namespace

std::string TLTools::plstring(std::string& text) const {
    // A row outside the table converts nothing rather than reading past it.
    if (!ValidRow(codePageFrom) || !ValidRow(codePageTo)) return text;
    const std::uint8_t* from = kPolishLetters[codePageFrom];
    const std::uint8_t* to = kPolishLetters[codePageTo];
    for (char& c : text) {
        auto b = static_cast<std::uint8_t>(c);
        for (int k = 0; k < kLetters; ++k) {
            if (from[k] == b) {
                c = static_cast<char>(to[k]);
                break;
            }
        }
    }
    return text;
}

std::string TLTools::Vat2Str(int vat) const {
    return vat == -1 ? "zw" : std::to_string(vat);
}

int TLTools::Str2Vat(const std::string& text) const {
    if (text == "zw") return -1;
    // An out-of-range sentinel tells a number from a non-number: the fallback never parses.
    constexpr int kBad = -2147483647 - 1;
    int value = hosttext::ToIntDef(text, kBad);
    if (value == kBad && hosttext::Trim(text) != "-2147483648")
        throw EConvertError("'" + text + "' is not a valid integer value");
    return value;
}

std::string TLTools::CopyTill(const std::string& source, std::string& destination,
                              const std::string& stopChars, int start) const {
    destination.clear();
    if (start < 1) start = 1;
    for (std::size_t i = static_cast<std::size_t>(start); i <= source.size(); ++i) {
        char c = source[i - 1];
        if (stopChars.find(c) != std::string::npos) break;
        destination += c;
    }
    return destination;
}

void TLTools::Bin2Hex(const std::uint8_t* bytes, char* out, int count) const {
    static const char kDigits[] = "0123456789ABCDEF";
    for (int i = 0; i < count; ++i) {
        out[2 * i] = kDigits[bytes[i] >> 4];
        out[2 * i + 1] = kDigits[bytes[i] & 0x0F];
    }
}

std::uint8_t TLTools::Hex2BinDigit(char high, char low) const {
    auto value = [](char c) {
        return static_cast<int>(static_cast<std::uint8_t>(c)) - (c <= '9' ? 0x30 : 0x37);
    };
    return static_cast<std::uint8_t>(value(high) * 16 + value(low));
}

void TLTools::Hex2Bin(const char* chars, std::uint8_t* out, int count) const {
    for (int i = 0; i < count; ++i) out[i] = Hex2BinDigit(chars[2 * i], chars[2 * i + 1]);
}

std::uint8_t TLTools::Dec2BinDigit(char high, char low) const {
    return static_cast<std::uint8_t>((static_cast<std::uint8_t>(high) - 0x30) * 16 +
                                     (static_cast<std::uint8_t>(low) - 0x30));
}

void TLTools::Dec2Bin(const char* chars, std::uint8_t* out, int count) const {
    for (int i = 0; i < count; ++i) out[i] = Dec2BinDigit(chars[2 * i], chars[2 * i + 1]);
}

void TLTools::Bin2Dec(const std::uint8_t* bytes, char* out, int count) const {
    for (int i = 0; i < count; ++i) {
        out[2 * i] = static_cast<char>((bytes[i] >> 4) + 0x30);
        out[2 * i + 1] = static_cast<char>((bytes[i] & 0x0F) + 0x30);
    }
}

std::string TLTools::StrMax(std::string& text, int maximum, bool dots) const {
    std::size_t max = maximum > 0 ? static_cast<std::size_t>(maximum) : 0;
    std::string result = text.substr(0, max);
    if (dots && text.size() > max && result.size() > 3) result.replace(result.size() - 3, 3, "...");
    return result;
}

std::string TLTools::StrSize(std::string& text, int size, char fill, e_just padding, e_just cutting) const {
    std::size_t want = size > 0 ? static_cast<std::size_t>(size) : 0;
    if (text.size() > want) {
        if (cutting == jLeft)
            text.erase(0, text.size() - want);
        else
            text.resize(want);
    } else if (text.size() < want) {
        std::string pad(want - text.size(), fill);
        if (padding == jLeft)
            text.insert(0, pad);
        else
            text += pad;
    }
    return text;
}

void TLTools::KorygujCyfreKontrolnaEAN13(std::string& code) const {
    std::string digits;
    for (char c : code)
        if (c >= '0' && c <= '9') digits += c;
    digits = hosttext::Trim(digits);
    if (digits.size() > 12)
        digits.resize(12);
    else
        digits.append(12 - digits.size(), '0');
    int sum = 0;
    for (int pos = 11, weight = 3; pos >= 0; --pos, weight = 4 - weight)
        sum += (digits[static_cast<std::size_t>(pos)] - '0') * weight;
    int check = sum % 10 == 0 ? 0 : 10 - sum % 10;
    code = digits + static_cast<char>('0' + check);
}

int TLTools::Str2Int(const std::string& text, int decimals) const {
    TxfTools value;
    value.FromString(text, 10, false);
    long double scaled = value.Value();
    for (int i = 0; i < decimals; ++i) scaled *= 10;
    for (int i = 0; i > decimals; --i) scaled /= 10;
    return static_cast<int>(TxfTools(scaled).Round(0));
}
