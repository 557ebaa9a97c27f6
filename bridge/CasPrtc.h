#pragma once
// The scale maker's connection library (CASPRTC.DLL on Windows, libcasprtc.so elsewhere): the
// eight functions the bridge imports, cdecl, texts as zero-terminated 8-bit strings.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/Library.h"

namespace bridge {

// The record the library hands to the connection callbacks; its content is the library's.
struct CasCallbackRecord {
    std::uint8_t Bytes[24];
};
static_assert(sizeof(CasCallbackRecord) == 24);

#if defined(_WIN32) && !defined(_WIN64)
#define VX_CDECL __cdecl
#else
#define VX_CDECL
#endif

using CasCallback = int(VX_CDECL*)(CasCallbackRecord record);

// Arguments narrower than 32 bits travel in full 32-bit slots holding the value zero-extended,
// so that they read right whichever width the library declares for them.
struct CasPrtcFunctions {
    int(VX_CDECL* SetCommLibrary)(int kind, const char* library) = nullptr;
    int(VX_CDECL* AddInterpreter)(int group, int model, const char* library) = nullptr;
    int(VX_CDECL* GetLibraryInfo)(std::uint8_t* block, const char* text) = nullptr;
    int(VX_CDECL* AddProcConnection)(int kind, const char* address, int port, int group, int model,
                                     int timeout, int retry, int lastByte, CasCallback data,
                                     CasCallback notify) = nullptr;
    int(VX_CDECL* Connect)(const char* address, int flag) = nullptr;
    int(VX_CDECL* IsConnect)(const char* address, int flag) = nullptr;
    int(VX_CDECL* DeleteConnection)(const char* address, int flag) = nullptr;
    int(VX_CDECL* Disconnect)(const char* address, int flag) = nullptr;
};

// The library's file name on this platform.
std::string CasPrtcFileName();

// The connection library, loaded from a folder at first use and kept loaded for the run.
class CasPrtcLibrary {
public:
    explicit CasPrtcLibrary(std::string folder);
    // For tests: functions given directly, no file loaded.
    explicit CasPrtcLibrary(const CasPrtcFunctions& functions);
    ~CasPrtcLibrary();
    CasPrtcLibrary(const CasPrtcLibrary&) = delete;
    CasPrtcLibrary& operator=(const CasPrtcLibrary&) = delete;

    // The functions; loads the library first. Throws Exception with a Polish message when the
    // file is missing or lacks one of the functions.
    const CasPrtcFunctions& Functions();

private:
    std::string folder_;
    platform::LibraryHandle handle_ = nullptr;
    CasPrtcFunctions functions_;
    bool loaded_ = false;
};

} // namespace bridge
