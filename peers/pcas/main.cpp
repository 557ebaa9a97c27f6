// PCas.exe stand-in: started by the scale driver with the path of scale.cfg. Sends the goods of
// the export file to the scale (DOD, AKT and CEN add or update a PLU, USU deletes it; REPLACE
// empties the scale first) and writes the export result with one "PLU;" line per goods that
// reached the scale. Messages go to the terminal and to PCas.log beside scale.cfg.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "common/Console.h"
#include "common/ScaleClient.h"
#include "pcas/KasaExp.h"
#include "pcas/ScaleCfg.h"
#include "platform/Cp1250.h"
#include "platform/Files.h"

namespace {

class Export {
public:
    explicit Export(std::string cfgPath)
        : cfgPath_(std::move(cfgPath)), logPath_(peers::FolderOf(cfgPath_) + "PCas.log") {}

    int Run() {
        std::string text, error;
        if (!platform::ReadWholeFile(cfgPath_, text))
            return Fail(std::string("Nie można odczytać pliku konfiguracji "_pl) + cfgPath_);
        peers::ScaleCfg cfg;
        if (!peers::ReadScaleCfg(text, peers::FolderOf(cfgPath_), cfg, error)) return Fail(error);

        // The old result must never stand for this run: it is emptied before anything else.
        wynikPath_ = cfg.wynikExp;
        if (!WriteResult()) return Fail(std::string("Nie można zapisać pliku wyniku "_pl) + wynikPath_);

        if (!platform::ReadWholeFile(cfg.kasaExp, text))
            return Fail(std::string("Nie można odczytać pliku eksportu "_pl) + cfg.kasaExp);
        std::vector<peers::ExportGoods> goods;
        if (!peers::ReadKasaExp(text, goods, error)) return Fail(error);

        std::string scale = cfg.ipAddress + ":" + std::to_string(cfg.ipPort);
        peers::ScaleClient client;
        if (!client.Connect(cfg.ipAddress, static_cast<std::uint16_t>(cfg.ipPort), error))
            return Fail(std::string("Brak połączenia z wagą "_pl) + scale + " (" + error + ")");
        Note(std::string("Połączono z wagą "_pl) + scale);

        if (cfg.replace) {
            int deleted = 0;
            if (!client.Clear(deleted, error))
                return Fail(std::string("Błąd usuwania towarów z wagi "_pl) + scale + " (" + error + ")");
            Note(std::string("Usunięto wszystkie towary z wagi: "_pl) + std::to_string(deleted));
        }
        int sent = 0, skipped = 0;
        for (const auto& g : goods) {
            int plu = PluNumber(cfg, g);
            if (plu == 0) {
                ++skipped;
                Note(std::string("Pominięto towar z wiersza "_pl) + std::to_string(g.line) + " (" + g.nazwa +
                     std::string("): brak prawidłowego numeru PLU"_pl));
                continue;
            }
            bool ok = g.status == "USU" ? client.Delete(plu, error) : client.Set(Record(plu, g), error);
            if (!ok) {
                WriteResult();
                return Fail(std::string("Błąd wysyłania PLU "_pl) + std::to_string(plu) +
                            std::string(" do wagi "_pl) + scale + " (" + error + ")");
            }
            ++sent;
            if (g.plu != 0)
                result_ += "PLU;" + std::to_string(g.plu) + ";" + std::to_string(g.koldod) + ";" + g.kod +
                           ";" + g.status + "\r\n";
        }
        std::string reply;
        client.Request("QUIT", reply);
        if (!WriteResult()) return Fail(std::string("Nie można zapisać pliku wyniku "_pl) + wynikPath_);
        Note(std::string("Wysłano towarów: "_pl) + std::to_string(sent) +
             (skipped ? std::string(", pominięto: "_pl) + std::to_string(skipped) : std::string()));
        return 0;
    }

private:
    static int PluNumber(const peers::ScaleCfg& cfg, const peers::ExportGoods& g) {
        if (!cfg.pluFromBarcode) return g.plu >= peers::kMinPlu && g.plu <= peers::kMaxPlu ? g.plu : 0;
        auto code = peers::ParseInteger(g.kod, peers::kMinPlu, peers::kMaxPlu);
        if (!code || *code < cfg.barcodeMin || *code > cfg.barcodeMax) return 0;
        return static_cast<int>(*code);
    }

    static peers::PluRecord Record(int plu, const peers::ExportGoods& g) {
        peers::PluRecord r;
        r.plu = plu;
        r.name1 = g.nazwa;
        r.name2 = g.opis1;
        long double hundredths = std::round(g.cena * 100);
        r.price = hundredths < 0                  ? 0
                  : hundredths > peers::kMaxPrice ? peers::kMaxPrice
                                                  : static_cast<std::int64_t>(hundredths);
        r.group = std::to_string(g.nrAsort);
        r.itemCode = std::to_string(g.plu);
        r.barcode = g.kod;
        r.department = "1";
        r.pluType = g.weighed ? "1" : "2";
        return r;
    }

    bool WriteResult() { return platform::WriteWholeFile(wynikPath_, result_); }

    void Note(const std::string& line) {
        peers::PrintLine(stdout, line);
        log_ += line + "\r\n";
        platform::WriteWholeFile(logPath_, log_);
    }

    int Fail(const std::string& message) {
        peers::PrintLine(stderr, "PCas: " + message);
        log_ += std::string("BŁĄD: "_pl) + message + "\r\n";
        platform::WriteWholeFile(logPath_, log_);
        return 1;
    }

    std::string cfgPath_, logPath_, wynikPath_, result_, log_;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        peers::PrintLine(stderr, "PCas: wywołanie: PCas.exe <ścieżka pliku scale.cfg>"_pl);
        return 2;
    }
    return Export(peers::ArgToCp1250(argv[1])).Run();
}
