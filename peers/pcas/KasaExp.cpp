#include "pcas/KasaExp.h"

#include <cstdlib>
#include <optional>

#include "common/ScaleProtocol.h"
#include "common/Socket.h"
#include "platform/Cp1250.h"

namespace peers {
namespace {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
    return text;
}

std::vector<std::string> Words(std::string_view line) {
    std::vector<std::string> words;
    while (!line.empty()) {
        auto semi = line.find(';');
        words.emplace_back(line.substr(0, semi));
        if (semi == std::string_view::npos) break;
        line.remove_prefix(semi + 1); // a line ending with ";" has no empty last word
    }
    return words;
}

// Leading blanks, a sign, digits, a "." fraction and an exponent; 0 when there is no number.
long double Amount(const std::string& text) {
    return std::strtold(text.c_str(), nullptr);
}

} // namespace

bool ReadKasaExp(std::string_view text, std::vector<ExportGoods>& goods, std::string& error) {
    std::vector<ExportGoods> result;
    std::string buffer(text), raw;
    if (!buffer.empty() && buffer.back() != '\n') buffer += '\n';
    int number = 0;
    while (TakeLine(buffer, raw)) {
        ++number;
        std::string_view line = Trim(raw);
        if (line.empty() || line[0] == '#' || line[0] == '[') continue;
        std::vector<std::string> w = Words(line);
        if (w[0] != "PLU") continue;
        w.resize(std::max<std::size_t>(w.size(), 27));
        auto fail = [&](const std::string& why) {
            error = std::string("Nieprawidłowy format pliku eksportowego (wiersz "_pl) +
                    std::to_string(number) + "): " + why;
            return false;
        };
        auto integer = [&](std::size_t i, const char* what, int& out) {
            auto n = ParseInteger(w[i], -2147483647, 2147483647);
            if (!n) return fail(std::string(what) + " '" + w[i] + "'");
            out = static_cast<int>(*n);
            return true;
        };
        ExportGoods g;
        g.line = number;
        if (!integer(1, "plu", g.plu) || !integer(2, "koldod", g.koldod)) return false;
        g.kod = w[3];
        g.nazwa = w[4];
        long double prices[4] = {Amount(w[5]), Amount(w[6]), Amount(w[7]), Amount(w[8])};
        char flag = w[11].empty() ? 0 : w[11][0];
        if (flag != 'T' && flag != 't' && flag != 'F' && flag != 'f')
            return fail("czy_wazony '" + w[11] + "'");
        g.weighed = flag == 'T' || flag == 't';
        if (!integer(18, "nr_asort", g.nrAsort)) return false;
        g.status = w[19];
        if (g.status != "DOD" && g.status != "AKT" && g.status != "CEN" && g.status != "USU")
            return fail("status '" + w[19] + "'");
        g.opis1 = w[20];
        auto level = ParseInteger(w[25], -2147483647, 2147483647).value_or(-1);
        auto scale = ParseInteger(w[26], -2147483647, 2147483647).value_or(1000);
        g.cena = level == 1 ? prices[1] : level == 2 ? prices[3] : level == 3 ? prices[2] : prices[0];
        if (scale != 1000) g.cena *= static_cast<long double>(scale) * 0.001L;
        result.push_back(std::move(g));
    }
    goods = std::move(result);
    return true;
}

} // namespace peers
