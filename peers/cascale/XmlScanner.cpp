#include "cascale/XmlScanner.h"

#include <cstdint>

#include "platform/Cp1250.h"

namespace peers {
namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsNameChar(char c) {
    auto b = static_cast<unsigned char>(c);
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.' || c == ':' || b >= 0x80;
}

char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Decodes the five named entities and numeric references; a character beyond one byte is put
// into Windows-1250 when the code page has it.
bool DecodeEntities(std::string_view raw, std::string& out, std::string& error) {
    out.clear();
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '&') {
            out += raw[i];
            continue;
        }
        auto semi = raw.find(';', i);
        if (semi == std::string_view::npos || semi - i > 12) {
            error = "unterminated entity";
            return false;
        }
        std::string_view name = raw.substr(i + 1, semi - i - 1);
        if (name == "amp")
            out += '&';
        else if (name == "lt")
            out += '<';
        else if (name == "gt")
            out += '>';
        else if (name == "quot")
            out += '"';
        else if (name == "apos")
            out += '\'';
        else if (name.size() > 1 && name[0] == '#') {
            std::uint32_t code = 0;
            bool hex = name[1] == 'x' || name[1] == 'X';
            std::string_view digits = name.substr(hex ? 2 : 1);
            if (digits.empty()) {
                error = "bad character reference";
                return false;
            }
            for (char c : digits) {
                int v = (c >= '0' && c <= '9')          ? c - '0'
                        : hex && (c >= 'a' && c <= 'f') ? c - 'a' + 10
                        : hex && (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                                        : -1;
                if (v < 0 || code > 0x10FFFF) {
                    error = "bad character reference";
                    return false;
                }
                code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(v);
            }
            int byte = cp1250::FromUnicode(code);
            out += byte < 0 ? '?' : static_cast<char>(byte);
        } else {
            error = "unknown entity &" + std::string(name) + ";";
            return false;
        }
        i = semi;
    }
    return true;
}

bool ParseTag(std::string_view body, XmlItem& item, std::string& error) {
    std::size_t i = 0;
    if (!body.empty() && body[0] == '/') {
        item.kind = XmlItem::Kind::EndTag;
        i = 1;
    } else if (!body.empty() && body.back() == '/') {
        item.kind = XmlItem::Kind::EmptyTag;
        body.remove_suffix(1);
    } else {
        item.kind = XmlItem::Kind::StartTag;
    }
    std::size_t start = i;
    while (i < body.size() && IsNameChar(body[i])) ++i;
    item.name.assign(body.substr(start, i - start));
    if (item.name.empty()) {
        error = "tag without a name";
        return false;
    }
    for (;;) {
        while (i < body.size() && IsSpace(body[i])) ++i;
        if (i >= body.size()) return true;
        if (item.kind == XmlItem::Kind::EndTag) {
            error = "text in end tag </" + item.name + ">";
            return false;
        }
        start = i;
        while (i < body.size() && IsNameChar(body[i])) ++i;
        XmlAttribute attribute;
        attribute.name.assign(body.substr(start, i - start));
        while (i < body.size() && IsSpace(body[i])) ++i;
        if (attribute.name.empty() || i >= body.size() || body[i] != '=') {
            error = "bad attribute in <" + item.name + ">";
            return false;
        }
        ++i;
        while (i < body.size() && IsSpace(body[i])) ++i;
        if (i >= body.size() || (body[i] != '"' && body[i] != '\'')) {
            error = "attribute " + attribute.name + " without a quoted value";
            return false;
        }
        char quote = body[i++];
        auto end = body.find(quote, i);
        if (end == std::string_view::npos) {
            error = "unterminated value of attribute " + attribute.name;
            return false;
        }
        if (!DecodeEntities(body.substr(i, end - i), attribute.value, error)) return false;
        item.attributes.push_back(std::move(attribute));
        i = end + 1;
    }
}

} // namespace

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
    return true;
}

std::string DeclaredEncoding(std::string_view document) {
    if (document.substr(0, 5) != "<?xml") return {};
    auto end = document.find("?>");
    std::string_view decl = document.substr(0, end);
    auto pos = decl.find("encoding");
    if (pos == std::string_view::npos) return {};
    auto open = decl.find_first_of("\"'", pos);
    if (open == std::string_view::npos) return {};
    auto close = decl.find(decl[open], open + 1);
    if (close == std::string_view::npos) return {};
    std::string name(decl.substr(open + 1, close - open - 1));
    for (char& c : name) c = UpperAscii(c);
    return name;
}

bool ScanXml(std::string_view doc, std::vector<XmlItem>& items, std::string& error) {
    items.clear();
    std::size_t i = 0;
    while (i < doc.size()) {
        if (doc[i] != '<') {
            auto next = doc.find('<', i);
            if (next == std::string_view::npos) next = doc.size();
            XmlItem text;
            if (!DecodeEntities(doc.substr(i, next - i), text.text, error)) return false;
            items.push_back(std::move(text));
            i = next;
            continue;
        }
        auto skipTo = [&](std::string_view terminator, const char* what) {
            auto end = doc.find(terminator, i);
            if (end == std::string_view::npos) {
                error = std::string("unterminated ") + what;
                return false;
            }
            i = end + terminator.size();
            return true;
        };
        if (doc.substr(i, 4) == "<!--") {
            if (!skipTo("-->", "comment")) return false;
        } else if (doc.substr(i, 9) == "<![CDATA[") {
            auto end = doc.find("]]>", i);
            if (end == std::string_view::npos) {
                error = "unterminated CDATA section";
                return false;
            }
            XmlItem text;
            text.text.assign(doc.substr(i + 9, end - i - 9));
            items.push_back(std::move(text));
            i = end + 3;
        } else if (doc.substr(i, 2) == "<?") {
            if (!skipTo("?>", "processing instruction")) return false;
        } else if (doc.substr(i, 2) == "<!") {
            if (!skipTo(">", "declaration")) return false;
        } else {
            // A tag: find its end outside quoted values.
            std::size_t j = i + 1;
            char quote = 0;
            for (; j < doc.size(); ++j) {
                if (quote) {
                    if (doc[j] == quote) quote = 0;
                } else if (doc[j] == '"' || doc[j] == '\'') {
                    quote = doc[j];
                } else if (doc[j] == '>' || doc[j] == '<') {
                    break;
                }
            }
            if (j >= doc.size() || doc[j] != '>') {
                error = "unterminated tag";
                return false;
            }
            std::string_view body = doc.substr(i + 1, j - i - 1);
            while (!body.empty() && IsSpace(body.back())) body.remove_suffix(1);
            XmlItem tag;
            if (!ParseTag(body, tag, error)) return false;
            items.push_back(std::move(tag));
            i = j + 1;
        }
    }
    return true;
}

} // namespace peers
