#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ToolsLocale.h"
#include "base/DateTimeUtils.h"
#include "base/Exception.h"
#include "platform/Cp1250.h"

namespace {

using tools_test::PolishLocale;

struct DateCase {
    int year, month, day;
    double days; // from 30 December 1899
};
std::ostream& operator<<(std::ostream& os, const DateCase& c) {
    return os << c.year << "-" << c.month << "-" << c.day;
}

class DateTimeUtilsDates : public ::testing::TestWithParam<DateCase> {};

TEST_P(DateTimeUtilsDates, EncodeAndDecodeAgree) {
    const DateCase& c = GetParam();
    EXPECT_EQ(EncodeDate(c.year, c.month, c.day), c.days);
    int y = 0, m = 0, d = 0;
    DecodeDate(CombineDateTime(c.days, 0.75), y, m, d);
    EXPECT_EQ(y, c.year);
    EXPECT_EQ(m, c.month);
    EXPECT_EQ(d, c.day);
}

INSTANTIATE_TEST_SUITE_P(Calendar, DateTimeUtilsDates,
                         ::testing::Values(DateCase{1899, 12, 30, 0}, DateCase{1900, 1, 1, 2},
                                           DateCase{2000, 2, 29, 36585}, DateCase{2009, 3, 2, 39874},
                                           DateCase{1, 1, 1, -693593}, DateCase{9999, 12, 31, 2958465}));

struct BadDateCase {
    int year, month, day;
};
std::ostream& operator<<(std::ostream& os, const BadDateCase& c) {
    return os << c.year << "-" << c.month << "-" << c.day;
}
class DateTimeUtilsBadDates : public ::testing::TestWithParam<BadDateCase> {};

TEST_P(DateTimeUtilsBadDates, AreConversionErrors) {
    const BadDateCase& c = GetParam();
    TDateTime v = 5;
    EXPECT_FALSE(TryEncodeDate(c.year, c.month, c.day, v));
    EXPECT_EQ(v, 5);
    EXPECT_THROW(EncodeDate(c.year, c.month, c.day), EConvertError);
}

INSTANTIATE_TEST_SUITE_P(Calendar, DateTimeUtilsBadDates,
                         ::testing::Values(BadDateCase{2001, 2, 29}, BadDateCase{1900, 2, 29},
                                           BadDateCase{0, 1, 1}, BadDateCase{10000, 1, 1},
                                           BadDateCase{2020, 13, 1}, BadDateCase{2020, 4, 31},
                                           BadDateCase{2020, 1, 0}));

TEST(DateTimeUtils, TimesEncodeToTheFractionAndRejectOutOfRangeParts) {
    EXPECT_DOUBLE_EQ(EncodeTime(18, 0, 0, 0), 0.75);
    int h = 0, n = 0, s = 0, ms = 0;
    DecodeTime(EncodeTime(23, 59, 59, 999), h, n, s, ms);
    EXPECT_EQ((std::vector<int>{h, n, s, ms}), (std::vector<int>{23, 59, 59, 999}));
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
    EXPECT_THROW(EncodeTime(0, 60, 0, 0), EConvertError);
    EXPECT_THROW(EncodeTime(0, 0, 60, 0), EConvertError);
    EXPECT_THROW(EncodeTime(0, 0, 0, 1000), EConvertError);
    EXPECT_THROW(EncodeTime(-1, 0, 0, 0), EConvertError);
}

TEST(DateTimeUtils, DecodeRoundsToTheMillisecondAndCountsNegativeTimesFromTheEpoch) {
    const DateTimeParts almostMidnight = DecodeDateTime(EncodeDate(2009, 3, 2) + 0.99999999999);
    EXPECT_EQ(almostMidnight.Day, 3);
    EXPECT_EQ(almostMidnight.Hour, 0);
    const DateTimeParts before = DecodeDateTime(-1.25); // 29 December 1899, 06:00
    EXPECT_EQ(before.Day, 29);
    EXPECT_EQ(before.Hour, 6);
    EXPECT_EQ(CombineDateTime(-1, 0.25), -1.25);
    EXPECT_EQ(CombineDateTime(1, 0.25), 1.25);
}

TEST(DateTimeUtils, DecodeRefusesValuesOutsideTheCalendar) {
    EXPECT_THROW(DecodeDateTime(std::numeric_limits<double>::quiet_NaN()), EConvertError);
    EXPECT_THROW(DecodeDateTime(std::numeric_limits<double>::infinity()), EConvertError);
    EXPECT_THROW(DecodeDateTime(1e300), EConvertError);
    EXPECT_THROW(DecodeDateTime(kMaxDateTime + 0.5), EConvertError);
    EXPECT_THROW(DecodeDateTime(kMinDateTime - 1.5), EConvertError);
    EXPECT_EQ(DecodeDateTime(kMinDateTime - 0.5).Hour, 12);  // 1 January 0001, noon
}

TEST(DateTimeUtils, DayOfWeekStartsOnSunday) {
    EXPECT_EQ(DayOfWeek(0), 7);                           // 30 December 1899, a Saturday
    EXPECT_EQ(DayOfWeek(EncodeDate(2026, 3, 8)), 1);      // a Sunday
    EXPECT_EQ(DayOfWeek(EncodeDate(2026, 3, 9) + .9), 2); // a Monday evening
}

struct FormatCase {
    const char* name;
    const char* pattern;
    const char* expected;
};
std::ostream& operator<<(std::ostream& os, const FormatCase& c) {
    return os << c.name;
}

class DateTimeUtilsFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(DateTimeUtilsFormat, WritesByPattern) {
    platform::LocaleSettings settings = PolishLocale();
    settings.DateSeparator = '.';
    platform::ScopedLocale locale(settings);
    const TDateTime value = EncodeDate(2009, 3, 2) + EncodeTime(14, 5, 6, 7);
    EXPECT_EQ(FormatDateTime(GetParam().pattern, value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, DateTimeUtilsFormat,
    ::testing::Values(FormatCase{"WindowsLetters", "yyyy-MM-dd HH:mm:ss", "2009-03-02 14:05:06"},
                      FormatCase{"PlatformLetters", "dd-mm-yyyy hh:nn:ss.zzz", "02-03-2009 14:05:06.007"},
                      FormatCase{"MinuteAfterHour", "yy mm h:mm", "09 03 14:05"},
                      FormatCase{"MinuteBeforeSecond", "mm:ss", "05:06"},
                      FormatCase{"ShortParts", "d.M.y H:n:s z", "2.3.9 14:5:6 7"},
                      FormatCase{"SlashIsTheDateSeparator", "d/m/yy", "2.3.09"},
                      FormatCase{"QuotedTextStays", "yyyy'/'mm\"/\"dd 'hh'", "2009/03/02 hh"},
                      FormatCase{"TwelveHourClock", "h:mm tt", "2:05 PM"},
                      FormatCase{"PolishNames", "dddd d MMMM", "poniedziałek 2 marzec"_pl.data()},
                      FormatCase{"UnclosedQuote", "yy 'abc", "09 abc"}),
    [](const ::testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

struct ParseCase {
    const char* name;
    const char* text;
    const char* format;
    char separator;
    int year, month, day; // 0 when the text is refused
};
std::ostream& operator<<(std::ostream& os, const ParseCase& c) {
    return os << c.name;
}

class DateTimeUtilsStrToDate : public ::testing::TestWithParam<ParseCase> {};

TEST_P(DateTimeUtilsStrToDate, ReadsInThePatternsOrder) {
    const ParseCase& c = GetParam();
    if (c.year == 0) {
        try {
            StrToDate(c.text, c.format, c.separator);
            FAIL() << "accepted";
        } catch (const EConvertError& e) {
            EXPECT_NE(e.Message().find(c.text), std::string::npos) << e.Message();
        }
        return;
    }
    EXPECT_EQ(StrToDate(c.text, c.format, c.separator), EncodeDate(c.year, c.month, c.day));
}

INSTANTIATE_TEST_SUITE_P(
    ShortDates, DateTimeUtilsStrToDate,
    ::testing::Values(ParseCase{"YearFirst", "2009-03-02", "yyyy-MM-dd", '-', 2009, 3, 2},
                      ParseCase{"DayFirst", "2.3.2009", "dd.MM.yyyy", '.', 2009, 3, 2},
                      ParseCase{"MonthFirst", "03/02/2009", "MM/dd/yyyy", '/', 2009, 3, 2},
                      ParseCase{"BlanksAround", "  2009-3-2 ", "yyyy-MM-dd", '-', 2009, 3, 2},
                      ParseCase{"TwoDigitYearLow", "49-01-01", "yy-MM-dd", '-', 2049, 1, 1},
                      ParseCase{"TwoDigitYearHigh", "50-01-01", "yy-MM-dd", '-', 1950, 1, 1},
                      ParseCase{"ImpossibleDate", "2009-02-30", "yyyy-MM-dd", '-', 0, 0, 0},
                      ParseCase{"WrongSeparator", "2009.03.02", "yyyy-MM-dd", '-', 0, 0, 0},
                      ParseCase{"TrailingText", "2009-03-02x", "yyyy-MM-dd", '-', 0, 0, 0},
                      ParseCase{"FourNumbers", "2009-03-02-01", "yyyy-MM-dd", '-', 0, 0, 0},
                      ParseCase{"FiveDigitNumber", "20090-03-02", "yyyy-MM-dd", '-', 0, 0, 0},
                      ParseCase{"OneNumber", "2009", "yyyy-MM-dd", '-', 0, 0, 0},
                      ParseCase{"Empty", "", "yyyy-MM-dd", '-', 0, 0, 0}),
    [](const ::testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

TEST(DateTimeUtils, StrToDateReadsTheSystemFormat) {
    platform::LocaleSettings settings = PolishLocale();
    settings.ShortDateFormat = "dd.MM.yyyy";
    settings.DateSeparator = '.';
    platform::ScopedLocale locale(settings);
    EXPECT_EQ(StrToDate("02.03.2009"), EncodeDate(2009, 3, 2));
    EXPECT_THROW(StrToDate("2009-03-02"), EConvertError);
}

} // namespace
