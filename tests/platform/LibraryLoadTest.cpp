#include <gtest/gtest.h>

#include "platform/Library.h"
#include "platform/System.h"

namespace {

std::string LibraryPath() {
#ifdef VX_LIBRARY_NAME
    // Under wine the test runs beside the DLL.
    return platform::ExecutableDirectory() + VX_LIBRARY_NAME;
#else
    return VX_LIBRARY_PATH;
#endif
}

TEST(LibraryLoad, TheSharedLibraryLoadsAndShowsItsInterface) {
    platform::LibraryHandle lib = platform::LoadLibrary(LibraryPath());
    ASSERT_NE(lib, nullptr) << platform::LibraryError();
    EXPECT_EQ(platform::LibrarySymbol(lib, "no_such_export"), nullptr);
    platform::FreeLibrary(lib);
}

}  // namespace
