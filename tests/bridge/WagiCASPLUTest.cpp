#include "bridge/WagiCASPLU.h"

#include <gtest/gtest.h>

#include "Fakes.h"
#include "support/TempDir.h"

namespace {

using fakes::Cas;

class WagiCASPLUTest : public testing::Test {
protected:
    bridge::CasPrtcLibrary library{fakes::CasFunctions()};
    std::vector<std::uint32_t> sleeps;

    std::unique_ptr<TWagiCASPLU> Make() {
        auto w = std::make_unique<TWagiCASPLU>(nullptr, library);
        w->Sleep = [this](std::uint32_t ms) { sleeps.push_back(ms); };
        w->Address = "127.0.0.1";
        return w;
    }
};

TEST_F(WagiCASPLUTest, ConnectsWithTheExactCallSequence) {
    auto w = Make();
    w->ModelCode = 16;
    w->Port = 70000; // the component itself passes the low 16 bits on
    w->OpenConnection();
    EXPECT_EQ(w->LastError(), "");
    EXPECT_TRUE(w->IsConnected());
    ASSERT_EQ(w->Status().Count(), 1);
    EXPECT_EQ(w->Status()[0], "- nawiazano polaczenie z waga...");
    EXPECT_EQ(w->Wersja(), "PLIK [CASTCPIP.DLL] WERSJA : 1.2 Data Modyfikacji : [ 5- 3-9 ]");
    w->CloseConnection();
    w.reset();
    std::vector<std::string> expected = {"SetCommLibrary 1 CASTCPIP.DLL",
                                         "AddInterpreter 100 5000 CLInterpreter.dll",
                                         "AddInterpreter 100 16 LPInterpreter.dll",
                                         "GetLibraryInfo 3 ''",
                                         "AddProcConnection 1 127.0.0.1 4464 100 16 5000 3 10",
                                         "Connect 127.0.0.1 -1",
                                         "IsConnect 127.0.0.1 -1",
                                         "IsConnect 127.0.0.1 -1",
                                         "DeleteConnection ALL -1",
                                         "DeleteConnection ALL -1"}; // once more on destruction
    EXPECT_EQ(Cas().Calls, expected);
    EXPECT_TRUE(sleeps.empty());
}

TEST_F(WagiCASPLUTest, EachFailingStepEndsWithItsMessage) {
    struct Row {
        std::function<void()> Break;
        const char* Message;
        std::size_t CallsBefore; // calls made up to and including the failing one
    };
    std::vector<Row> rows = {
        {[] { Cas().SetCommResult = 0; }, "problem z polaczniem [SetCommLibrarry]", 1},
        {[] { Cas().AddInterpreterCl = 0; }, "problem z polaczeniem [CLInterpreter.dll]", 2},
        {[] { Cas().AddInterpreterLp = 0; }, "problem z polaczeniem [LPInterpreter.dll]", 3},
        {[] { Cas().ConnectResult = 0; }, "problem z zainicjalizowaniem biblioteki", 6},
        {[] { Cas().IsConnectResult = 2; }, "nie nawiazano polaczenia z waga", 7},
    };
    for (const Row& r : rows) {
        fakes::CasFunctions(); // fresh state
        r.Break();
        auto w = Make();
        w->OpenConnection();
        EXPECT_EQ(w->LastError(), r.Message);
        EXPECT_EQ(Cas().Calls.size(), r.CallsBefore) << r.Message;
        ASSERT_EQ(w->Status().Count(), 1) << r.Message;
        EXPECT_EQ(w->Status()[0], r.Message);
        EXPECT_FALSE(w->IsConnected() && Cas().IsConnectResult != 1);
    }
}

TEST_F(WagiCASPLUTest, RefusedConnectionIsTriedSevenTimesWithAWaitAfterEach) {
    Cas().AddProcFailures = 100;
    auto w = Make();
    w->OpenConnection();
    EXPECT_EQ(w->LastError(), "problem z polaczeniem [AddProcConnection]");
    EXPECT_EQ(sleeps, std::vector<std::uint32_t>(7, 1500));
    EXPECT_EQ(std::count_if(Cas().Calls.begin(), Cas().Calls.end(),
                            [](const std::string& c) { return c.rfind("AddProcConnection", 0) == 0; }),
              7);
    ASSERT_EQ(w->Status().Count(), 1);
}

TEST_F(WagiCASPLUTest, ConnectionRegisteredOnALaterAttempt) {
    Cas().AddProcFailures = 2;
    auto w = Make();
    w->OpenConnection();
    EXPECT_EQ(w->LastError(), "");
    EXPECT_EQ(sleeps.size(), 2u);
}

TEST_F(WagiCASPLUTest, FailedDeleteAddsItsLineOnEveryClose) {
    Cas().DeleteResult = 0;
    auto w = Make();
    w->CloseConnection();
    EXPECT_EQ(w->LastError(), "DelConnection problem z przerwaniem polaczenia");
    TStringList* status = &w->Status();
    EXPECT_EQ(status->Count(), 1);
    w->CloseConnection();
    EXPECT_EQ(status->Count(), 2);
}

TEST_F(WagiCASPLUTest, ConnectionKindFollowsTheTypeOnlyWhenChanged) {
    auto w = Make();
    w->ConnectionKind = 9;
    w->SetTypPolaczenia(TTypyPolaczenia::TCPIP); // unchanged: the code stays
    EXPECT_EQ(w->ConnectionKind, 9);
    w->SetTypPolaczenia(TTypyPolaczenia::USB);
    EXPECT_EQ(w->ConnectionKind, 4);
}

TEST(WagiCASPLUMissingLibrary, FailureEndsInLastErrorNotOutside) {
    testing_support::TempDir empty;
    bridge::CasPrtcLibrary library(empty.Cp1250());
    TWagiCASPLU w(nullptr, library);
    w.OpenConnection();
    EXPECT_EQ(w.LastError().rfind("Exception==Brak biblioteki komunikacyjnej wagi", 0), 0u) << w.LastError();
    EXPECT_EQ(w.Status().Count(), 0);
    EXPECT_FALSE(w.IsConnected());
    w.CloseConnection();
    EXPECT_EQ(w.Status().Count(), 1);
}

} // namespace
