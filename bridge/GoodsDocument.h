#pragma once
// The text of Plufeed.XML: the communication header made from the scale settings, one REKORD
// line per goods item of the request, and the closing tags; or the delete document.
#include <string>
#include <string_view>

#include "bridge/ScaleSettings.h"

namespace bridge {

class GoodsDocument {
public:
    // Resets the document to the header made from the settings.
    void BuildHeader(const ScaleSettings& settings);
    bool HasHeader() const { return !header_.empty(); }
    const std::string& Text() const { return text_; }
    std::string& Text() { return text_; }

    // The header with the action KASOWANIE, then the one Record line naming the whole PLU range.
    // Only meaningful with a header.
    std::string DeleteDocument() const;

    // Handlers of the request scan; names and text come upper-cased.
    void StartTag(std::string_view name);
    void EndTag(std::string_view name);
    void Content(std::string_view text);

    // A price text in units turned into hundredths, written in the locale's form; "0" when the
    // text is not a number.
    static std::string ConvertPrice(std::string_view text);

private:
    std::string header_;
    std::string text_;
    std::string record_;
    std::string elementText_;
};

} // namespace bridge
