// Every date-time format read from any text: the first byte picks the format and the locale.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/Exception.h"
#include "base/TdtTools.h"
#include "platform/Locale.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    platform::LocaleSettings settings;
    if (data[0] & 0x80) {
        settings.ShortDateFormat = "dd.MM.yy";
        settings.DateSeparator = '.';
    }
    platform::ScopedLocale locale(settings);
    const auto format = static_cast<TdtTools::TdtFormat>(data[0] % 16);
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    TdtTools t(0.0);
    try {
        t.FromString(text, format);
    } catch (const Exception&) {
        if (t.Value() != 0.0) __builtin_trap(); // a failed read keeps the old value
        return 0;
    }
    // Whatever was read can be written again.
    try {
        (void)t.ToString(TdtTools::fmtDateTimeCompressed);
        (void)t.ToString(format);
    } catch (const Exception&) {
    }
    return 0;
}
