#pragma once
// One date-time value with its texts in the library's named formats, Polish day and month names
// and a Monday-based week number.
#include <string>

#include "base/DateTimeUtils.h"
#include "platform/Export.h"

class VXLUMO_API TdtTools {
public:
    enum TdtFormat {
        fmtDate,              // the system short date format
        fmt4YDate,            // the same with a four-digit year
        fmtTime,              // the system time format (written only)
        fmtTimeHM,            // hh:mm
        fmtTimeHMS,           // hh:mm:ss
        fmtTimeHMSms,         // hh:mm:ss.mmm
        fmtDateTime,          // date and time in the system formats
        fmt4YDateTime,        // four-digit-year date, blank, system time
        fmtASE11,             // yyyy/mm/dd hh:nn:ss (written only)
        fmtSQLAnyDate,        // yyyy/mm/dd (written only)
        fmtSQLAnyDateTime,    // yyyy/mm/dd hh:nn:ss (written only)
        fmtCompileDate,       // Mar 09 2026
        fmtDateLN,            // year-mm-dd
        fmtDateTimeCompressed // yyyymmddhhnnssmmm
    };

    TdtTools(); // now
    explicit TdtTools(TDateTime value) : value_(value) {}

    TDateTime Value() const { return value_; }
    TDateTime Date() const; // time 00:00
    TDateTime Time() const; // day count 0

    // Throws Exception (EConvertError for an impossible time or date where the format leaves that
    // to the system) and keeps the old value.
    TdtTools& FromString(const std::string& text, TdtFormat format);
    std::string ToString(TdtFormat format) const;
    std::string ToDBField(TdtFormat format) const; // quoted for a database statement

    // 1, 0 or -1 as this date (time ignored) is after, equal to or before the other's.
    int DateCompare(TDateTime other) const;
    int DayOfWeekPl() const; // 1 Monday .. 7 Sunday
    // Days before the year's first Monday belong to the last week of the previous year.
    int WeekOfYearPl(bool& previousYear) const;
    static TDateTime FirstMondayOfYear(int year);

    static std::string DayOfWeekNamePl(int day, bool shortForm);
    static std::string MonthNamePl(int month, bool shortForm);
    std::string ToDayOfWeekNamePl(bool shortForm) const;
    std::string ToMonthNamePl(bool shortForm) const;

    // The system short date format with its year written with four letters.
    static std::string Short4YFormat();

private:
    TDateTime value_;
};
