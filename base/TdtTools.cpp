#include "base/TdtTools.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

#include "base/Exception.h"
#include "base/TextBasics.h"
#include "base/TxTools.h"
#include "platform/Cp1250.h"
#include "platform/Locale.h"

namespace {

constexpr double kMsPerDay = 86400000.0;

using text_basics::IsDigit;
using text_basics::Trim;

std::string Replace(std::string s, const std::string& set, char by) {
    for (char& c : s)
        if (set.find(c) != std::string::npos) c = by;
    return s;
}

std::vector<std::string> Words(const std::string& s, const std::string& blanks) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && blanks.find(s[i]) != std::string::npos) ++i;
        const std::size_t b = i;
        while (i < s.size() && blanks.find(s[i]) == std::string::npos) ++i;
        if (i > b) words.push_back(s.substr(b, i - b));
    }
    return words;
}

// A decimal number with an optional sign; false for anything else or a number beyond int.
bool ReadInt(const std::string& s, int& value) {
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    if (i >= s.size()) return false;
    long long v = 0;
    for (; i < s.size(); ++i) {
        if (!IsDigit(s[i])) return false;
        v = v * 10 + (s[i] - '0');
        if (v > std::numeric_limits<int>::max()) return false;
    }
    value = static_cast<int>(negative ? -v : v);
    return true;
}

std::string Pad(int value, int width) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", width, value);
    return buf;
}

// The value's lowest width decimal digits, zero-padded.
void PutDigits(char* out, int value, int width) {
    for (int i = width - 1; i >= 0; --i, value /= 10) out[i] = static_cast<char>('0' + value % 10);
}

[[noreturn]] void Fail(std::string_view message) {
    throw Exception(std::string(message));
}

TDateTime ReadDate(const std::string& text, bool fourDigitYear) {
    const platform::LocaleSettings& locale = platform::Locale();
    const std::string s = Trim(Replace(text, ".-/,", locale.DateSeparator));
    const auto fail = [&]() {
        Fail(std::string("[TdtTools] Błąd wprowadzania daty. Poprawny format: "_pl) +
             (fourDigitYear ? TdtTools::Short4YFormat() : locale.ShortDateFormat));
    };
    if (fourDigitYear) {
        int run = 0, longest = 0;
        for (char c : s) longest = std::max(longest, run = IsDigit(c) ? run + 1 : 0);
        if (longest < 4) fail();
    }
    try {
        return StrToDate(s, locale.ShortDateFormat, locale.DateSeparator);
    } catch (const EConvertError&) {
        fail();
    }
    return 0;
}

// Reads digits at pos: at least minDigits, at most maxDigits.
bool ReadDigits(const std::string& s, std::size_t& pos, int minDigits, int maxDigits, int& value) {
    value = 0;
    int n = 0;
    while (n < maxDigits && pos < s.size() && IsDigit(s[pos])) value = value * 10 + (s[pos++] - '0'), ++n;
    return n >= minDigits;
}

// H[H]:M[M][:S[S][:m[m[m]]]], with any of ";.,/\|" standing for ":".
TDateTime ReadTime(const std::string& text) {
    const std::string s = Trim(Replace(text, ";.,/\\|", ':'));
    const auto fail = []() {
        Fail("[TdtTools] Błąd wprowadzania czasu. Poprawny format: HH:MM[:SS[.mmm]]"_pl);
    };
    std::size_t pos = 0;
    int parts[4] = {0, 0, 0, 0};
    if (!ReadDigits(s, pos, 1, 2, parts[0]) || pos >= s.size() || s[pos] != ':') fail();
    ++pos;
    if (!ReadDigits(s, pos, 1, 2, parts[1])) fail();
    for (int part = 2; pos < s.size(); ++part) {
        if (s[pos] != ':') fail();
        ++pos;
        if (pos == s.size()) break; // a closing ":" ends the text
        if (part > 3 || !ReadDigits(s, pos, 1, part == 3 ? 3 : 2, parts[part])) fail();
    }
    return EncodeTime(parts[0], parts[1], parts[2], parts[3]);
}

TDateTime ReadCompileDate(const std::string& text) {
    const auto fail = []() { Fail("[TdtTools] Błąd formatu daty"_pl); };
    const std::vector<std::string> w = Words(text, " \t\r\n");
    if (w.size() < 3) fail();
    static const char* const kPrefixes[] = {"JA",  "F",  "MAR", "AP", "MAY", "JUN",
                                            "JUL", "AU", "S",   "O",  "N",   "D"};
    const std::string first = cp1250::UpperCase(w[0]);
    int month = 0;
    for (int m = 0; m < 12 && month == 0; ++m)
        if (first.rfind(kPrefixes[m], 0) == 0) month = m + 1;
    int day = 0, year = 0;
    if (!ReadInt(w[1], day)) day = 0;
    if (!ReadInt(w[2], year)) year = 0;
    if (month == 0 || day < 1 || day > 31 || year < 1900) fail();
    return EncodeDate(year, month, day);
}

TDateTime ReadDateLN(const std::string& text) {
    const auto fail = []() { Fail("[TdtTools] Błąd wprowadzania daty. Poprawny format: YYYY-MM-DD"_pl); };
    const std::vector<std::string> w = Words(Trim(Replace(text, "-_=+.,/\\|", ' ')), " \t\r\n");
    int year = 0, month = 0, day = 0;
    if (w.size() < 3 || !ReadInt(w[0], year) || !ReadInt(w[1], month) || !ReadInt(w[2], day)) fail();
    if (year < 0) fail();
    if (year < 70)
        year += 2000;
    else if (year < 100)
        year += 1900;
    TDateTime result = 0;
    if (year < 1900 || month < 1 || month > 12 || day < 1 || day > 31 ||
        !TryEncodeDate(year, month, day, result))
        fail();
    return result;
}

TDateTime ReadCompressed(const std::string& s) {
    const auto fail = []() {
        Fail("[TdtTools] Błąd wprowadzania daty i czasu. Poprawny format: YYYYMMDDHHNNSSmmm"_pl);
    };
    std::size_t pos = 0;
    while (pos < s.size() && !IsDigit(s[pos])) ++pos;
    if (pos >= s.size()) fail();
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, ms = 0;
    if (!ReadDigits(s, pos, 4, 4, year) || !ReadDigits(s, pos, 2, 2, month) || !ReadDigits(s, pos, 2, 2, day))
        fail();
    if (pos < s.size() && IsDigit(s[pos])) {
        if (!ReadDigits(s, pos, 2, 2, hour) || !ReadDigits(s, pos, 2, 2, minute)) fail();
        if (pos < s.size() && IsDigit(s[pos])) {
            if (!ReadDigits(s, pos, 2, 2, second)) fail();
            if (pos < s.size() && IsDigit(s[pos]) && !ReadDigits(s, pos, 3, 3, ms)) fail();
        }
    }
    TDateTime date = 0, time = 0;
    if (!TryEncodeDate(year, month, day, date) || !TryEncodeTime(hour, minute, second, ms, time)) fail();
    return CombineDateTime(date, time);
}

TDateTime ReadDateTime(const std::string& text, bool fourDigitYear) {
    const std::vector<std::string> w = Words(Trim(text), " \t");
    const std::string first = w.empty() ? std::string() : w[0];
    if (w.size() < 2) {
        try {
            return ReadTime(first);
        } catch (const Exception&) {
            return ReadDate(first, fourDigitYear);
        }
    }
    return CombineDateTime(ReadDate(w[0], fourDigitYear), ReadTime(w[1]));
}

// Whole milliseconds from the epoch, as the value's parts are written.
bool ToMilliseconds(TDateTime value, long long& ms) {
    if (!(value > kMinDateTime - 1 && value < kMaxDateTime + 1)) return false;
    ms = std::llround(value * kMsPerDay);
    return true;
}

} // namespace

TdtTools::TdtTools() : value_(Now()) {}

TDateTime TdtTools::Date() const {
    long long ms = 0;
    if (!ToMilliseconds(value_, ms)) return std::trunc(value_);
    return static_cast<double>(ms / 86400000LL);
}

TDateTime TdtTools::Time() const {
    long long ms = 0;
    if (!ToMilliseconds(value_, ms)) return std::fabs(value_ - std::trunc(value_));
    return static_cast<double>((ms < 0 ? -ms : ms) % 86400000LL) / kMsPerDay;
}

TdtTools& TdtTools::FromString(const std::string& text, TdtFormat format) {
    switch (format) {
    case fmtDate:
    case fmt4YDate:
        value_ = ReadDate(text, format == fmt4YDate);
        break;
    case fmtTimeHM:
    case fmtTimeHMS:
    case fmtTimeHMSms:
        value_ = ReadTime(text);
        break;
    case fmtDateTime:
    case fmt4YDateTime:
        value_ = ReadDateTime(text, format == fmt4YDateTime);
        break;
    case fmtCompileDate:
        value_ = ReadCompileDate(text);
        break;
    case fmtDateLN:
        value_ = ReadDateLN(text);
        break;
    case fmtDateTimeCompressed:
        value_ = ReadCompressed(text);
        break;
    default:
        Fail(std::string("[TdtTools] Konwersja według formatu "_pl) +
             std::to_string(static_cast<int>(format)) + std::string(" nie jest obsługiwana"_pl));
    }
    return *this;
}

std::string TdtTools::ToString(TdtFormat format) const {
    const platform::LocaleSettings& locale = platform::Locale();
    switch (format) {
    case fmtDate:
        return FormatDateTime(locale.ShortDateFormat, value_);
    case fmtTime:
        return FormatDateTime(locale.TimeFormat, value_);
    case fmtDateTime:
        return FormatDateTime(locale.ShortDateFormat, value_) + " " +
               FormatDateTime(locale.TimeFormat, value_);
    case fmt4YDate:
    case fmt4YDateTime:
        try {
            std::string out = FormatDateTime(Short4YFormat(), value_);
            if (format == fmt4YDateTime) out += " " + FormatDateTime(locale.TimeFormat, value_);
            return out;
        } catch (const std::exception&) {
            Fail("[TdtTools] Błąd tworzenia formatu daty"_pl);
        }
    case fmtASE11:
    case fmtSQLAnyDateTime:
        return FormatDateTime("yyyy'/'mm'/'dd hh':'nn':'ss", value_);
    case fmtSQLAnyDate:
        return FormatDateTime("yyyy'/'mm'/'dd", value_);
    default:
        break;
    }
    if (format < fmtDate || format > fmtDateTimeCompressed)
        Fail(std::string("[TdtTools] Format wyświetlania "_pl) + std::to_string(static_cast<int>(format)) +
             std::string(" nie jest obsługiwany"_pl));
    const DateTimeParts p = DecodeDateTime(value_);
    switch (format) {
    case fmtTimeHM:
        return Pad(p.Hour, 2) + ":" + Pad(p.Minute, 2);
    case fmtTimeHMS:
        return Pad(p.Hour, 2) + ":" + Pad(p.Minute, 2) + ":" + Pad(p.Second, 2);
    case fmtTimeHMSms:
        return Pad(p.Hour, 2) + ":" + Pad(p.Minute, 2) + ":" + Pad(p.Second, 2) + "." + Pad(p.Millisecond, 3);
    case fmtCompileDate: {
        static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
        return std::string(kMonths[p.Month - 1]) + " " + Pad(p.Day, 2) + " " + std::to_string(p.Year);
    }
    case fmtDateLN:
        return std::to_string(p.Year) + "-" + Pad(p.Month, 2) + "-" + Pad(p.Day, 2);
    default: {
        // Written by hand: the exchange files stamp every record with this text.
        char buf[17];
        PutDigits(buf, p.Year, 4);
        PutDigits(buf + 4, p.Month, 2);
        PutDigits(buf + 6, p.Day, 2);
        PutDigits(buf + 8, p.Hour, 2);
        PutDigits(buf + 10, p.Minute, 2);
        PutDigits(buf + 12, p.Second, 2);
        PutDigits(buf + 14, p.Millisecond, 3);
        return std::string(buf, sizeof buf);
    }
    }
}

std::string TdtTools::ToDBField(TdtFormat format) const {
    return TxTools(ToString(format)).ToDBField(-1);
}

int TdtTools::DateCompare(TDateTime other) const {
    const TDateTime a = Date(), b = TdtTools(other).Date();
    return a > b ? 1 : (a < b ? -1 : 0);
}

int TdtTools::DayOfWeekPl() const {
    return (DayOfWeek(value_) + 5) % 7 + 1;
}

int TdtTools::WeekOfYearPl(bool& previousYear) const {
    const TDateTime d = Date();
    int year = 0, month = 0, day = 0;
    DecodeDate(d, year, month, day);
    TDateTime monday = FirstMondayOfYear(year);
    previousYear = monday > d;
    if (previousYear) monday = FirstMondayOfYear(year - 1);
    return static_cast<int>(d - monday) / 7 + 1;
}

TDateTime TdtTools::FirstMondayOfYear(int year) {
    const TdtTools first(EncodeDate(year, 1, 1));
    return first.Value() + (8 - first.DayOfWeekPl()) % 7;
}

std::string TdtTools::DayOfWeekNamePl(int day, bool shortForm) {
    return std::string(PolishDayName(day, shortForm));
}

std::string TdtTools::MonthNamePl(int month, bool shortForm) {
    return std::string(PolishMonthName(month, shortForm));
}

std::string TdtTools::ToDayOfWeekNamePl(bool shortForm) const {
    return DayOfWeekNamePl(DayOfWeekPl(), shortForm);
}

std::string TdtTools::ToMonthNamePl(bool shortForm) const {
    int year = 0, month = 0, day = 0;
    DecodeDate(value_, year, month, day);
    return MonthNamePl(month, shortForm);
}

std::string TdtTools::Short4YFormat() {
    std::string out;
    bool yearWritten = false;
    for (char c : platform::Locale().ShortDateFormat) {
        if (c == 'y' || c == 'Y' || c == 'r' || c == 'R') {
            if (!yearWritten) out.append(4, c);
            yearWritten = true;
        } else {
            out += c;
        }
    }
    return out;
}
