#include <gtest/gtest.h>

#include "platform/Cp1250.h"
#include "platform/Files.h"
#include "platform/System.h"
#include "support/TempDir.h"

namespace {
using namespace platform;
using testing_support::TempDir;

TEST(Files, CreateWriteSeekTruncateAndReadBack) {
    TempDir dir;
    std::string path = dir.File("dane.txt");
    FileHandle f = OpenFile(path, FileAccess::ReadWrite, FileDisposition::CreateAlways);
    ASSERT_NE(f, kInvalidFile);
    std::size_t n = 0;
    ASSERT_TRUE(WriteFile(f, "0123456789", 10, n));
    EXPECT_EQ(n, 10u);
    std::int64_t pos = 0, size = 0;
    ASSERT_TRUE(SeekFile(f, 4, SeekOrigin::Begin, pos));
    EXPECT_EQ(pos, 4);
    ASSERT_TRUE(SetEndOfFile(f));
    ASSERT_TRUE(FileSize(f, size));
    EXPECT_EQ(size, 4);
    ASSERT_TRUE(SeekFile(f, -2, SeekOrigin::End, pos));
    char buf[8] = {};
    ASSERT_TRUE(ReadFile(f, buf, sizeof buf, n));
    EXPECT_EQ(std::string(buf, n), "23");
    EXPECT_TRUE(FlushFile(f));
    EXPECT_TRUE(CloseFile(f));
    EXPECT_EQ(dir.Read("dane.txt"), "0123");
}

TEST(Files, DispositionsAndMissingFiles) {
    TempDir dir;
    std::string path = dir.File("brak.txt");
    EXPECT_EQ(OpenFile(path, FileAccess::Read, FileDisposition::OpenExisting), kInvalidFile);
    EXPECT_NE(LastError(), 0u);
    EXPECT_FALSE(FileExists(path));

    dir.Write("jest.txt", "abc");
    FileHandle f = OpenFile(dir.File("jest.txt"), FileAccess::ReadWrite, FileDisposition::OpenAlways);
    ASSERT_NE(f, kInvalidFile);
    std::int64_t size = 0;
    ASSERT_TRUE(FileSize(f, size));
    EXPECT_EQ(size, 3);  // kept, not truncated
    CloseFile(f);
}

TEST(Files, AFolderIsNotAFile) {
    TempDir dir;
    EXPECT_FALSE(FileExists(dir.Cp1250()));
    EXPECT_TRUE(DirectoryExists(dir.Cp1250()));
    EXPECT_EQ(OpenFile(dir.Cp1250(), FileAccess::Read, FileDisposition::OpenExisting), kInvalidFile);
}

TEST(Files, PolishFileNamesRenameCopyDelete) {
    TempDir dir;
    std::string name = std::string("żółw.txt"_pl);
    dir.Write(name, "x");
    EXPECT_TRUE(FileExists(dir.File(name)));
    EXPECT_TRUE(CopyFile(dir.File(name), dir.File("kopia.txt"), true));
    EXPECT_FALSE(CopyFile(dir.File(name), dir.File("kopia.txt"), true));
    EXPECT_FALSE(RenameFile(dir.File(name), dir.File("kopia.txt"), false));
    EXPECT_TRUE(RenameFile(dir.File(name), dir.File("kopia.txt"), true));
    EXPECT_FALSE(FileExists(dir.File(name)));
    EXPECT_TRUE(DeleteFile(dir.File("kopia.txt")));
    EXPECT_FALSE(DeleteFile(dir.File("kopia.txt")));
}

TEST(Files, WriteFileReplacingLeavesOnlyTheNewContents) {
    TempDir dir;
    dir.Write("cfg.xml", "old");
    ASSERT_TRUE(WriteFileReplacing(dir.File("cfg.xml"), "new contents"));
    EXPECT_EQ(dir.Read("cfg.xml"), "new contents");
    int count = 0;
    for (auto& e : std::filesystem::directory_iterator(dir.Path())) count += e.is_regular_file();
    EXPECT_EQ(count, 1);
}

TEST(Files, JoinPathDoesNotDoubleTheSeparator) {
    std::string sep(1, PathSeparator());
    EXPECT_EQ(JoinPath("a", "b"), "a" + sep + "b");
    EXPECT_EQ(JoinPath("a" + sep, "b"), "a" + sep + "b");
    EXPECT_EQ(JoinPath("", "b"), "b");
}

}  // namespace
