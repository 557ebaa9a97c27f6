#include "base/MLogfile.h"

#include <cstdio>
#include <string>

#include "base/TdtTools.h"
#include "platform/System.h"

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
    prefix += TdtTools().ToString(dtFormat_);
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
