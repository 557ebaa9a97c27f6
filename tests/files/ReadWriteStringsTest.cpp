#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FileErrorExpect.h"
#include "base/MFile.h"
#include "base/StringList.h"
#include "platform/Files.h"
#include "support/TempDir.h"

#if !defined(_WIN32)
#include <signal.h>
#include <sys/resource.h>
#endif

namespace {
using files_test::ExpectFileError;
using files_test::SystemCause;
using testing_support::TempDir;

TStringList ListOf(const std::vector<std::string>& lines) {
    TStringList list;
    for (const auto& s : lines) list.Add(s);
    return list;
}

struct SplitRow {
    const char* Name;
    std::string Contents;
    std::vector<std::string> Lines;
};

void PrintTo(const SplitRow& row, std::ostream* os) {
    *os << row.Name;
}

class ReadStringsTest : public testing::TestWithParam<SplitRow> {};

// Every chunk size gives the same lines, also when a CR LF pair straddles a chunk border.
TEST_P(ReadStringsTest, SplitsAtEveryKindOfBreak) {
    const SplitRow& row = GetParam();
    TempDir dir;
    dir.Write("in.txt", row.Contents);
    for (int bufferSize : {-1, 0, 64, 65, 100, 4096, 1000000}) {
        SCOPED_TRACE(bufferSize);
        TStringList list;
        list.Add("left over");
        TMFile::ReadStringsFromFile(dir.File("in.txt"), list, bufferSize);
        EXPECT_EQ(list.Lines(), row.Lines);
    }
}

INSTANTIATE_TEST_SUITE_P(
    MFile, ReadStringsTest,
    testing::Values(
        SplitRow{"Empty", "", {}}, SplitRow{"CrLfCrLf", "A\r\n\r\nB", {"A", "", "B"}},
        SplitRow{"CrCrLf", "A\r\r\nB", {"A", "", "B"}}, SplitRow{"LfCr", "A\n\rB", {"A", "", "B"}},
        SplitRow{"BreakAtEndAddsNoLine", "A\r\nB\r\n", {"A", "B"}}, SplitRow{"OnlyBreaks", "\n\n", {"", ""}},
        SplitRow{"ZeroBytes", std::string("a\0b\0\0", 5), {"a", "b", ""}},
        SplitRow{"CrLfAcrossChunkBorder",
                 std::string(63, 'x') + "\r\n" + std::string(70, 'y') + "\r\nz",
                 {std::string(63, 'x'), std::string(70, 'y'), "z"}},
        SplitRow{"LineLongerThanChunks", std::string(300, 'q') + "\rw", {std::string(300, 'q'), "w"}},
        SplitRow{"Polish", "Za\xbf\xf3\xb3\xe6\r\ng\xea\x9cl\xb9", {"Za\xbf\xf3\xb3\xe6", "g\xea\x9cl\xb9"}}),
    [](const testing::TestParamInfo<SplitRow>& info) { return std::string(info.param.Name); });

TEST(MFile, WriteStringsGivesTheSameBytesForEveryBlockSize) {
    TempDir dir;
    std::vector<std::string> lines = {"jeden", "", std::string(100, 'l'), "dwa", std::string(62, 'm'), "x"};
    std::string expected;
    for (const auto& s : lines) expected += s + "\r\n";
    for (int bufferSize : {-5, 0, 1, 10, 64, 100, 4096, 1 << 20}) {
        SCOPED_TRACE(bufferSize);
        dir.Write("out.txt", std::string(5000, '#')); // the old content must go
        TMFile::WriteStringsToFile(dir.File("out.txt"), ListOf(lines), bufferSize);
        EXPECT_EQ(dir.Read("out.txt"), expected);
    }
    TMFile::WriteStringsToFile(dir.File("new.txt"), TStringList(), 4096);
    EXPECT_EQ(dir.Read("new.txt"), "");
}

TEST(MFile, ReadStringsLeavesTheListEmptyOnFailure) {
    TempDir dir;
    TStringList list;
    list.Add("stale");
    ExpectFileError([&] { TMFile::ReadStringsFromFile(dir.File("missing.txt"), list, 4096); }, 104,
                    SystemCause("CreateFile"));
    EXPECT_TRUE(list.Empty());
    list.Add("stale");
    ASSERT_TRUE(platform::CreateDirectory(dir.File("folder")));
    ExpectFileError([&] { TMFile::ReadStringsFromFile(dir.File("folder"), list, 4096); }, 104,
                    SystemCause("CreateFile"));
    EXPECT_TRUE(list.Empty());
    ExpectFileError([&] { TMFile::WriteStringsToFile(dir.File("folder"), ListOf({"a"}), 4096); }, 104,
                    SystemCause("CreateFile"));
    ExpectFileError([&] { TMFile::WriteStringsToFile(dir.File("no/such/folder.txt"), ListOf({"a"}), 0); },
                    104, SystemCause("CreateFile"));
}

#if !defined(_WIN32)
// A full disk, played by a limit on the file size: the write fails as a write error.
TEST(MFile, FullDiskIsAWriteError) {
    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    struct sigaction ignore {
    }, previous{};
    ignore.sa_handler = SIG_IGN;
    ASSERT_EQ(sigaction(SIGXFSZ, &ignore, &previous), 0);
    struct rlimit small = old;
    small.rlim_cur = 10000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);

    TempDir dir;
    TStringList lines;
    for (int i = 0; i < 1000; ++i) lines.Add(std::string(40, 'a'));
    for (int bufferSize : {0, 4096}) {
        SCOPED_TRACE(bufferSize);
        ExpectFileError([&] { TMFile::WriteStringsToFile(dir.File("full.txt"), lines, bufferSize); }, 109,
                        SystemCause("WriteFile"));
    }
    TMFile f;
    f.SetPath(dir.File("full.txt"));
    f.Open();
    f.SetPointer(9990);
    ExpectFileError([&] { f.Write(std::string(100, 'b').data(), 100); }, 109, SystemCause("WriteFile"));
    f.Close();

    setrlimit(RLIMIT_FSIZE, &old);
    sigaction(SIGXFSZ, &previous, nullptr);
}
#endif

} // namespace
