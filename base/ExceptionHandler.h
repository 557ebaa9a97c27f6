#pragma once
// The application's general exception handler: one process-wide slot that the error details
// dialog (or a program) fills, so that every exception shown by EMException::ShowExceptionNow
// goes there. Used from the user interface thread only.
#include <exception>
#include <functional>

#include "base/Object.h"

// The sender (none for the library itself) and the exception; the handler must not keep e.
using TExceptionEvent = std::function<void(TObject* sender, const std::exception* e)>;

// Installs the handler in place of any other. The owner identifies who installed it, so that a
// dialog can tell whether the installed handler is its own.
VXLUMO_API void InstallApplicationExceptionHandler(TExceptionEvent handler, const void* owner = nullptr);
// Removes the installed handler, whichever it was.
VXLUMO_API void RemoveApplicationExceptionHandler();
VXLUMO_API bool IsApplicationExceptionHandlerInstalled();
// The owner given when the installed handler was installed; none when nothing is installed.
VXLUMO_API const void* ApplicationExceptionHandlerOwner();
// Calls the installed handler with e; false when none is installed.
VXLUMO_API bool CallApplicationExceptionHandler(TObject* sender, const std::exception* e);
