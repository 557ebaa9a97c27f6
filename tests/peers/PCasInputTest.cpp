// The communication program's two inputs: scale.cfg and the goods lines of the export file.
#include <gtest/gtest.h>

#include "pcas/KasaExp.h"
#include "pcas/ScaleCfg.h"
#include "platform/Cp1250.h"

using peers::ExportGoods;
using peers::ScaleCfg;

namespace {
const std::string kConfig =
    "SCALE_NO;1\r\nCAS_SCALE_TYPE;CL5000\r\nMEDIUM;TCPIP\r\nIP_ADDRESS;127.0.0.1\r\nIP_PORT;20304\r\n"
    "RS232_PORT;COM1\r\nRS232_SPEED;19200\r\nADD_CFG;\r\n\r\nFILE_KASA_EXP;C:\\WYM\\kasa.exp\r\n"
    "FILE_WYNIK_EXP;C:\\WYM\\wynik.exp\r\n\r\nBCD_FORMAT;2WWWWWW\r\nBCD_FORMAT;28WWWW\r\n\r\n"
    "EXPORT_KIND;REPLACE\r\nWEIGHED_ITEMS;LONG\r\nPLU_FROM;BARCODE\r\nBARCODE_MIN;1\r\nBARCODE_MAX;999\r\n"
    "PREFIX;29\r\nSUBGROUP;N\r\nSUBGROUP_NO;\r\n";
} // namespace

TEST(ScaleCfg, ReadsTheDriversFile) {
    ScaleCfg cfg;
    std::string error;
    ASSERT_TRUE(peers::ReadScaleCfg(kConfig, "C:\\CFG\\", cfg, error)) << error;
    EXPECT_EQ(cfg.scaleNo, 1);
    EXPECT_EQ(cfg.ipAddress, "127.0.0.1");
    EXPECT_EQ(cfg.ipPort, 20304);
    EXPECT_EQ(cfg.kasaExp, "C:\\WYM\\kasa.exp");
    EXPECT_EQ(cfg.wynikExp, "C:\\WYM\\wynik.exp");
    EXPECT_EQ(cfg.bcdFormats, (std::vector<std::string>{"2WWWWWW", "28WWWW"}));
    EXPECT_TRUE(cfg.replace);
    EXPECT_TRUE(cfg.pluFromBarcode);
    EXPECT_EQ(cfg.barcodeMin, 1);
    EXPECT_EQ(cfg.barcodeMax, 999);
}

TEST(ScaleCfg, FindsTheExchangeFilesBesideItWhenNotNamed) {
    ScaleCfg cfg;
    std::string error;
    ASSERT_TRUE(peers::ReadScaleCfg("MEDIUM;TCPIP\nIP_ADDRESS;127.0.0.1\nIP_PORT;1\n", "/wym/", cfg, error))
        << error;
    EXPECT_EQ(cfg.kasaExp, "/wym/kasa.exp");
    EXPECT_EQ(cfg.wynikExp, "/wym/wynik.exp");
    EXPECT_FALSE(cfg.replace);
    EXPECT_FALSE(cfg.pluFromBarcode);
    EXPECT_EQ(peers::FolderOf("C:\\WYM\\scale.cfg"), "C:\\WYM\\");
    EXPECT_EQ(peers::FolderOf("scale.cfg"), "");
}

TEST(ScaleCfg, RefusesWhatTheExportCannotGoOnWithout) {
    const std::pair<std::string, std::string> cases[] = {
        {"MEDIUM;RS232\r\n", "Nieobsługiwane medium: RS232 (obsługiwane jest tylko TCPIP)"},
        {"IP_ADDRESS;\r\n", "Brak adresu IP wagi w pliku scale.cfg"},
        {"IP_PORT;0\r\n", "Nieprawidłowa wartość IP_PORT w pliku scale.cfg: 0"},
        {"IP_PORT;abc\r\n", "Nieprawidłowa wartość IP_PORT w pliku scale.cfg: abc"},
        {"BARCODE_MAX;\r\n", "Nieprawidłowa wartość BARCODE_MAX w pliku scale.cfg: "},
    };
    for (const auto& [line, message] : cases) {
        ScaleCfg cfg;
        std::string error;
        EXPECT_FALSE(peers::ReadScaleCfg(kConfig + line, "", cfg, error)) << line;
        EXPECT_EQ(cp1250::ToUtf8(error), message);
    }
}

TEST(KasaExp, ReadsGoodsLinesAndPassesOverTheRest) {
    std::string text = "# komentarz\r\n[SEKCJA]\r\nVAT;23\r\n"
                       "  PLU;12;7;2000012;SER;4.20;5.00;6.00;7.00;1;1;T;3;F;F;F;0;;3;DOD;opis\r\n"
                       "PLU;13;8;;MLEKO;2;3;4;5;1;1;f;0;F;F;F;0;;2;USU;;;;;;2;500\r\n"
                       "PLU;14;9;;CHLEB;abc;0;0;0;1;1;F;0;F;F;F;0;;2;CEN\r\n";
    std::vector<ExportGoods> goods;
    std::string error;
    ASSERT_TRUE(peers::ReadKasaExp(text, goods, error)) << error;
    ASSERT_EQ(goods.size(), 3u);
    EXPECT_EQ(goods[0].plu, 12);
    EXPECT_EQ(goods[0].koldod, 7);
    EXPECT_EQ(goods[0].kod, "2000012");
    EXPECT_TRUE(goods[0].weighed);
    EXPECT_EQ(goods[0].nrAsort, 3);
    EXPECT_EQ(goods[0].status, "DOD");
    EXPECT_EQ(goods[0].opis1, "opis");
    EXPECT_DOUBLE_EQ(static_cast<double>(goods[0].cena), 4.20);
    EXPECT_EQ(goods[0].line, 4);
    // Price level 2 takes the fourth price, and a price scale of 500 halves it.
    EXPECT_DOUBLE_EQ(static_cast<double>(goods[1].cena), 2.5);
    EXPECT_FALSE(goods[1].weighed);
    EXPECT_DOUBLE_EQ(static_cast<double>(goods[2].cena), 0.0); // an unreadable amount is 0
}

TEST(KasaExp, NamesTheLineOfAMalformedGoods) {
    const std::pair<std::string, std::string> cases[] = {
        {"PLU;1;1;;A;1;0;0;0;1;1;F;0;F;F;F;0;;2;usu\r\n", "(wiersz 2): status 'usu'"},
        {"PLU;1;1;;A;1;0;0;0;1;1;X;0;F;F;F;0;;2;DOD\r\n", "(wiersz 2): czy_wazony 'X'"},
        {"PLU;1;1;;A;1;0;0;0;1;1;F;0;F;F;F;0;;;DOD\r\n", "(wiersz 2): nr_asort ''"},
        {"PLU;1;x;;A\r\n", "(wiersz 2): koldod 'x'"},
        {"PLU\r\n", "(wiersz 2): plu ''"},
    };
    for (const auto& [line, tail] : cases) {
        std::vector<ExportGoods> goods;
        std::string error;
        EXPECT_FALSE(
            peers::ReadKasaExp("PLU;9;9;;OK;1;0;0;0;1;1;F;0;F;F;F;0;;2;DOD\r\n" + line, goods, error));
        EXPECT_EQ(error.substr(error.find('(')), tail) << line;
        EXPECT_TRUE(goods.empty());
    }
}
