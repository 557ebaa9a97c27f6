#include "platform/Library.h"

#include "platform/win32/WindowsApi.h"

#include "platform/System.h"
#include "platform/win32/Wide.h"

namespace platform {

LibraryHandle LoadLibrary(const std::string& path) {
    return reinterpret_cast<LibraryHandle>(::LoadLibraryW(win32::Wide(path).c_str()));
}

void* LibrarySymbol(LibraryHandle library, const char* name) {
    if (!library) return nullptr;
    return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(library), name));
}

void FreeLibrary(LibraryHandle library) {
    if (library) ::FreeLibrary(static_cast<HMODULE>(library));
}

std::string LibraryError() {
    return SystemErrorMessage(::GetLastError());
}

std::string LibraryFileName(const std::string& name) {
    return name + ".dll";
}

} // namespace platform
