#pragma once
// The window that owns the library's message boxes (the host's main window), and the boxes.
#include <functional>
#include <string>

#include "platform/Export.h"

namespace platform {

using WindowHandle = void*;

VXLUMO_API WindowHandle OwnerWindow();
VXLUMO_API void SetOwnerWindow(WindowHandle window);

// Button sets and answers of a message box, as Windows numbers them.
enum : int { mbOk = 0, mbIconWarning = 0x30 };
enum : int { idOk = 1 };

// Shows a plain message box owned by OwnerWindow() and returns the answer. Without a windowing
// system the text goes to the error output and the answer is OK.
VXLUMO_API int ShowMessageBox(const std::string& text, const std::string& caption, int flags);

// Tests replace the box by their own handler; an empty handler restores the box.
using MessageBoxHandler = std::function<int(const std::string& text, const std::string& caption, int flags)>;
VXLUMO_API void SetMessageBoxHandler(MessageBoxHandler handler);

} // namespace platform
