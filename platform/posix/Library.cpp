#include "platform/Library.h"

#include <dlfcn.h>

#include "platform/Cp1250.h"

namespace platform {

LibraryHandle LoadLibrary(const std::string& path) {
    return ::dlopen(cp1250::ToUtf8(path).c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* LibrarySymbol(LibraryHandle library, const char* name) { return library ? ::dlsym(library, name) : nullptr; }

void FreeLibrary(LibraryHandle library) {
    if (library) ::dlclose(library);
}

std::string LibraryError() {
    const char* e = ::dlerror();
    return e ? cp1250::FromUtf8(e) : std::string();
}

std::string LibraryFileName(const std::string& name) { return "lib" + name + ".so"; }

}  // namespace platform
