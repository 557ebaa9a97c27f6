#include "base/ExceptionHandler.h"

#include <utility>

namespace {

struct InstalledHandler {
    TExceptionEvent handler;
    const void* owner = nullptr;
};

InstalledHandler& Slot() {
    static InstalledHandler slot;
    return slot;
}

} // namespace

void InstallApplicationExceptionHandler(TExceptionEvent handler, const void* owner) {
    InstalledHandler& slot = Slot();
    slot.owner = handler ? owner : nullptr;
    slot.handler = std::move(handler);
}

void RemoveApplicationExceptionHandler() {
    InstalledHandler& slot = Slot();
    slot.handler = nullptr;
    slot.owner = nullptr;
}

bool IsApplicationExceptionHandlerInstalled() {
    return static_cast<bool>(Slot().handler);
}

const void* ApplicationExceptionHandlerOwner() {
    return Slot().owner;
}

bool CallApplicationExceptionHandler(TObject* sender, const std::exception* e) {
    // A copy, so that a handler that removes or replaces itself while it runs stays alive.
    TExceptionEvent handler = Slot().handler;
    if (!handler) return false;
    handler(sender, e);
    return true;
}
