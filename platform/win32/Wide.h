#pragma once
// Windows-1250 texts to and from the UTF-16 of the W calls.
#include <string>

namespace platform::win32 {
std::wstring Wide(const std::string& text);
std::string Narrow(const std::wstring& text);
}  // namespace platform::win32
