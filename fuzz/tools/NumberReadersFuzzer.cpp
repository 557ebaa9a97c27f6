// The number readers of user input and database text, in both precisions.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/Exception.h"
#include "base/TfTools.h"
#include "platform/Locale.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    platform::LocaleSettings settings;
    settings.DecimalSeparator = (data[0] & 1) ? '.' : ',';
    platform::ScopedLocale locale(settings);
    const int decimals = static_cast<int>(data[0] >> 1) % 20 - 4;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    try {
        TfTools f(1);
        f.FromString(text, decimals, (data[0] & 2) != 0);
        (void)f.ToString(0, decimals);
    } catch (const Exception&) {
    }
    try {
        TxfTools xf(1);
        xf.FromString(text, decimals, true);
    } catch (const Exception&) {
    }
    (void)TfTools().FromDBField(text).ToDBField(decimals, 12);
    (void)TxfTools().FromDBField(text).ToString(0, decimals);
    return 0;
}
