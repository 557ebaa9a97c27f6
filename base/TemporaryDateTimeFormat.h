#pragma once
// TEMPORARY. The names of the date-time text formats while the date-time tools are built
// elsewhere, with a small formatter for the log's time stamps. It goes as soon as TdtTools
// joins this branch.
#include <string>

#include "platform/System.h"

class TdtTools {
public:
    enum TdtFormat {
        fmtDate,
        fmt4YDate,
        fmtTime,
        fmtTimeHM,
        fmtTimeHMS,
        fmtTimeHMSms,
        fmtDateTime,
        fmt4YDateTime,
        fmtASE11,
        fmtSQLAnyDate,
        fmtSQLAnyDateTime,
        fmtCompileDate,
        fmtDateLN,
        fmtDateTimeCompressed
    };
};

// The stamp of a log entry; formats without a fixed pattern here fall back to the compressed
// one (yyyymmddhhnnssmmm).
std::string TemporaryFormatLogTime(const platform::LocalDateTime& t, TdtTools::TdtFormat format);
