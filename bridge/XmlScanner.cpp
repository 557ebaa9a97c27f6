#include "bridge/XmlScanner.h"

#include <cstdint>
#include <cstring>

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

// Where c first occurs in text from pos on, or npos.
std::size_t FindChar(std::string_view text, std::size_t pos, char c) {
    if (pos >= text.size()) return std::string_view::npos;
    const void* at = std::memchr(text.data() + pos, c, text.size() - pos);
    return at ? static_cast<std::size_t>(static_cast<const char*>(at) - text.data()) : std::string_view::npos;
}

void AppendCodePoint(std::string& out, std::uint32_t cp) {
    int byte = cp == 0 || cp > 0x10FFFF ? -1 : cp1250::FromUnicode(static_cast<char32_t>(cp));
    out += byte < 0 ? '?' : static_cast<char>(byte);
}

// The character a reference between '&' and ';' stands for; false when it is not one we know.
bool AppendReference(std::string& out, std::string_view name) {
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
        if (digits.empty()) return false;
        std::uint32_t cp = 0;
        for (char d : digits) {
            int v = d >= '0' && d <= '9'          ? d - '0'
                    : hex && d >= 'a' && d <= 'f' ? d - 'a' + 10
                    : hex && d >= 'A' && d <= 'F' ? d - 'A' + 10
                                                  : -1;
            if (v < 0) return false;
            cp = cp * (hex ? 16 : 10) + static_cast<std::uint32_t>(v);
            if (cp > 0x10FFFF) cp = 0x110000; // stays out of range, never wraps
        }
        AppendCodePoint(out, cp);
    } else {
        return false;
    }
    return true;
}

// Decodes the predefined entities and character references into out; anything else stays as
// written.
void DecodeEntities(std::string_view text, std::string& out) {
    out.clear();
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t amp = FindChar(text, i, '&');
        if (amp == std::string_view::npos) {
            out.append(text.substr(i));
            break;
        }
        out.append(text.substr(i, amp - i));
        std::size_t semi = FindChar(text, amp + 1, ';');
        if (semi != std::string_view::npos && semi - amp <= 12 &&
            AppendReference(out, text.substr(amp + 1, semi - amp - 1))) {
            i = semi + 1;
        } else {
            out += '&';
            i = amp + 1;
        }
    }
}

std::string DecodeEntities(std::string_view text) {
    std::string out;
    DecodeEntities(text, out);
    return out;
}

// Folds blanks as NormaliseWhiteSpace does, into scratch only when the text needs it.
std::string_view Normalise(std::string_view text, std::string& scratch) {
    std::size_t first = 0, end = text.size();
    while (first < end && IsBlank(text[first])) ++first;
    while (end > first && IsBlank(text[end - 1])) --end;
    text = text.substr(first, end - first);
    bool folded = true;
    for (std::size_t i = 0; i < text.size() && folded; ++i) {
        char c = text[i];
        if (c == '\t' || c == '\r' || c == '\n' || (c == ' ' && text[i + 1] == ' ')) folded = false;
    }
    if (folded) return text;
    scratch.clear();
    bool pendingSpace = false;
    for (char c : text) {
        if (IsBlank(c)) {
            pendingSpace = true;
            continue;
        }
        if (pendingSpace) scratch += ' ';
        pendingSpace = false;
        scratch += c;
    }
    return scratch;
}

// One pass over text. Running out of text inside an item counts as malformed input only in the
// last part of a document; otherwise the walk stops before that item and asks for more.
class DocumentWalk {
public:
    DocumentWalk(XmlHandler& handler, std::string& decoded, std::string& normalised, std::string_view doc,
                 bool last)
        : h_(handler), decoded_(decoded), normalised_(normalised), doc_(doc), last_(last) {}

    XmlPartScanner::Progress Run() {
        while (pos_ < doc_.size()) {
            std::size_t start = pos_;
            if (doc_[pos_] != '<') {
                std::size_t next = FindChar(doc_, pos_, '<');
                if (next == std::string_view::npos) {
                    if (!last_) return XmlPartScanner::Progress::NeedMore;
                    next = doc_.size();
                }
                std::string_view raw = doc_.substr(pos_, next - pos_);
                if (FindChar(raw, 0, '&') != std::string_view::npos) {
                    DecodeEntities(raw, decoded_);
                    raw = decoded_;
                }
                Text(raw);
                pos_ = next;
                continue;
            }
            if (!Markup()) {
                if (last_) return XmlPartScanner::Progress::Stopped;
                pos_ = start;
                return XmlPartScanner::Progress::NeedMore;
            }
        }
        return last_ ? XmlPartScanner::Progress::Finished : XmlPartScanner::Progress::NeedMore;
    }

    std::size_t Position() const { return pos_; }

private:
    void Text(std::string_view raw) {
        std::string_view text = Normalise(raw, normalised_);
        if (!text.empty()) h_.Content(text);
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

    std::string_view Name() {
        std::size_t start = pos_;
        while (pos_ < doc_.size()) {
            char c = doc_[pos_];
            if (IsBlank(c) || c == '/' || c == '>' || c == '=' || c == '<') break;
            ++pos_;
        }
        return doc_.substr(start, pos_ - start);
    }

    bool Markup() {
        char next = pos_ + 1 < doc_.size() ? doc_[pos_ + 1] : '\0';
        if (next == '/') {
            pos_ += 2;
            std::string_view name = Name();
            if (name.empty() || !SkipPast(">")) return false;
            h_.EndTag(name);
            return true;
        }
        if (next != '!' && next != '?') return Element();
        if (StartsWith(doc_, pos_, "<!--")) {
            pos_ += 4;
            return SkipPast("-->");
        }
        if (StartsWith(doc_, pos_, "<![CDATA[")) {
            std::size_t start = pos_ + 9;
            std::size_t end = doc_.find("]]>", start);
            if (end == std::string_view::npos) return false;
            Text(doc_.substr(start, end - start));
            pos_ = end + 3;
            return true;
        }
        if (StartsWith(doc_, pos_, "<?")) {
            pos_ += 2;
            return SkipPast("?>");
        }
        return SkipDeclaration();
    }

    // A start tag or an empty-element tag with its attributes.
    bool Element() {
        ++pos_;
        std::string_view name = Name();
        if (name.empty()) return false;
        XmlAttributes attributes;
        for (;;) {
            SkipBlanks();
            if (pos_ >= doc_.size()) return false;
            if (doc_[pos_] == '>') {
                ++pos_;
                h_.StartTag(name, attributes);
                return true;
            }
            if (StartsWith(doc_, pos_, "/>")) {
                pos_ += 2;
                h_.EmptyTag(name, attributes);
                return true;
            }
            XmlAttribute attribute;
            attribute.Name = std::string(Name());
            if (attribute.Name.empty()) return false;
            SkipBlanks();
            if (pos_ >= doc_.size() || doc_[pos_] != '=') return false;
            ++pos_;
            SkipBlanks();
            if (pos_ >= doc_.size() || (doc_[pos_] != '"' && doc_[pos_] != '\'')) return false;
            char quote = doc_[pos_++];
            std::size_t close = FindChar(doc_, pos_, quote);
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

    XmlHandler& h_;
    std::string& decoded_;
    std::string& normalised_;
    std::string_view doc_;
    bool last_;
    std::size_t pos_ = 0;
};

// The scanner's std::function handlers behind the handler interface.
class FunctionHandler : public XmlHandler {
public:
    explicit FunctionHandler(const XmlScanner& s) : s_(s) {}
    void StartTag(std::string_view name, const XmlAttributes& attributes) override {
        if (s_.OnStartTag) s_.OnStartTag(std::string(name), attributes);
    }
    void EmptyTag(std::string_view name, const XmlAttributes& attributes) override {
        if (s_.OnEmptyTag) s_.OnEmptyTag(std::string(name), attributes);
    }
    void EndTag(std::string_view name) override {
        if (s_.OnEndTag) s_.OnEndTag(std::string(name));
    }
    void Content(std::string_view text) override {
        if (s_.OnContent) s_.OnContent(std::string(text));
    }

private:
    const XmlScanner& s_;
};

} // namespace

XmlPartScanner::Progress XmlPartScanner::Scan(std::string_view text, bool last, std::size_t& consumed) {
    DocumentWalk walk(handler_, decoded_, normalised_, text, last);
    Progress progress = walk.Run();
    consumed = walk.Position();
    return progress;
}

std::string XmlScanner::DeclaredEncoding(std::string_view doc) {
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

bool XmlScanner::IsUtf8Name(std::string_view encoding) {
    return encoding.empty() || encoding == "utf-8" || encoding == "utf8";
}

bool XmlScanner::NeedsDecoding(std::string_view document) {
    if (StartsWith(document, 0, "\xEF\xBB\xBF")) return true;
    if (!IsUtf8Name(DeclaredEncoding(document)) || !cp1250::IsValidUtf8(document)) return false;
    for (char c : document)
        if (static_cast<unsigned char>(c) >= 0x80) return true;
    return false; // plain ASCII reads the same either way
}

std::string XmlScanner::DecodeDocument(std::string_view document) {
    if (StartsWith(document, 0, "\xEF\xBB\xBF")) document.remove_prefix(3);
    if (IsUtf8Name(DeclaredEncoding(document)) && cp1250::IsValidUtf8(document))
        return cp1250::FromUtf8(document);
    return std::string(document);
}

std::string XmlScanner::NormaliseWhiteSpace(std::string_view text) {
    std::string scratch;
    return std::string(Normalise(text, scratch));
}

bool XmlScanner::Scan(std::string_view document) {
    return ScanDecoded(DecodeDocument(document));
}

bool XmlScanner::ScanDecoded(std::string_view document) {
    FunctionHandler handler(*this);
    XmlPartScanner scanner(handler);
    std::size_t consumed = 0;
    return scanner.Scan(document, true, consumed) == XmlPartScanner::Progress::Finished;
}
