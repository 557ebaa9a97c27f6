#pragma once
// The fixed tables between Windows-1250 and the Central European OEM code page 852, for systems
// that have no OEM conversion of their own.
#include <string>

namespace platform::oem {
std::string Cp1250ToCp852(const std::string& text);
std::string Cp852ToCp1250(const std::string& text);
}  // namespace platform::oem
