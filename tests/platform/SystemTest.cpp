#include <gtest/gtest.h>

#include <thread>

#include "platform/Files.h"
#include "platform/Locale.h"
#include "platform/System.h"
#include "support/TempDir.h"

namespace {
using namespace platform;

TEST(System, LastErrorAndItsSystemText) {
    EXPECT_EQ(OpenFile(testing_support::TempDir().File("nie-ma"), FileAccess::Read, FileDisposition::OpenExisting),
              kInvalidFile);
    std::uint32_t code = LastError();
    EXPECT_NE(code, 0u);
    EXPECT_FALSE(SystemErrorMessage(code).empty());
    SetLastError(5);
    EXPECT_EQ(LastError(), 5u);
}

TEST(System, FoldersExist) {
    EXPECT_TRUE(DirectoryExists(CurrentDirectory()));
    EXPECT_TRUE(DirectoryExists(TempDirectory()));
    EXPECT_TRUE(DirectoryExists(SystemDirectory()));
    EXPECT_TRUE(DirectoryExists(WindowsDirectory()));
    std::string exe = ExecutableDirectory();
    ASSERT_FALSE(exe.empty());
    EXPECT_EQ(exe.back(), PathSeparator() == '\\' ? '\\' : '/');
    EXPECT_TRUE(DirectoryExists(exe));
}

TEST(System, SetCurrentDirectoryChangesAndFails) {
    testing_support::TempDir dir;
    std::string old = CurrentDirectory();
    ASSERT_TRUE(SetCurrentDirectory(dir.Cp1250()));
    EXPECT_TRUE(FileExists(JoinPath(CurrentDirectory(), "x")) == false);
    EXPECT_FALSE(SetCurrentDirectory(dir.File("nie-ma")));
    ASSERT_TRUE(SetCurrentDirectory(old));
}

TEST(System, LocalTimeIsPlausibleAndThreadIdsDiffer) {
    LocalDateTime now = LocalNow();
    EXPECT_GE(now.Year, 2000);
    EXPECT_TRUE(now.Month >= 1 && now.Month <= 12);
    EXPECT_TRUE(now.Millisecond >= 0 && now.Millisecond <= 999);
    std::uint32_t mine = CurrentThreadId(), other = 0;
    std::thread([&] { other = CurrentThreadId(); }).join();
    EXPECT_NE(mine, other);
}

TEST(System, OemConversionKeepsPlainText) {
    EXPECT_EQ(AnsiToOem("Abc 123;"), "Abc 123;");
    EXPECT_EQ(OemToAnsi("Abc 123;"), "Abc 123;");
}

#ifndef _WIN32
// On Windows the OEM code page is the user's; here it is the Polish one, code page 852.
TEST(System, OemConversionOfPolishLetters) {
    std::string ansi = "\xA5\xB9\xA3\xB3\x8C\x9C";  // Ą ą Ł ł Ś ś
    std::string oem = AnsiToOem(ansi);
    EXPECT_EQ(oem, "\xA4\xA5\x9D\x88\x97\x98");
    EXPECT_EQ(OemToAnsi(oem), ansi);
}
#endif

TEST(Locale, ScopedSettingsAreRestored) {
    LocaleSettings us;
    us.DecimalSeparator = '.';
    us.ShortDateFormat = "M/d/yyyy";
    char before = Locale().DecimalSeparator;
    {
        ScopedLocale scoped(us);
        EXPECT_EQ(Locale().DecimalSeparator, '.');
    }
    EXPECT_EQ(Locale().DecimalSeparator, before);
}

}  // namespace
