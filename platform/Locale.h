#pragma once
// The process-wide locale settings that the number and date rules read.
#include <string>

#include "platform/Export.h"

namespace platform {

struct VXLUMO_API LocaleSettings {
    char DecimalSeparator = ',';
    char ThousandSeparator = ' ';
    char DateSeparator = '-';
    char TimeSeparator = ':';
    // Patterns in the usual letters: yyyy/yy year, MM/M month, dd/d day, HH/H hour, mm minute, ss second.
    std::string ShortDateFormat = "yyyy-MM-dd";
    std::string TimeFormat = "HH:mm:ss";
};

// The one settings object. Starts with the conventions of a Polish Windows; on Windows
// LoadSystemLocale() fills it from the user's locale (the library does so when it loads).
VXLUMO_API LocaleSettings& Locale();

// Windows: the user's locale. Elsewhere: the Polish Windows defaults above.
VXLUMO_API void LoadSystemLocale();

// Sets the settings for the lifetime of the object and puts the old ones back afterwards.
class VXLUMO_API ScopedLocale {
public:
    explicit ScopedLocale(const LocaleSettings& settings) : saved_(Locale()) { Locale() = settings; }
    ~ScopedLocale() { Locale() = saved_; }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

private:
    LocaleSettings saved_;
};

}  // namespace platform
