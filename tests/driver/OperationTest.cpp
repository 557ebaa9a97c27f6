// The operation protocol: session check, operation names, outcome code and the returned text.
#include <gtest/gtest.h>

#include <cstring>

#include "FakeHost.h"
#include "driver/Operations.h"
#include "driver/SKXDLL.h"
#include "platform/Cp1250.h"
#include "platform/OwnerWindow.h"

namespace {

using driver_test::FakeHost;
using driver_test::StatusLine;

class Operation : public testing::Test {
protected:
    void SetUp() override { skxops::SetSessionWaitMs(20); }
    void TearDown() override { skxops::SetSessionWaitMs(1000); }
    FakeHost host;
};

TEST_F(Operation, ForeignSessionWaitsAndReturnsOneWithoutRunning) {
    char text[kSkxTextBufferSize] = "sesja X";
    std::fill(text + 8, text + sizeof text, 'q'); // bytes after the text must stay as they are
    char before[kSkxTextBufferSize];
    std::memcpy(before, text, sizeof text);
    EXPECT_EQ(host.Operation(-2, 0, 3, text), 1);
    EXPECT_EQ(std::memcmp(before, text, sizeof text), 0);
    ASSERT_EQ(host.lines.size(), 1u);
    EXPECT_EQ(host.lines[0],
              (StatusLine{false, 0, std::string("Oczekiwanie na zamknięcie sesji 'sesja X'"_pl)}));
    EXPECT_TRUE(host.askedParams.empty()) << "the operation must not run";
}

TEST_F(Operation, UnsupportedCodesFailWithTwoErrorLines) {
    struct Row {
        int code;
        std::string name;
    } rows[] = {{-3, std::string("import sprzedaży"_pl)},
                {-4, "import paragonu"},
                {-6, "import automatyczny"},
                {-7, std::string("nasłuch"_pl)},
                {-9, "import licznika"},
                {7, "operacja [7]"},
                {-10, "operacja [-10]"},
                {0, "operacja [0]"}};
    for (const Row& r : rows) {
        host.lines.clear();
        EXPECT_EQ(host.Operation(r.code), 0) << r.code;
        std::vector<StatusLine> expected = {
            {false, 2,
             std::string("Podczas wykonywania operacji '"_pl) + r.name + std::string("' wystąpił błąd:"_pl)},
            {false, 2, std::string("Urządzenie nie obsługuje zleconego typu operacji"_pl)}};
        EXPECT_EQ(host.lines, expected) << r.code;
    }
}

TEST_F(Operation, CodeMinus8DoesNothing) {
    EXPECT_EQ(host.Operation(-8), 0);
    EXPECT_TRUE(host.lines.empty());
    EXPECT_EQ(host.saveCalls, 0);
}

TEST_F(Operation, TestConnectionIsNotSupportedByThisDriver) {
    EXPECT_EQ(host.Operation(-1), 0);
    std::vector<StatusLine> expected = {
        {false, 2, std::string("Ten sterownik nie obsługuje testu połączenia"_pl)}};
    EXPECT_EQ(host.lines, expected);
}

TEST_F(Operation, TextComesBackAsItWentInCutTo300) {
    char text[kSkxTextBufferSize + 10];
    std::fill(std::begin(text), std::end(text), 'z');
    EXPECT_EQ(SKXDLLSerKasOperacja(host.Library(), 1, nullptr, text, -8, 0), 0);
    EXPECT_EQ(std::string(text, 300), std::string(300, 'z'));
    EXPECT_EQ(text[300], '\0');
}

TEST_F(Operation, NullSessionCountsAsTypeZeroAndNullTextIsAllowed) {
    EXPECT_EQ(SKXDLLSerKasOperacja(host.Library(), 1, nullptr, nullptr, -1, 0), 0);
    EXPECT_EQ(host.lines.size(), 1u) << "the operation ran";
}

TEST_F(Operation, ActionIdAndArgumentReachTheAction) {
    std::int32_t session = 0;
    SKXDLLSerKasOperacja(host.Library(), 314, &session, nullptr, -8, 5);
    EXPECT_EQ(host.envActionIds, std::vector<int>{314});
}

TEST_F(Operation, WithoutLibraryTheHostIsToldInAMessageBox) {
    std::vector<std::pair<std::string, std::string>> boxes;
    platform::SetMessageBoxHandler([&](const std::string& text, const std::string& caption, int) {
        boxes.emplace_back(text, caption);
        return 1;
    });
    EXPECT_EQ(SKXDLLSerKasOperacja(nullptr, 1, nullptr, nullptr, -2, 0), 0);
    platform::SetMessageBoxHandler({});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].first, std::string("Wyjątek w SKXDLLSerKasOperacja"_pl));
    EXPECT_EQ(boxes[0].second, "Uwaga!!!");
}

TEST_F(Operation, KeepAliveCopiesTheTextBackOnlyWhenTheSessionFits) {
    char text[kSkxTextBufferSize];
    std::fill(std::begin(text), std::end(text), 'k');
    text[3] = '\0';
    std::int32_t session = 0;
    SKXDLLSerKasPodtrzymajSesje(host.Library(), &session, text, 0, 1);
    EXPECT_STREQ(text, "kkk");
    EXPECT_EQ(text[300], '\0');
    EXPECT_EQ(text[100], '\0') << "the copy pads with zeros";

    std::fill(std::begin(text), std::end(text), 'k');
    session = 2;
    SKXDLLSerKasPodtrzymajSesje(host.Library(), &session, text, 0, 1);
    EXPECT_EQ(text[300], 'k') << "a foreign session leaves the buffer as it was";
    EXPECT_TRUE(host.lines.empty());
    SKXDLLSerKasPodtrzymajSesje(host.Library(), nullptr, nullptr, 0, 0);
}

} // namespace
