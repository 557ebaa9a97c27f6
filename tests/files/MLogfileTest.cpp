#include "base/MLogfile.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "FileErrorExpect.h"
#include "base/StringList.h"
#include "support/TempDir.h"

namespace {
using files_test::ExpectFileError;
using files_test::NoCause;
using testing_support::TempDir;

TEST(MLogfile, IndentsFurtherLinesByThePrefixWidth) {
    TempDir dir;
    dir.Write("log.txt", "earlier\r\n");
    TMLogfile log;
    log.SetPath(dir.File("log.txt"));
    EXPECT_EQ(log.GetDTFormat(), TdtTools::fmtDateTimeCompressed);
    log.Open();
    log.Log("pierwsza\r\ndruga\nostatnia\r\n");
    log.Log("");         // nothing
    log.Log("\r\n\r\n"); // two empty lines
    log.Close();

    TStringList lines;
    TMFile::ReadStringsFromFile(dir.File("log.txt"), lines, 4096);
    ASSERT_EQ(lines.Count(), 6);
    EXPECT_EQ(lines[0], "earlier");
    std::smatch m;
    std::string first(lines[1]);
    ASSERT_TRUE(std::regex_match(first, m, std::regex(R"((\[[0-9A-F]{8}\] \d{17}> )pierwsza)")));
    const std::string indent(m[1].length(), ' ');
    EXPECT_EQ(lines[2], indent + "druga");
    EXPECT_EQ(lines[3], indent + "ostatnia");
    EXPECT_TRUE(std::regex_match(std::string(lines[4]), std::regex(R"(\[[0-9A-F]{8}\] \d{17}> )")));
    EXPECT_EQ(lines[5], indent);
    std::string raw = dir.Read("log.txt");
    EXPECT_EQ(raw.substr(raw.size() - 2), "\r\n");
}

TEST(MLogfile, ReopeningAppends) {
    TempDir dir;
    TMLogfile log;
    log.SetPath(dir.File("log.txt"));
    log.SetDTFormat(TdtTools::fmtTimeHMS);
    for (int i = 0; i < 3; ++i) {
        log.Open();
        log.Log("wpis");
        log.Close();
    }
    TStringList lines;
    TMFile::ReadStringsFromFile(dir.File("log.txt"), lines, 64);
    ASSERT_EQ(lines.Count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(std::regex_match(std::string(lines[i]), std::regex(R"(\[[0-9A-F]{8}\] \d\d:\d\d:\d\d> wpis)")))
            << lines[i];
}

TEST(MLogfile, LoggingNeedsAnOpenWritableFile) {
    TempDir dir;
    TMLogfile log;
    ExpectFileError([&] { log.Log("x"); }, 101, NoCause());
    ExpectFileError([&] { log.Log(""); }, 101, NoCause());
    dir.Write("ro.txt", "");
    log.SetReadOnly(true);
    log.SetPath(dir.File("ro.txt"));
    log.Open();
    ExpectFileError([&] { log.Log("x"); }, 102, NoCause());
}

} // namespace
