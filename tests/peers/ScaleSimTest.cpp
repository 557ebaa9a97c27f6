// The simulator as a program: its port, several clients at once, its table file, its end.
#include <gtest/gtest.h>

#include <cstdio>

#include "ScaleSimProcess.h"
#include "common/ScaleClient.h"
#include "common/Socket.h"
#include "platform/Cp1250.h"
#include "platform/Files.h"

using peers::PluRecord;
using peers::ScaleClient;
using peers_test::Plu;
using peers_test::ScaleSimProcess;
using testing_support::TempDir;

TEST(ScaleSim, ServesTwoClientsAtOnceOnOneTable) {
    TempDir dir;
    ScaleSimProcess sim(dir);
    ASSERT_NE(sim.Port(), 0);
    ScaleClient a, b;
    std::string error, reply;
    ASSERT_TRUE(a.Connect("127.0.0.1", sim.Port(), error)) << error;
    ASSERT_TRUE(b.Connect("127.0.0.1", sim.Port(), error)) << error;
    ASSERT_TRUE(a.Set(Plu(7, "SER"), error)) << error;
    ASSERT_TRUE(b.Request("GET 7", reply)) << reply;
    EXPECT_EQ(reply, "7;SER;;0;;;;;");
    ASSERT_TRUE(b.Request("QUIT", reply));
    // The first client is still served after the second one left.
    int deleted = 0;
    ASSERT_TRUE(a.Clear(deleted, error)) << error;
    EXPECT_EQ(deleted, 1);
}

TEST(ScaleSim, ClosesAConnectionWhoseLineNeverEnds) {
    TempDir dir;
    ScaleSimProcess sim(dir);
    ASSERT_NE(sim.Port(), 0);
    std::string error;
    peers::Socket s = peers::Connect("127.0.0.1", sim.Port(), error);
    ASSERT_TRUE(s.Valid()) << error;
    std::string chunk(64 * 1024, 'A');
    for (std::size_t sent = 0; sent <= peers::LineReader::kMaxLine; sent += chunk.size())
        if (!peers::SendAll(s, chunk)) break;
    peers::LineReader reader;
    std::string line;
    ASSERT_EQ(reader.ReadLine(s, line, 10000), peers::LineReader::Result::Line);
    EXPECT_EQ(line, "ERR line too long");
    // The simulator itself keeps running for others.
    EXPECT_TRUE(sim.Dump().empty());
}

TEST(ScaleSim, KeepsItsTableInTheFileAcrossARestart) {
    TempDir dir;
    PluRecord full{12, std::string("SER żółty; & 100%"_pl), "drugi", 1250, "3", "12", "2000012", "1", "1"};
    {
        ScaleSimProcess sim(dir, "table.db");
        ASSERT_NE(sim.Port(), 0);
        sim.Set(full);
        sim.Set(Plu(3, "MLEKO"));
        sim.Set(Plu(4, "CHLEB"));
        ScaleClient client;
        std::string error;
        ASSERT_TRUE(client.Connect("127.0.0.1", sim.Port(), error));
        ASSERT_TRUE(client.Delete(4, error)) << error;
        EXPECT_EQ(sim.Stop(), 0);
    }
    ScaleSimProcess again(dir, "table.db");
    ASSERT_NE(again.Port(), 0);
    EXPECT_EQ(again.Dump(), (std::vector<PluRecord>{Plu(3, "MLEKO"), full}));
}

TEST(ScaleSim, RefusesToStartOnABrokenTableFile) {
    TempDir dir;
    dir.Write("table.db", "12;SER\nnot-a-number;X\n");
    int code = peers_test::RunProgram(peers_test::PeerProgram("scalesim"),
                                      {"--port", "0", "--db", dir.File("table.db")}, dir.Cp1250());
    EXPECT_NE(code, 0);
    EXPECT_EQ(dir.Read("table.db"), "12;SER\nnot-a-number;X\n"); // left as it was
}

#if !defined(_WIN32)
// What a shell script sees: the port on the first line, and the dump client's sorted lines.
TEST(ScaleSim, PrintsItsPortFirstAndDumpsSortedLines) {
    TempDir dir;
    std::string command = "'" + peers_test::PeerProgram("scalesim") + "' --port 0";
    FILE* server = ::popen(command.c_str(), "r");
    ASSERT_NE(server, nullptr);
    char first[64] = {};
    ASSERT_NE(std::fgets(first, sizeof first, server), nullptr);
    auto port = peers::ParseInteger(std::string(first).substr(0, std::string(first).find('\n')), 1, 65535);
    ASSERT_TRUE(port) << first;

    ScaleClient client;
    std::string error, reply;
    ASSERT_TRUE(client.Connect("127.0.0.1", static_cast<std::uint16_t>(*port), error)) << error;
    ASSERT_TRUE(client.Set(Plu(20, "B"), error));
    ASSERT_TRUE(client.Set(Plu(3, std::string("ŁOSOŚ"_pl)), error)); // the terminal gets UTF-8

    std::string dump = "'" + peers_test::PeerProgram("scalesim") + "' dump --port " + std::to_string(*port);
    FILE* out = ::popen(dump.c_str(), "r");
    ASSERT_NE(out, nullptr);
    std::string text;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, out)) text += buffer;
    EXPECT_EQ(::pclose(out), 0);
    EXPECT_EQ(text, "3;ŁOSOŚ;;0;;;;;\n20;B;;0;;;;;\n");

    client.Request("SHUTDOWN", reply);
    EXPECT_EQ(::pclose(server), 0);
}
#endif
