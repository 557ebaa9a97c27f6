#include "platform/win32/Wide.h"

#include "platform/Cp1250.h"

namespace platform::win32 {

std::wstring Wide(const std::string& text) {
    std::u16string u = cp1250::ToUtf16(text);
    return std::wstring(u.begin(), u.end());
}

std::string Narrow(const std::wstring& text) {
    std::u16string u(text.begin(), text.end());
    return cp1250::FromUtf16(u);
}

} // namespace platform::win32
