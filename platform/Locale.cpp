#include "platform/Locale.h"

namespace platform {

LocaleSettings& Locale() {
    static LocaleSettings settings;
    return settings;
}

}  // namespace platform
