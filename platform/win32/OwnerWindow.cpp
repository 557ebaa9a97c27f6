#include "platform/OwnerWindow.h"

#include "platform/win32/WindowsApi.h"

#include "platform/win32/Wide.h"

namespace platform {

int ShowSystemMessageBox(const std::string& text, const std::string& caption, int flags) {
    return ::MessageBoxW(static_cast<HWND>(OwnerWindow()), win32::Wide(text).c_str(),
                         win32::Wide(caption).c_str(), static_cast<UINT>(flags));
}

} // namespace platform
