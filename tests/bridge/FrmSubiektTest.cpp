#include "bridge/FrmSubiekt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "Fakes.h"
#include "platform/Cp1250.h"
#include "platform/Files.h"
#include "platform/Locale.h"
#include "support/ExpectedReport.h"
#include "support/TempDir.h"

namespace {

using testing_support::ExpectedReport;

using bridge::SettingsField;
using fakes::Cas;

const std::string kSettings = "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\r\n"
                              "  <cas-polska waga=\"Waga 1\" model=\"lp 1.6\" ip=\"127.0.0.1\" "
                              "port=\"20305\" timeout=\"4000\" retry=\"2\"/>\r\n";

std::string Request(const std::string& operation, const std::string& goods = {}) {
    return "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n<DANE OPERACJA=\"" + operation +
           "\" IDMODELU=\"7\">\r\n" + goods + "</DANE>\r\n";
}

const std::string kTwoGoods =
    "<TOWAR><KP>1</KP><NA>Ser</NA><CE>4.20</CE></TOWAR>\r\n"
    "<TOWAR>\r\n <KP>2</KP>\r\n <NA>  Mleko \r\n 2% </NA>\r\n <CE>3</CE>\r\n <GR>5</GR>\r\n</TOWAR>\r\n";

const std::string kSend = std::string("Przesyłanietowarów"_pl);
const std::string kDelete = std::string("UsuwanieWszystkichTowarów"_pl);
const std::string kTest = std::string("SprawdzeniePołączenia"_pl);

const std::string kLoadedHeader =
    "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n"
    " <CAS_POLSKA> <Komunikacja>\r\n <Typ>TCPIP</Typ>\r\n <Adres>127.0.0.1</Adres>\r\n <Port>20305</Port>\r\n"
    " <Interval>4000</Interval>\r\n <Retry>2</Retry>\r\n <TYPWAGI>LP</TYPWAGI>\r\n"
    " <RODZAJWAGI>LP16</RODZAJWAGI>\r\n <PASEKPOSTEPU>1</PASEKPOSTEPU> \r\n <DEBUGMESS>1</DEBUGMESS>\r\n"
    " <AKCJA>@</AKCJA>\r\n <TYPDANYCH>PLU</TYPDANYCH>\r\n </Komunikacja>\r\n"
    " <DEFAULT DEPARTMENT=\"1\" PLUTYPE=\"1\" />\r\n <DANE> \r\n";

std::string LoadedHeader(const std::string& action) {
    std::string h = kLoadedHeader;
    return h.replace(h.find('@'), 1, action);
}

class FrmSubiektTest : public testing::Test {
protected:
    testing_support::TempDir current, program;
    fakes::FakeView view;
    fakes::FakeErrors errors;
    fakes::FakeRunner runner;
    bridge::CasPrtcLibrary library{fakes::CasFunctions()};
    platform::ScopedLocale locale{platform::LocaleSettings{}};
    std::unique_ptr<bridge::TFrmSubiekt> form = MakeForm();

    std::unique_ptr<bridge::TFrmSubiekt> MakeForm() {
        auto f = std::make_unique<bridge::TFrmSubiekt>(
            view, errors, runner, library, bridge::BridgeFolders{current.Cp1250(), program.Cp1250()});
        f->ConnectionSleep = [](std::uint32_t) {};
        return f;
    }
    bool Has(const testing_support::TempDir& d, const char* name) {
        return std::filesystem::exists(d.Path() / name);
    }
    void Run(const std::string& request, const std::string& settings = kSettings) {
        if (!settings.empty()) current.Write("Prog_kom.cfg", settings);
        current.Write("ster_uni.xml", request);
        form->TimerTick();
    }
};

TEST_F(FrmSubiektTest, SendWritesGoodsFileRunsSenderAndReportsOk) {
    current.Write("Raport.xml", "old");
    program.Write("Cascale.log", "old");
    program.Write("Cascale.err", "old error");
    Run(Request(kSend, kTwoGoods));
    EXPECT_TRUE(errors.Shown.empty()) << errors.Shown[0];
    EXPECT_EQ(program.Read("Plufeed.XML"),
              LoadedHeader("WYSYLKA") +
                  "<REKORD  PLU=\"1\" NAZWA01=\"SER\" UNITPRICE=\"420\"/>\r\n"
                  "<REKORD  PLU=\"2\" NAZWA01=\"MLEKO 2%\" UNITPRICE=\"300\" GROUP=\"5\"/>\r\n"
                  " </DANE> \r\n</CAS_POLSKA>\r\n");
    ASSERT_EQ(runner.Calls.size(), 1u);
    EXPECT_EQ(runner.Calls[0].Program, program.File("CAScale.exe"));
    EXPECT_EQ(runner.Calls[0].Arguments, std::vector<std::string>{"Plufeed.XML"});
    EXPECT_EQ(runner.Calls[0].WorkDir, program.Cp1250() + platform::PathSeparator());
    EXPECT_GT(view.KeptAlive, 0);
    EXPECT_EQ(current.Read("Raport.xml"), ExpectedReport("OK", ""));
    EXPECT_FALSE(Has(program, "Cascale.log"));
    EXPECT_FALSE(Has(program, "Cascale.err"));
    EXPECT_TRUE(view.Closed);
}

// The files in a folder, by name.
std::vector<std::string> Files(const testing_support::TempDir& d) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(d.Path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A request whose goods file is several megabytes goes to disk in parts while it is read.
TEST_F(FrmSubiektTest, ManyGoodsReachTheGoodsFileWholeAndInOrder) {
    std::string goods, records;
    for (int i = 1; i <= 60000; ++i) {
        std::string n = std::to_string(i);
        goods += "<TOWAR>\r\n <KP>" + n + "</KP>\r\n <NA>Towar &amp; nr " + n + "</NA>\r\n <CE>" + n +
                 ".5</CE>\r\n</TOWAR>\r\n";
        records +=
            "<REKORD  PLU=\"" + n + "\" NAZWA01=\"TOWAR &amp; NR " + n + "\" UNITPRICE=\"" + n + "50\"/>\r\n";
    }
    Run(Request(kSend, goods));
    EXPECT_TRUE(errors.Shown.empty());
    EXPECT_EQ(program.Read("Plufeed.XML"),
              LoadedHeader("WYSYLKA") + records + " </DANE> \r\n</CAS_POLSKA>\r\n");
    EXPECT_EQ(Files(program), std::vector<std::string>{"Plufeed.XML"});
    EXPECT_EQ(current.Read("Raport.xml"), ExpectedReport("OK", ""));
}

TEST_F(FrmSubiektTest, OperationsOtherThanSendLeaveNoGoodsFileBehind) {
    for (const std::string& op : {kTest, std::string("KONFIGURACJA"), std::string("NIEZNANA")}) {
        Run(Request(op, kTwoGoods));
        EXPECT_EQ(Files(program), std::vector<std::string>{}) << op;
        form = MakeForm();
    }
}

TEST_F(FrmSubiektTest, GoodsFileThatCannotBePutInPlaceIsAFailure) {
    std::filesystem::create_directory(program.Path() / "Plufeed.XML");
    Run(Request(kSend, kTwoGoods));
    ASSERT_EQ(errors.Shown.size(), 1u);
    EXPECT_NE(errors.Shown[0].find(std::string("Nie można zapisać pliku "_pl)), std::string::npos)
        << errors.Shown[0];
    EXPECT_TRUE(runner.Calls.empty());
    EXPECT_EQ(Files(program), std::vector<std::string>{"Plufeed.XML"}); // the folder, no temporary file
    EXPECT_FALSE(view.Closed);
}

TEST_F(FrmSubiektTest, DeleteSendsHeaderWithDeleteActionWhateverTheRequestHeld) {
    Run(Request(kDelete, kTwoGoods));
    EXPECT_EQ(program.Read("Plufeed.XML"),
              LoadedHeader("KASOWANIE") +
                  "<Record PLUSTART=\"1\" PLUKONIEC=\"9999\" /> </DANE> </CAS_POLSKA>\r\n");
    EXPECT_EQ(runner.Calls.size(), 1u);
    EXPECT_EQ(current.Read("Raport.xml"), ExpectedReport("OK", ""));
    EXPECT_TRUE(view.Closed);
}

struct SenderCase {
    const char* Name;
    bridge::ProgramOutcome Outcome;
    const char* ErrorFile; // written by the program while it runs; nullptr: none
    std::string Message;
};
void PrintTo(const SenderCase& c, std::ostream* os) {
    *os << c.Name;
}

class SenderOutcome : public FrmSubiektTest, public testing::WithParamInterface<SenderCase> {};

TEST_P(SenderOutcome, ReportFollowsErrorFileThenStartThenExitCode) {
    const SenderCase& c = GetParam();
    runner.Outcome = c.Outcome;
    if (c.ErrorFile) runner.WhileRunning = [&] { program.Write("Cascale.err", c.ErrorFile); };
    Run(Request(kSend, kTwoGoods));
    EXPECT_EQ(current.Read("Raport.xml"), ExpectedReport("C", c.Message));
    EXPECT_FALSE(Has(program, "Cascale.err"));
    EXPECT_TRUE(view.Closed);
}

INSTANTIATE_TEST_SUITE_P(
    Sender, SenderOutcome,
    testing::Values(
        SenderCase{"ErrorLine", {true, 1}, "Brak wagi 10.0.0.1\r\nsecond line\r\n", "Brak wagi 10.0.0.1"},
        SenderCase{"ErrorFileEmpty", {true, 0}, "", ""},
        SenderCase{"ErrorEscaped", {true, 0}, "a<b&c", "a&lt;b&amp;c"},
        SenderCase{"ExitCode",
                   {true, 3},
                   nullptr,
                   std::string("Program CAScale.exe zakończył pracę z kodem błędu 3"_pl)}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(FrmSubiektTest, SenderThatCannotStartNamesTheProgram) {
    runner.Outcome = {false, 0};
    Run(Request(kSend));
    std::string report = current.Read("Raport.xml");
    EXPECT_NE(report.find(std::string("Nie można uruchomić programu CAScale.exe"_pl)), std::string::npos)
        << report;
}

TEST_F(FrmSubiektTest, SendOrDeleteWithoutCommunicationHeaderDoesNotRunSender) {
    for (const std::string& settings :
         {std::string(), std::string("<?xml version=\"1.0\"?><INNE A=\"1\"/>")}) {
        for (const std::string& op : {kSend, kDelete}) {
            std::filesystem::remove(current.Path() / "Prog_kom.cfg");
            view = fakes::FakeView{};
            form = MakeForm();
            Run(Request(op, kTwoGoods), settings);
            EXPECT_TRUE(runner.Calls.empty());
            EXPECT_FALSE(Has(program, "Plufeed.XML"));
            std::string report = current.Read("Raport.xml");
            EXPECT_NE(report.find("<Typ>C</Typ>"), std::string::npos);
            EXPECT_NE(report.find(std::string("Brak ustawień komunikacji z wagą"_pl)), std::string::npos);
            EXPECT_TRUE(view.Closed);
        }
    }
}

TEST_F(FrmSubiektTest, OperationsThatLeaveTheWindowOpenWriteNoReport) {
    struct Row {
        std::string Request;
        std::string Operation;
    };
    std::vector<Row> rows = {
        Row{Request("KONFIGURACJA"), "KONFIGURACJA"},
        Row{Request(std::string("PRZESYŁANIETOWARÓW"_pl)), std::string("PRZESYŁANIETOWARÓW"_pl)},
        Row{Request("Cokolwiek"), "COKOLWIEK"},
        Row{std::string("<DANE OPERACJA=\"x\"/><DANE IDMODELU=\"1\"></DANE>"), std::string()},
        Row{"<DANE OPERACJA=\"" + kSend + "\"/><DANE operacja=\"konfiguracja\"></DANE>", "KONFIGURACJA"},
        Row{std::string("<DANE"), std::string()}};
    for (const Row& r : rows) {
        view = fakes::FakeView{};
        form = MakeForm();
        current.Write("Raport.xml", "old");
        Run(r.Request);
        EXPECT_EQ(form->Operation(), r.Operation);
        EXPECT_FALSE(view.Closed) << r.Operation;
        EXPECT_EQ(current.Read("Raport.xml"), "old");
        EXPECT_TRUE(runner.Calls.empty());
        EXPECT_EQ(view.SettingsShown, 2); // at creation and after the request
    }
}

TEST_F(FrmSubiektTest, SecondDaneTagDecidesTheOperation) {
    Run("<DANE OPERACJA=\"KONFIGURACJA\"></DANE><DANE OPERACJA=\"" + kDelete + "\"></DANE>");
    EXPECT_EQ(runner.Calls.size(), 1u);
    EXPECT_TRUE(view.Closed);
}

TEST_F(FrmSubiektTest, WithoutRequestNothingHappens) {
    current.Write("Prog_kom.cfg", kSettings);
    form->TimerTick();
    form->TimerTick(); // the timer fires once
    EXPECT_EQ(view.Fields.Model, "LP 1.6");
    EXPECT_FALSE(Has(current, "Raport.xml"));
    EXPECT_FALSE(view.Closed);
    EXPECT_TRUE(errors.Shown.empty());
}

TEST_F(FrmSubiektTest, LoadedSettingsAreUpperCasedAndCountAsAChange) {
    current.Write("Prog_kom.cfg", "<CAS-POLSKA WAGA=\"waga łódź\" MODEL=\"CL5000\"/>");
    form->TimerTick();
    EXPECT_EQ(view.Fields.Name, std::string("WAGA łóDź"_pl)); // ASCII letters only
    EXPECT_FALSE(form->SettingsUnchanged());

    view = fakes::FakeView{};
    form = MakeForm();
    current.Write("Prog_kom.cfg", "<CAS-POLSKA MODEL=\"lp 1.6\" IP=\"10.10.1.233\"/>");
    form->TimerTick();
    EXPECT_TRUE(form->SettingsUnchanged()); // the model and an equal text are no change
    EXPECT_EQ(view.Fields.Model, "LP 1.6");
}

TEST_F(FrmSubiektTest, ConnectionTestOperationReportsAndCloses) {
    Run(Request(kTest));
    EXPECT_EQ(current.Read("Raport.xml"), ExpectedReport("OK", ""));
    EXPECT_TRUE(view.Closed);
    EXPECT_TRUE(form->ConnectionTested());
    // The model came from the file ("LP 1.6"), with no entry picked: its key is (100, 16).
    EXPECT_NE(std::find(Cas().Calls.begin(), Cas().Calls.end(),
                        "AddProcConnection 1 127.0.0.1 20305 100 16 4000 2 10"),
              Cas().Calls.end());

    Cas().IsConnectResult = 0;
    view = fakes::FakeView{};
    form = MakeForm();
    Run(Request(kTest));
    EXPECT_EQ(current.Read("Raport.xml"), ExpectedReport("C", "Brak Komunikacji"));
    EXPECT_TRUE(view.Closed);
}

struct FieldCase {
    const char* Name;
    SettingsField Field;
    const char* Text;
    int Picked;
    std::string Message; // empty: the test passes
};
void PrintTo(const FieldCase& c, std::ostream* os) {
    *os << c.Name;
}

class TestConnectionFields : public FrmSubiektTest, public testing::WithParamInterface<FieldCase> {};

TEST_P(TestConnectionFields, RefusedValuesShowTheirMessageAndNeverConnect) {
    const FieldCase& c = GetParam();
    view.Fields[c.Field] = c.Text;
    view.Picked = c.Picked;
    bool ok = form->TestConnection();
    EXPECT_EQ(ok, c.Message.empty());
    EXPECT_EQ(view.Waiting, 0);
    EXPECT_EQ(view.WaitsBegun, 1);
    if (c.Message.empty()) {
        EXPECT_TRUE(view.Shown.empty());
        return;
    }
    EXPECT_EQ(view.Shown, std::vector<std::string>{"!" + c.Message});
    EXPECT_EQ(Cas().Calls, std::vector<std::string>{"DeleteConnection ALL -1"});
    EXPECT_FALSE(form->ConnectionTested());
}

const std::string kPortMessage = std::string("Nieprawidłowy numer portu IP"_pl);
const std::string kValueMessage = std::string("Nieprawidłowa wartość parametru"_pl);
const std::string kModelMessage = std::string("Ten Model wagi nie jest obsługiwany!!!"_pl);

INSTANTIATE_TEST_SUITE_P(
    Fields, TestConnectionFields,
    testing::Values(FieldCase{"Defaults", SettingsField::Name, "x", -1, ""},
                    FieldCase{"PickedCl5000Jr", SettingsField::Model, "CL5000JR", 3, ""},
                    FieldCase{"PickedPosscale", SettingsField::Model, "POSSCALE", 2, kModelMessage},
                    FieldCase{"TextPosscale", SettingsField::Model, "POSSCALE", -1, kModelMessage},
                    FieldCase{"UnknownModelText", SettingsField::Model, "XYZ", -1, kModelMessage},
                    FieldCase{"PortLetters", SettingsField::Port, "abc", -1, kPortMessage},
                    FieldCase{"PortTooBig", SettingsField::Port, "70000", -1, kPortMessage},
                    FieldCase{"PortZero", SettingsField::Port, "0", -1, kPortMessage},
                    FieldCase{"PortHuge", SettingsField::Port, "99999999999", -1, kPortMessage},
                    FieldCase{"PortHighest", SettingsField::Port, "65535", -1, ""},
                    FieldCase{"TimeoutLetters", SettingsField::Timeout, "5s", -1, kValueMessage},
                    FieldCase{"TimeoutTooBig", SettingsField::Timeout, "65536", -1, kValueMessage},
                    FieldCase{"TimeoutZero", SettingsField::Timeout, "0", -1, ""},
                    FieldCase{"RetryNegative", SettingsField::Retry, "-1", -1, kValueMessage},
                    FieldCase{"RetryEmpty", SettingsField::Retry, "", -1, kValueMessage}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(FrmSubiektTest, MissingConnectionLibraryIsNamedToTheUser) {
    testing_support::TempDir empty;
    bridge::CasPrtcLibrary missing(empty.Cp1250());
    bridge::TFrmSubiekt f(view, errors, runner, missing, {current.Cp1250(), empty.Cp1250()});
    EXPECT_FALSE(f.TestConnection());
    ASSERT_EQ(view.Shown.size(), 1u);
    EXPECT_NE(view.Shown[0].find(bridge::CasPrtcFileName()), std::string::npos) << view.Shown[0];
    EXPECT_EQ(view.Waiting, 0);
}

TEST_F(FrmSubiektTest, OkWithoutTestAnsweredNoSavesAndReportsNothing) {
    view.Answer = false;
    form->ComboBox1Change();
    form->Button1Click();
    EXPECT_EQ(view.Shown,
              std::vector<std::string>{
                  "?" + std::string("Nie sprawdzono połączenia. Czy chcesz zapisać te parametry?"_pl)});
    EXPECT_TRUE(view.Closed);
    EXPECT_FALSE(Has(current, "Raport.xml"));
    EXPECT_FALSE(Has(current, "PROG_KOM.CFG"));
}

TEST_F(FrmSubiektTest, OkAfterTestSavesChangedSettingsWithoutAsking) {
    form->Button3Click();
    EXPECT_EQ(view.Colour, bridge::PanelColour::Blue);
    EXPECT_EQ(view.Shown, std::vector<std::string>{"i " + std::string("jest połączenie z waga"_pl)});
    view.Fields.Name = "Waga \"A&B\"";
    form->ComboBox1Change();
    EXPECT_EQ(view.Colour, bridge::PanelColour::ButtonFace);
    form->Button1Click();
    EXPECT_EQ(view.Shown.size(), 1u); // no question
    EXPECT_EQ(
        current.Read("PROG_KOM.CFG"),
        "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\r\n  <CAS-POLSKA WAGA=\"Waga &quot;A&amp;B&quot;\" "
        "MODEL=\"CL5000\" IP=\"10.10.1.233\" PORT=\"20304\" TIMEOUT=\"5000\" RETRY=\"3\"/>\r\n");
    EXPECT_EQ(current.Read("Raport.xml"), ExpectedReport("OK", ""));
    EXPECT_TRUE(view.Closed);
}

TEST_F(FrmSubiektTest, OkWithUnchangedSettingsDoesNotSave) {
    form->Button1Click(); // answered Yes
    EXPECT_FALSE(Has(current, "PROG_KOM.CFG"));
    EXPECT_EQ(current.Read("Raport.xml"), ExpectedReport("OK", ""));
}

TEST_F(FrmSubiektTest, CancelReportsTheInterruption) {
    form->Button2Click();
    EXPECT_EQ(current.Read("Raport.xml"), ExpectedReport("C", "Przerwano dzialanie programu"));
    EXPECT_TRUE(view.Closed);
}

TEST_F(FrmSubiektTest, SavedSettingsReadBackUnchangedInTheirOwnFile) {
    current.Write("Prog_kom.cfg", kSettings);
    view.Fields.Name = std::string("WAGA ŁÓDŹ żółć"_pl);
    form->Button4Click();
    EXPECT_FALSE(view.Closed);
    // The existing file was replaced under its own name, not joined by a second one.
    int settingsFiles = 0;
    for (const auto& entry : std::filesystem::directory_iterator(current.Path()))
        if (cp1250::UpperCase(entry.path().filename().string()) == "PROG_KOM.CFG") ++settingsFiles;
    EXPECT_EQ(settingsFiles, 1);
    fakes::FakeView second;
    bridge::TFrmSubiekt f(second, errors, runner, library, {current.Cp1250(), program.Cp1250()});
    f.TimerTick();
    EXPECT_EQ(second.Fields.Name, std::string("WAGA ŁÓDŹ żółć"_pl));
    EXPECT_TRUE(errors.Shown.empty());
}

TEST_F(FrmSubiektTest, FailuresGoToTheGeneralHandlerAndTouchNothingElse) {
    // The program folder is missing: the goods file cannot be written.
    auto f = std::make_unique<bridge::TFrmSubiekt>(
        view, errors, runner, library, bridge::BridgeFolders{current.Cp1250(), program.File("none")});
    current.Write("Raport.xml", "old");
    current.Write("Prog_kom.cfg", kSettings);
    current.Write("ster_uni.xml", Request(kSend, kTwoGoods));
    f->TimerTick();
    ASSERT_EQ(errors.Shown.size(), 1u);
    EXPECT_NE(errors.Shown[0].find("Plufeed.XML"), std::string::npos) << errors.Shown[0];
    EXPECT_TRUE(runner.Calls.empty());
    EXPECT_EQ(current.Read("Raport.xml"), "old");
    EXPECT_FALSE(view.Closed);

    // The current folder cannot take the settings: "OK" writes no report and keeps the window.
    view = fakes::FakeView{};
    errors.Shown.clear();
    bridge::TFrmSubiekt g(view, errors, runner, library, {current.File("none"), program.Cp1250()});
    g.ComboBox1Change();
    g.Button1Click();
    ASSERT_EQ(errors.Shown.size(), 1u);
    EXPECT_FALSE(view.Closed);
}

TEST_F(FrmSubiektTest, ProgramFolderEndsWithSeparator) {
    EXPECT_EQ(form->ProgramFolder(), program.Cp1250() + platform::PathSeparator());
    bridge::TFrmSubiekt f(view, errors, runner, library, {"", "/x/"});
    EXPECT_EQ(f.ProgramFolder(), "/x/");
}

} // namespace
