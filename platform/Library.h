#pragma once
// Loading a shared library by path and finding its functions.
#include <string>

#include "platform/Export.h"

namespace platform {

using LibraryHandle = void*;

// nullptr when it cannot be loaded; LibraryError() then tells why.
VXLUMO_API LibraryHandle LoadLibrary(const std::string& path);
VXLUMO_API void* LibrarySymbol(LibraryHandle library, const char* name);
VXLUMO_API void FreeLibrary(LibraryHandle library);
VXLUMO_API std::string LibraryError();
// The platform's file name of a library: "name.dll" on Windows, "libname.so" elsewhere.
VXLUMO_API std::string LibraryFileName(const std::string& name);

}  // namespace platform
