// CAScale.exe started in its folder with "Plufeed.XML", as the bridge starts it.
#include <gtest/gtest.h>

#include "ScaleSimProcess.h"
#include "platform/Cp1250.h"
#include "platform/Files.h"

using peers::PluRecord;
using peers_test::Plu;
using peers_test::ScaleSimProcess;
using testing_support::TempDir;

namespace {

// The goods file as the bridge writes it: the header, the given lines, and the closing lines
// when close is set.
std::string Feed(const std::string& port, const std::string& action, const std::string& lines,
                 bool close = true, const std::string& address = "127.0.0.1") {
    std::string doc = "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n"
                      " <CAS_POLSKA> <Komunikacja>\r\n"
                      " <Typ>TCPIP</Typ>\r\n"
                      " <Adres>" +
                      address +
                      "</Adres>\r\n"
                      " <Port>" +
                      port +
                      "</Port>\r\n"
                      " <Interval>5000</Interval>\r\n"
                      " <Retry>3</Retry>\r\n"
                      " <TYPWAGI>LP</TYPWAGI>\r\n"
                      " <RODZAJWAGI>CL5000</RODZAJWAGI>\r\n"
                      " <PASEKPOSTEPU>1</PASEKPOSTEPU> \r\n"
                      " <DEBUGMESS>1</DEBUGMESS>\r\n"
                      " <AKCJA>" +
                      action +
                      "</AKCJA>\r\n"
                      " <TYPDANYCH>PLU</TYPDANYCH>\r\n"
                      " </Komunikacja>\r\n"
                      " <DEFAULT DEPARTMENT=\"1\" PLUTYPE=\"1\" />\r\n"
                      " <DANE> \r\n" +
                      lines;
    if (close) doc += " </DANE> \r\n</CAS_POLSKA>";
    return doc + "\r\n";
}

const std::string kDeleteAll = "<Record PLUSTART=\"1\" PLUKONIEC=\"9999\" /> </DANE> </CAS_POLSKA>";

class CAScale : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(sim_.Port(), 0); }

    std::string Port() const { return std::to_string(sim_.Port()); }
    int Run(const std::string& feed) {
        dir_.Write("Plufeed.XML", feed);
        return peers_test::RunProgram(peers_test::PeerProgram("CAScale.exe"), {"Plufeed.XML"}, dir_.Cp1250());
    }
    bool Exists(const std::string& name) const { return platform::FileExists(dir_.File(name)); }
    std::string ErrorLine() const {
        if (!Exists("Cascale.err")) return "(no Cascale.err)";
        std::string text = dir_.Read("Cascale.err");
        return text.substr(0, text.find("\r\n"));
    }

    TempDir dir_;
    ScaleSimProcess sim_{dir_};
};

} // namespace

TEST_F(CAScale, SendsTheRecordsOfTheGoodsFile) {
    dir_.Write("Cascale.err", "old error\r\n");
    std::string lines =
        std::string("<REKORD  PLU=\"1\" NAZWA01=\"SER &amp; &quot;ŻÓŁTY&quot;\" UNITPRICE=\"420\""
                    " NAZWA02=\"gouda\" GROUP=\"3\" ITEMCODE=\"11\" BARCODE1=\"2000011\"/>\r\n"_pl) +
        "<REKORD  PLU=\"2\" NAZWA01=\"MLEKO\" UNITPRICE=\"1234,5\"/>\r\n";
    ASSERT_EQ(Run(Feed(Port(), "WYSYLKA", lines)), 0) << ErrorLine();
    PluRecord first{1, std::string("SER & \"ŻÓŁTY\""_pl), "gouda", 420, "3", "11", "2000011", "1", "1"};
    PluRecord second{2, "MLEKO", "", 1235, "", "", "", "1", "1"};
    EXPECT_EQ(sim_.Dump(), (std::vector<PluRecord>{first, second}));
    EXPECT_FALSE(Exists("Cascale.err")); // a stale error file does not outlive a good run
    EXPECT_NE(dir_.Read("Cascale.log").find("Wysłano rekordów: 2"_pl), std::string::npos);
}

TEST_F(CAScale, DeletesThePluRangeOfADeleteDocument) {
    for (int plu : {1, 500, 9999, 10000}) sim_.Set(Plu(plu, "X"));
    ASSERT_EQ(Run(Feed(Port(), "KASOWANIE", kDeleteAll, false)), 0) << ErrorLine();
    EXPECT_EQ(sim_.Dump(), (std::vector<PluRecord>{Plu(10000, "X")}));
}

// A delete request whose goods list was already closed puts the range after the root's end.
TEST_F(CAScale, TakesADeleteLineAfterTheClosedDocument) {
    sim_.Set(Plu(5, "X"));
    ASSERT_EQ(Run(Feed(Port(), "KASOWANIE", "") + kDeleteAll), 0) << ErrorLine();
    EXPECT_TRUE(sim_.Dump().empty());
}

TEST_F(CAScale, WritesTheErrorFileWhenTheScaleIsDown) {
    std::string port = Port();
    sim_.Stop();
    EXPECT_NE(Run(Feed(port, "WYSYLKA", "<REKORD  PLU=\"1\"/>\r\n")), 0);
    EXPECT_EQ(ErrorLine(), std::string("Brak połączenia z wagą 127.0.0.1:"_pl) + port);
    EXPECT_TRUE(Exists("Cascale.log"));
}

struct BadFeed {
    const char* name;
    std::string feed; // "PORT" stands for the simulator's port
    std::string firstLine;
};

class CAScaleBadFeed : public CAScale, public ::testing::WithParamInterface<BadFeed> {};

TEST_P(CAScaleBadFeed, ReportsInPolishAndSendsNothing) {
    std::string feed = GetParam().feed;
    if (auto at = feed.find("PORT"); at != std::string::npos) feed.replace(at, 4, Port());
    EXPECT_NE(Run(feed), 0);
    EXPECT_EQ(ErrorLine().substr(0, GetParam().firstLine.size()), GetParam().firstLine) << ErrorLine();
    EXPECT_TRUE(sim_.Dump().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CAScaleBadFeed,
    ::testing::Values(
        BadFeed{"NotXml", "<CAS_POLSKA><Adres>127.0.0.1</Adres",
                std::string("Błędny format pliku Plufeed.XML"_pl)},
        BadFeed{"NoRoot", "<?xml version=\"1.0\"?>\r\n<INNY/>\r\n",
                std::string("Błędny format pliku Plufeed.XML: brak elementu CAS_POLSKA"_pl)},
        BadFeed{"PortNotANumber", Feed("20x", "WYSYLKA", ""),
                std::string("Nieprawidłowa wartość parametru Port: 20x"_pl)},
        BadFeed{"UnknownAction", Feed("PORT", "WYSLIJ", "<REKORD  PLU=\"1\"/>\r\n"),
                "Nieznana akcja: WYSLIJ"},
        BadFeed{"BadPluNumber", Feed("PORT", "WYSYLKA", "<REKORD  PLU=\"1\"/>\r\n<REKORD  PLU=\"abc\"/>\r\n"),
                std::string("Nieprawidłowy numer PLU w rekordzie: abc"_pl)},
        BadFeed{"BadPrice",
                Feed("PORT", "WYSYLKA", std::string("<REKORD  PLU=\"1\" UNITPRICE=\"12zł\"/>\r\n"_pl)),
                std::string("Nieprawidłowa cena PLU 1"_pl)},
        BadFeed{"ScaleOffThisMachine",
                Feed("PORT", "WYSYLKA", "<REKORD  PLU=\"1\"/>\r\n", true, "10.10.1.233"),
                std::string("Brak połączenia z wagą 10.10.1.233:"_pl)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CAScale, ReportsAMissingGoodsFile) {
    EXPECT_NE(peers_test::RunProgram(peers_test::PeerProgram("CAScale.exe"), {"Plufeed.XML"}, dir_.Cp1250()),
              0);
    EXPECT_EQ(ErrorLine(), "Brak pliku Plufeed.XML");
}
