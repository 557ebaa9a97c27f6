#include <gtest/gtest.h>

#include <string>

#include "driver/HostText.h"

namespace {

TEST(HostText, LongTextIsCutAt300WithZeroAtIndex300) {
    char buffer[400];
    std::fill(std::begin(buffer), std::end(buffer), 'x');
    hosttext::CopyToBuffer(buffer, std::string(350, 'a'));
    EXPECT_EQ(std::string(buffer, 300), std::string(300, 'a'));
    EXPECT_EQ(buffer[300], '\0');
    EXPECT_EQ(buffer[301], 'x') << "nothing is written past index 300";
}

TEST(HostText, ShortTextLeavesZerosUpToIndex300) {
    char buffer[301];
    std::fill(std::begin(buffer), std::end(buffer), 'x');
    hosttext::CopyToBuffer(buffer, "abc");
    EXPECT_STREQ(buffer, "abc");
    for (int i = 3; i <= 300; ++i) ASSERT_EQ(buffer[i], '\0') << i;
}

TEST(HostText, NullBufferReceivesNothing) {
    hosttext::CopyToBuffer(nullptr, "abc");
    EXPECT_EQ(hosttext::FromBuffer(nullptr), "");
}

TEST(HostText, ReadingStopsAt300CharactersWithoutTerminator) {
    std::string raw(301, 'b');
    EXPECT_EQ(hosttext::FromBuffer(raw.data()), std::string(300, 'b'));
}

TEST(HostText, TrimRemovesControlCharactersAndBlanksOnly) {
    EXPECT_EQ(hosttext::Trim(" \t\x01 ab c\r\n "), "ab c");
    EXPECT_EQ(hosttext::Trim("\xA5\xB9"), "\xA5\xB9") << "Polish letters are above 32";
    EXPECT_EQ(hosttext::Trim("   "), "");
}

TEST(HostText, ToIntDefReadsDecimalNumbersOnly) {
    struct Row {
        const char* text;
        int expected;
    } rows[] = {{"20304", 20304},
                {" 12 ", 12},
                {"-5", -5},
                {"+7", 7},
                {"", 0},
                {"12a", 0},
                {"0x10", 0},
                {"-", 0},
                {"99999999999", 0},
                {"2147483647", 2147483647},
                {"-2147483648", -2147483647 - 1}};
    for (const Row& r : rows) EXPECT_EQ(hosttext::ToIntDef(r.text, 0), r.expected) << r.text;
}

} // namespace
