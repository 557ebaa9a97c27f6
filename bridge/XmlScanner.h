#pragma once
// An event-driven XML scanner: it walks a document once and reports start tags, empty-element
// tags, end tags and element text to the handlers, in document order. Written here rather than
// taken from a library because the bridge needs the old scanner's exact habits: text handed over
// as Windows-1250 bytes, white-space normalisation of element text, character data sections
// reported as element text, no well-formedness checks, and reading of documents that declare
// utf-8 while holding Windows-1250 bytes. Malformed input ends the scan quietly after the last
// event it could read.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct XmlAttribute {
    std::string Name;
    std::string Value;
};
using XmlAttributes = std::vector<XmlAttribute>;

// Receives the events of a scan. Names and text are valid only during the call.
class XmlHandler {
public:
    virtual ~XmlHandler() = default;
    virtual void StartTag(std::string_view name, const XmlAttributes& attributes) = 0;
    virtual void EmptyTag(std::string_view name, const XmlAttributes& attributes) = 0;
    virtual void EndTag(std::string_view name) = 0;
    virtual void Content(std::string_view text) = 0;
};

// Scans a document of Windows-1250 bytes that arrives piece by piece, so that a large file
// need not be held whole. Each call reports the items that lie whole in the text handed over;
// the caller keeps the rest (from `consumed` on) and hands it over again with the bytes that
// follow it.
class XmlPartScanner {
public:
    enum class Progress { NeedMore, Finished, Stopped };

    explicit XmlPartScanner(XmlHandler& handler) : handler_(handler) {}

    // last: the text runs to the end of the document. Stopped: malformed input ended the scan.
    Progress Scan(std::string_view text, bool last, std::size_t& consumed);

private:
    XmlHandler& handler_;
    std::string decoded_;    // reused for text holding references
    std::string normalised_; // reused for text whose blanks need folding
};

class XmlScanner {
public:
    std::function<void(const std::string& name, const XmlAttributes& attributes)> OnStartTag;
    std::function<void(const std::string& name, const XmlAttributes& attributes)> OnEmptyTag;
    std::function<void(const std::string& name)> OnEndTag;
    std::function<void(const std::string& text)> OnContent;

    // Scans the whole document (raw file bytes). Returns false when the scan stopped at
    // malformed input before the end; every event before that point has been reported.
    bool Scan(std::string_view document);
    // Scans a document already turned into Windows-1250 bytes (see DecodeDocument).
    bool ScanDecoded(std::string_view document);

    // The document as Windows-1250 bytes, chosen by its declaration: windows-1250 (or another
    // 8-bit code page) as it is; utf-8 or no declaration narrowed from UTF-8, unless the bytes
    // are not UTF-8 at all, in which case they are taken as they stand.
    static std::string DecodeDocument(std::string_view document);
    // False when DecodeDocument would hand the bytes back unchanged (no copy is then needed).
    static bool NeedsDecoding(std::string_view document);
    // The value of the encoding pseudo-attribute of the declaration, lower-cased; empty when
    // absent. An unclosed declaration runs to the end of the text.
    static std::string DeclaredEncoding(std::string_view document);
    // True when the declared encoding (as above) asks for UTF-8.
    static bool IsUtf8Name(std::string_view encoding);

    // Element text normalisation: leading and trailing blanks dropped, inner runs made one space.
    static std::string NormaliseWhiteSpace(std::string_view text);
};
