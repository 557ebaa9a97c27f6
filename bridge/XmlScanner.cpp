#include "bridge/XmlScanner.h"

#include <cstdint>

#include "platform/Cp1250.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool StartsWith(std::string_view text, std::size_t pos, std::string_view prefix) {
    return text.size() - pos >= prefix.size() && text.compare(pos, prefix.size(), prefix) == 0;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The value of the encoding pseudo-attribute of the declaration, lower-cased; empty when absent.
std::string DeclaredEncoding(std::string_view doc) {
    if (!StartsWith(doc, 0, "<?xml")) return {};
    std::size_t end = doc.find("?>");
    std::string_view decl = doc.substr(0, end == std::string_view::npos ? doc.size() : end);
    std::size_t at = decl.find("encoding");
    if (at == std::string_view::npos) return {};
    at += 8;
    while (at < decl.size() && (IsBlank(decl[at]) || decl[at] == '=')) ++at;
    if (at >= decl.size() || (decl[at] != '"' && decl[at] != '\'')) return {};
    char quote = decl[at++];
    std::size_t close = decl.find(quote, at);
    if (close == std::string_view::npos) return {};
    std::string name;
    for (char c : decl.substr(at, close - at)) name += LowerAscii(c);
    return name;
}

void AppendCodePoint(std::string& out, std::uint32_t cp) {
    int byte = cp == 0 || cp > 0x10FFFF ? -1 : cp1250::FromUnicode(static_cast<char32_t>(cp));
    out += byte < 0 ? '?' : static_cast<char>(byte);
}

// Decodes the predefined entities and character references; anything else stays as written.
std::string DecodeEntities(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c != '&') {
            out += c;
            ++i;
            continue;
        }
        std::size_t semi = text.find(';', i + 1);
        if (semi == std::string_view::npos || semi - i > 12) {
            out += c;
            ++i;
            continue;
        }
        std::string_view name = text.substr(i + 1, semi - i - 1);
        bool done = true;
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
        else if (name.size() >= 2 && name[0] == '#') {
            bool hex = name[1] == 'x';
            std::string_view digits = name.substr(hex ? 2 : 1);
            std::uint32_t cp = 0;
            bool ok = !digits.empty();
            for (char d : digits) {
                int v = d >= '0' && d <= '9'          ? d - '0'
                        : hex && d >= 'a' && d <= 'f' ? d - 'a' + 10
                        : hex && d >= 'A' && d <= 'F' ? d - 'A' + 10
                                                      : -1;
                if (v < 0) {
                    ok = false;
                    break;
                }
                cp = cp * (hex ? 16 : 10) + static_cast<std::uint32_t>(v);
                if (cp > 0x10FFFF) cp = 0x110000; // stays out of range, never wraps
            }
            if (ok)
                AppendCodePoint(out, cp);
            else
                done = false;
        } else {
            done = false;
        }
        if (done) {
            i = semi + 1;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

class DocumentWalk {
public:
    DocumentWalk(const XmlScanner& scanner, std::string_view doc) : s_(scanner), doc_(doc) {}

    bool Run() {
        while (pos_ < doc_.size()) {
            if (doc_[pos_] != '<') {
                std::size_t next = doc_.find('<', pos_);
                if (next == std::string_view::npos) next = doc_.size();
                Text(DecodeEntities(doc_.substr(pos_, next - pos_)));
                pos_ = next;
                continue;
            }
            if (!Markup()) return false;
        }
        return true;
    }

private:
    void Text(const std::string& raw) {
        std::string text = XmlScanner::NormaliseWhiteSpace(raw);
        if (!text.empty() && s_.OnContent) s_.OnContent(text);
    }

    bool SkipPast(std::string_view terminator) {
        std::size_t end = doc_.find(terminator, pos_);
        if (end == std::string_view::npos) return false;
        pos_ = end + terminator.size();
        return true;
    }

    void SkipBlanks() {
        while (pos_ < doc_.size() && IsBlank(doc_[pos_])) ++pos_;
    }

    std::string Name() {
        std::size_t start = pos_;
        while (pos_ < doc_.size()) {
            char c = doc_[pos_];
            if (IsBlank(c) || c == '/' || c == '>' || c == '=' || c == '<') break;
            ++pos_;
        }
        return std::string(doc_.substr(start, pos_ - start));
    }

    bool Markup() {
        char next = pos_ + 1 < doc_.size() ? doc_[pos_ + 1] : '\0';
        if (next != '!' && next != '?' && next != '/') return Element();
        if (StartsWith(doc_, pos_, "<!--")) {
            pos_ += 4;
            return SkipPast("-->");
        }
        if (StartsWith(doc_, pos_, "<![CDATA[")) {
            std::size_t start = pos_ + 9;
            std::size_t end = doc_.find("]]>", start);
            if (end == std::string_view::npos) return false;
            Text(std::string(doc_.substr(start, end - start)));
            pos_ = end + 3;
            return true;
        }
        if (StartsWith(doc_, pos_, "<?")) {
            pos_ += 2;
            return SkipPast("?>");
        }
        if (StartsWith(doc_, pos_, "<!")) return SkipDeclaration();
        if (StartsWith(doc_, pos_, "</")) {
            pos_ += 2;
            std::string name = Name();
            if (name.empty() || !SkipPast(">")) return false;
            if (s_.OnEndTag) s_.OnEndTag(name);
            return true;
        }
        return Element();
    }

    // A start tag or an empty-element tag with its attributes.
    bool Element() {
        ++pos_;
        std::string name = Name();
        if (name.empty()) return false;
        XmlAttributes attributes;
        for (;;) {
            SkipBlanks();
            if (pos_ >= doc_.size()) return false;
            if (doc_[pos_] == '>') {
                ++pos_;
                if (s_.OnStartTag) s_.OnStartTag(name, attributes);
                return true;
            }
            if (StartsWith(doc_, pos_, "/>")) {
                pos_ += 2;
                if (s_.OnEmptyTag) s_.OnEmptyTag(name, attributes);
                return true;
            }
            XmlAttribute attribute;
            attribute.Name = Name();
            if (attribute.Name.empty()) return false;
            SkipBlanks();
            if (pos_ >= doc_.size() || doc_[pos_] != '=') return false;
            ++pos_;
            SkipBlanks();
            if (pos_ >= doc_.size() || (doc_[pos_] != '"' && doc_[pos_] != '\'')) return false;
            char quote = doc_[pos_++];
            std::size_t close = doc_.find(quote, pos_);
            if (close == std::string_view::npos) return false;
            std::string raw(doc_.substr(pos_, close - pos_));
            for (char& c : raw)
                if (IsBlank(c)) c = ' '; // attribute values carry blanks as spaces
            attribute.Value = DecodeEntities(raw);
            attributes.push_back(std::move(attribute));
            pos_ = close + 1;
        }
    }

    // A document type declaration (with its internal subset) or another declaration.
    bool SkipDeclaration() {
        int depth = 0;
        char quote = 0;
        for (pos_ += 2; pos_ < doc_.size(); ++pos_) {
            char c = doc_[pos_];
            if (quote) {
                if (c == quote) quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '[') {
                ++depth;
            } else if (c == ']') {
                if (depth > 0) --depth;
            } else if (c == '>' && depth == 0) {
                ++pos_;
                return true;
            }
        }
        return false;
    }

    const XmlScanner& s_;
    std::string_view doc_;
    std::size_t pos_ = 0;
};

} // namespace

bool XmlScanner::NeedsDecoding(std::string_view document) {
    if (StartsWith(document, 0, "\xEF\xBB\xBF")) return true;
    std::string encoding = DeclaredEncoding(document);
    bool utf8 = encoding.empty() || encoding == "utf-8" || encoding == "utf8";
    if (!utf8 || !cp1250::IsValidUtf8(document)) return false;
    for (char c : document)
        if (static_cast<unsigned char>(c) >= 0x80) return true;
    return false; // plain ASCII reads the same either way
}

std::string XmlScanner::DecodeDocument(std::string_view document) {
    if (StartsWith(document, 0, "\xEF\xBB\xBF")) document.remove_prefix(3);
    std::string encoding = DeclaredEncoding(document);
    bool utf8 = encoding.empty() || encoding == "utf-8" || encoding == "utf8";
    if (utf8 && cp1250::IsValidUtf8(document)) return cp1250::FromUtf8(document);
    return std::string(document);
}

std::string XmlScanner::NormaliseWhiteSpace(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool pendingSpace = false;
    for (char c : text) {
        if (IsBlank(c)) {
            pendingSpace = !out.empty();
            continue;
        }
        if (pendingSpace) out += ' ';
        pendingSpace = false;
        out += c;
    }
    return out;
}

bool XmlScanner::Scan(std::string_view document) {
    return ScanDecoded(DecodeDocument(document));
}

bool XmlScanner::ScanDecoded(std::string_view document) {
    return DocumentWalk(*this, document).Run();
}
