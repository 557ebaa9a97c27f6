#pragma once
// A small, forgiving XML reader for the goods file: it reports tags and text in document order
// and does not insist on one root element or on matching end tags, since the sending program
// must also take the files its callers write with text after the root's end.
#include <string>
#include <string_view>
#include <vector>

namespace peers {

struct XmlAttribute {
    std::string name;
    std::string value; // entities decoded
};

struct XmlItem {
    enum class Kind { StartTag, EmptyTag, EndTag, Text };
    Kind kind = Kind::Text;
    std::string name; // tag name as written; empty for text
    std::vector<XmlAttribute> attributes;
    std::string text; // decoded character data (Text items only)
};

// Cuts the document into items. Comments, processing instructions and declarations are skipped;
// CDATA sections become text. False, with an English reason in error, for an unterminated
// construct, a bad tag or attribute, or an unknown entity.
bool ScanXml(std::string_view document, std::vector<XmlItem>& items, std::string& error);

// The encoding named by the document's declaration, upper-cased; empty when there is none.
std::string DeclaredEncoding(std::string_view document);

// ASCII case-insensitive comparison of names.
bool SameName(std::string_view a, std::string_view b);

} // namespace peers
