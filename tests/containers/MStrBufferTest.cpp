#include "base/MStrBuffer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(MStrBuffer, CollectsAcrossChunkBorders) {
    TMStrBuffer b;
    EXPECT_EQ(b.Data(), "");
    std::string expected;
    for (int i = 0; i < 150; ++i) {
        char ch = static_cast<char>('a' + i % 26);
        b.AddChar(ch);
        expected += ch;
    }
    EXPECT_EQ(b.Total(), 150);
    EXPECT_EQ(b.Data(), expected);
    // Data() may be asked again and the text continues after it.
    b.AddStr("xyz");
    EXPECT_EQ(b.Data(), expected + "xyz");
    std::string big(1000, 'Q');
    b.AddStr(big);
    EXPECT_EQ(b.Data(), expected + "xyz" + big);
    EXPECT_EQ(b.Total(), 1153);
}

TEST(MStrBuffer, NegativeCountStopsAtTheFirstZeroByte) {
    TMStrBuffer b;
    const char text[] = "abc\0def";
    b.AddBuff(text, -1);
    b.AddBuff(text + 4, 2);
    EXPECT_EQ(b.Data(), "abcde");
    EXPECT_EQ(b.Total(), 5);
    b.Clear();
    EXPECT_EQ(b.Data(), "");
    EXPECT_EQ(b.Total(), 0);
    b.AddBuff(nullptr, -1);
    b.AddBuff(text, 0);
    EXPECT_EQ(b.Data(), "");
}

} // namespace
