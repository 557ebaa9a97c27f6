#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "ToolsLocale.h"
#include "base/Exception.h"
#include "base/TfTools.h"
#include "platform/Cp1250.h"

namespace {

using tools_test::PolishLocale;

const std::string kNotANumber(std::string("[TfTools] Błąd wprowadzania wartości liczbowej"_pl));
const std::string kNegative(std::string("[TfTools] Wprowadzona wartość liczbowa jest ujemna"_pl));

struct InputCase {
    const char* name;
    const char* text;
    int decimals;
    bool allowNegative;
    double expected;
    const std::string* error; // the message when the text is refused
};
std::ostream& operator<<(std::ostream& os, const InputCase& c) {
    return os << c.name;
}

class TfToolsFromString : public ::testing::TestWithParam<InputCase> {
protected:
    platform::ScopedLocale locale_{PolishLocale()};
};

TEST_P(TfToolsFromString, ReadsOrRefusesAndKeepsTheOldValue) {
    const InputCase& c = GetParam();
    TfTools f(99.0);
    TxfTools xf(99.0L);
    if (!c.error) {
        EXPECT_DOUBLE_EQ(f.FromString(c.text, c.decimals, c.allowNegative).Value(), c.expected);
        EXPECT_DOUBLE_EQ(static_cast<double>(xf.FromString(c.text, c.decimals, c.allowNegative).Value()),
                         c.expected);
        return;
    }
    try {
        f.FromString(c.text, c.decimals, c.allowNegative);
        FAIL() << "accepted";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), *c.error);
    }
    EXPECT_EQ(f.Value(), 99.0);
    EXPECT_THROW(xf.FromString(c.text, c.decimals, c.allowNegative), Exception);
    EXPECT_EQ(xf.Value(), 99.0L);
}

INSTANTIATE_TEST_SUITE_P(
    UserInput, TfToolsFromString,
    ::testing::Values(InputCase{"CommaRounded", "12,345", 2, false, 12.35, nullptr},
                      InputCase{"PointTrimmed", " 1.5\t", 2, false, 1.5, nullptr},
                      InputCase{"HalfRoundsAwayFromZero", "-0.125", 2, true, -0.13, nullptr},
                      InputCase{"NoDecimals", "2,5", 0, false, 3.0, nullptr},
                      InputCase{"DecimalsLimitedToTwelve", "0.1234567890123456", 40, false, 0.123456789012,
                                nullptr},
                      InputCase{"NegativeDecimalsAreZero", "7.7", -3, false, 8.0, nullptr},
                      InputCase{"Exponent", "1,5e3", 0, false, 1500.0, nullptr},
                      InputCase{"LeadingSeparator", ",5", 1, false, 0.5, nullptr},
                      InputCase{"PlusSign", "+4", 0, false, 4.0, nullptr},
                      InputCase{"NegativeZeroIsNotNegative", "-0", 2, false, 0.0, nullptr},
                      InputCase{"NegativeRefused", "-1,5", 2, false, 0, &kNegative},
                      InputCase{"Letters", "abc", 2, true, 0, &kNotANumber},
                      InputCase{"Empty", "  ", 2, true, 0, &kNotANumber},
                      InputCase{"TwoSeparators", "1,2.3", 2, true, 0, &kNotANumber},
                      InputCase{"ThousandsBlank", "1 000", 2, true, 0, &kNotANumber},
                      InputCase{"LoneSeparator", ",", 2, true, 0, &kNotANumber},
                      InputCase{"ExponentWithoutDigits", "1e", 2, true, 0, &kNotANumber},
                      InputCase{"TooBig", "1e400", 2, true, 0, &kNotANumber},
                      InputCase{"Infinity", "inf", 2, true, 0, &kNotANumber}),
    [](const ::testing::TestParamInfo<InputCase>& info) { return std::string(info.param.name); });

TEST(TfTools, FromStringReadsWithAnyDecimalSeparatorOfTheSystem) {
    platform::LocaleSettings settings = PolishLocale();
    settings.DecimalSeparator = '.';
    platform::ScopedLocale locale(settings);
    EXPECT_DOUBLE_EQ(TfTools().FromString("3,25", 2, false).Value(), 3.25);
    EXPECT_DOUBLE_EQ(TfTools().FromString("3.25", 2, false).Value(), 3.25);
}

struct DBCase {
    const char* name;
    const char* text;
    double expected;
};
std::ostream& operator<<(std::ostream& os, const DBCase& c) {
    return os << c.name;
}

class TfToolsFromDBField : public ::testing::TestWithParam<DBCase> {
protected:
    platform::ScopedLocale locale_{PolishLocale()};
};

TEST_P(TfToolsFromDBField, ReadsAsFarAsItGoes) {
    EXPECT_DOUBLE_EQ(TfTools(7).FromDBField(GetParam().text).Value(), GetParam().expected);
    EXPECT_NEAR(static_cast<double>(TxfTools(7).FromDBField(GetParam().text).Value()), GetParam().expected,
                1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    DatabaseText, TfToolsFromDBField,
    ::testing::Values(DBCase{"SignBlanksAndTrailingLetter", " -12,50x", -12.5},
                      DBCase{"SecondMinusStops", "--5", 0.0}, DBCase{"PlusAndTab", "+\t3.25", 3.25},
                      DBCase{"SecondSeparatorStops", "1.2.3", 1.2}, DBCase{"Empty", "", 0.0},
                      DBCase{"Letters", "abc", 0.0}, DBCase{"MinusOnly", "-", 0.0},
                      DBCase{"FractionOnly", "-,5", -0.5}, DBCase{"BlankInsideStops", "12 5", 12.0},
                      DBCase{"ManyFractionDigits", "0.125000000000000000000000000001", 0.125}),
    [](const ::testing::TestParamInfo<DBCase>& info) { return std::string(info.param.name); });

TEST(TfTools, FromDBFieldOfEndlessDigitsNeverFails) {
    const std::string digits(5000, '9');
    EXPECT_TRUE(std::isinf(TfTools().FromDBField(digits).Value()));
    EXPECT_DOUBLE_EQ(TfTools().FromDBField("0," + digits).Value(), 1.0);
}

struct OutputCase {
    const char* name;
    double value;
    int minDecimals, maxDecimals;
    const char* expected;
};
std::ostream& operator<<(std::ostream& os, const OutputCase& c) {
    return os << c.name;
}

class TfToolsToString : public ::testing::TestWithParam<OutputCase> {
protected:
    platform::ScopedLocale locale_{PolishLocale()};
};

TEST_P(TfToolsToString, WritesWithTheSystemSeparator) {
    const OutputCase& c = GetParam();
    EXPECT_EQ(TfTools(c.value).ToString(c.minDecimals, c.maxDecimals), c.expected);
    EXPECT_EQ(TxfTools(c.value).ToString(c.minDecimals, c.maxDecimals), c.expected);
    std::string db = c.expected;
    for (char& ch : db)
        if (ch == ',') ch = '.';
    EXPECT_EQ(TfTools(c.value).ToDBField(c.minDecimals, c.maxDecimals), db);
    EXPECT_EQ(TxfTools(c.value).ToDBField(c.minDecimals, c.maxDecimals), db);
}

INSTANTIATE_TEST_SUITE_P(
    Decimals, TfToolsToString,
    ::testing::Values(
        OutputCase{"TrailingZerosGo", 1.5, 0, 2, "1,5"}, OutputCase{"SeparatorGoesToo", 2.0, 0, 2, "2"},
        OutputCase{"MinimumKept", 2.0, 2, 2, "2,00"}, OutputCase{"Rounded", 1234.5678, 1, 3, "1234,568"},
        OutputCase{"MinimumAboveMaximum", 0.1, 3, 1, "0,1"}, OutputCase{"LimitedToTwelve", 1.0, 0, 20, "1"},
        OutputCase{"NegativeLimitsAreZero", 2.4, -1, -1, "2"},
        OutputCase{"NegativeValue", -3.25, 1, 4, "-3,25"},
        OutputCase{"TinyNegativeIsZero", -0.001, 0, 2, "0"},
        OutputCase{"HugeValueIsNotCut", 1e20, 0, 2, "100000000000000000000"}),
    [](const ::testing::TestParamInfo<OutputCase>& info) { return std::string(info.param.name); });

struct RoundCase {
    const char* name;
    double value;
    int decimals;
    double round, down, up;
};
std::ostream& operator<<(std::ostream& os, const RoundCase& c) {
    return os << c.name;
}

class TfToolsRound : public ::testing::TestWithParam<RoundCase> {};

TEST_P(TfToolsRound, RoundsBothPrecisions) {
    const RoundCase& c = GetParam();
    EXPECT_DOUBLE_EQ(TfTools(c.value).Round(c.decimals), c.round);
    EXPECT_DOUBLE_EQ(TfTools(c.value).RoundDown(c.decimals), c.down);
    EXPECT_DOUBLE_EQ(TfTools(c.value).RoundUp(c.decimals), c.up);
    EXPECT_NEAR(static_cast<double>(TxfTools(c.value).Round(c.decimals)), c.round, 1e-12);
    EXPECT_NEAR(static_cast<double>(TxfTools(c.value).RoundDown(c.decimals)), c.down, 1e-12);
    EXPECT_NEAR(static_cast<double>(TxfTools(c.value).RoundUp(c.decimals)), c.up, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Rounding, TfToolsRound,
    ::testing::Values(RoundCase{"HalfUp", 0.125, 2, 0.13, 0.12, 0.13},
                      RoundCase{"HalfAwayFromZero", -0.125, 2, -0.13, -0.13, -0.12},
                      RoundCase{"WholeNegative", -1.5, 0, -2.0, -2.0, -1.0},
                      RoundCase{"JustBelowHalfRoundsUp", 2.4999999999999, 0, 3.0, 2.0, 3.0},
                      RoundCase{"ClearlyBelowHalf", 2.4999, 0, 2.0, 2.0, 3.0},
                      RoundCase{"Hundreds", 1250.0, -2, 1300.0, 1200.0, 1300.0},
                      RoundCase{"Zero", 0.0, 3, 0.0, 0.0, 0.0},
                      RoundCase{"RoundsToZeroWithoutSign", -0.0004, 3, 0.0, -0.001, 0.0},
                      RoundCase{"DecimalsLimited", 0.5, 30, 0.5, 0.5, 0.5}),
    [](const ::testing::TestParamInfo<RoundCase>& info) { return std::string(info.param.name); });

TEST(TxfTools, KeepsExtendedPrecision) {
    platform::ScopedLocale locale(PolishLocale());
    const TxfTools third(1.0L / 3.0L);
    EXPECT_EQ(third.ToString(0, 12), "0,333333333333");
    EXPECT_NE(third.Value(), static_cast<long double>(1.0 / 3.0)); // more than double's digits
}

} // namespace
