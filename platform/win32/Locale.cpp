#include "platform/Locale.h"

#include "platform/win32/WindowsApi.h"

#include "platform/win32/Wide.h"

namespace platform {
namespace {

std::string Info(LCTYPE type, const std::string& fallback) {
    wchar_t buf[128];
    int n = ::GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buf, 128);
    return n > 1 ? win32::Narrow(std::wstring(buf, n - 1)) : fallback;
}

// Windows writes minutes as "mm" in time formats and months as "MM" in date formats, which is
// the convention of our patterns too.
} // namespace

void LoadSystemLocale() {
    LocaleSettings s;
    s.DecimalSeparator = Info(LOCALE_SDECIMAL, ",")[0];
    std::string thousand = Info(LOCALE_STHOUSAND, " ");
    s.ThousandSeparator = thousand.empty() ? ' ' : thousand[0];
    s.ShortDateFormat = Info(LOCALE_SSHORTDATE, s.ShortDateFormat);
    std::string dateSep = Info(LOCALE_SDATE, "-");
    s.DateSeparator = dateSep.empty() ? '-' : dateSep[0];
    s.TimeFormat = Info(LOCALE_STIMEFORMAT, s.TimeFormat);
    std::string timeSep = Info(LOCALE_STIME, ":");
    s.TimeSeparator = timeSep.empty() ? ':' : timeSep[0];
    Locale() = s;
}

} // namespace platform
