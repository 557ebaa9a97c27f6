#pragma once
// Date-time values and their conversions: a day count from 30 December 1899, the time of day as
// its fraction. Everything that formats or reads a date goes through these functions.
#include <string>
#include <string_view>

#include "platform/Export.h"
#include "platform/Locale.h"

using TDateTime = double;

// Valid range: 1 January 0001 .. 31 December 9999.
inline constexpr TDateTime kMinDateTime = -693593.0;
inline constexpr TDateTime kMaxDateTime = 2958466.0;

VXLUMO_API bool IsLeapYear(int year);
VXLUMO_API int DaysInMonth(int year, int month); // 0 for a month outside 1..12

VXLUMO_API bool TryEncodeDate(int year, int month, int day, TDateTime& result);
VXLUMO_API bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& result);
// Throw EConvertError for an impossible date or time.
VXLUMO_API TDateTime EncodeDate(int year, int month, int day);
VXLUMO_API TDateTime EncodeTime(int hour, int minute, int second, int millisecond);
// A date plus a time of day; dates before the epoch count their time away from it.
VXLUMO_API TDateTime CombineDateTime(TDateTime date, TDateTime time);

struct DateTimeParts {
    int Year = 0, Month = 0, Day = 0;
    int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};
// Splits a value, rounded to the millisecond. Throws EConvertError outside the valid range or
// for a value that is not a number.
VXLUMO_API DateTimeParts DecodeDateTime(TDateTime value);
VXLUMO_API void DecodeDate(TDateTime value, int& year, int& month, int& day);
VXLUMO_API void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& millisecond);
// 1 for Sunday .. 7 for Saturday, the platform's own numbering.
VXLUMO_API int DayOfWeek(TDateTime value);

VXLUMO_API TDateTime Now();

// Polish names of a day (1 Monday .. 7 Sunday) and of a month (1..12); empty for other numbers.
VXLUMO_API std::string_view PolishDayName(int isoDay, bool shortForm);
VXLUMO_API std::string_view PolishMonthName(int month, bool shortForm);

// Writes a value by a pattern. The letters (case-insensitive unless said otherwise):
//   y year (yy two digits, yyyy four, y without padding; r is a year letter too),
//   d day (dd padded, ddd/dddd Polish day name), M month (MM padded, MMM/MMMM Polish month name),
//   h hour (hh padded; 12-hour for a lowercase h when the pattern has a t), n minute, s second,
//   z millisecond (zzz padded), t/tt AM or PM, '/' the date separator, ':' the time separator,
//   text in '...' or "..." written as it is; every other character is copied.
// Both pattern conventions meet here: the platform's (m month, n minute, m after an hour is the
// minute) and Windows' locale patterns (MM month, mm minute): an uppercase M is always the month,
// a lowercase m is the minute when it follows an hour or comes before a second, else the month.
VXLUMO_API std::string FormatDateTime(const std::string& pattern, TDateTime value,
                                      const platform::LocaleSettings& locale);
VXLUMO_API std::string FormatDateTime(const std::string& pattern, TDateTime value);

// Reads a date by a short date pattern: day, month and year (or two of them: the current year
// fills in) as numbers between date separators, in the pattern's order; blanks around are
// allowed. A year of one or two digits means 1950..2049. Throws EConvertError.
VXLUMO_API TDateTime StrToDate(const std::string& text, const std::string& shortDateFormat,
                               char dateSeparator);
VXLUMO_API TDateTime StrToDate(const std::string& text); // the system's short date format
