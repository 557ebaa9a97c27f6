#pragma once
// Marks the library's exported class interface. Inside the library (and in programs that link
// its objects statically) the classes are exported; consumers of the DLL import them.
#if defined(_WIN32)
#if defined(VXLUMO_BUILDING)
#define VXLUMO_API __declspec(dllexport)
#else
#define VXLUMO_API __declspec(dllimport)
#endif
#else
#define VXLUMO_API __attribute__((visibility("default")))
#endif
