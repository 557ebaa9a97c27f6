#include "base/MLogfile.h"

#include <cstdio>
#include <string>

#include "platform/System.h"

std::string TemporaryFormatLogTime(const platform::LocalDateTime& t, TdtTools::TdtFormat format) {
    char buf[64];
    switch (format) {
    case TdtTools::fmtDateLN:
        std::snprintf(buf, sizeof buf, "%d-%02d-%02d", t.Year, t.Month, t.Day);
        break;
    case TdtTools::fmtTimeHM:
        std::snprintf(buf, sizeof buf, "%02d:%02d", t.Hour, t.Minute);
        break;
    case TdtTools::fmtTimeHMS:
        std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", t.Hour, t.Minute, t.Second);
        break;
    case TdtTools::fmtTimeHMSms:
        std::snprintf(buf, sizeof buf, "%02d:%02d:%02d.%03d", t.Hour, t.Minute, t.Second, t.Millisecond);
        break;
    case TdtTools::fmtSQLAnyDateTime:
    case TdtTools::fmtASE11:
        std::snprintf(buf, sizeof buf, "%d/%02d/%02d %02d:%02d:%02d", t.Year, t.Month, t.Day, t.Hour,
                      t.Minute, t.Second);
        break;
    default:
        std::snprintf(buf, sizeof buf, "%d%02d%02d%02d%02d%02d%03d", t.Year, t.Month, t.Day, t.Hour, t.Minute,
                      t.Second, t.Millisecond);
        break;
    }
    return buf;
}

TMLogfile::~TMLogfile() {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    TMCustomFile::SetActive(false);
}

bool TMLogfile::GetActive() const {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    return TMCustomFile::GetActive();
}

void TMLogfile::SetActive(bool value) {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    if (value == TMCustomFile::GetActive()) return;
    TMCustomFile::SetActive(value);
    if (value) SetPointer(GetSize());
}

TdtTools::TdtFormat TMLogfile::GetDTFormat() const {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    return dtFormat_;
}

void TMLogfile::SetDTFormat(TdtTools::TdtFormat format) {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    dtFormat_ = format;
}

void TMLogfile::Log(std::string_view text) {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    CheckActive(true);
    if (text.empty()) return;

    char id[16];
    std::snprintf(id, sizeof id, "%08X", static_cast<unsigned>(platform::CurrentThreadId()));
    std::string prefix = "[";
    prefix += id;
    prefix += "] ";
    prefix += TemporaryFormatLogTime(platform::LocalNow(), dtFormat_);
    prefix += "> ";
    const std::string indent(prefix.size(), ' ');

    // The whole entry goes in one write, so that a reader never sees half of it.
    std::string entry;
    entry.reserve(text.size() + 2 * prefix.size() + 8);
    std::size_t start = 0;
    bool first = true;
    while (start < text.size()) {
        std::size_t stop = text.find_first_of("\r\n", start);
        std::size_t next;
        if (stop == std::string_view::npos) {
            stop = text.size();
            next = stop;
        } else {
            next = stop + ((text[stop] == '\r' && stop + 1 < text.size() && text[stop + 1] == '\n') ? 2 : 1);
        }
        entry += first ? prefix : indent;
        entry.append(text.substr(start, stop - start));
        entry += "\r\n";
        first = false;
        start = next;
    }
    DoWrite(entry.data(), static_cast<std::int64_t>(entry.size()));
}
