#include "common/ScaleProtocol.h"

namespace peers {
namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (;;) {
        auto semi = line.find(';');
        fields.push_back(line.substr(0, semi));
        if (semi == std::string_view::npos) break;
        line.remove_prefix(semi + 1);
    }
    return fields;
}

} // namespace

std::string EscapeField(std::string_view text) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        auto b = static_cast<unsigned char>(c);
        if (c == '%' || c == ';' || b < 0x20 || b == 0x7F) {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 15];
        } else {
            out += c;
        }
    }
    return out;
}

bool UnescapeField(std::string_view text, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size()) return false;
        int hi = HexValue(text[i + 1]), lo = HexValue(text[i + 2]);
        if (hi < 0 || lo < 0) return false;
        out += static_cast<char>(hi * 16 + lo);
        i += 2;
    }
    return true;
}

std::optional<std::int64_t> ParseInteger(std::string_view text, std::int64_t min, std::int64_t max) {
    if (text.empty()) return std::nullopt;
    bool negative = false;
    std::size_t i = 0;
    if (text[0] == '-' || text[0] == '+') {
        negative = text[0] == '-';
        i = 1;
        if (text.size() == 1) return std::nullopt;
    }
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > 999999999999LL) return std::nullopt;
    }
    if (negative) value = -value;
    if (value < min || value > max) return std::nullopt;
    return value;
}

std::string EncodeRecord(const PluRecord& r) {
    std::string line = std::to_string(r.plu);
    for (const std::string* text : {&r.name1, &r.name2}) line += ';' + EscapeField(*text);
    line += ';' + std::to_string(r.price);
    for (const std::string* text : {&r.group, &r.itemCode, &r.barcode, &r.department, &r.pluType})
        line += ';' + EscapeField(*text);
    return line;
}

bool DecodeRecord(std::string_view line, PluRecord& record, std::string& error) {
    auto fields = SplitFields(line);
    if (fields.size() > 9) {
        error = "too many fields";
        return false;
    }
    fields.resize(9);
    PluRecord r;
    auto plu = ParseInteger(fields[0], kMinPlu, kMaxPlu);
    if (!plu) {
        error = "bad PLU number '" + std::string(fields[0]) + "'";
        return false;
    }
    r.plu = static_cast<int>(*plu);
    if (!fields[3].empty()) {
        auto price = ParseInteger(fields[3], 0, kMaxPrice);
        if (!price) {
            error = "bad price '" + std::string(fields[3]) + "'";
            return false;
        }
        r.price = *price;
    }
    std::string* texts[] = {nullptr,     &r.name1,   &r.name2,      nullptr,   &r.group,
                            &r.itemCode, &r.barcode, &r.department, &r.pluType};
    for (std::size_t i = 1; i < 9; ++i) {
        if (!texts[i]) continue;
        if (!UnescapeField(fields[i], *texts[i])) {
            error = "bad escape in field " + std::to_string(i + 1);
            return false;
        }
    }
    record = std::move(r);
    return true;
}

void SplitRequest(std::string_view line, std::string& verb, std::string& rest) {
    auto space = line.find(' ');
    verb.assign(line.substr(0, space));
    for (char& c : verb)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    rest = space == std::string_view::npos ? std::string() : std::string(line.substr(space + 1));
}

} // namespace peers
