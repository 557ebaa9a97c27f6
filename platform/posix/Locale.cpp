#include "platform/Locale.h"

namespace platform {

// There is no Windows user locale here: the settings keep the Polish Windows defaults.
void LoadSystemLocale() { Locale() = LocaleSettings{}; }

}  // namespace platform
