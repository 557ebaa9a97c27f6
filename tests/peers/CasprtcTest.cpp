// The connection library stand-in, called the way the bridge's scale component calls it.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>

#include "ScaleSimProcess.h"
#include "casprtc/Casprtc.h"

using peers_test::ScaleSimProcess;
using testing_support::TempDir;

namespace {

std::atomic<int> g_connected{0}, g_disconnected{0};

std::int32_t CASPRTC_CALL DataCallback(CasCallbackRecord) {
    return 0;
}
std::int32_t CASPRTC_CALL NotifyCallback(CasCallbackRecord record) {
    if (record.Event == 1) ++g_connected;
    if (record.Event == 2) ++g_disconnected;
    return 0;
}

class Casprtc : public ::testing::Test {
protected:
    void SetUp() override {
        // The library's registrations live for the process: start every test from none.
        ASSERT_NE(DeleteConnection("ALL", -1), 0);
        ASSERT_NE(SetCommLibrary(1, "CASTCPIP.DLL"), 0);
        ASSERT_NE(AddInterpreter(100, 5000, "CLInterpreter.dll"), 0);
        ASSERT_NE(AddInterpreter(100, 16, "LPInterpreter.dll"), 0);
        g_connected = g_disconnected = 0;
    }
    void TearDown() override { DeleteConnection("ALL", -1); }

    static std::int32_t Register(const char* address, std::uint16_t port, std::uint16_t model = 5000) {
        return AddProcConnection(1, address, port, 100, model, 2000, 3, 10, DataCallback, NotifyCallback);
    }
};

} // namespace

TEST_F(Casprtc, ConnectsToARunningScaleAndLetsGoOfIt) {
    TempDir dir;
    ScaleSimProcess sim(dir);
    ASSERT_NE(sim.Port(), 0);
    ASSERT_NE(Register("127.0.0.1", sim.Port()), 0);
    EXPECT_NE(IsConnect("127.0.0.1", -1), 1); // registered, not yet connected
    ASSERT_NE(Connect("127.0.0.1", -1), 0);
    EXPECT_EQ(IsConnect("127.0.0.1", -1), 1);
    EXPECT_EQ(g_connected.load(), 1);
    ASSERT_NE(DeleteConnection("ALL", -1), 0);
    EXPECT_EQ(g_disconnected.load(), 1);
    EXPECT_NE(IsConnect("127.0.0.1", -1), 1);
    EXPECT_NE(DeleteConnection("ALL", -1), 0); // the second clean-up of a use succeeds too
}

TEST_F(Casprtc, DisconnectKeepsTheRegistrationForAnotherConnect) {
    TempDir dir;
    ScaleSimProcess sim(dir);
    ASSERT_NE(Register("127.0.0.1", sim.Port()), 0);
    ASSERT_NE(Connect("127.0.0.1", -1), 0);
    ASSERT_NE(Disconnect("127.0.0.1", -1), 0);
    EXPECT_NE(IsConnect("127.0.0.1", -1), 1);
    ASSERT_NE(Connect("127.0.0.1", -1), 0);
    EXPECT_EQ(IsConnect("127.0.0.1", -1), 1);
}

TEST_F(Casprtc, ReportsAScaleThatIsDownOrGoesDown) {
    TempDir dir;
    ScaleSimProcess sim(dir);
    ASSERT_NE(Register("127.0.0.1", sim.Port()), 0);
    ASSERT_NE(Connect("127.0.0.1", -1), 0);
    sim.Stop();
    EXPECT_NE(IsConnect("127.0.0.1", -1), 1);
    EXPECT_EQ(Connect("127.0.0.1", -1), 0);
}

TEST_F(Casprtc, NeverReachesBeyondThisMachine) {
    ASSERT_NE(Register("10.10.1.233", 20304), 0); // registering is bookkeeping only
    EXPECT_EQ(Connect("10.10.1.233", -1), 0);
    EXPECT_NE(IsConnect("10.10.1.233", -1), 1);
}

TEST_F(Casprtc, RefusesWhatItCannotServe) {
    EXPECT_EQ(SetCommLibrary(3, "CASTCPIP.DLL"), 0); // only TCP/IP
    EXPECT_EQ(SetCommLibrary(1, ""), 0);
    EXPECT_EQ(AddInterpreter(100, 5010, nullptr), 0);
    EXPECT_EQ(Register("127.0.0.1", 20304, 5010), 0); // no interpreter under (100, 5010)
    EXPECT_EQ(Register("", 20304), 0);
    EXPECT_EQ(Register("127.0.0.1", 0), 0);
    EXPECT_EQ(Connect("127.0.0.2", -1), 0); // nothing registered for it
    EXPECT_EQ(DeleteConnection("127.0.0.2", -1), 0);
    EXPECT_EQ(GetLibraryInfo(nullptr, ""), 0);
}

TEST_F(Casprtc, FillsTheVersionBytesOfTheInformationBlock) {
    std::uint8_t block[7] = {3, 0xAA, 0, 0, 0, 0, 0};
    ASSERT_NE(GetLibraryInfo(block, ""), 0);
    EXPECT_EQ(block[0], 3);    // the caller's request byte stays
    EXPECT_EQ(block[1], 0xAA); // and so does the byte the library does not fill
    EXPECT_GE(block[4], 1);    // day
    EXPECT_LE(block[4], 31);
    EXPECT_GE(block[5], 1); // month
    EXPECT_LE(block[5], 12);
    EXPECT_LE(block[6], 99); // year of the century
    EXPECT_GT(block[2] + block[3], 0);
}
