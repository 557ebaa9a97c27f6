#include <gtest/gtest.h>

#include <functional>

#include "ToolsLocale.h"
#include "base/Exception.h"
#include "base/StringList.h"
#include "base/TxTools.h"
#include "platform/Cp1250.h"
#include "support/TempDir.h"

namespace {

// One operation on a text and its expected result.
struct TextCase {
    const char* name;
    std::function<std::string()> run;
    std::string expected;
};
std::ostream& operator<<(std::ostream& os, const TextCase& c) {
    return os << c.name;
}
std::string CaseName(const ::testing::TestParamInfo<TextCase>& info) {
    return info.param.name;
}

class TxToolsText : public ::testing::TestWithParam<TextCase> {};
TEST_P(TxToolsText, GivesTheExpectedText) {
    EXPECT_EQ(GetParam().run(), GetParam().expected);
}

std::string Pl(std::string_view s) {
    return std::string(s);
}

INSTANTIATE_TEST_SUITE_P(
    Editing, TxToolsText,
    ::testing::Values(
        TextCase{"InsStrInside", [] { return TxTools("abcd").InsStr(1, "XY"); }, "aXYbcd"},
        TextCase{"InsStrOutsideAppends", [] { return TxTools("ab").InsStr(5, "X"); }, "abX"},
        TextCase{"InsCharNegativeAppends", [] { return TxTools("ab").InsChar(-1, 'X'); }, "abX"},
        TextCase{"CharNo2Str", [] { return TxTools("abc").CharNo2Str(1, "XY"); }, "aXYc"},
        TextCase{"CharNo2CharOutsideAppends", [] { return TxTools("abc").CharNo2Char(3, 'X'); }, "abcX"},
        TextCase{"Chars2Str", [] { return TxTools("a;b;c").Chars2Str(';', "--"); }, "a--b--c"},
        TextCase{"AnyChar2Char", [] { return TxTools("a;b,c").AnyChar2Char(";,", ' '); }, "a b c"},
        TextCase{"Chars2CharsUsesTheShorterSet", [] { return TxTools("abcabc").Chars2Chars("abc", "XY"); },
                 "XYcXYc"},
        TextCase{"DelCharsFromClampsTheCount", [] { return TxTools("abcdef").DelCharsFrom(4, 10); }, "abcd"},
        TextCase{"DelCharsFromOutsideKeeps", [] { return TxTools("abc").DelCharsFrom(3, 1); }, "abc"},
        TextCase{"DelCharNo", [] { return TxTools("abc").DelCharNo(0); }, "bc"},
        TextCase{"DelAnyChar", [] { return TxTools("a-b_c").DelAnyChar("-_"); }, "abc"},
        TextCase{"DelAnyOtherChar", [] { return TxTools("12a3-4").DelAnyOtherChar("0123456789"); }, "1234"},
        TextCase{"Str2StrFirstOnlyIgnoringCase",
                 [] { return TxTools(Pl("xĄbyąb"_pl)).Str2Str(Pl("ąB"_pl), "-", true); }, Pl("x-yąb"_pl)},
        TextCase{"Str2StrNotFoundKeeps", [] { return TxTools("abc").Str2Str("x", "y"); }, "abc"},
        TextCase{"NoPl", [] { return TxTools(Pl("Zażółć ĄĘŚŹŻĆŃŁÓ"_pl)).NoPl(); }, "Zazolc AESZZCNLO"},
        TextCase{"PadLeftFills", [] { return TxTools("7").PadLeft('0', 3, 5); }, "007"},
        TextCase{"PadLeftCutsTheFront", [] { return TxTools("123456").PadLeft('0', 3, 4); }, "3456"},
        TextCase{"PadLeftMaximumBelowMinimum", [] { return TxTools("123456").PadLeft('0', 3, 1); }, "456"},
        TextCase{"PadRightCutsTheEnd", [] { return TxTools("123456").PadRight(' ', 2, 4); }, "1234"},
        TextCase{"PadRightFillsNegativeMinimumIsZero", [] { return TxTools("ab").PadRight('.', -3, 5); },
                 "ab"},
        TextCase{"PadRightFills", [] { return TxTools("ab").PadRight('.', 4, 5); }, "ab.."},
        TextCase{"ToASEParamTrims", [] { return TxTools("  a b\t").ToASEParam(); }, "a b"},
        TextCase{"ToASEParamEmptyIsBlank", [] { return TxTools(" \t ").ToASEParam(); }, " "},
        TextCase{"FromHexNUpper", [] { return TxTools::FromHexN(0x1A2Bu, 4, true); }, "1A2B"},
        TextCase{"FromHexNKeepsLowDigits", [] { return TxTools::FromHexN(0x1A2Bu, 2, false); }, "2b"},
        TextCase{"FromHexNAtMostEight", [] { return TxTools::FromHexN(0xABCDEF12u, 12, false); }, "abcdef12"},
        TextCase{"FromHexNNone", [] { return TxTools::FromHexN(5, -1, false); }, ""}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Words, TxToolsText,
    ::testing::Values(
        TextCase{"SelectWordAfterBlankRun", [] { return TxTools("ab   cd").SelectWord(1, " \t"); }, "cd"},
        TextCase{"SelectWordPastTheLast", [] { return TxTools("ab   cd").SelectWord(2, " \t"); }, ""},
        TextCase{"SelectWordLeadingDelimiters", [] { return TxTools(" \tab cd").SelectWord(0, " \t"); },
                 "ab"},
        TextCase{"SelectWordNoDelimiters", [] { return TxTools("a b").SelectWord(3, ""); }, "a b"},
        TextCase{"SelectWordEmptyText", [] { return TxTools("").SelectWord(0, " "); }, ""}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Paths, TxToolsText,
    ::testing::Values(
        TextCase{"Drive", [] { return TxTools("C:\\dir\\sub\\name.ext").Drive(); }, "C:"},
        TextCase{"Directory", [] { return TxTools("C:\\dir\\sub\\name.ext").Directory(); }, "\\dir\\sub\\"},
        TextCase{"FileName", [] { return TxTools("C:\\dir\\sub\\name.ext").FileName(); }, "name"},
        TextCase{"FileExtension", [] { return TxTools("C:\\dir\\sub\\name.ext").FileExtension(); }, ".ext"},
        TextCase{"ForwardSlashes", [] { return TxTools("dir/sub.d/name").Directory(); }, "dir/sub.d/"},
        TextCase{"DotInFolderIsNoExtension", [] { return TxTools("dir/sub.d/name").FileExtension(); }, ""},
        TextCase{"LastDotStartsExtension", [] { return TxTools("a.tar.gz").FileName(); }, "a.tar"},
        TextCase{"DriveRelativeName", [] { return TxTools("D:name.").FileExtension(); }, "."},
        TextCase{"NoDriveWithoutColon", [] { return TxTools("\\\\srv\\share\\f").Drive(); }, ""},
        TextCase{"MakePathAddsColonSlashDot", [] { return TxTools::MakePath("C", "\\dir", "name", "txt"); },
                 "C:\\dir\\name.txt"},
        TextCase{"MakePathKeepsGivenSeparators", [] { return TxTools::MakePath("C:", "dir/", "n", ".e"); },
                 "C:dir/n.e"},
        TextCase{"MakePathNameOnly", [] { return TxTools::MakePath("", "", "n", ""); }, "n"},
        TextCase{"MakePathAtMost260", [] { return TxTools::MakePath("", std::string(300, 'd'), "n", ""); },
                 std::string(260, 'd')}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Wrapping, TxToolsText,
    ::testing::Values(
        TextCase{"BreaksAtLastBlank", [] { return TxTools("aaa bbb ccc").AutoBreakText(7, 0); },
                 "aaa bbb\r\nccc"},
        TextCase{"BreaksLongWordByCharacter", [] { return TxTools("abcdefgh").AutoBreakText(3, 0); },
                 "abc\r\ndef\r\ngh"},
        TextCase{"KeepsCrLfOnce", [] { return TxTools("ab\r\ncd").AutoBreakText(10, 0); }, "ab\r\ncd"},
        TextCase{"LfAloneEndsLine", [] { return TxTools("ab\ncd\r").AutoBreakText(10, 0); }, "ab\r\ncd\r\n"},
        TextCase{"CrCrIsTwoLines", [] { return TxTools("a\r\rb").AutoBreakText(10, 0); }, "a\r\n\r\nb"},
        TextCase{"TabsBecomeBlanks", [] { return TxTools("a\tb").AutoBreakText(10, 2); }, "a  b"},
        TextCase{"TabsVanishWithZeroSize", [] { return TxTools("a\tb").AutoBreakText(10, 0); }, "ab"},
        TextCase{"ZeroWidthKeepsOneCharacterPerLine", [] { return TxTools("abc").AutoBreakText(0, 0); },
                 "a\r\nb\r\nc"},
        TextCase{"PixelsWithoutAmpersands",
                 [] { return TxTools("&a&b&c").AutoBreak(TMFixedWidthMeasure(2), 6, 0, false); },
                 "&a&\r\nb&c"},
        TextCase{"PixelsAsLabelShowsIt",
                 [] { return TxTools("&a&b&c").AutoBreak(TMFixedWidthMeasure(2), 6, 0, true); }, "&a&b&c"},
        TextCase{"DoubledAmpersandCountsOnce",
                 [] { return TxTools("a&&b c").AutoBreak(TMFixedWidthMeasure(1), 3, 0, true); },
                 "a&&b\r\nc"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    DBField, TxToolsText,
    ::testing::Values(TextCase{"EscapesQuoteAndLineBreak", [] { return TxTools("it's\r\nok").ToDBField(-1); },
                               "'it''s\\x0D\\x0Aok'"},
                      TextCase{"EscapesBackslash", [] { return TxTools("a\\b").ToDBField(-1); }, "'a\\\\b'"},
                      TextCase{"CutsBeforeQuoting", [] { return TxTools("it's").ToDBField(3); }, "'it'''"},
                      TextCase{"ZeroMaximumGivesEmpty", [] { return TxTools("abc").ToDBField(0); }, "''"}),
    CaseName);

// The concatenation style is class-wide: set it only for the test that needs it.
class TxToolsConcatenation : public ::testing::Test {
protected:
    void SetUp() override { TxTools::DBLiterals = 1; }
    void TearDown() override { TxTools::DBLiterals = 0; }
};

TEST_F(TxToolsConcatenation, WritesUnprintableCharactersAsCharCodes) {
    EXPECT_EQ(TxTools("ab'c\xB9\x80").ToDBField(-1), "'ab' + char(39) + 'c\xB9' + char(128)");
    EXPECT_EQ(TxTools("\n").ToDBField(-1), "char(10)");
    EXPECT_EQ(TxTools("").ToDBField(-1), "''");
}

TEST(TxTools, DBPrintableCharFollowsTheTable) {
    std::string refused;
    for (int b = 16; b < 128; ++b)
        if (!TxTools::DBPrintableChar(static_cast<char>(b))) refused += char(b);
    EXPECT_EQ(refused, "\"'\\");
    for (int b = 0; b < 16; ++b) EXPECT_FALSE(TxTools::DBPrintableChar(static_cast<char>(b)));
    int polish = 0;
    for (int b = 128; b < 256; ++b) polish += TxTools::DBPrintableChar(static_cast<char>(b));
    EXPECT_EQ(polish, 18);
    EXPECT_TRUE(TxTools::DBPrintableChar('\xB3'));  // ł
    EXPECT_FALSE(TxTools::DBPrintableChar('\xA0')); // no-break space
}

struct CountCase {
    const char* name;
    std::function<int()> run;
    int expected;
};
std::ostream& operator<<(std::ostream& os, const CountCase& c) {
    return os << c.name;
}

class TxToolsNumber : public ::testing::TestWithParam<CountCase> {};
TEST_P(TxToolsNumber, GivesTheExpectedNumber) {
    EXPECT_EQ(GetParam().run(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    FindAndCount, TxToolsNumber,
    ::testing::Values(
        CountCase{"FindStrFromStart", [] { return TxTools("abcabc").FindStr("bc", false, 2); }, 4},
        CountCase{"FindStrStartPastEnd", [] { return TxTools("abc").FindStr("c", false, 9); }, -1},
        CountCase{"FindStrIgnoringPolishCase",
                  [] { return TxTools(Pl("xŁÓDŹ"_pl)).FindStr(Pl("łódź"_pl), true); }, 1},
        CountCase{"FindStrCaseMatters", [] { return TxTools("ABC").FindStr("b"); }, -1},
        CountCase{"FindChar", [] { return TxTools("a;b;c").FindChar(';', 2); }, 3},
        CountCase{"FindAnyChar", [] { return TxTools("abc,d").FindAnyChar(";,"); }, 3},
        CountCase{"FindAnyOtherChar", [] { return TxTools("   x").FindAnyOtherChar(" "); }, 3},
        CountCase{"FindAnyOtherCharNone", [] { return TxTools("   ").FindAnyOtherChar(" "); }, -1},
        CountCase{"CountStrNonOverlapping", [] { return TxTools("aaaa").CountStr("aa"); }, 2},
        CountCase{"CountStrIgnoringCase", [] { return TxTools("aAbA").CountStr("a", true); }, 3},
        CountCase{"CountStrEmptyIsZero", [] { return TxTools("abc").CountStr(""); }, 0},
        CountCase{"CountChar", [] { return TxTools("a;b;;").CountChar(';'); }, 3},
        CountCase{"CountAnyChar", [] { return TxTools("a;b,c").CountAnyChar(";,"); }, 2},
        CountCase{"CountAnyOtherChar", [] { return TxTools("a;b,c").CountAnyOtherChar(";,"); }, 3},
        CountCase{"CompareIsByteWise", [] { return TxTools("a").Compare("\xB9") < 0; }, 1},
        CountCase{"CompareIgnoringPolishCase",
                  [] { return TxTools(Pl("żółw"_pl)).Compare(Pl("ŻÓŁW"_pl), true); }, 0},
        CountCase{"CompareCaseMatters", [] { return TxTools("B").Compare("a") < 0; }, 1},
        CountCase{"NCompareFirstCharacters", [] { return TxTools("abcX").NCompare("abcY", 3); }, 0},
        CountCase{"NCompareSeesDifference", [] { return TxTools("abcX").NCompare("abcY", 4) < 0; }, 1},
        CountCase{"ContainsStr", [] { return int(TxTools("abc").ContainsStr("BC", true)); }, 1},
        CountCase{"ContainsAnyOtherChar",
                  [] { return int(TxTools("123").ContainsAnyOtherChar("0123456789")); }, 0},
        CountCase{"IsFileMask", [] { return int(TxTools("C:\\a?.txt").IsFileMask()); }, 1}),
    [](const ::testing::TestParamInfo<CountCase>& info) { return std::string(info.param.name); });

struct FieldCase {
    const char* name;
    const char* text;
    int index;
    const char* delimiters;
    const char* expected;
    bool pastEnd;
};
std::ostream& operator<<(std::ostream& os, const FieldCase& c) {
    return os << c.name;
}

class TxToolsSelectWordEx : public ::testing::TestWithParam<FieldCase> {};

TEST_P(TxToolsSelectWordEx, SelectsTheField) {
    const FieldCase& c = GetParam();
    bool pastEnd = !c.pastEnd; // the flag is reset on entry
    EXPECT_EQ(TxTools(c.text).SelectWordEx(c.index, pastEnd, c.delimiters), c.expected);
    EXPECT_EQ(pastEnd, c.pastEnd);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, TxToolsSelectWordEx,
    ::testing::Values(FieldCase{"DoubledDelimiterLeavesEmptyField", "a;;b", 1, ";", "", false},
                      FieldCase{"FieldAfterEmptyOne", "a;;b", 2, ";", "b", false},
                      FieldCase{"DifferentDelimitersSeparateOnce", "a; b", 1, "; ", "b", false},
                      FieldCase{"LeadingDelimiterEndsEmptyField", ";a", 0, ";", "", false},
                      FieldCase{"FieldAfterLeadingDelimiter", ";a", 1, ";", "a", false},
                      FieldCase{"TrailingDelimiterLeavesEmptyLast", "a;", 1, ";", "", false},
                      FieldCase{"PastTheEnd", "a;b", 2, ";", "", true},
                      FieldCase{"EmptyText", "", 1, ";", "", true},
                      FieldCase{"NoDelimitersWholeText", "a;b", 0, "", "a;b", false}),
    [](const ::testing::TestParamInfo<FieldCase>& info) { return std::string(info.param.name); });

TEST(TxTools, ParseLineFieldsKeepsEmptyFieldsButNoTrailingOne) {
    TStringList list;
    EXPECT_EQ(TxTools("a;;b").ParseLineFields(list, ';'), 3);
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(TxTools("a;b;").ParseLineFields(list, ';'), 2);
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(TxTools(";").ParseLineFields(list, ';'), 1);
    EXPECT_EQ(TxTools("").ParseLineFields(list, ';'), 0);
    EXPECT_TRUE(list.Empty());
}

TEST(TxTools, HexDigitsClearTheFlagOnBadInput) {
    bool ok = true;
    EXPECT_EQ(TxTools("1a2F").ToHexN(4, ok), 0x1A2Fu);
    EXPECT_TRUE(ok);
    EXPECT_EQ(TxTools("FFFFFFFFFF").ToHexN(10, ok), 0xFFFFFFFFu); // at most eight digits
    EXPECT_EQ(TxTools("12G4").ToHexN(4, ok), 0u);
    EXPECT_FALSE(ok);
    EXPECT_EQ(TxTools("12").ToHexN(2, ok), 0u); // a cleared flag stays cleared
    ok = true;
    EXPECT_EQ(TxTools("12").ToHexN(3, ok), 0u); // shorter than asked
    EXPECT_FALSE(ok);
    ok = true;
    EXPECT_EQ(TxTools("12").ToHexN(0, ok), 0u);
    EXPECT_TRUE(ok);
    EXPECT_EQ(TxTools::Char2Hex('z', ok), 0);
    EXPECT_FALSE(ok);
    EXPECT_EQ(TxTools::Hex2Char(0x1B, false), 'b');
}

TEST(TxTools, FindCharNotContainedGivesTheSmallestFreeByte) {
    char c = 0;
    EXPECT_TRUE(TxTools("").FindCharNotContained(c));
    EXPECT_EQ(c, '\x01');
    EXPECT_TRUE(TxTools("\x01\x02\x04").FindCharNotContained(c));
    EXPECT_EQ(c, '\x03');
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_FALSE(TxTools(all).FindCharNotContained(c));
}

TEST(TxTools, FixedWidthNumbersInsideATextRejectBadRangesAndOverflow) {
    unsigned v = 7;
    EXPECT_TRUE(TxTools::DecodeSubStringToUnsignedInt(v, 2, 3, "ab0123", 6));
    EXPECT_EQ(v, 12u);
    EXPECT_FALSE(TxTools::DecodeSubStringToUnsignedInt(v, 4, 3, "ab0123", 6));
    EXPECT_EQ(v, 0u);
    EXPECT_FALSE(TxTools::DecodeSubStringToUnsignedInt(v, 0, 3, "1x3", 3));
    EXPECT_FALSE(TxTools::DecodeSubStringToUnsignedInt(v, -1, 1, "1", 1));
    EXPECT_TRUE(TxTools::DecodeSubStringToUnsignedInt(v, 0, 10, "4294967295", 10));
    EXPECT_EQ(v, 4294967295u);
    EXPECT_FALSE(TxTools::DecodeSubStringToUnsignedInt(v, 0, 10, "4294967296", 10));

    std::string buffer = "..........";
    EXPECT_TRUE(TxTools::EncodeUnsignedIntToSubString(2, 4, buffer, 42));
    EXPECT_EQ(buffer, "..0042....");
    EXPECT_FALSE(TxTools::EncodeUnsignedIntToSubString(0, 2, buffer, 123));
    EXPECT_FALSE(TxTools::EncodeUnsignedIntToSubString(8, 4, buffer, 1)); // past the end
    EXPECT_EQ(buffer, "..0042....");

    EXPECT_EQ(TxTools("PLU000123").SubStringToUnsignedInt(3, 6), 123u);
    try {
        TxTools("PLU").SubStringToUnsignedInt(3, 6);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "[TxTools::SubStringToUnsignedInt] Zły format analizowanego tekstu"_pl);
    }
}

TEST(TxTools, OemConversionKeepsPlainTextAndRoundTrips) {
    EXPECT_EQ(TxTools("abc 123").ToOEM(), "abc 123");
    EXPECT_EQ(TxTools("abc 123").FromOEM(), "abc 123");
#ifndef _WIN32
    EXPECT_EQ(TxTools(Pl("ą"_pl)).ToOEM(), "\xA5"); // code page 852
    EXPECT_EQ(TxTools(TxTools(Pl("Łódź"_pl)).ToOEM()).FromOEM(), "Łódź"_pl);
#endif
}

TEST(TxTools, DirectoriesComeFromTheSystem) {
    EXPECT_FALSE(TxTools::TempDirectory().empty());
    EXPECT_FALSE(TxTools::SystemDirectory().empty());
    EXPECT_FALSE(TxTools::WindowsDirectory().empty());
    const std::string before = TxTools::CurrentDirectory();
    testing_support::TempDir dir;
    ASSERT_TRUE(TxTools::SetCurrentDirectoryA(dir.Cp1250()));
    const std::string inside = TxTools::CurrentDirectory();
    EXPECT_TRUE(TxTools::SetCurrentDirectoryA(before));
    EXPECT_NE(inside, before);
    EXPECT_FALSE(TxTools::SetCurrentDirectoryA(dir.File("no such folder")));
    EXPECT_EQ(TxTools::CurrentDirectory(), before);
}

class EDerivedAbort : public EAbort {
    VX_CLASS(EDerivedAbort, EAbort)
public:
    using EAbort::EAbort;
};

struct ClassCase {
    const char* name;
    std::function<bool()> run;
    bool expected;
};
std::ostream& operator<<(std::ostream& os, const ClassCase& c) {
    return os << c.name;
}

class IsNameOfObjectParentClassTest : public ::testing::TestWithParam<ClassCase> {};
TEST_P(IsNameOfObjectParentClassTest, TellsMembership) {
    EXPECT_EQ(GetParam().run(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Classes, IsNameOfObjectParentClassTest,
    ::testing::Values(ClassCase{"OwnClassWithFlag",
                                [] {
                                    EAbort e;
                                    return IsNameOfObjectParentClass(&e, "EAbort", true);
                                },
                                true},
                      ClassCase{"OwnClassWithoutFlag",
                                [] {
                                    EAbort e;
                                    return IsNameOfObjectParentClass(&e, "EAbort", false);
                                },
                                false},
                      ClassCase{"DerivedWithoutFlag",
                                [] {
                                    EDerivedAbort e;
                                    return IsNameOfObjectParentClass(&e, "EAbort", false);
                                },
                                true},
                      ClassCase{"Ancestor",
                                [] {
                                    EAbort e;
                                    return IsNameOfObjectParentClass(&e, "Exception", false);
                                },
                                true},
                      ClassCase{"Sibling",
                                [] {
                                    EConvertError e;
                                    return IsNameOfObjectParentClass(&e, "EAbort", true);
                                },
                                false},
                      ClassCase{"CaseSensitive",
                                [] {
                                    EAbort e;
                                    return IsNameOfObjectParentClass(&e, "eabort", true);
                                },
                                false},
                      ClassCase{"Null", [] { return IsNameOfObjectParentClass(nullptr, "TObject", true); },
                                false}),
    [](const ::testing::TestParamInfo<ClassCase>& info) { return std::string(info.param.name); });

} // namespace
