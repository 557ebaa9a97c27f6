#include "base/MFile.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "FileErrorExpect.h"
#include "platform/Cp1250.h"
#include "platform/FileModes.h"
#include "platform/Files.h"
#include "support/TempDir.h"

namespace {
using files_test::Cause;
using files_test::ExpectFileError;
using files_test::FileCause;
using files_test::NoCause;
using files_test::SystemCause;
using testing_support::TempDir;

struct OperationRow {
    const char* Name;
    std::function<void(TMFile&)> Run;
    int Code;
};

char g_byte = 'x';

const std::vector<OperationRow> kWritingOperations = {
    {"Write", [](TMFile& f) { f.Write(&g_byte, 1); }, 109},
    {"WriteLine", [](TMFile& f) { f.WriteLine("a", "\r\n"); }, 109},
    {"Flush", [](TMFile& f) { f.Flush(); }, 112},
    {"SetEof", [](TMFile& f) { f.SetEof(); }, 113},
};

const std::vector<OperationRow> kReadingOperations = {
    {"Read", [](TMFile& f) { f.Read(&g_byte, 1); }, 111},
    {"ReadLine",
     [](TMFile& f) {
         std::string line;
         f.ReadLine(line, "\r\n");
     },
     111},
    {"SetPointer", [](TMFile& f) { f.SetPointer(0); }, 108},
};

// Every operation on a closed file fails under its own code, with "not open" as the cause.
TEST(MFile, ClosedFileRefusesEveryOperation) {
    TMFile f;
    for (const auto* table : {&kWritingOperations, &kReadingOperations})
        for (const OperationRow& row : *table) {
            SCOPED_TRACE(row.Name);
            ExpectFileError([&] { row.Run(f); }, row.Code, FileCause(101));
        }
    EXPECT_EQ(f.GetPointer(), 0u);
    EXPECT_EQ(f.GetSize(), 0u);
    f.Write(nullptr, 0); // nothing to write needs no open file
    f.Write(nullptr, -4);
    f.Close(); // closing a closed file is nothing
}

TEST(MFile, FileOpenForReadingRefusesWriting) {
    TempDir dir;
    dir.Write("a.txt", "abc");
    TMFile f;
    f.SetReadOnly(true);
    f.SetPath(dir.File("a.txt"));
    f.Open();
    for (const OperationRow& row : kWritingOperations) {
        SCOPED_TRACE(row.Name);
        ExpectFileError([&] { row.Run(f); }, row.Code, FileCause(102));
    }
    char buf[8];
    EXPECT_EQ(f.Read(buf, sizeof buf), 3);
    f.Close();
    EXPECT_EQ(dir.Read("a.txt"), "abc");
}

TEST(MFile, PathAndModesChangeOnlyWhileClosed) {
    TempDir dir;
    TMFile f;
    f.SetName("Plik1");
    f.SetPath(dir.File("a.txt"));
    f.Open();
    f.SetPath(dir.File("a.txt")); // the same text is no change
    f.SetReadOnly(false);
    f.SetRandomAccess(false);
    EMFileError e = ExpectFileError([&] { f.SetPath(dir.File("b.txt")); }, 105, FileCause(103));
    EXPECT_EQ(e.TypeText(), "TMFile");
    EXPECT_EQ(e.ObjectText(), "Plik1");
    EXPECT_EQ(e.PathText(), dir.File("a.txt"));
    ExpectFileError([&] { f.SetReadOnly(true); }, 106, FileCause(103));
    ExpectFileError([&] { f.SetRandomAccess(true); }, 107, FileCause(103));
    EXPECT_EQ(f.Path(), dir.File("a.txt"));
    f.Close();
    f.SetRandomAccess(true);
    f.SetPath(dir.File("b.txt"));
    f.Open(); // created, as it is opened for writing
    EXPECT_TRUE(f.GetActive());
    f.Close();
    EXPECT_TRUE(platform::FileExists(dir.File("b.txt")));
}

TEST(MFile, WritesReadsAndMovesThePointer) {
    TempDir dir;
    dir.Write("a.bin", "old content that is longer");
    TMFile f;
    f.SetPath(dir.File("a.bin"));
    f.Open(); // an existing file keeps its content
    EXPECT_EQ(f.GetSize(), 26u);
    f.SetPointer(0);
    f.WriteLine("new", "\r\n");
    EXPECT_EQ(f.GetPointer(), 5u);
    f.SetEof();
    EXPECT_EQ(f.GetSize(), 5u);
    f.SetPointer(1);
    char buf[16] = {};
    EXPECT_EQ(f.Read(buf, sizeof buf), 4);
    EXPECT_EQ(std::string(buf, 4), "ew\r\n");
    EXPECT_EQ(f.Read(buf, sizeof buf), 0); // the end is no error
    f.Flush();
    f.Close();
    EXPECT_EQ(dir.Read("a.bin"), "new\r\n");
}

// The bad inputs a caller meets in practice: each is the opening error with the system's
// error as the cause, never a crash.
TEST(MFile, OpeningFailuresCarryTheSystemError) {
    TempDir dir;
    dir.Write("gone.txt", "x");
    std::string gone = dir.File("gone.txt");
    TMFile f;
    f.SetReadOnly(true);
    f.SetPath(gone);
    ASSERT_TRUE(platform::DeleteFile(gone)); // vanished between choosing and opening
    EMFileError e = ExpectFileError([&] { f.Open(); }, 104, SystemCause("CreateFile"));
    EXPECT_EQ(e.Message(), "[F/104] " + std::string("Błąd operacji we/wy na pliku"_pl));
    EXPECT_EQ(e.PathText(), gone);
    EXPECT_FALSE(f.GetActive());

    ASSERT_TRUE(platform::CreateDirectory(dir.File("folder")));
    for (bool readOnly : {true, false}) {
        TMFile folder;
        folder.SetReadOnly(readOnly);
        folder.SetPath(dir.File("folder"));
        ExpectFileError([&] { folder.Open(); }, 104, SystemCause("CreateFile"));
    }

    TMFile empty;
    ExpectFileError([&] { empty.Open(); }, 104, SystemCause("CreateFile"));
}

TEST(MFile, ReadOnlyFileCannotBeOpenedForWriting) {
    TempDir dir;
    dir.Write("ro.txt", "keep");
    std::string path = dir.File("ro.txt");
    ASSERT_TRUE(platform::SetFileReadOnly(path, true));
    platform::FileHandle probe =
        platform::OpenFile(path, platform::FileAccess::ReadWrite, platform::FileDisposition::OpenExisting);
    if (probe != platform::kInvalidFile) {
        platform::CloseFile(probe);
        platform::SetFileReadOnly(path, false);
        GTEST_SKIP() << "this file system lets this process write read-only files";
    }
    TMFile f;
    f.SetPath(path);
    ExpectFileError([&] { f.Open(); }, 104, SystemCause("CreateFile"));
    f.Close();
    f.SetReadOnly(true);
    f.Open(); // reading it is fine
    f.Close();
    EXPECT_TRUE(platform::SetFileReadOnly(path, false));
    EXPECT_EQ(dir.Read("ro.txt"), "keep");
}

// A writer holds the file for itself: a second writer, or a reader that shares no writing, is
// refused while it is open.
TEST(MFile, AnOpenWriterKeepsOtherOpenersOut) {
    TempDir dir;
    TMFile writer;
    writer.SetPath(dir.File("busy.txt"));
    writer.Open();
    TMFile second;
    second.SetPath(dir.File("busy.txt"));
    ExpectFileError([&] { second.Open(); }, 104, SystemCause("CreateFile"));
    TMFile reader;
    reader.SetReadOnly(true);
    reader.SetPath(dir.File("busy.txt"));
    ExpectFileError([&] { reader.Open(); }, 104, SystemCause("CreateFile"));
    writer.Close();
    reader.Open();
    reader.Close();
}

struct ReadLineRow {
    const char* Name;
    std::string Contents;
    std::string Terminators;
    std::vector<std::string> Lines; // what ReadLine returns true with, in order
};

void PrintTo(const ReadLineRow& row, std::ostream* os) {
    *os << row.Name;
}

class ReadLineTest : public testing::TestWithParam<ReadLineRow> {};

TEST_P(ReadLineTest, ReturnsTheLinesThenFalse) {
    const ReadLineRow& row = GetParam();
    TempDir dir;
    dir.Write("l.txt", row.Contents);
    TMFile f;
    f.SetReadOnly(true);
    f.SetPath(dir.File("l.txt"));
    f.Open();
    std::vector<std::string> got;
    std::string line = "stale";
    while (f.ReadLine(line, row.Terminators)) {
        got.push_back(line);
        ASSERT_LT(got.size(), 1000u);
    }
    EXPECT_TRUE(line.empty());
    EXPECT_EQ(got, row.Lines);
}

INSTANTIATE_TEST_SUITE_P(
    MFile, ReadLineTest,
    testing::Values(
        ReadLineRow{"CrLf", "A\r\nB", "\r\n", {"A", "B"}},
        ReadLineRow{"CrLfAtEnd", "A\r\nB\r\n", "\r\n", {"A", "B"}},
        ReadLineRow{"LfLfLeavesAnEmptyLine", "A\n\nB", "\r\n", {"A", "", "B"}},
        ReadLineRow{"CrLfCrLf", "A\r\n\r\nB", "\r\n", {"A", "", "B"}},
        ReadLineRow{"LfCrIsOneBreak", "A\n\rB", "\r\n", {"A", "B"}},
        ReadLineRow{"ZeroByteEndsALine", std::string("A\0B", 3), "\n", {"A", "B"}},
        ReadLineRow{"OtherTerminator", "a;b;;c", ";", {"a", "b", "", "c"}},
        ReadLineRow{"LongLine", std::string(700, 'x') + "\r\nend", "\r\n", {std::string(700, 'x'), "end"}},
        ReadLineRow{
            "BreakAcrossChunks", std::string(255, 'y') + "\r\nz", "\r\n", {std::string(255, 'y'), "z"}},
        ReadLineRow{"Empty", "", "\r\n", {}}),
    [](const testing::TestParamInfo<ReadLineRow>& info) { return std::string(info.param.Name); });

} // namespace
