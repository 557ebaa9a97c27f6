#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "base/MLogfile.h"
#include "base/StringList.h"
#include "support/TempDir.h"

namespace {
using testing_support::TempDir;

// Four threads write two-line entries to one log; every entry must come out whole: its second
// line right after its first, nothing lost, nothing doubled.
TEST(MLogfileThreads, EntriesOfSeveralThreadsStayWhole) {
    constexpr int kThreads = 4;
    constexpr int kEntries = 2000;
    TempDir dir;
    TMLogfile log;
    log.SetPath(dir.File("log.txt"));
    log.Open();
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&log, t] {
            for (int i = 0; i < kEntries; ++i)
                log.Log("watek " + std::to_string(t) + " wpis " + std::to_string(i) + "\r\ndalszy " +
                        std::to_string(t) + "/" + std::to_string(i));
        });
    for (auto& th : threads) th.join();
    log.Close();

    TStringList lines;
    TMFile::ReadStringsFromFile(dir.File("log.txt"), lines, 4096);
    ASSERT_EQ(lines.Count(), 2 * kThreads * kEntries);
    const std::regex first(R"(\[([0-9A-F]{8})\] \d{17}> watek (\d) wpis (\d+))");
    std::map<int, int> nextOf; // per thread, the next entry expected: each thread's entries stay in order
    std::map<int, std::string> idOf;
    for (int k = 0; k < lines.Count(); k += 2) {
        std::smatch m;
        std::string head(lines[k]);
        ASSERT_TRUE(std::regex_match(head, m, first)) << head;
        int t = std::stoi(m[2].str());
        int i = std::stoi(m[3].str());
        ASSERT_EQ(i, nextOf[t]++) << head;
        if (idOf.count(t)) {
            ASSERT_EQ(idOf[t], m[1].str());
        }
        idOf[t] = m[1].str();
        std::string indent(head.find('>') + 2, ' ');
        ASSERT_EQ(lines[k + 1], indent + "dalszy " + std::to_string(t) + "/" + std::to_string(i));
    }
    for (int t = 0; t < kThreads; ++t) EXPECT_EQ(nextOf[t], kEntries);
    EXPECT_EQ(idOf.size(), static_cast<std::size_t>(kThreads));
}

} // namespace
