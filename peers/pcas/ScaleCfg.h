#pragma once
// scale.cfg as the scale driver writes it for the communication program: KEY;value lines.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace peers {

struct ScaleCfg {
    int scaleNo = 0;
    std::string medium;
    std::string ipAddress;
    int ipPort = 0;
    std::string kasaExp;  // FILE_KASA_EXP; the config's folder + "kasa.exp" when not given
    std::string wynikExp; // FILE_WYNIK_EXP; likewise with "wynik.exp"
    std::vector<std::string> bcdFormats;
    bool replace = false;        // EXPORT_KIND REPLACE: the scale's PLUs are all deleted first
    bool pluFromBarcode = false; // PLU_FROM BARCODE: the PLU number is the goods' barcode
    std::int64_t barcodeMin = 0;
    std::int64_t barcodeMax = 0;
};

// folder: the folder of scale.cfg, with its separator at the end (Windows-1250 path). False with
// a Polish reason (Windows-1250) in error for a value the export cannot go on without.
bool ReadScaleCfg(std::string_view text, const std::string& folder, ScaleCfg& cfg, std::string& error);

// The folder part of a path, with the separator; empty for a bare file name.
std::string FolderOf(const std::string& path);

} // namespace peers
