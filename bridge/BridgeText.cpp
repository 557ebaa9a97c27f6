#include "bridge/BridgeText.h"

namespace bridge {

std::string AsciiUpperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

void AppendXmlEscaped(std::string& out, std::string_view text, bool attributeValue) {
    std::size_t from = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        std::string_view replacement = c == '&'                     ? std::string_view("&amp;")
                                       : c == '<'                   ? std::string_view("&lt;")
                                       : c == '"' && attributeValue ? std::string_view("&quot;")
                                                                    : std::string_view();
        if (replacement.empty()) continue;
        out.append(text.substr(from, i - from));
        out.append(replacement);
        from = i + 1;
    }
    out.append(text.substr(from));
}

std::string XmlEscape(std::string_view text, bool attributeValue) {
    std::string out;
    out.reserve(text.size());
    AppendXmlEscaped(out, text, attributeValue);
    return out;
}

void AppendXmlAttribute(std::string& out, std::string_view name, std::string_view value) {
    out += ' ';
    out += name;
    out += "=\"";
    AppendXmlEscaped(out, value, true);
    out += '"';
}

std::string XmlAttributeText(std::string_view name, std::string_view value) {
    std::string out;
    AppendXmlAttribute(out, name, value);
    return out;
}

} // namespace bridge
