#pragma once
// The events of an XML scan written out as one line of text, so that two ways of scanning the same
// document can be compared: "<NAME a=1>", "<NAME/>", "</NAME>", "'content'".
#include <string>
#include <string_view>

#include "bridge/XmlScanner.h"

namespace testing_support {

class XmlEventTrace : public XmlHandler {
public:
    std::string Events;

    void StartTag(std::string_view n, const XmlAttributes& a) override { Events += "<" + Tag(n, a) + ">"; }
    void EmptyTag(std::string_view n, const XmlAttributes& a) override { Events += "<" + Tag(n, a) + "/>"; }
    void EndTag(std::string_view n) override { Events += "</" + std::string(n) + ">"; }
    void Content(std::string_view t) override { Events += "'" + std::string(t) + "'"; }

private:
    static std::string Tag(std::string_view name, const XmlAttributes& attributes) {
        std::string t(name);
        for (const auto& a : attributes) t += " " + a.Name + "=" + a.Value;
        return t;
    }
};

// The events of the whole document held in memory, scanned in one piece.
inline std::string WholeDocumentTrace(const std::string& doc) {
    XmlEventTrace trace;
    XmlScanner scanner;
    scanner.OnStartTag = [&](const std::string& n, const XmlAttributes& a) { trace.StartTag(n, a); };
    scanner.OnEmptyTag = [&](const std::string& n, const XmlAttributes& a) { trace.EmptyTag(n, a); };
    scanner.OnEndTag = [&](const std::string& n) { trace.EndTag(n); };
    scanner.OnContent = [&](const std::string& t) { trace.Content(t); };
    scanner.Scan(doc);
    return trace.Events;
}

} // namespace testing_support
