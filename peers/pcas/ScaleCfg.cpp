#include "pcas/ScaleCfg.h"

#include <map>

#include "common/ScaleProtocol.h"
#include "common/Socket.h"
#include "platform/Cp1250.h"

namespace peers {
namespace {

std::string Trim(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
    return std::string(text);
}

} // namespace

std::string FolderOf(const std::string& path) {
    auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool ReadScaleCfg(std::string_view text, const std::string& folder, ScaleCfg& cfg, std::string& error) {
    std::map<std::string, std::string> values;
    ScaleCfg result;
    std::string buffer(text), line;
    if (!buffer.empty() && buffer.back() != '\n') buffer += '\n';
    while (TakeLine(buffer, line)) {
        auto semi = line.find(';');
        if (semi == std::string::npos) continue;
        std::string key = Trim(std::string_view(line).substr(0, semi));
        std::string value = Trim(std::string_view(line).substr(semi + 1));
        if (key == "BCD_FORMAT")
            result.bcdFormats.push_back(value);
        else
            values[key] = value; // the last one wins
    }
    auto get = [&](const char* key) {
        auto it = values.find(key);
        return it == values.end() ? std::string() : it->second;
    };
    auto number = [&](const char* key, std::int64_t min, std::int64_t max, std::int64_t& out) {
        auto n = ParseInteger(get(key), min, max);
        if (!n) {
            error = std::string("Nieprawidłowa wartość "_pl) + key + std::string(" w pliku scale.cfg: "_pl) +
                    get(key);
            return false;
        }
        out = *n;
        return true;
    };

    result.medium = get("MEDIUM");
    if (result.medium != "TCPIP") {
        error = std::string("Nieobsługiwane medium: "_pl) + result.medium +
                std::string(" (obsługiwane jest tylko TCPIP)"_pl);
        return false;
    }
    result.ipAddress = get("IP_ADDRESS");
    if (result.ipAddress.empty()) {
        error = std::string("Brak adresu IP wagi w pliku scale.cfg"_pl);
        return false;
    }
    std::int64_t n = 0;
    if (!number("IP_PORT", 1, 65535, n)) return false;
    result.ipPort = static_cast<int>(n);
    if (auto scaleNo = ParseInteger(get("SCALE_NO"), -2147483647, 2147483647))
        result.scaleNo = static_cast<int>(*scaleNo);
    result.kasaExp = get("FILE_KASA_EXP");
    if (result.kasaExp.empty()) result.kasaExp = folder + "kasa.exp";
    result.wynikExp = get("FILE_WYNIK_EXP");
    if (result.wynikExp.empty()) result.wynikExp = folder + "wynik.exp";
    result.replace = get("EXPORT_KIND") == "REPLACE";
    result.pluFromBarcode = get("PLU_FROM") == "BARCODE";
    if (result.pluFromBarcode) {
        if (!number("BARCODE_MIN", 0, kMaxPlu, result.barcodeMin)) return false;
        if (!number("BARCODE_MAX", 0, kMaxPlu, result.barcodeMax)) return false;
    }
    cfg = std::move(result);
    return true;
}

} // namespace peers
