#include <gtest/gtest.h>

#include <cmath>

#include "ToolsLocale.h"
#include "base/Exception.h"
#include "base/TdtTools.h"
#include "platform/Cp1250.h"

namespace {

using tools_test::DottedLocale;
using tools_test::PolishLocale;
using F = TdtTools::TdtFormat;

TDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return CombineDateTime(EncodeDate(y, mo, d), EncodeTime(h, mi, s, ms));
}

std::string Pl(std::string_view s) {
    return std::string(s);
}

struct WriteCase {
    const char* name;
    bool dotted; // the day-first locale instead of the Polish one
    TDateTime value;
    F format;
    std::string expected;
};
std::ostream& operator<<(std::ostream& os, const WriteCase& c) {
    return os << c.name;
}

class TdtToolsToString : public ::testing::TestWithParam<WriteCase> {};

TEST_P(TdtToolsToString, WritesTheFormat) {
    const WriteCase& c = GetParam();
    platform::ScopedLocale locale(c.dotted ? DottedLocale() : PolishLocale());
    EXPECT_EQ(TdtTools(c.value).ToString(c.format), c.expected);
}

const TDateTime kSample = At(2009, 3, 2, 14, 5, 6, 7);

INSTANTIATE_TEST_SUITE_P(
    Formats, TdtToolsToString,
    ::testing::Values(
        WriteCase{"Date", false, kSample, TdtTools::fmtDate, "2009-03-02"},
        WriteCase{"Date4Y", false, kSample, TdtTools::fmt4YDate, "2009-03-02"},
        WriteCase{"Time", false, kSample, TdtTools::fmtTime, "14:05:06"},
        WriteCase{"TimeHM", false, At(1899, 12, 30, 7, 5, 3, 9), TdtTools::fmtTimeHM, "07:05"},
        WriteCase{"TimeHMS", false, kSample, TdtTools::fmtTimeHMS, "14:05:06"},
        WriteCase{"TimeHMSms", false, At(1899, 12, 30, 7, 5, 3, 9), TdtTools::fmtTimeHMSms, "07:05:03.009"},
        WriteCase{"DateTime", false, kSample, TdtTools::fmtDateTime, "2009-03-02 14:05:06"},
        WriteCase{"DateTime4Y", false, kSample, TdtTools::fmt4YDateTime, "2009-03-02 14:05:06"},
        WriteCase{"ASE11", false, kSample, TdtTools::fmtASE11, "2009/03/02 14:05:06"},
        WriteCase{"SQLAnyDate", false, kSample, TdtTools::fmtSQLAnyDate, "2009/03/02"},
        WriteCase{"SQLAnyDateTime", false, kSample, TdtTools::fmtSQLAnyDateTime, "2009/03/02 14:05:06"},
        WriteCase{"CompileDate", false, kSample, TdtTools::fmtCompileDate, "Mar 02 2009"},
        WriteCase{"DateLN", false, kSample, TdtTools::fmtDateLN, "2009-03-02"},
        WriteCase{"DateLNShortYear", false, At(987, 1, 5), TdtTools::fmtDateLN, "987-01-05"},
        WriteCase{"Compressed", false, kSample, TdtTools::fmtDateTimeCompressed, "20090302140506007"},
        WriteCase{"CompressedPadsTheYear", false, At(987, 1, 5), TdtTools::fmtDateTimeCompressed,
                  "09870105000000000"},
        WriteCase{"DottedDate", true, kSample, TdtTools::fmtDate, "02.03.09"},
        WriteCase{"DottedDate4Y", true, kSample, TdtTools::fmt4YDate, "02.03.2009"},
        WriteCase{"DottedTime", true, kSample, TdtTools::fmtTime, "14:05"},
        WriteCase{"DottedDateTime", true, kSample, TdtTools::fmtDateTime, "02.03.09 14:05"},
        WriteCase{"DottedDateTime4Y", true, kSample, TdtTools::fmt4YDateTime, "02.03.2009 14:05"}),
    [](const ::testing::TestParamInfo<WriteCase>& info) { return std::string(info.param.name); });

TEST(TdtTools, ToStringRefusesUnknownFormatsAndImpossibleValues) {
    platform::ScopedLocale locale(PolishLocale());
    try {
        TdtTools(kSample).ToString(static_cast<F>(14));
        FAIL() << "written";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "[TdtTools] Format wyświetlania 14 nie jest obsługiwany"_pl);
    }
    try {
        TdtTools(1e12).ToString(TdtTools::fmt4YDate);
        FAIL() << "written";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "[TdtTools] Błąd tworzenia formatu daty"_pl);
    }
    EXPECT_THROW(TdtTools(std::nan("")).ToString(TdtTools::fmtDateTimeCompressed), EConvertError);
}

const std::string kDateError = Pl("[TdtTools] Błąd wprowadzania daty. Poprawny format: "_pl);
const std::string kTimeError = Pl("[TdtTools] Błąd wprowadzania czasu. Poprawny format: HH:MM[:SS[.mmm]]"_pl);
const std::string kCompileError = Pl("[TdtTools] Błąd formatu daty"_pl);
const std::string kLNError = Pl("[TdtTools] Błąd wprowadzania daty. Poprawny format: YYYY-MM-DD"_pl);
const std::string kCompressedError =
    Pl("[TdtTools] Błąd wprowadzania daty i czasu. Poprawny format: YYYYMMDDHHNNSSmmm"_pl);
const std::string kConvert = "EConvertError"; // the system's conversion error, whatever its text

struct ReadCase {
    const char* name;
    bool dotted;
    const char* text;
    F format;
    TDateTime expected;
    std::string error; // the exact message, kConvert for an EConvertError, empty when read
};
std::ostream& operator<<(std::ostream& os, const ReadCase& c) {
    return os << c.name;
}

class TdtToolsFromString : public ::testing::TestWithParam<ReadCase> {};

TEST_P(TdtToolsFromString, ReadsOrRefusesKeepingTheOldValue) {
    const ReadCase& c = GetParam();
    platform::ScopedLocale locale(c.dotted ? DottedLocale() : PolishLocale());
    TdtTools t(123.5);
    if (c.error.empty()) {
        EXPECT_DOUBLE_EQ(t.FromString(c.text, c.format).Value(), c.expected);
        return;
    }
    try {
        t.FromString(c.text, c.format);
        ADD_FAILURE() << "read as " << t.Value();
    } catch (const EConvertError& e) {
        EXPECT_EQ(kConvert, c.error) << e.Message();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.ClassName(), "Exception");
        EXPECT_EQ(e.Message(), c.error);
    }
    EXPECT_EQ(t.Value(), 123.5);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, TdtToolsFromString,
    ::testing::Values(
        ReadCase{"DateAnySeparator", false, "2009.3/2", TdtTools::fmtDate, At(2009, 3, 2), ""},
        ReadCase{"DateTrimmed", false, " 2009,03,02 ", TdtTools::fmtDate, At(2009, 3, 2), ""},
        ReadCase{"DateImpossible", false, "2009-02-30", TdtTools::fmtDate, 0, kDateError + "yyyy-MM-dd"},
        ReadCase{"DateGarbage", false, "abc", TdtTools::fmtDate, 0, kDateError + "yyyy-MM-dd"},
        ReadCase{"DottedTwoDigitYear", true, "2-3-09", TdtTools::fmtDate, At(2009, 3, 2), ""},
        ReadCase{"Dotted4YAccepted", true, "02.03.2009", TdtTools::fmt4YDate, At(2009, 3, 2), ""},
        ReadCase{"Dotted4YNeedsFourDigits", true, "02.03.09", TdtTools::fmt4YDate, 0,
                 kDateError + "dd.MM.yyyy"},
        ReadCase{"Date4YBadDate", false, "2009-13-01", TdtTools::fmt4YDate, 0, kDateError + "yyyy-MM-dd"}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Times, TdtToolsFromString,
    ::testing::Values(
        ReadCase{"ShortParts", false, "7:5", TdtTools::fmtTimeHM, EncodeTime(7, 5, 0, 0), ""},
        ReadCase{"PointSeparator", false, "7.5", TdtTools::fmtTimeHMS, EncodeTime(7, 5, 0, 0), ""},
        ReadCase{"OneDigitMilliseconds", false, "07:05:03:9", TdtTools::fmtTimeHM, EncodeTime(7, 5, 3, 9),
                 ""},
        ReadCase{"WrittenForm", false, " 07:05:03.009 ", TdtTools::fmtTimeHMSms, EncodeTime(7, 5, 3, 9), ""},
        ReadCase{"OtherSeparators", false, "7;5|3\\12", TdtTools::fmtTimeHMS, EncodeTime(7, 5, 3, 12), ""},
        ReadCase{"ClosingColon", false, "7:05:", TdtTools::fmtTimeHM, EncodeTime(7, 5, 0, 0), ""},
        ReadCase{"Dash", false, "7-05", TdtTools::fmtTimeHM, 0, kTimeError},
        ReadCase{"LetterAfterMinutes", false, "7:5x", TdtTools::fmtTimeHM, 0, kTimeError},
        ReadCase{"HourOnly", false, "7", TdtTools::fmtTimeHM, 0, kTimeError},
        ReadCase{"ThreeDigitHour", false, "123:00", TdtTools::fmtTimeHM, 0, kTimeError},
        ReadCase{"FourDigitMilliseconds", false, "1:2:3:4567", TdtTools::fmtTimeHMSms, 0, kTimeError},
        ReadCase{"FifthPart", false, "1:2:3:4:5", TdtTools::fmtTimeHMSms, 0, kTimeError},
        ReadCase{"Empty", false, "", TdtTools::fmtTimeHM, 0, kTimeError},
        ReadCase{"Hour24", false, "24:00", TdtTools::fmtTimeHM, 0, kConvert},
        ReadCase{"Minute60", false, "7:60", TdtTools::fmtTimeHM, 0, kConvert}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    DateTimes, TdtToolsFromString,
    ::testing::Values(
        ReadCase{"DateAndTime", false, "2009-03-02 12:30", TdtTools::fmtDateTime, At(2009, 3, 2, 12, 30), ""},
        ReadCase{"TabAndSeconds", false, " 2009-03-02\t \t12:30:15 ", TdtTools::fmtDateTime,
                 At(2009, 3, 2, 12, 30, 15), ""},
        ReadCase{"DateAlone", false, "2009-03-02", TdtTools::fmtDateTime, At(2009, 3, 2), ""},
        ReadCase{"TimeAlone", false, "12:30", TdtTools::fmtDateTime, EncodeTime(12, 30, 0, 0), ""},
        ReadCase{"FourDigitDateAndTime", true, "02.03.2009 12:30", TdtTools::fmt4YDateTime,
                 At(2009, 3, 2, 12, 30), ""},
        ReadCase{"FourDigitDateAlone", true, "02.03.2009", TdtTools::fmt4YDateTime, At(2009, 3, 2), ""},
        ReadCase{"FourDigitsMissing", true, "02.03.09 12:30", TdtTools::fmt4YDateTime, 0,
                 kDateError + "dd.MM.yyyy"},
        ReadCase{"BadTimePart", false, "2009-03-02 12-30", TdtTools::fmtDateTime, 0, kTimeError},
        ReadCase{"ImpossibleTimePart", false, "2009-03-02 25:00", TdtTools::fmtDateTime, 0, kConvert},
        ReadCase{"Neither", false, "x", TdtTools::fmtDateTime, 0, kDateError + "yyyy-MM-dd"},
        ReadCase{"Empty", false, "  ", TdtTools::fmtDateTime, 0, kDateError + "yyyy-MM-dd"}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    CompileDates, TdtToolsFromString,
    ::testing::Values(
        ReadCase{"Abbreviation", false, "Mar 9 2026", TdtTools::fmtCompileDate, At(2026, 3, 9), ""},
        ReadCase{"FullNameUpper", false, "MARCH  9  2026", TdtTools::fmtCompileDate, At(2026, 3, 9), ""},
        ReadCase{"LinesAndTabs", false, "\r\njul\t31\n1999", TdtTools::fmtCompileDate, At(1999, 7, 31), ""},
        ReadCase{"AugustBeforeApril", false, "Aug 01 2000", TdtTools::fmtCompileDate, At(2000, 8, 1), ""},
        ReadCase{"UnknownMonth", false, "Xyz 9 2026", TdtTools::fmtCompileDate, 0, kCompileError},
        ReadCase{"YearTooEarly", false, "Mar 9 1899", TdtTools::fmtCompileDate, 0, kCompileError},
        ReadCase{"DayNotANumber", false, "Mar x 2026", TdtTools::fmtCompileDate, 0, kCompileError},
        ReadCase{"DayTooBig", false, "Mar 32 2026", TdtTools::fmtCompileDate, 0, kCompileError},
        ReadCase{"TwoWords", false, "Mar 9", TdtTools::fmtCompileDate, 0, kCompileError},
        ReadCase{"ImpossibleDate", false, "Feb 30 2026", TdtTools::fmtCompileDate, 0, kConvert},
        ReadCase{"YearBeyondCalendar", false, "Feb 3 20260", TdtTools::fmtCompileDate, 0, kConvert}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    LongDates, TdtToolsFromString,
    ::testing::Values(ReadCase{"ShortYear", false, "09-3-2", TdtTools::fmtDateLN, At(2009, 3, 2), ""},
                      ReadCase{"Year69", false, "69/1/1", TdtTools::fmtDateLN, At(2069, 1, 1), ""},
                      ReadCase{"Year70", false, "70.1.1", TdtTools::fmtDateLN, At(1970, 1, 1), ""},
                      ReadCase{"OtherSeparators", false, " 2009_03=02 ", TdtTools::fmtDateLN, At(2009, 3, 2),
                               ""},
                      ReadCase{"YearTooEarly", false, "1899 3 2", TdtTools::fmtDateLN, 0, kLNError},
                      ReadCase{"ImpossibleDate", false, "2009-02-30", TdtTools::fmtDateLN, 0, kLNError},
                      ReadCase{"MonthTooBig", false, "2009-13-01", TdtTools::fmtDateLN, 0, kLNError},
                      ReadCase{"YearNotANumber", false, "a-1-1", TdtTools::fmtDateLN, 0, kLNError},
                      ReadCase{"TwoParts", false, "2009-03", TdtTools::fmtDateLN, 0, kLNError},
                      ReadCase{"HugeYear", false, "99999999999-1-1", TdtTools::fmtDateLN, 0, kLNError}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Compressed, TdtToolsFromString,
    ::testing::Values(
        ReadCase{"Full", false, "20090302140506007", TdtTools::fmtDateTimeCompressed, kSample, ""},
        ReadCase{"DateOnly", false, "20090302", TdtTools::fmtDateTimeCompressed, At(2009, 3, 2), ""},
        ReadCase{"LettersSkipped", false, "ts=200903021405", TdtTools::fmtDateTimeCompressed,
                 At(2009, 3, 2, 14, 5), ""},
        ReadCase{"NoMilliseconds", false, "20090302140506", TdtTools::fmtDateTimeCompressed,
                 At(2009, 3, 2, 14, 5, 6), ""},
        ReadCase{"TrailingTextIgnored", false, "20090302 14", TdtTools::fmtDateTimeCompressed, At(2009, 3, 2),
                 ""},
        ReadCase{"Empty", false, "", TdtTools::fmtDateTimeCompressed, 0, kCompressedError},
        ReadCase{"NoDigits", false, "abc", TdtTools::fmtDateTimeCompressed, 0, kCompressedError},
        ReadCase{"ShortDate", false, "2009030", TdtTools::fmtDateTimeCompressed, 0, kCompressedError},
        ReadCase{"HourWithoutMinute", false, "2009030214", TdtTools::fmtDateTimeCompressed, 0,
                 kCompressedError},
        ReadCase{"OneSecondDigit", false, "2009030214051", TdtTools::fmtDateTimeCompressed, 0,
                 kCompressedError},
        ReadCase{"ImpossibleDate", false, "20090230", TdtTools::fmtDateTimeCompressed, 0, kCompressedError},
        ReadCase{"ImpossibleTime", false, "200903022460", TdtTools::fmtDateTimeCompressed, 0,
                 kCompressedError}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Unsupported, TdtToolsFromString,
    ::testing::Values(ReadCase{"Time", false, "12:00:00", TdtTools::fmtTime, 0,
                               Pl("[TdtTools] Konwersja według formatu 2 nie jest obsługiwana"_pl)},
                      ReadCase{"ASE11", false, "2009/03/02 14:05:06", TdtTools::fmtASE11, 0,
                               Pl("[TdtTools] Konwersja według formatu 8 nie jest obsługiwana"_pl)},
                      ReadCase{"SQLAnyDateTime", false, "2009/03/02", TdtTools::fmtSQLAnyDateTime, 0,
                               Pl("[TdtTools] Konwersja według formatu 10 nie jest obsługiwana"_pl)},
                      ReadCase{"OutOfTheList", false, "1", static_cast<F>(-3), 0,
                               Pl("[TdtTools] Konwersja według formatu -3 nie jest obsługiwana"_pl)}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(TdtTools, CompressedFormatRoundTrips) {
    for (TDateTime v :
         {kSample, At(1, 1, 1), At(9999, 12, 31, 23, 59, 59, 999), At(1899, 12, 29, 6, 0, 0, 1)}) {
        const std::string text = TdtTools(v).ToString(TdtTools::fmtDateTimeCompressed);
        EXPECT_EQ(TdtTools()
                      .FromString(text, TdtTools::fmtDateTimeCompressed)
                      .ToString(TdtTools::fmtDateTimeCompressed),
                  text);
        EXPECT_NEAR(TdtTools().FromString(text, TdtTools::fmtDateTimeCompressed).Value(), v, 1e-9) << text;
    }
}

TEST(TdtTools, DateAndTimeSplitTheValue) {
    EXPECT_EQ(TdtTools(40000.75).Date(), 40000);
    EXPECT_DOUBLE_EQ(TdtTools(40000.75).Time(), 0.75);
    EXPECT_EQ(TdtTools(-1.25).Date(), -1);
    EXPECT_DOUBLE_EQ(TdtTools(-1.25).Time(), 0.25);
    EXPECT_EQ(TdtTools(At(2009, 3, 2, 23, 59, 59, 999)).DateCompare(At(2009, 3, 2, 0, 0, 0, 1)), 0);
    EXPECT_EQ(TdtTools(At(2009, 3, 2)).DateCompare(At(2009, 3, 3)), -1);
    EXPECT_EQ(TdtTools(At(2009, 3, 2)).DateCompare(At(2009, 3, 1, 23)), 1);
    EXPECT_NEAR(TdtTools().Value(), Now(), 1.0);
}

TEST(TdtTools, ToDBFieldQuotesTheText) {
    platform::ScopedLocale locale(PolishLocale());
    EXPECT_EQ(TdtTools(kSample).ToDBField(TdtTools::fmtDate), "'2009-03-02'");
}

struct WeekCase {
    const char* name;
    TDateTime date;
    int dayOfWeek, week;
    bool previousYear;
};
std::ostream& operator<<(std::ostream& os, const WeekCase& c) {
    return os << c.name;
}

class TdtToolsWeek : public ::testing::TestWithParam<WeekCase> {};

TEST_P(TdtToolsWeek, CountsFromTheFirstMonday) {
    const WeekCase& c = GetParam();
    bool previous = !c.previousYear;
    EXPECT_EQ(TdtTools(c.date).DayOfWeekPl(), c.dayOfWeek);
    EXPECT_EQ(TdtTools(c.date).WeekOfYearPl(previous), c.week);
    EXPECT_EQ(previous, c.previousYear);
}

INSTANTIATE_TEST_SUITE_P(Weeks, TdtToolsWeek,
                         ::testing::Values(WeekCase{"BeforeFirstMonday", At(2026, 1, 1, 12), 4, 52, true},
                                           WeekCase{"FirstMonday", At(2026, 1, 5), 1, 1, false},
                                           WeekCase{"Sunday", At(2026, 1, 11, 23), 7, 1, false},
                                           WeekCase{"SecondMonday", At(2026, 1, 12), 1, 2, false},
                                           WeekCase{"YearStartingOnMonday", At(2024, 1, 1), 1, 1, false},
                                           WeekCase{"LastDayOfLeapYear", At(2024, 12, 31), 2, 53, false}),
                         [](const ::testing::TestParamInfo<WeekCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(TdtTools, FirstMondayOfYear) {
    EXPECT_EQ(TdtTools::FirstMondayOfYear(2024), At(2024, 1, 1));
    EXPECT_EQ(TdtTools::FirstMondayOfYear(2026), At(2026, 1, 5));
    EXPECT_EQ(TdtTools::FirstMondayOfYear(2023), At(2023, 1, 2));
}

TEST(TdtTools, PolishNamesAndEmptyOutsideTheTables) {
    const std::string days[] = {Pl("poniedziałek"_pl), "wtorek", Pl("środa"_pl), "czwartek",
                                Pl("piątek"_pl),       "sobota", "niedziela"};
    const std::string shortDays[] = {"pn", "wt", Pl("śr"_pl), "cz", "pt", "sb", "nd"};
    for (int d = 1; d <= 7; ++d) {
        EXPECT_EQ(TdtTools::DayOfWeekNamePl(d, false), days[d - 1]);
        EXPECT_EQ(TdtTools::DayOfWeekNamePl(d, true), shortDays[d - 1]);
    }
    EXPECT_EQ(TdtTools::MonthNamePl(1, false), Pl("styczeń"_pl));
    EXPECT_EQ(TdtTools::MonthNamePl(10, false), Pl("październik"_pl));
    EXPECT_EQ(TdtTools::MonthNamePl(10, true), Pl("paź"_pl));
    EXPECT_EQ(TdtTools::MonthNamePl(12, true), "gru");
    for (int bad : {0, 8, -1}) EXPECT_EQ(TdtTools::DayOfWeekNamePl(bad, false), "");
    for (int bad : {0, 13}) {
        EXPECT_EQ(TdtTools::MonthNamePl(bad, false), "");
        EXPECT_EQ(TdtTools::MonthNamePl(bad, true), "");
    }
    EXPECT_EQ(TdtTools(At(2026, 3, 8)).ToDayOfWeekNamePl(false), "niedziela");
    EXPECT_EQ(TdtTools(At(2026, 8, 8)).ToMonthNamePl(false), Pl("sierpień"_pl));
}

struct PatternCase {
    const char* shortDate;
    const char* expected;
};
std::ostream& operator<<(std::ostream& os, const PatternCase& c) {
    return os << c.shortDate;
}

class TdtToolsShort4Y : public ::testing::TestWithParam<PatternCase> {};

TEST_P(TdtToolsShort4Y, WritesTheYearWithFourLetters) {
    platform::LocaleSettings settings = PolishLocale();
    settings.ShortDateFormat = GetParam().shortDate;
    platform::ScopedLocale locale(settings);
    EXPECT_EQ(TdtTools::Short4YFormat(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, TdtToolsShort4Y,
    ::testing::Values(PatternCase{"yy-MM-dd", "yyyy-MM-dd"}, PatternCase{"dd.MM.yyyy", "dd.MM.yyyy"},
                      PatternCase{"d/M/y", "d/M/yyyy"}, PatternCase{"RR-MM-dd", "RRRR-MM-dd"},
                      PatternCase{"yy.MM.dd Y", "yyyy.MM.dd "}, PatternCase{"dd.MM", "dd.MM"}));

} // namespace
