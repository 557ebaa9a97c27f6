#include "bridge/GoodsDocument.h"

#include <cmath>
#include <cstdio>

#include "bridge/BridgeText.h"
#include "platform/Cp1250.h"
#include "platform/Locale.h"

namespace bridge {
namespace {

constexpr std::string_view kSendAction = "<AKCJA>WYSYLKA</AKCJA>";
constexpr std::string_view kDeleteAction = "<AKCJA>KASOWANIE</AKCJA>";

// The attribute a goods element of the request gives, or empty for the elements left out.
std::string_view RecordAttribute(std::string_view element) {
    if (element == "KP") return "PLU";
    if (element == "NA") return "NAZWA01";
    if (element == "CE") return "UNITPRICE";
    if (element == "Wł"_pl) return "NAZWA02";
    if (element == "GR") return "GROUP";
    if (element == "KK") return "ITEMCODE";
    if (element == "DK") return "BARCODE1";
    return {};
}

// Reads a decimal number written with the given separator: sign, digits, separator, digits,
// exponent. False when the text is anything else.
bool ReadDecimal(std::string_view text, char separator, long double& value, int& exponent) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long double mantissa = 0;
    int digits = 0, significant = 0;
    exponent = 0;
    auto digit = [&](char c, bool fraction) {
        ++digits;
        if (significant < 19) {
            mantissa = mantissa * 10 + (c - '0');
            if (mantissa != 0) ++significant;
            if (fraction) --exponent;
        } else if (!fraction) {
            ++exponent;
        }
    };
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') digit(text[i++], false);
    if (i < text.size() && text[i] == separator) {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') digit(text[i++], true);
    }
    if (digits == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool expNegative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) expNegative = text[i++] == '-';
        if (i >= text.size()) return false;
        int e = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            if (e < 100000) e = e * 10 + (text[i] - '0');
            ++i;
        }
        exponent += expNegative ? -e : e;
    }
    if (i != text.size()) return false;
    value = negative ? -mantissa : mantissa;
    return true;
}

// The usual price forms ("12", "12.5", "-3.99") turned into hundredths by moving digits, which
// gives what the general path gives for them. False for any other form.
bool WholeHundredths(std::string_view text, char separator, std::string& out) {
    if (separator != '.' && separator != ',') return false;
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    auto digitsFrom = [&](std::size_t from) {
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        return text.substr(from, i - from);
    };
    std::string_view whole = digitsFrom(i), fraction;
    if (i < text.size() && (text[i] == '.' || text[i] == separator)) fraction = digitsFrom(++i);
    if (i != text.size() || fraction.size() > 2 || (whole.empty() && fraction.empty())) return false;
    char digits[34];
    std::size_t n = 0;
    for (std::string_view part : {whole, fraction})
        for (char c : part)
            if (n > 0 || c != '0') {
                if (n == 32) return false;
                digits[n++] = c;
            }
    for (std::size_t pad = fraction.size(); pad < 2 && n > 0; ++pad) digits[n++] = '0';
    if (n > 15) return false; // beyond the digits the general path writes out whole
    if (n == 0) {
        out = "0";
    } else {
        out.clear();
        if (negative) out += '-';
        out.append(digits, n);
    }
    return true;
}

} // namespace

void GoodsDocument::BuildHeader(const ScaleSettings& s) {
    std::string h;
    h += "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n";
    h += " <CAS_POLSKA> <Komunikacja>\r\n";
    h += " <Typ>TCPIP</Typ>\r\n";
    h += " <Adres>" + XmlEscape(s.IpAddress, false) + "</Adres>\r\n";
    h += " <Port>" + XmlEscape(s.Port, false) + "</Port>\r\n";
    h += " <Interval>" + XmlEscape(s.Timeout, false) + "</Interval>\r\n";
    h += " <Retry>" + XmlEscape(s.Retry, false) + "</Retry>\r\n";
    h += " <TYPWAGI>LP</TYPWAGI>\r\n";
    if (s.Model == "LP 1.6")
        h += " <RODZAJWAGI>LP16</RODZAJWAGI>\r\n";
    else
        h += " <RODZAJWAGI>" + XmlEscape(s.Model, false) + "</RODZAJWAGI>\r\n";
    h += " <PASEKPOSTEPU>1</PASEKPOSTEPU> \r\n";
    h += " <DEBUGMESS>1</DEBUGMESS>\r\n";
    h += " ";
    h += kSendAction;
    h += "\r\n";
    h += " <TYPDANYCH>PLU</TYPDANYCH>\r\n";
    h += " </Komunikacja>\r\n";
    h += " <DEFAULT DEPARTMENT=\"1\" PLUTYPE=\"1\" />\r\n";
    h += " <DANE> \r\n";
    header_ = h;
    text_ = std::move(h);
}

std::string GoodsDocument::DeleteDocument() const {
    std::string doc = header_;
    std::size_t at = doc.find(kSendAction);
    if (at != std::string::npos) doc.replace(at, kSendAction.size(), kDeleteAction);
    doc += "<Record PLUSTART=\"1\" PLUKONIEC=\"9999\" /> </DANE> </CAS_POLSKA>";
    return doc;
}

void GoodsDocument::StartTag(std::string_view name) {
    elementText_.clear();
    if (name == "TOWAR") record_.assign("<REKORD ");
}

void GoodsDocument::EndTag(std::string_view name) {
    if (name == "TOWAR") {
        record_ += "/>\r\n";
        text_ += record_;
        record_.clear();
    } else if (name == "DANE") {
        text_ += " </DANE> \r\n</CAS_POLSKA>";
    } else if (std::string_view attribute = RecordAttribute(name); !attribute.empty()) {
        if (name == "CE")
            AppendXmlAttribute(record_, attribute, ConvertPrice(elementText_));
        else
            AppendXmlAttribute(record_, attribute, elementText_);
    }
}

void GoodsDocument::Content(std::string_view text) {
    elementText_.assign(text);
}

std::string GoodsDocument::ConvertPrice(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
    char separator = platform::Locale().DecimalSeparator;
    std::string out;
    if (WholeHundredths(text, separator, out)) return out;
    std::string local(text);
    for (char& c : local)
        if (c == '.') c = separator;
    long double mantissa = 0;
    int exponent = 0;
    if (!ReadDecimal(local, separator, mantissa, exponent)) return "0";
    // Scaling the exact digits once keeps 12.345 at 1234.5 rather than 1234.4999...
    exponent += 2;
    long double value =
        exponent >= 0 ? mantissa * std::pow(10.0L, exponent) : mantissa / std::pow(10.0L, -exponent);
    if (!std::isfinite(value)) return "0";
    if (value == 0) return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15Lg", value);
    for (const char* p = buffer; *p; ++p) {
        char c = *p;
        bool plain = (c >= '0' && c <= '9') || c == '-' || c == '+' || c == 'e' || c == 'E';
        out += plain ? c : separator; // the C library may write its own radix character
    }
    return out;
}

} // namespace bridge
