#pragma once
// The scale maker's connection library as its callers see it: eight functions in the cdecl
// convention with undecorated names. Texts are zero-terminated 8-bit strings. Narrow arguments
// travel in full stack slots; only their low bits count.
#include <cstdint>

#if defined(_WIN32)
#define CASPRTC_CALL __cdecl
#else
#define CASPRTC_CALL
#endif

#if defined(CASPRTC_BUILDING)
#if defined(_WIN32)
#define CASPRTC_API __declspec(dllexport)
#else
#define CASPRTC_API __attribute__((visibility("default")))
#endif
#else
#define CASPRTC_API
#endif

// The record the library hands to the caller's callbacks, by value: 24 bytes.
struct CasCallbackRecord {
    std::int32_t Event; // 1 connected, 2 disconnected
    std::int32_t Port;  // TCP port of the connection
    std::int32_t Index; // position of the connection in the library's list
    std::int32_t Reserved[3];
};
static_assert(sizeof(CasCallbackRecord) == 24);

typedef std::int32_t(CASPRTC_CALL* CasCallback)(CasCallbackRecord record);

extern "C" {
// kind 1 (TCP/IP) with the name of the communication library; non-zero on success.
CASPRTC_API std::int32_t CASPRTC_CALL SetCommLibrary(std::uint8_t kind, const char* library);
// Registers a protocol interpreter under the key (group, model); non-zero on success.
CASPRTC_API std::int32_t CASPRTC_CALL AddInterpreter(std::uint8_t group, std::uint16_t model,
                                                     const char* library);
// block: 7 bytes, byte 0 set by the caller (3: the communication library's information). Fills
// byte 2 and 3 with the version (major, minor) and bytes 4 to 6 with the date of the last change
// (day, month, year of the century). Non-zero on success.
CASPRTC_API std::int32_t CASPRTC_CALL GetLibraryInfo(std::uint8_t* block, const char* name);
// Registers a connection to the scale at address:port (it is opened by Connect). The interpreter
// key must have been registered. timeout in milliseconds for each answer, retry the number of
// connection attempts. Non-zero when registered.
CASPRTC_API std::int32_t CASPRTC_CALL AddProcConnection(std::uint8_t kind, const char* address,
                                                        std::uint16_t port, std::uint8_t group,
                                                        std::uint16_t model, std::uint16_t timeout,
                                                        std::uint16_t retry, std::uint8_t last,
                                                        CasCallback data, CasCallback notify);
// Opens the registered connections to the address (index -1: all of them, else the one at that
// position). Non-zero when the scale answered.
CASPRTC_API std::int32_t CASPRTC_CALL Connect(const char* address, std::int32_t index);
// 1 when the scale at the address is connected and answers; 0 otherwise.
CASPRTC_API std::int32_t CASPRTC_CALL IsConnect(const char* address, std::int32_t index);
// Closes connections to the address ("ALL": every one) but keeps them registered.
CASPRTC_API std::int32_t CASPRTC_CALL Disconnect(const char* address, std::int32_t index);
// Closes and forgets connections to the address ("ALL": every one). Non-zero on success.
CASPRTC_API std::int32_t CASPRTC_CALL DeleteConnection(const char* address, std::int32_t index);
}
