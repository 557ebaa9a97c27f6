// pondero as Subiekt starts it: a program folder holding pondero and the scale maker's programs,
// a current folder holding the request, a scale simulator on 127.0.0.1. pondero runs offscreen;
// the configuration and an unknown operation, which wait for a user, are ended by the test-only
// switch PONDERO_TEST_CLOSE_AFTER_TIMER, which closes the window as its close box does.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/Cp1250.h"
#include "platform/Process.h"
#include "platform/System.h"
#include "support/ExpectedReport.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

using testing_support::ExpectedReport;

const fs::path kBin = VX_INSTALL_BIN;

std::string Settings(int port, const std::string& ip = "127.0.0.1") {
    return "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\r\n  <CAS-POLSKA WAGA=\"Waga 1\" MODEL=\"CL5000\" "
           "IP=\"" +
           ip + "\" PORT=\"" + std::to_string(port) + "\" TIMEOUT=\"2000\" RETRY=\"1\"/>\r\n";
}

std::string Request(std::string_view operation, const std::string& goods = {}) {
    return "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n<DANE OPERACJA=\"" + std::string(operation) +
           "\">\r\n" + goods + "</DANE>\r\n";
}

const std::string kGoods =
    std::string("<TOWAR><KP>1</KP><NA>Ser żółty</NA><CE>4.20</CE><Wł>Łódź</Wł><GR>2</GR></TOWAR>\r\n"
                "<TOWAR><KP>2</KP><NA>Mleko &amp; miód</NA><CE>3</CE><DK>5900000000001</DK></TOWAR>\r\n"_pl);

std::string Header(int port, std::string_view action) {
    return "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n <CAS_POLSKA> <Komunikacja>\r\n "
           "<Typ>TCPIP</Typ>\r\n"
           " <Adres>127.0.0.1</Adres>\r\n <Port>" +
           std::to_string(port) +
           "</Port>\r\n <Interval>2000</Interval>\r\n <Retry>1</Retry>\r\n <TYPWAGI>LP</TYPWAGI>\r\n"
           " <RODZAJWAGI>CL5000</RODZAJWAGI>\r\n <PASEKPOSTEPU>1</PASEKPOSTEPU> \r\n "
           "<DEBUGMESS>1</DEBUGMESS>\r\n"
           " <AKCJA>" +
           std::string(action) +
           "</AKCJA>\r\n <TYPDANYCH>PLU</TYPDANYCH>\r\n </Komunikacja>\r\n"
           " <DEFAULT DEPARTMENT=\"1\" PLUTYPE=\"1\" />\r\n <DANE> \r\n";
}

std::string ReadBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteBytes(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

std::string Native(const fs::path& p) {
    return cp1250::FromUtf8(p.string());
}

class BridgeE2e : public testing::Test {
protected:
    static void SetUpTestSuite() { setenv("QT_QPA_PLATFORM", "offscreen", 1); }

    void SetUp() override {
        for (const char* name : {"pondero", "CAScale.exe", "libcasprtc.so", "scalesim"})
            if (!fs::exists(kBin / name))
                GTEST_SKIP() << (kBin / name) << " is not installed (cmake --install)";
        for (const char* name : {"pondero", "CAScale.exe", "libcasprtc.so"})
            fs::copy_file(kBin / name, program.Path() / name);
    }

    void TearDown() override {
        if (scale) {
            scale->Kill();
            scale->Wait(5000);
        }
        unsetenv("PONDERO_TEST_CLOSE_AFTER_TIMER");
    }

    // Starts the simulator on a free port and returns the port.
    int StartScale() {
        fs::path portFile = current.Path() / "scale.port";
        scale = platform::Process::Start(Native(kBin / "scalesim"),
                                         {"--port", "0", "--port-file", Native(portFile)},
                                         Native(current.Path()));
        if (!scale) return 0;
        for (int i = 0; i < 500 && !fs::exists(portFile); ++i) platform::Sleep(10);
        return std::atoi(ReadBytes(portFile).c_str());
    }

    // The simulator's PLU table, one record a line.
    std::string PluTable(int port) {
        fs::path out = current.Path() / "dump.txt";
        std::string command =
            (kBin / "scalesim").string() + " dump --port " + std::to_string(port) + " > " + out.string();
        EXPECT_EQ(std::system(command.c_str()), 0);
        return cp1250::FromUtf8(ReadBytes(out));
    }

    // Runs pondero from the program folder in the current folder; its exit code.
    int RunPondero(bool closeAfterTimer = false) {
        if (closeAfterTimer) setenv("PONDERO_TEST_CLOSE_AFTER_TIMER", "1", 1);
        auto p = platform::Process::Start(Native(program.Path() / "pondero"), {}, Native(current.Path()));
        if (!p) return -1;
        if (!p->Wait(60000)) {
            p->Kill();
            p->Wait(-1);
            ADD_FAILURE() << "pondero did not end";
            return -1;
        }
        return p->ExitCode();
    }

    std::string Plufeed() { return ReadBytes(program.Path() / "Plufeed.XML"); }
    std::string RaportXml() { return ReadBytes(current.Path() / "Raport.xml"); }

    testing_support::TempDir program, current;
    std::unique_ptr<platform::Process> scale;
};

TEST_F(BridgeE2e, SendPutsTheGoodsOnTheScale) {
    int port = StartScale();
    ASSERT_GT(port, 0);
    WriteBytes(current.Path() / "Prog_kom.cfg", Settings(port));
    WriteBytes(current.Path() / "ster_uni.xml", Request("PrzesyłanieTowarów"_pl, kGoods));
    WriteBytes(current.Path() / "Raport.xml", "old");
    ASSERT_EQ(RunPondero(), 0);
    EXPECT_EQ(Plufeed(),
              Header(port, "WYSYLKA") +
                  std::string("<REKORD  PLU=\"1\" NAZWA01=\"SER żółTY\" UNITPRICE=\"420\" NAZWA02=\"ŁóDź\" "
                              "GROUP=\"2\"/>\r\n"
                              "<REKORD  PLU=\"2\" NAZWA01=\"MLEKO &amp; MIóD\" UNITPRICE=\"300\" "
                              "BARCODE1=\"5900000000001\"/>\r\n"
                              " </DANE> \r\n</CAS_POLSKA>\r\n"_pl));
    EXPECT_EQ(RaportXml(), ExpectedReport("OK"));
    std::string table = PluTable(port);
    EXPECT_NE(table.find(std::string("1;SER żółTY;ŁóDź;420;2"_pl)), std::string::npos) << table;
    EXPECT_NE(table.find(std::string("2;MLEKO & MIóD;;300;;;5900000000001"_pl)), std::string::npos) << table;
}

TEST_F(BridgeE2e, DeleteAllEmptiesTheScale) {
    int port = StartScale();
    ASSERT_GT(port, 0);
    WriteBytes(current.Path() / "Prog_kom.cfg", Settings(port));
    WriteBytes(current.Path() / "ster_uni.xml", Request("PrzesyłanieTowarów"_pl, kGoods));
    ASSERT_EQ(RunPondero(), 0);
    ASSERT_NE(PluTable(port), "");

    WriteBytes(current.Path() / "ster_uni.xml", Request("UsuwanieWszystkichTowarów"_pl, kGoods));
    ASSERT_EQ(RunPondero(), 0);
    EXPECT_EQ(Plufeed(), Header(port, "KASOWANIE") +
                             "<Record PLUSTART=\"1\" PLUKONIEC=\"9999\" /> </DANE> </CAS_POLSKA>\r\n");
    EXPECT_EQ(RaportXml(), ExpectedReport("OK"));
    EXPECT_EQ(PluTable(port), "");
}

TEST_F(BridgeE2e, SendToAScaleThatIsDownReportsTheSendersError) {
    int port = StartScale();
    ASSERT_GT(port, 0);
    scale->Kill();
    scale->Wait(5000);
    WriteBytes(current.Path() / "Prog_kom.cfg", Settings(port));
    WriteBytes(current.Path() / "ster_uni.xml", Request("PrzesyłanieTowarów"_pl, kGoods));
    ASSERT_EQ(RunPondero(), 0);
    std::string report = RaportXml();
    EXPECT_NE(report.find("<Typ>C</Typ>"), std::string::npos) << report;
    EXPECT_NE(report.find(std::string("Brak połączenia z wagą 127.0.0.1:"_pl)), std::string::npos) << report;
    EXPECT_FALSE(fs::exists(program.Path() / "Cascale.err"));
}

TEST_F(BridgeE2e, ConnectionTestWithTheScaleUpAndDown) {
    int port = StartScale();
    ASSERT_GT(port, 0);
    WriteBytes(current.Path() / "Prog_kom.cfg", Settings(port));
    WriteBytes(current.Path() / "ster_uni.xml", Request("SprawdzeniePołączenia"_pl));
    ASSERT_EQ(RunPondero(), 0);
    EXPECT_EQ(RaportXml(), ExpectedReport("OK"));

    scale->Kill();
    scale->Wait(5000);
    scale.reset();
    ASSERT_EQ(RunPondero(), 0);
    EXPECT_EQ(RaportXml(), ExpectedReport("C", "Brak Komunikacji"));
}

TEST_F(BridgeE2e, ConfigurationLeftThroughTheCloseBoxChangesNothing) {
    WriteBytes(current.Path() / "Prog_kom.cfg", Settings(20304));
    WriteBytes(current.Path() / "ster_uni.xml", Request("Konfiguracja"));
    WriteBytes(current.Path() / "Raport.xml", "old");
    ASSERT_EQ(RunPondero(true), 0);
    EXPECT_EQ(RaportXml(), "old");
    EXPECT_EQ(ReadBytes(current.Path() / "Prog_kom.cfg"), Settings(20304));
    EXPECT_FALSE(fs::exists(program.Path() / "Plufeed.XML"));
}

TEST_F(BridgeE2e, UnknownOperationDoesNothing) {
    WriteBytes(current.Path() / "Prog_kom.cfg", Settings(20304));
    WriteBytes(current.Path() / "ster_uni.xml", Request("PRZESYŁANIETOWARÓW"_pl, kGoods));
    ASSERT_EQ(RunPondero(true), 0);
    EXPECT_FALSE(fs::exists(current.Path() / "Raport.xml"));
    EXPECT_FALSE(fs::exists(program.Path() / "Plufeed.XML"));
}

TEST_F(BridgeE2e, SendWithoutTheSendingProgramReportsIt) {
    fs::remove(program.Path() / "CAScale.exe");
    WriteBytes(current.Path() / "Prog_kom.cfg", Settings(20304));
    WriteBytes(current.Path() / "ster_uni.xml", Request("PrzesyłanieTowarów"_pl, kGoods));
    ASSERT_EQ(RunPondero(), 0);
    EXPECT_NE(RaportXml().find(std::string("Nie można uruchomić programu CAScale.exe"_pl)),
              std::string::npos);
}

} // namespace
