#include "bridge/BridgeText.h"

namespace bridge {

std::string AsciiUpperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string XmlEscape(std::string_view text, bool attributeValue) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '"' && attributeValue)
            out += "&quot;";
        else
            out += c;
    }
    return out;
}

std::string XmlAttributeText(std::string_view name, std::string_view value) {
    std::string out = " ";
    out += name;
    out += "=\"";
    out += XmlEscape(value, true);
    out += '"';
    return out;
}

} // namespace bridge
