#include <gtest/gtest.h>

#include "platform/Cp1250.h"

namespace {

TEST(Cp1250, PolishLiteralIsConvertedAtCompileTime) {
    constexpr std::string_view text = "Zażółć gęślą jaźń"_pl;
    static_assert(text.size() == 17);
    EXPECT_EQ(text, std::string_view("Za\xBF\xF3\xB3\xE6 g\xEA\x9Cl\xB9 ja\x9F\xF1"));
    EXPECT_EQ(cp1250::ToUtf8(text), "Zażółć gęślą jaźń");
}

TEST(Cp1250, EveryByteSurvivesTheRoundTripsThroughUnicode) {
    std::string all;
    for (int i = 1; i < 256; ++i) all += static_cast<char>(i);
    EXPECT_EQ(cp1250::FromUtf8(cp1250::ToUtf8(all)), all);
    EXPECT_EQ(cp1250::FromUtf16(cp1250::ToUtf16(all)), all);
}

TEST(Cp1250, UnicodeOutsideTheCodePageBecomesQuestionMarkAndBadUtf8IsKeptAsBytes) {
    EXPECT_EQ(cp1250::FromUtf8("日本"), "??");
    EXPECT_EQ(cp1250::FromUtf8("a\xB3\xB9"), "a\xB3\xB9");  // not UTF-8: taken as Windows-1250
    EXPECT_FALSE(cp1250::IsValidUtf8("a\xB3"));
    EXPECT_TRUE(cp1250::IsValidUtf8("łą"));
    EXPECT_EQ(cp1250::FromUtf16(u"\xD83D\xDE00x"), "?x");
}

struct CaseRow {
    const char* lower;
    const char* upper;
};

std::ostream& operator<<(std::ostream& os, const CaseRow& row) { return os << row.lower; }

class Cp1250Case : public ::testing::TestWithParam<CaseRow> {};

TEST_P(Cp1250Case, MapsBothWays) {
    std::string lower = cp1250::FromUtf8(GetParam().lower), upper = cp1250::FromUtf8(GetParam().upper);
    EXPECT_EQ(cp1250::UpperCase(lower), upper);
    EXPECT_EQ(cp1250::LowerCase(upper), lower);
}

INSTANTIATE_TEST_SUITE_P(Letters, Cp1250Case,
                         ::testing::Values(CaseRow{"ąćęłńóśźż", "ĄĆĘŁŃÓŚŹŻ"}, CaseRow{"abc xyz 09", "ABC XYZ 09"},
                                           CaseRow{"šťžľ", "ŠŤŽĽ"}, CaseRow{"÷", "÷"}));

TEST(Cp1250, SharpSAndMicroHaveNoUpperCaseInTheCodePage) {
    EXPECT_EQ(cp1250::UpperCase("\xDF\xB5"), "\xDF\xB5");
}

}  // namespace
