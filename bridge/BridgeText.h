#pragma once
// Small text rules of the bridge's files.
#include <string>
#include <string_view>

namespace bridge {

// Upper-cases the ASCII letters a to z only; Polish letters keep their case.
std::string AsciiUpperCase(std::string_view text);

// Escapes a text for an XML file: "&" and "<" always, the double quote inside attribute values.
std::string XmlEscape(std::string_view text, bool attributeValue);

// Appends the escaped text to out (the same rules as XmlEscape), without a copy of its own.
void AppendXmlEscaped(std::string& out, std::string_view text, bool attributeValue);

// One attribute as the bridge writes it: a space, the name, "=" and the escaped value in quotes.
std::string XmlAttributeText(std::string_view name, std::string_view value);
// Appends what XmlAttributeText gives to out.
void AppendXmlAttribute(std::string& out, std::string_view name, std::string_view value);

} // namespace bridge
