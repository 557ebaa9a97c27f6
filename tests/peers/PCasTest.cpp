// PCas.exe started with the path of scale.cfg, as the scale driver starts it.
#include <gtest/gtest.h>

#include "ScaleSimProcess.h"
#include "platform/Cp1250.h"
#include "platform/Files.h"

using peers::PluRecord;
using peers_test::Plu;
using peers_test::ScaleSimProcess;
using testing_support::TempDir;

namespace {

// A goods line of the export file with the fields the scale needs; the rest stay plain.
std::string Goods(int plu, int koldod, const std::string& kod, const std::string& name,
                  const std::string& price, const std::string& status, char weighed = 'F', int group = 2) {
    return "PLU;" + std::to_string(plu) + ";" + std::to_string(koldod) + ";" + kod + ";" + name + ";" +
           price + ";0;0;0;1;1;" + weighed + ";3;F;F;F;0;;" + std::to_string(group) + ";" + status + "\r\n";
}

class PCas : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(sim_.Port(), 0); }

    // scale.cfg as the driver writes it, with the given changes of single entries.
    void WriteConfig(const std::string& extra = "EXPORT_KIND;ACTUAL\r\nPLU_FROM;PLU\r\n",
                     std::string port = {}) {
        if (port.empty()) port = std::to_string(sim_.Port());
        dir_.Write("scale.cfg",
                   "SCALE_NO;1\r\nCAS_SCALE_TYPE;CL5000\r\nMEDIUM;TCPIP\r\nIP_ADDRESS;127.0.0.1\r\n"
                   "IP_PORT;" +
                       port +
                       "\r\nRS232_PORT;COM1\r\nRS232_SPEED;19200\r\nADD_CFG;\r\n\r\n"
                       "FILE_KASA_EXP;" +
                       dir_.File("kasa.exp") + "\r\nFILE_WYNIK_EXP;" + dir_.File("wynik.exp") + "\r\n\r\n" +
                       extra +
                       "WEIGHED_ITEMS;LONG\r\nBARCODE_MIN;1\r\nBARCODE_MAX;999\r\nPREFIX;29\r\n"
                       "SUBGROUP;N\r\nSUBGROUP_NO;\r\n");
    }
    int Run() {
        return peers_test::RunProgram(peers_test::PeerProgram("PCas.exe"), {dir_.File("scale.cfg")},
                                      dir_.Cp1250());
    }
    std::string Log() const {
        return platform::FileExists(dir_.File("PCas.log")) ? dir_.Read("PCas.log") : "";
    }

    TempDir dir_;
    ScaleSimProcess sim_{dir_};
};

} // namespace

TEST_F(PCas, SendsTheGoodsAndReportsEachThatReachedTheScale) {
    sim_.Set(Plu(4, "STARY"));
    sim_.Set(Plu(9, "INNY"));
    WriteConfig();
    dir_.Write("kasa.exp", "# lista\r\n[TOWARY]\r\n" +
                               Goods(1, 71, "2000011", std::string("SER ŻÓŁTY"_pl), "4.20", "DOD", 'T', 3) +
                               Goods(2, 72, "2000022", "MLEKO", "2.994", "AKT") +
                               Goods(3, 73, "", "CHLEB", "3", "CEN") +
                               Goods(4, 74, "4", "STARY", "1", "USU") +
                               Goods(0, 75, "", "BEZ NUMERU", "1", "DOD") + "VAT;23\r\n");
    ASSERT_EQ(Run(), 0) << Log();
    EXPECT_EQ(dir_.Read("wynik.exp"),
              "PLU;1;71;2000011;DOD\r\nPLU;2;72;2000022;AKT\r\nPLU;3;73;;CEN\r\nPLU;4;74;4;USU\r\n");
    EXPECT_EQ(sim_.Dump(), (std::vector<PluRecord>{
                               {1, std::string("SER ŻÓŁTY"_pl), "", 420, "3", "1", "2000011", "1", "1"},
                               {2, "MLEKO", "", 299, "2", "2", "2000022", "1", "2"},
                               {3, "CHLEB", "", 300, "2", "3", "", "1", "2"},
                               Plu(9, "INNY")}));
}

TEST_F(PCas, EmptiesTheScaleFirstForAReplacingExport) {
    sim_.Set(Plu(9, "INNY"));
    WriteConfig("EXPORT_KIND;REPLACE\r\nPLU_FROM;PLU\r\n");
    dir_.Write("kasa.exp", Goods(1, 1, "", "SER", "1", "DOD"));
    ASSERT_EQ(Run(), 0) << Log();
    EXPECT_EQ(sim_.Dump(), (std::vector<PluRecord>{{1, "SER", "", 100, "2", "1", "", "1", "2"}}));
}

TEST_F(PCas, TakesThePluNumberFromTheBarcodeWithinItsRange) {
    WriteConfig("EXPORT_KIND;ACTUAL\r\nPLU_FROM;BARCODE\r\n");
    dir_.Write("kasa.exp", Goods(10, 1, "0042", "SER", "1", "DOD") +
                               Goods(11, 2, "2000011", "DLUGI", "1", "DOD") +
                               Goods(12, 3, "ABC", "LITERY", "1", "DOD"));
    ASSERT_EQ(Run(), 0) << Log();
    EXPECT_EQ(dir_.Read("wynik.exp"), "PLU;10;1;0042;DOD\r\n");
    ASSERT_EQ(sim_.Dump().size(), 1u);
    EXPECT_EQ(sim_.Dump()[0].plu, 42);
}

TEST_F(PCas, FailsWithoutTheScaleAndLeavesNoOldResult) {
    std::string port = std::to_string(sim_.Port());
    sim_.Stop();
    WriteConfig("EXPORT_KIND;ACTUAL\r\n", port);
    dir_.Write("kasa.exp", Goods(1, 1, "", "SER", "1", "DOD"));
    dir_.Write("wynik.exp", "PLU;1;1;;DOD\r\n"); // from an earlier run
    EXPECT_NE(Run(), 0);
    EXPECT_EQ(dir_.Read("wynik.exp"), "");
    EXPECT_NE(Log().find(std::string("Brak połączenia z wagą 127.0.0.1:"_pl) + port), std::string::npos)
        << Log();
}

struct BadInput {
    const char* name;
    std::string config; // the entries that replace the usual export kind line
    std::string kasa;
    std::string logText;
};

class PCasBadInput : public PCas, public ::testing::WithParamInterface<BadInput> {};

TEST_P(PCasBadInput, StopsBeforeSendingAnything) {
    WriteConfig(GetParam().config);
    dir_.Write("kasa.exp", GetParam().kasa);
    EXPECT_NE(Run(), 0);
    EXPECT_NE(Log().find(GetParam().logText), std::string::npos) << Log();
    EXPECT_TRUE(sim_.Dump().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PCasBadInput,
    ::testing::Values(
        BadInput{"UnknownStatus", "EXPORT_KIND;ACTUAL\r\n",
                 Goods(1, 1, "", "SER", "1", "DOD") + Goods(2, 1, "", "MLEKO", "1", "usu"),
                 std::string("Nieprawidłowy format pliku eksportowego (wiersz 2): status 'usu'"_pl)},
        BadInput{"PluNotANumber", "EXPORT_KIND;ACTUAL\r\n",
                 "PLU;x1;1;;SER;1;0;0;0;1;1;F;3;F;F;F;0;;2;DOD\r\n",
                 std::string("Nieprawidłowy format pliku eksportowego (wiersz 1): plu 'x1'"_pl)},
        BadInput{"SerialMedium", "MEDIUM;RS232\r\n", Goods(1, 1, "", "SER", "1", "DOD"),
                 std::string("Nieobsługiwane medium: RS232"_pl)},
        BadInput{"BadPort", "IP_PORT;0\r\n", Goods(1, 1, "", "SER", "1", "DOD"),
                 std::string("Nieprawidłowa wartość IP_PORT w pliku scale.cfg: 0"_pl)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PCas, ReportsAMissingConfigFile) {
    EXPECT_NE(Run(), 0);
    EXPECT_NE(Log().find(std::string("Nie można odczytać pliku konfiguracji"_pl)), std::string::npos)
        << Log();
}
