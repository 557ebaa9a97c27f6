#pragma once
// The locale settings of a Polish Windows, set explicitly for each test.
#include "platform/Locale.h"

namespace tools_test {

inline platform::LocaleSettings PolishLocale() {
    platform::LocaleSettings s;
    s.DecimalSeparator = ',';
    s.ThousandSeparator = ' ';
    s.DateSeparator = '-';
    s.TimeSeparator = ':';
    s.ShortDateFormat = "yyyy-MM-dd";
    s.TimeFormat = "HH:mm:ss";
    return s;
}

// A locale with a day-first, two-digit-year date and a short time.
inline platform::LocaleSettings DottedLocale() {
    platform::LocaleSettings s = PolishLocale();
    s.DecimalSeparator = '.';
    s.DateSeparator = '.';
    s.ShortDateFormat = "dd.MM.yy";
    s.TimeFormat = "H:mm";
    return s;
}

} // namespace tools_test
