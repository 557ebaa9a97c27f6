#include "base/DateTimeUtils.h"

#include <cctype>
#include <cmath>
#include <cstdio>

#include "base/Exception.h"
#include "base/TextBasics.h"
#include "platform/Cp1250.h"
#include "platform/System.h"

namespace {

constexpr long long kMsPerDay = 86400000LL;

// Days from 1 January 1970 of a proleptic Gregorian date (H. Hinnant's algorithm).
constexpr long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(y + (month <= 2));
}

// 30 December 1899 counted from 1 January 1970.
constexpr long long kEpochOffset = DaysFromCivil(1899, 12, 30);

} // namespace

std::string_view PolishDayName(int isoDay, bool shortForm) {
    if (isoDay < 1 || isoDay > 7) return {};
    static constexpr std::string_view kLong[] = {"poniedziałek"_pl, "wtorek"_pl, "środa"_pl,    "czwartek"_pl,
                                                 "piątek"_pl,       "sobota"_pl, "niedziela"_pl};
    static constexpr std::string_view kShort[] = {"pn"_pl, "wt"_pl, "śr"_pl, "cz"_pl,
                                                  "pt"_pl, "sb"_pl, "nd"_pl};
    return shortForm ? kShort[isoDay - 1] : kLong[isoDay - 1];
}

std::string_view PolishMonthName(int month, bool shortForm) {
    if (month < 1 || month > 12) return {};
    static constexpr std::string_view kLong[] = {
        "styczeń"_pl, "luty"_pl,     "marzec"_pl,   "kwiecień"_pl,    "maj"_pl,      "czerwiec"_pl,
        "lipiec"_pl,  "sierpień"_pl, "wrzesień"_pl, "październik"_pl, "listopad"_pl, "grudzień"_pl};
    static constexpr std::string_view kShort[] = {"sty"_pl, "lut"_pl, "mar"_pl, "kwi"_pl, "maj"_pl, "cze"_pl,
                                                  "lip"_pl, "sie"_pl, "wrz"_pl, "paź"_pl, "lis"_pl, "gru"_pl};
    return shortForm ? kShort[month - 1] : kLong[month - 1];
}

namespace {

void AppendNumber(std::string& out, int value, int width) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", width, value);
    out += buf;
}

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

using text_basics::IsDigit;

} // namespace

bool IsLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return kDays[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

bool TryEncodeDate(int year, int month, int day, TDateTime& result) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return false;
    result = static_cast<double>(
        DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kEpochOffset);
    return true;
}

bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& result) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0 ||
        millisecond > 999)
        return false;
    const long long ms = ((hour * 60LL + minute) * 60 + second) * 1000 + millisecond;
    result = static_cast<double>(ms) / static_cast<double>(kMsPerDay);
    return true;
}

TDateTime EncodeDate(int year, int month, int day) {
    TDateTime result = 0;
    if (!TryEncodeDate(year, month, day, result)) {
        char buf[96];
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", year, month, day);
        throw EConvertError(std::string("Nieprawidłowa data: "_pl) + buf);
    }
    return result;
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond) {
    TDateTime result = 0;
    if (!TryEncodeTime(hour, minute, second, millisecond, result)) {
        char buf[96];
        std::snprintf(buf, sizeof buf, "%02d:%02d:%02d.%03d", hour, minute, second, millisecond);
        throw EConvertError(std::string("Nieprawidłowy czas: "_pl) + buf);
    }
    return result;
}

TDateTime CombineDateTime(TDateTime date, TDateTime time) {
    return date < 0 ? date - time : date + time;
}

DateTimeParts DecodeDateTime(TDateTime value) {
    if (!(value > kMinDateTime - 1 && value < kMaxDateTime + 1))
        throw EConvertError(std::string("Wartość daty i czasu poza zakresem"_pl));
    // Whole milliseconds; the date part counts towards zero, the time part is the distance from it.
    const long long total = std::llround(value * static_cast<double>(kMsPerDay));
    const long long days = total / kMsPerDay;
    const long long ms = (total < 0 ? -total : total) % kMsPerDay;
    DateTimeParts p;
    CivilFromDays(days + kEpochOffset, p.Year, p.Month, p.Day);
    if (p.Year < 1 || p.Year > 9999)
        throw EConvertError(std::string("Wartość daty i czasu poza zakresem"_pl));
    p.Hour = static_cast<int>(ms / 3600000);
    p.Minute = static_cast<int>(ms / 60000 % 60);
    p.Second = static_cast<int>(ms / 1000 % 60);
    p.Millisecond = static_cast<int>(ms % 1000);
    return p;
}

void DecodeDate(TDateTime value, int& year, int& month, int& day) {
    const DateTimeParts p = DecodeDateTime(value);
    year = p.Year;
    month = p.Month;
    day = p.Day;
}

void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& millisecond) {
    const DateTimeParts p = DecodeDateTime(value);
    hour = p.Hour;
    minute = p.Minute;
    second = p.Second;
    millisecond = p.Millisecond;
}

int DayOfWeek(TDateTime value) {
    const DateTimeParts p = DecodeDateTime(value);
    const long long days =
        DaysFromCivil(p.Year, static_cast<unsigned>(p.Month), static_cast<unsigned>(p.Day));
    // 1 January 1970 was a Thursday (5 in this numbering).
    return static_cast<int>(((days + 4) % 7 + 7) % 7) + 1;
}

TDateTime Now() {
    const platform::LocalDateTime t = platform::LocalNow();
    TDateTime date = 0, time = 0;
    TryEncodeDate(t.Year, t.Month, t.Day, date);
    TryEncodeTime(t.Hour, t.Minute, t.Second, t.Millisecond, time);
    return CombineDateTime(date, time);
}

std::string FormatDateTime(const std::string& pattern, TDateTime value,
                           const platform::LocaleSettings& locale) {
    const DateTimeParts p = DecodeDateTime(value);
    bool twelveHour = false; // an AM/PM letter outside quotes makes a lowercase h 12-hour
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '\'' || c == '"') {
            const std::size_t end = pattern.find(c, i + 1);
            if (end == std::string::npos) break;
            i = end;
        } else if (c == 't' || c == 'T') {
            twelveHour = true;
        }
    }
    std::string out;
    bool afterHour = false; // the last date-time letter written was an hour
    const std::size_t n = pattern.size();
    std::size_t i = 0;
    while (i < n) {
        const char c = pattern[i];
        if (c == '\'' || c == '"') {
            std::size_t end = pattern.find(c, i + 1);
            if (end == std::string::npos) end = n;
            out.append(pattern, i + 1, end - i - 1);
            i = end < n ? end + 1 : n;
            continue;
        }
        std::size_t run = 1;
        while (i + run < n && pattern[i + run] == c) ++run;
        const char l = Lower(c);
        if (l == 'y' || l == 'r') {
            if (run >= 3)
                AppendNumber(out, p.Year, 4);
            else
                AppendNumber(out, p.Year % 100, run == 2 ? 2 : 1);
            afterHour = false;
        } else if (l == 'd') {
            if (run >= 3) {
                const int iso = (DayOfWeek(value) + 5) % 7 + 1;
                out += PolishDayName(iso, run == 3);
            } else {
                AppendNumber(out, p.Day, static_cast<int>(run));
            }
            afterHour = false;
        } else if (c == 'M' || c == 'm') {
            bool minute = false;
            if (c == 'm') {
                std::size_t k = i + run; // a second letter coming next, past separators
                while (k < n && !std::isalpha(static_cast<unsigned char>(pattern[k])) && pattern[k] != '\'' &&
                       pattern[k] != '"')
                    ++k;
                minute = afterHour || (k < n && Lower(pattern[k]) == 's');
            }
            if (minute) {
                AppendNumber(out, p.Minute, run >= 2 ? 2 : 1);
            } else if (run >= 3) {
                out += PolishMonthName(p.Month, run == 3);
            } else {
                AppendNumber(out, p.Month, static_cast<int>(run));
            }
            afterHour = false;
        } else if (l == 'h') {
            int hour = p.Hour;
            if (c == 'h' && twelveHour) hour = hour % 12 == 0 ? 12 : hour % 12;
            AppendNumber(out, hour, run >= 2 ? 2 : 1);
            afterHour = true;
        } else if (l == 'n') {
            AppendNumber(out, p.Minute, run >= 2 ? 2 : 1);
            afterHour = false;
        } else if (l == 's') {
            AppendNumber(out, p.Second, run >= 2 ? 2 : 1);
            afterHour = false;
        } else if (l == 'z') {
            AppendNumber(out, p.Millisecond, run >= 3 ? 3 : 1);
            afterHour = false;
        } else if (l == 't') {
            out += p.Hour < 12 ? "AM" : "PM";
        } else if (c == '/') {
            out.append(run, locale.DateSeparator);
        } else if (c == ':') {
            out.append(run, locale.TimeSeparator);
        } else {
            out.append(run, c);
        }
        i += run;
    }
    return out;
}

std::string FormatDateTime(const std::string& pattern, TDateTime value) {
    return FormatDateTime(pattern, value, platform::Locale());
}

TDateTime StrToDate(const std::string& text, const std::string& shortDateFormat, char dateSeparator) {
    const auto fail = [&]() -> EConvertError {
        return EConvertError("'" + text + "' " + std::string("nie jest poprawną datą"_pl));
    };
    // The order of the parts is that of the first day, month or year letter of the pattern.
    enum { kYMD, kMDY, kDMY } order = kYMD;
    for (char c : shortDateFormat) {
        const char l = Lower(c);
        if (l == 'y' || l == 'r' || l == 'e') {
            order = kYMD;
            break;
        }
        if (l == 'm') {
            order = kMDY;
            break;
        }
        if (l == 'd') {
            order = kDMY;
            break;
        }
    }
    int numbers[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    int count = 0;
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ') ++i;
    for (;;) {
        if (count == 3 || i >= n || !IsDigit(text[i])) throw fail();
        long value = 0;
        int d = 0;
        while (i < n && IsDigit(text[i])) {
            if (++d > 4) throw fail();
            value = value * 10 + (text[i] - '0');
            ++i;
        }
        numbers[count] = static_cast<int>(value);
        digits[count] = d;
        ++count;
        if (i < n && text[i] == dateSeparator && dateSeparator != ' ') {
            ++i;
            continue;
        }
        break;
    }
    while (i < n && text[i] == ' ') ++i;
    if (i != n || count < 2) throw fail();
    int year = 0, month = 0, day = 0, yearDigits = 4;
    if (count == 2) {
        year = platform::LocalNow().Year;
        if (order == kDMY) {
            day = numbers[0];
            month = numbers[1];
        } else {
            month = numbers[0];
            day = numbers[1];
        }
    } else if (order == kYMD) {
        year = numbers[0];
        yearDigits = digits[0];
        month = numbers[1];
        day = numbers[2];
    } else if (order == kMDY) {
        month = numbers[0];
        day = numbers[1];
        year = numbers[2];
        yearDigits = digits[2];
    } else {
        day = numbers[0];
        month = numbers[1];
        year = numbers[2];
        yearDigits = digits[2];
    }
    if (yearDigits <= 2) year += year < 50 ? 2000 : 1900;
    TDateTime result = 0;
    if (!TryEncodeDate(year, month, day, result)) throw fail();
    return result;
}

TDateTime StrToDate(const std::string& text) {
    const platform::LocaleSettings& l = platform::Locale();
    return StrToDate(text, l.ShortDateFormat, l.DateSeparator);
}
