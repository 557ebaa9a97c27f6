#pragma once
// The goods ("PLU" lines) of the host's export file, as far as a scale needs them.
#include <string>
#include <string_view>
#include <vector>

namespace peers {

struct ExportGoods {
    int plu = 0;
    int koldod = 0;
    std::string kod; // barcode, as read
    std::string nazwa;
    long double cena = 0; // active price after the price level and price scale are applied
    bool weighed = false;
    int nrAsort = 0;
    std::string status; // DOD, AKT, CEN or USU
    std::string opis1;
    int line = 0; // line number in the file
};

// Reads every PLU line; other lines, comments ("#") and section headers ("[") are passed over.
// False with a Polish reason naming the line for a malformed goods line; nothing is half-read.
bool ReadKasaExp(std::string_view text, std::vector<ExportGoods>& goods, std::string& error);

} // namespace peers
