#include "platform/OwnerWindow.h"

namespace platform {

namespace {
WindowHandle g_owner = nullptr;
MessageBoxHandler& Handler() {
    static MessageBoxHandler handler;
    return handler;
}
} // namespace

int ShowSystemMessageBox(const std::string& text, const std::string& caption, int flags);

WindowHandle OwnerWindow() {
    return g_owner;
}
void SetOwnerWindow(WindowHandle window) {
    g_owner = window;
}
void SetMessageBoxHandler(MessageBoxHandler handler) {
    Handler() = std::move(handler);
}

int ShowMessageBox(const std::string& text, const std::string& caption, int flags) {
    if (Handler()) return Handler()(text, caption, flags);
    return ShowSystemMessageBox(text, caption, flags);
}

} // namespace platform
