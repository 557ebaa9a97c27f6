// The scale export: scale.cfg, starting PCas.exe and waiting for it, handing the result over.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "FakeHost.h"
#include "driver/VXLumo.h"
#include "platform/Cp1250.h"
#include "platform/Files.h"
#include "platform/System.h"
#include "support/TempDir.h"

namespace {

using driver_test::FakeHost;
using driver_test::StatusLine;
using testing_support::TempDir;
namespace fs = std::filesystem;

std::string FakePCas() {
#ifdef VX_FAKE_PCAS_NAME
    return platform::ExecutableDirectory() + VX_FAKE_PCAS_NAME;
#else
    return VX_FAKE_PCAS_PATH;
#endif
}

std::string WithSeparator(const std::string& folder) {
    return platform::JoinPath(folder, "");
}

const std::string kStarted = "Uruchamianie programu komunikacyjnego\x01OK";
const std::string kEnded = std::string("Zakończono komunikację z wagą"_pl) + "\x01OK";

class ScaleCfg : public testing::Test {
protected:
    ScaleCfg() {
        driver_test::SetDefaultParams(host);
        host.workDir = "C:\\WYM\\";
    }
    // The value of a key in the file the action would write.
    std::string Value(const std::string& key) {
        VXLumoAction action(static_cast<TKSLibrary*>(host.Library()), 1);
        std::string text = action.ScaleCfgText();
        std::size_t at = text.find("\r\n" + key + ";");
        if (at == std::string::npos) return "<none>";
        at += key.size() + 3;
        return text.substr(at, text.find("\r\n", at) - at);
    }
    FakeHost host;
};

TEST_F(ScaleCfg, DefaultsGiveTheKnownFile) {
    VXLumoAction action(static_cast<TKSLibrary*>(host.Library()), 1);
    EXPECT_EQ(action.ScaleCfgText(),
              "SCALE_NO;1\r\nCAS_SCALE_TYPE;CL5000\r\nMEDIUM;TCPIP\r\nIP_ADDRESS;192.168.0.12\r\n"
              "IP_PORT;20304\r\nRS232_PORT;COM1\r\nRS232_SPEED;19200\r\nADD_CFG;\r\n\r\n"
              "FILE_KASA_EXP;C:\\WYM\\kasa.exp\r\nFILE_WYNIK_EXP;C:\\WYM\\wynik.exp\r\n\r\n"
              "EXPORT_KIND;ACTUAL\r\nWEIGHED_ITEMS;LONG\r\nPLU_FROM;BARCODE\r\nBARCODE_MIN;1\r\n"
              "BARCODE_MAX;999\r\nPREFIX;29\r\nSUBGROUP;N\r\nSUBGROUP_NO;\r\n");
}

TEST_F(ScaleCfg, ValuesByParameter) {
    struct Row {
        const char* param;
        const char* value;
        const char* key;
        const char* expected;
    } rows[] = {
        {"VxLumoMedium", "0", "MEDIUM", "RS232"},
        {"VxLumoMedium", "1", "MEDIUM", "TCPIP"},
        {"VxLumoMedium", "2", "MEDIUM", "OTHER"},
        {"VxLumoMedium", "7", "MEDIUM", "OTHER"},
        {"VxLumoIPPort", "port", "IP_PORT", "0"},
        {"RodzajTransmisji", "3", "EXPORT_KIND", "REPLACE"},
        {"RodzajTransmisji", "2", "EXPORT_KIND", "ACTUAL"},
        {"RodzajTransmisji", "4", "EXPORT_KIND", "ACTUAL"},
        {"VxLumoWeighedItems", "0", "WEIGHED_ITEMS", "SHORT"},
        {"VxLumoPluFrom", "0", "PLU_FROM", "PLU"},
        {"VxLumoSubgroup", "1", "SUBGROUP", "Y"},
        {"VxLumoSubgroupNo", "12", "SUBGROUP_NO", "12"},
        {"VxLumoAddCfg", " a b ", "ADD_CFG", " a b "},
        {"VxLumoCasScaleType", "LP16", "CAS_SCALE_TYPE", "LP16"},
    };
    for (const Row& r : rows) {
        std::string old = host.params[r.param];
        host.params[r.param] = r.value;
        EXPECT_EQ(Value(r.key), r.expected) << r.param << "=" << r.value;
        host.params[r.param] = old;
    }
}

TEST_F(ScaleCfg, BarcodeFormatsFromTheHostList) {
    host.list = {"2??????", "28????"};
    VXLumoAction action(static_cast<TKSLibrary*>(host.Library()), 1);
    std::string text = action.ScaleCfgText();
    EXPECT_NE(text.find("\r\n\r\nBCD_FORMAT;2WWWWWW\r\nBCD_FORMAT;28WWWW\r\n\r\nEXPORT_KIND;"),
              std::string::npos);
}

TEST_F(ScaleCfg, ProgramPathJoinsTheFolderOnce) {
    const char sep = platform::PathSeparator();
    for (std::string dir : {std::string("CAS"), std::string("CAS") + sep}) {
        host.params["VxLumoDriverDir"] = dir;
        VXLumoAction action(static_cast<TKSLibrary*>(host.Library()), 1);
        EXPECT_EQ(action.PCasPath(), std::string("CAS") + sep + "PCas.exe");
    }
    host.params["VxLumoDriverDir"] = "";
    VXLumoAction action(static_cast<TKSLibrary*>(host.Library()), 1);
    EXPECT_EQ(action.PCasPath(), "PCas.exe");
}

class Export : public testing::Test {
protected:
    Export() {
        driver_test::SetDefaultParams(host);
        host.workDir = WithSeparator(work.Cp1250());
        InstallPCas(driverDir.Path());
        host.params["VxLumoDriverDir"] = driverDir.Cp1250();
    }
    static void InstallPCas(const fs::path& folder) {
        fs::create_directories(folder);
        fs::copy_file(FakePCas(), folder / "PCas.exe", fs::copy_options::overwrite_existing);
    }
    // What the stand-in recorded: argument count, the arguments, its working folder.
    static std::vector<std::string> Run(const fs::path& folder) {
        std::ifstream in(folder / "pcas-run.txt");
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
    std::vector<StatusLine> ErrorLines(const std::string& name, const std::string& message) {
        return {
            {false, 2,
             std::string("Podczas wykonywania operacji '"_pl) + name + std::string("' wystąpił błąd:"_pl)},
            {false, 2, message}};
    }
    FakeHost host;
    TempDir work, driverDir;
};

TEST_F(Export, RunsPCasWithTheConfigurationAndHandsTheResultOver) {
    for (int code : {-2, -5}) {
        host.lines.clear();
        fs::remove(work.Path() / "wynik.exp");
        EXPECT_EQ(host.Operation(code), 0);
        EXPECT_EQ(host.lines, (std::vector<StatusLine>{{false, 0, kStarted}, {false, 0, kEnded}})) << code;
        std::vector<std::string> run = Run(driverDir.Path());
        ASSERT_EQ(run.size(), 3u);
        EXPECT_EQ(run[0], "1") << "one argument: the configuration path";
        EXPECT_EQ(fs::path(run[1]), work.Path() / "scale.cfg");
        EXPECT_TRUE(fs::equivalent(fs::path(run[2]), driverDir.Path())) << "runs in the driver folder";
        EXPECT_EQ(work.Read("wynik.exp"), "WYNIK\r\n");
        VXLumoAction action(static_cast<TKSLibrary*>(host.Library()), 1);
        EXPECT_EQ(work.Read("scale.cfg"), action.ScaleCfgText());
    }
    EXPECT_EQ(host.saveCalls, 2);
}

TEST_F(Export, MissingPCasFailsBeforeAnythingIsWritten) {
    fs::remove(driverDir.Path() / "PCas.exe");
    EXPECT_EQ(host.Operation(-2), 0);
    std::string path = platform::JoinPath(driverDir.Cp1250(), "PCas.exe");
    EXPECT_EQ(host.lines, ErrorLines("eksport", "Brak sterownika: " + path));
    EXPECT_FALSE(fs::exists(work.Path() / "scale.cfg"));
    EXPECT_EQ(host.saveCalls, 0);
}

TEST_F(Export, RefusedResultIsAnErrorAfterBothLines) {
    host.saveAnswer = 0;
    EXPECT_EQ(host.Operation(-5), 0);
    std::vector<StatusLine> expected = {{false, 0, kStarted}, {false, 0, kEnded}};
    for (auto& l :
         ErrorLines("eksport automatyczny", std::string("Błąd zapisu wyniku eksportu do bazy danych"_pl)))
        expected.push_back(l);
    EXPECT_EQ(host.lines, expected);
}

TEST_F(Export, AnOldResultIsNeverHandedOverAsTheNewOne) {
    work.Write("wynik.exp", "STARY\r\n");
    driverDir.Write("pcas-nowynik", "");
    EXPECT_EQ(host.Operation(-2), 0);
    EXPECT_FALSE(fs::exists(work.Path() / "wynik.exp"));
}

TEST_F(Export, UnwritableWorkFolderStartsNothing) {
    host.workDir = WithSeparator(work.File("brak"));
    EXPECT_EQ(host.Operation(-2), 0);
    // The file class's error, with its chain of causes down to the system's error.
    ASSERT_GE(host.lines.size(), 3u);
    EXPECT_EQ(host.lines[0].text, std::string("Podczas wykonywania operacji 'eksport' wystąpił błąd:"_pl));
    for (const auto& l : host.lines) EXPECT_EQ(l.kind, 2) << l.text;
    EXPECT_EQ(host.lines[1].text.rfind("[F/104] ", 0), 0u) << host.lines[1].text;
    EXPECT_TRUE(std::any_of(host.lines.begin(), host.lines.end(), [](const StatusLine& l) {
        return l.text.rfind("[L/", 0) == 0;
    })) << "the system's error rides along";
    EXPECT_FALSE(fs::exists(driverDir.Path() / "pcas-run.txt"));
    EXPECT_EQ(host.saveCalls, 0);
}

TEST_F(Export, ProgramThatCannotStartReportsTheSystemMessage) {
    driverDir.Write("PCas.exe", "to nie jest program");
    fs::permissions(driverDir.Path() / "PCas.exe", fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(host.Operation(-2), 0);
    ASSERT_EQ(host.lines.size(), 3u);
    EXPECT_EQ(host.lines[0].text, kStarted);
    EXPECT_EQ(host.lines[1].kind, 2);
    EXPECT_EQ(host.lines[2].kind, 2);
    EXPECT_FALSE(host.lines[2].text.empty());
    EXPECT_TRUE(fs::exists(work.Path() / "scale.cfg")) << "the configuration stays written";
    EXPECT_EQ(host.saveCalls, 0);
}

TEST_F(Export, FolderWithBlanksStartsThatFolder_sProgram) {
    // A program named after the folder's first word must never be the one started.
    fs::path blanks = driverDir.Path() / "CAS z odstepami";
    InstallPCas(blanks);
    fs::copy_file(FakePCas(), driverDir.Path() / "CAS.exe");
    fs::copy_file(FakePCas(), driverDir.Path() / "CAS");
    auto u8 = blanks.u8string();
    host.params["VxLumoDriverDir"] = cp1250::FromUtf8(std::string(u8.begin(), u8.end()));
    EXPECT_EQ(host.Operation(-2), 0);
    std::vector<std::string> run = Run(blanks);
    ASSERT_EQ(run.size(), 3u);
    EXPECT_EQ(run[0], "1");
    EXPECT_EQ(fs::path(run[1]), work.Path() / "scale.cfg");
    EXPECT_EQ(host.saveCalls, 1);
}

TEST_F(Export, EmptyFolderStartsPCasInTheCurrentFolder) {
    host.params["VxLumoDriverDir"] = "";
    std::string saved = platform::CurrentDirectory();
    ASSERT_TRUE(platform::SetCurrentDirectory(driverDir.Cp1250()));
    int result = host.Operation(-2);
    platform::SetCurrentDirectory(saved);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(host.lines, (std::vector<StatusLine>{{false, 0, kStarted}, {false, 0, kEnded}}));
    EXPECT_EQ(Run(driverDir.Path()).size(), 3u);
}

TEST_F(Export, TestConnectionLeavesTheConfigurationAlone) {
    work.Write("scale.cfg", "stary");
    EXPECT_EQ(host.Operation(-1), 0);
    EXPECT_EQ(work.Read("scale.cfg"), "stary");
    EXPECT_FALSE(fs::exists(driverDir.Path() / "pcas-run.txt"));
}

} // namespace
