#pragma once
// The operation protocol of SKXDLLSerKasOperacja: operation names, the session check, the record
// handed to the action and the text returned to the host.
#include <cstdint>
#include <string>

#include "driver/KSLibrary.h"

namespace skxops {

// The name of an operation code as the error texts show it.
VXLUMO_API std::string OperationName(int code);

// Runs one operation for the host; returns 1 when a session blocks it and 0 otherwise.
// Exceptions other than those of the operation itself pass on to the caller.
VXLUMO_API std::int32_t RunOperation(TKSLibrary* library, int actionId, std::int32_t* session, char* text,
                                     int operationCode, int operationArg);

// The session keep-alive; silent when the session check fails.
VXLUMO_API void KeepSession(TKSLibrary* library, std::int32_t* session, char* text, int value, int flag);

// How long an operation blocked by a session waits before it returns to the host.
VXLUMO_API void SetSessionWaitMs(unsigned milliseconds);

} // namespace skxops
