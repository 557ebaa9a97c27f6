// The services an action gives driver code: status lines with progress, error reports, parameter
// values, the host list and the communication log.
#include <gtest/gtest.h>

#include "FakeHost.h"
#include "base/Exception.h"
#include "base/Macerror.h"
#include "driver/VXLumo.h"
#include "platform/Cp1250.h"
#include "platform/Files.h"
#include "support/TempDir.h"

namespace {

using driver_test::FakeHost;
using driver_test::StatusLine;

class Action : public testing::Test {
protected:
    TKSLibrary* Library() { return static_cast<TKSLibrary*>(host.Library()); }
    FakeHost host;
};

TEST_F(Action, ConstructorTakesTheEnvironment) {
    host.workDir = "C:\\WYM\\";
    host.scaleNo = 4;
    VXLumoAction action(Library(), 12);
    EXPECT_EQ(action.ActionId(), 12);
    EXPECT_EQ(action.EnvNumber(), 7);
    EXPECT_EQ(action.ScaleNo(), 4);
    EXPECT_EQ(action.EnvText1(), "tekst1");
    EXPECT_EQ(action.EnvText2(), "tekst2");
    EXPECT_EQ(action.WorkDir(), "C:\\WYM\\");
    EXPECT_EQ(action.KasaExpPath(), "C:\\WYM\\kasa.exp");
    EXPECT_EQ(action.WynikExpPath(), "C:\\WYM\\wynik.exp");
    EXPECT_EQ(action.CommLogPath(), "C:\\WYM\\kasa.log");
    EXPECT_EQ(action.StatusKind(), 5);
    EXPECT_EQ(action.ProgressTotal(), 100);
}

TEST_F(Action, WithoutCallbacksEverythingReadsEmpty) {
    FakeHost bare(false);
    VXLumoAction action(static_cast<TKSLibrary*>(bare.Library()), 1);
    EXPECT_EQ(action.EnvNumber(), -1);
    EXPECT_EQ(action.ScaleNo(), 0);
    EXPECT_EQ(action.WorkDir(), "");
    EXPECT_EQ(action.ParamText("VxLumoIPAddress"), "");
    EXPECT_EQ(action.HostList().Count(), 0);
    action.StartStatus("A", 0, 0);
    EXPECT_EQ(action.LastLine(), std::string("A\x01OK"));
    EXPECT_THROW(action.SaveExportResult(), Exception);
}

TEST_F(Action, ParamValues) {
    host.params = {{"A", " 12 "}, {"B", "x1"}, {"C", "  tekst "}};
    VXLumoAction action(Library(), 1);
    EXPECT_EQ(action.ParamInt("A"), 12);
    EXPECT_EQ(action.ParamInt("B"), 0);
    EXPECT_EQ(action.ParamInt("missing"), 0);
    EXPECT_EQ(action.ParamText("C"), "  tekst ") << "texts come as the host gave them";
    action.ParamText("  C ");
    EXPECT_EQ(host.askedParams.back(), "C") << "the name goes to the host trimmed";
}

TEST_F(Action, TwoLineSuccessStatus) {
    VXLumoAction action(Library(), 1);
    action.StartStatus("A\r\nB\n", 0, 0);
    EXPECT_EQ(host.lines, (std::vector<StatusLine>{{false, 0, "A"}, {false, 0, "B\x01OK"}}));
    EXPECT_EQ(action.StatusText(), "B");
    EXPECT_EQ(action.ProgressTotal(), 1);
}

TEST_F(Action, EmptyLinesBetweenLineEndsAreSentAndEmptyMessagesAreNot) {
    VXLumoAction action(Library(), 1);
    action.StartStatus("A\r\rB", 5, 3);
    EXPECT_EQ(host.lines, (std::vector<StatusLine>{{false, 0, "A"}, {false, 0, ""}, {false, 0, "B"}}));
    host.lines.clear();
    action.StartStatus("", 1, 50);
    EXPECT_TRUE(host.lines.empty());
    EXPECT_EQ(action.StatusKind(), 5);
    EXPECT_EQ(action.ProgressTotal(), 3);
}

TEST_F(Action, PercentProgress) {
    VXLumoAction action(Library(), 1);
    std::string text = std::string("Wczytywanie listy towarów"_pl);
    action.StartStatus(text, 3, 200);
    action.SetProgress(50);
    action.SetProgress(50);
    EXPECT_EQ(host.lines, (std::vector<StatusLine>{{false, 0,
                                                    text + ":\x01"
                                                           "0 %"},
                                                   {true, 0,
                                                    text + ":\x01"
                                                           "25 %"}}));
    host.lines.clear();
    action.SetStatusKind(1);
    EXPECT_EQ(host.lines, (std::vector<StatusLine>{{true, 2, text}}));
    host.lines.clear();
    action.SetStatusKind(1);
    EXPECT_TRUE(host.lines.empty());
}

TEST_F(Action, CounterStatusMarksEveryLineAndCountsOnTheLast) {
    VXLumoAction action(Library(), 1);
    action.StartStatus("X\nY", 4, 10);
    action.SetProgress(7);
    EXPECT_EQ(host.lines, (std::vector<StatusLine>{{false, 0,
                                                    "X\x01"
                                                    "0"},
                                                   {false, 0,
                                                    "Y:\x01"
                                                    "0"},
                                                   {true, 0,
                                                    "Y:\x01"
                                                    "7"}}));
}

TEST_F(Action, StatusKindsOnTheLastLine) {
    struct Row {
        int kind;
        StatusLine line;
    } rows[] = {{0, {true, 0, "S\x01OK"}},
                {1, {true, 2, "S"}},
                {2, {true, 1, "S"}},
                {3,
                 {true, 0,
                  "S:\x01"
                  "0 %"}},
                {4,
                 {true, 0,
                  "S:\x01"
                  "0"}},
                {9, {true, 0, "S"}}};
    for (const Row& r : rows) {
        FakeHost h;
        VXLumoAction action(static_cast<TKSLibrary*>(h.Library()), 1);
        action.StartStatus("S", r.kind == 5 ? 6 : 5, 0);
        h.lines.clear();
        action.SetStatusKind(r.kind);
        EXPECT_EQ(h.lines, std::vector<StatusLine>{r.line}) << r.kind;
    }
}

TEST_F(Action, ProgressOfOtherKindsIsOnlyStored) {
    VXLumoAction action(Library(), 1);
    action.StartStatus("S", 0, 10);
    host.lines.clear();
    action.SetProgress(3);
    EXPECT_EQ(action.ProgressPos(), 3);
    EXPECT_TRUE(host.lines.empty());
}

TEST_F(Action, ReplaceReturnsThePreviousLine) {
    VXLumoAction action(Library(), 1);
    action.AddStatusLine(0, "  pierwsza ");
    EXPECT_EQ(host.lines.back().text, "pierwsza") << "the host receives the line trimmed";
    EXPECT_EQ(action.ReplaceStatusLine(1, "druga"), "  pierwsza ");
    EXPECT_EQ(action.LastLine(), "druga");
}

TEST_F(Action, ErrorReports) {
    VXLumoAction action(Library(), 1);
    EAbort abort("x");
    EConvertError convert("zła liczba");
    action.ReportError("eksport", nullptr);
    action.ReportError("eksport", &abort);
    action.ReportError("eksport", &convert);
    EXPECT_EQ(host.lines,
              (std::vector<StatusLine>{
                  {false, 2,
                   std::string("Podczas wykonywania operacji 'eksport' wystąpił nierozpoznawalny błąd"_pl)},
                  {false, 2, std::string("Operacja 'eksport' została przerwana"_pl)},
                  {false, 2, std::string("Podczas wykonywania operacji 'eksport' wystąpił błąd:"_pl)},
                  {false, 2, "zła liczba"},
              }));
}

TEST_F(Action, ErrorReportOfTheLibrarySExceptionsWalksTheChainOfCauses) {
    EMException::Language = 0;
    EConvertError root("zła liczba");
    EMToolsError middle(7, "tekst", &root);
    EMToolsError outer(8, "tekst", &middle);
    ASSERT_EQ(outer.GetTopicCount(), 3);
    VXLumoAction action(Library(), 1);
    action.ReportError("eksport", &outer);
    std::vector<std::string> texts;
    for (const auto& l : host.lines) {
        EXPECT_EQ(l.kind, 2);
        texts.push_back(l.text);
    }
    std::vector<std::string> expected = {
        std::string("Podczas wykonywania operacji 'eksport' wystąpił błąd:"_pl),
        "[" + outer.GetCode() + "] " + outer.GetTitle(),
        "", // the tools' error has no description
        "[" + middle.GetCode() + "] " + middle.GetTitle(),
        "",
        "[" + outer.GetTopics(2)->GetCode() + "] " + outer.GetTopics(2)->GetTitle(),
        outer.GetTopics(2)->GetDescription()};
    EXPECT_EQ(texts, expected);
    EXPECT_EQ(outer.GetCode(), "TOOLS/8");
}

TEST_F(Action, HostListStopsAtTheFirstBlankLineAndIsFetchedOnce) {
    host.list = {"2??????", " 28???? ", "   ", "99"};
    VXLumoAction action(Library(), 1);
    TStringList& list = action.HostList();
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list[1], "28????");
    int calls = host.listCalls;
    EXPECT_EQ(&action.HostList(), &list);
    EXPECT_EQ(host.listCalls, calls);
}

TEST_F(Action, HostListEndsWhenTheHostSaysSo) {
    host.list = {"a", "b", "c"};
    host.listEndsAt = 1;
    VXLumoAction action(Library(), 1);
    EXPECT_EQ(action.HostList().Count(), 1);
}

TEST_F(Action, LogMessageBoxAnswersByButtonSet) {
    VXLumoAction action(Library(), 1);
    const int expected[16] = {1, 1, 5, 2, 7, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (int flags = 0; flags < 16; ++flags)
        EXPECT_EQ(action.LogMessageBox("t", "c", flags | 0x30), expected[flags]);
    EXPECT_EQ(action.CommLog().Count(), 16);
    EXPECT_EQ(action.CommLog()[0], "c (t)");
}

TEST_F(Action, CommLogAppendsABlockAndEmptiesTheLog) {
    testing_support::TempDir dir;
    host.workDir = platform::JoinPath(dir.Cp1250(), "");
    VXLumoAction action(Library(), 1);
    action.LogMessageBox("t", "c", 0);
    action.LogMessageBox("t2", "c2", 4);
    action.WriteCommLog("pierwszy");
    EXPECT_EQ(action.CommLog().Count(), 0);
    action.LogMessageBox("t3", "c3", 0);
    action.WriteCommLog("drugi");
    std::string dashes(80, '-');
    EXPECT_EQ(dir.Read("kasa.log"), dashes + "\r\npierwszy\r\nc (t)\r\nc2 (t2)\r\n\r\n\r\n" + dashes +
                                        "\r\ndrugi\r\nc3 (t3)\r\n\r\n\r\n");
}

TEST_F(Action, CommLogKeepsItsLinesWhenTheFileCannotBeWritten) {
    testing_support::TempDir dir;
    host.workDir = platform::JoinPath(dir.File("brak"), "");
    VXLumoAction action(Library(), 1);
    action.LogMessageBox("t", "c", 0);
    action.WriteCommLog("nagłówek");
    EXPECT_EQ(action.CommLog().Count(), 1);
}

TEST_F(Action, SaveExportResultFailsWhenTheHostRefuses) {
    VXLumoAction action(Library(), 1);
    action.SaveExportResult();
    host.saveAnswer = 0;
    try {
        action.SaveExportResult();
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), std::string("Błąd zapisu wyniku eksportu do bazy danych"_pl));
    }
    EXPECT_EQ(host.saveCalls, 2);
}

} // namespace
