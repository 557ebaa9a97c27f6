#include "cascale/Plufeed.h"

#include <cmath>

#include "cascale/XmlScanner.h"
#include "platform/Cp1250.h"

namespace peers {
namespace {

std::string Trim(std::string_view text) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return std::string(text);
}

const std::string* Attribute(const XmlItem& tag, std::string_view name) {
    const std::string* found = nullptr;
    for (const auto& a : tag.attributes)
        if (SameName(a.name, name)) found = &a.value; // the last one wins
    return found;
}

std::string Text(std::string_view polish) {
    return std::string(polish);
}

bool ReadRecord(const XmlItem& tag, const PluRecord& defaults, PluRecord& record, std::string& error) {
    record = defaults;
    const std::string* plu = Attribute(tag, "PLU");
    auto number = plu ? ParseInteger(Trim(*plu), kMinPlu, kMaxPlu) : std::nullopt;
    if (!number) {
        error = Text("Nieprawidłowy numer PLU w rekordzie: "_pl) + (plu ? *plu : Text("brak"_pl));
        return false;
    }
    record.plu = static_cast<int>(*number);
    if (const std::string* price = Attribute(tag, "UNITPRICE")) {
        if (!ParseUnitPrice(Trim(*price), record.price)) {
            error = Text("Nieprawidłowa cena PLU "_pl) + std::to_string(record.plu) + ": " + *price;
            return false;
        }
    }
    struct Field {
        const char* name;
        std::string PluRecord::*member;
    };
    static const Field kFields[] = {{"NAZWA01", &PluRecord::name1},
                                    {"NAZWA02", &PluRecord::name2},
                                    {"GROUP", &PluRecord::group},
                                    {"ITEMCODE", &PluRecord::itemCode},
                                    {"BARCODE1", &PluRecord::barcode}};
    for (const auto& f : kFields)
        if (const std::string* value = Attribute(tag, f.name)) record.*f.member = *value;
    return true;
}

// A PLU number attribute; false when it is missing or not a valid number.
bool PluAttribute(const XmlItem& tag, std::string_view name, int& plu) {
    const std::string* text = Attribute(tag, name);
    if (!text) return false;
    std::optional<std::int64_t> n = ParseInteger(Trim(*text), kMinPlu, kMaxPlu);
    plu = n ? static_cast<int>(*n) : 0;
    return n.has_value();
}

bool ReadRange(const XmlItem& tag, PluRange& range, std::string& error) {
    bool ok = PluAttribute(tag, "PLUSTART", range.from) && PluAttribute(tag, "PLUKONIEC", range.to);
    if (!ok || range.from > range.to) {
        const std::string* from = Attribute(tag, "PLUSTART");
        const std::string* to = Attribute(tag, "PLUKONIEC");
        error = Text("Nieprawidłowy zakres PLU do usunięcia: "_pl) + (from ? *from : "?") + " - " +
                (to ? *to : "?");
        return false;
    }
    return true;
}

bool ReadNumber(const std::string& text, const char* what, int min, int max, int& value, std::string& error) {
    auto n = ParseInteger(text, min, max);
    if (!n) {
        error = Text("Nieprawidłowa wartość parametru "_pl) + what + ": " + text;
        return false;
    }
    value = static_cast<int>(*n);
    return true;
}

} // namespace

bool ParseUnitPrice(std::string_view text, std::int64_t& hundredths) {
    if (text.empty()) {
        hundredths = 0;
        return true;
    }
    long double value = 0, scale = 0;
    bool digits = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            digits = true;
            if (scale == 0) {
                value = value * 10 + (c - '0');
            } else {
                value += (c - '0') * scale;
                scale /= 10;
            }
            if (value > kMaxPrice) return false;
        } else if ((c == ',' || c == '.') && scale == 0) {
            scale = 0.1L;
        } else {
            return false;
        }
    }
    if (!digits) return false;
    hundredths = static_cast<std::int64_t>(std::llround(static_cast<double>(value)));
    return true;
}

bool ReadPlufeed(std::string_view document, Plufeed& feed, std::string& error) {
    std::string converted;
    if (DeclaredEncoding(document) == "UTF-8" && cp1250::IsValidUtf8(document)) {
        converted = cp1250::FromUtf8(document);
        document = converted;
    }
    std::vector<XmlItem> items;
    std::string why;
    if (!ScanXml(document, items, why)) {
        error = Text("Błędny format pliku Plufeed.XML: "_pl) + why;
        return false;
    }

    Plufeed result;
    PluRecord defaults;
    std::string typ = "TCPIP", akcja, typDanych = "PLU", port, interval, retry;
    bool sawPort = false, sawAkcja = false, sawRoot = false;
    std::string open, text;
    for (const XmlItem& item : items) {
        switch (item.kind) {
        case XmlItem::Kind::Text:
            text += item.text;
            break;
        case XmlItem::Kind::StartTag:
        case XmlItem::Kind::EmptyTag:
            open = item.kind == XmlItem::Kind::StartTag ? item.name : std::string();
            text.clear();
            if (SameName(item.name, "CAS_POLSKA")) sawRoot = true;
            if (SameName(item.name, "DEFAULT")) {
                if (const std::string* d = Attribute(item, "DEPARTMENT")) defaults.department = *d;
                if (const std::string* t = Attribute(item, "PLUTYPE")) defaults.pluType = *t;
            } else if (SameName(item.name, "REKORD")) {
                PluRecord record;
                if (!ReadRecord(item, defaults, record, error)) return false;
                result.records.push_back(std::move(record));
            } else if (SameName(item.name, "Record")) {
                PluRange range;
                if (!ReadRange(item, range, error)) return false;
                result.ranges.push_back(range);
            }
            break;
        case XmlItem::Kind::EndTag: {
            if (!SameName(item.name, open)) break;
            std::string value = Trim(text);
            if (SameName(open, "Typ"))
                typ = value;
            else if (SameName(open, "Adres"))
                result.address = value;
            else if (SameName(open, "Port"))
                port = value, sawPort = true;
            else if (SameName(open, "Interval"))
                interval = value;
            else if (SameName(open, "Retry"))
                retry = value;
            else if (SameName(open, "RODZAJWAGI"))
                result.scaleKind = value;
            else if (SameName(open, "AKCJA"))
                akcja = value, sawAkcja = true;
            else if (SameName(open, "TYPDANYCH"))
                typDanych = value;
            open.clear();
            break;
        }
        }
    }

    if (!sawRoot) {
        error = Text("Błędny format pliku Plufeed.XML: brak elementu CAS_POLSKA"_pl);
        return false;
    }
    if (!SameName(typ, "TCPIP")) {
        error = Text("Nieobsługiwany typ połączenia: "_pl) + typ;
        return false;
    }
    if (result.address.empty()) {
        error = Text("Brak adresu wagi w pliku Plufeed.XML"_pl);
        return false;
    }
    if (!sawPort) {
        error = Text("Brak portu wagi w pliku Plufeed.XML"_pl);
        return false;
    }
    if (!ReadNumber(port, "Port", 1, 65535, result.port, error)) return false;
    if (!interval.empty() && !ReadNumber(interval, "Interval", 1, 600000, result.intervalMs, error))
        return false;
    if (!retry.empty() && !ReadNumber(retry, "Retry", 0, 100, result.retry, error)) return false;
    if (!SameName(typDanych, "PLU")) {
        error = Text("Nieobsługiwany typ danych: "_pl) + typDanych;
        return false;
    }
    if (!sawAkcja) {
        error = Text("Brak akcji w pliku Plufeed.XML"_pl);
        return false;
    }
    if (SameName(akcja, "WYSYLKA")) {
        result.action = Plufeed::Action::Send;
    } else if (SameName(akcja, "KASOWANIE")) {
        result.action = Plufeed::Action::Delete;
    } else {
        error = Text("Nieznana akcja: "_pl) + akcja;
        return false;
    }
    feed = std::move(result);
    return true;
}

} // namespace peers
