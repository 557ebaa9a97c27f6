#pragma once
// The host interface of the scale driver: the fourteen entry points the SKX back-office host
// calls, and the callbacks it offers in return. Plain C types, so that any host can use it.
#include <cstdint>

#include "platform/Export.h"

#if defined(_WIN32)
#define SKX_STDCALL __stdcall
// The .def file exports the entry points under their plain names (no _Name@N in 32-bit DLLs).
#define SKXDLL_EXPORT
#else
#define SKX_STDCALL
#define SKXDLL_EXPORT __attribute__((visibility("default")))
#endif

// Every text handed back to the host goes into a buffer of at least this many bytes.
inline constexpr int kSkxTextBufferSize = 301;
// The exchange folder the host gives to an action.
inline constexpr int kSkxPathBufferSize = 261;

// The callback types the host can register (SKXDLLRejestrujCallback).
enum TSKXCallbackType : int {
    sctParamValue = 6,
    sctEnvironment = 11,
    sctAddLine = 12,
    sctReplaceLine = 13,
    sctListLine = 14,
    sctSaveExportResult = 16,
};

extern "C" {

// The host's callbacks. The first argument is the host's own value given at registration, the
// second the action id on whose behalf the driver calls.
typedef void(SKX_STDCALL* TSKXParamValueCallback)(std::int32_t hostData, std::int32_t actionId,
                                                  const char* name, char* value);
typedef void(SKX_STDCALL* TSKXEnvironmentCallback)(std::int32_t hostData, std::int32_t actionId,
                                                   std::int32_t* envNumber, std::int32_t* scaleNo,
                                                   char* text1, char* text2, char* workDir);
typedef void(SKX_STDCALL* TSKXLineCallback)(std::int32_t hostData, std::int32_t actionId,
                                            std::int32_t lineKind, const char* text);
typedef std::int32_t(SKX_STDCALL* TSKXListLineCallback)(std::int32_t hostData, std::int32_t actionId,
                                                        std::int32_t index, char* line);
typedef std::int32_t(SKX_STDCALL* TSKXSaveExportResultCallback)(std::int32_t hostData, std::int32_t actionId);
// The type in which every callback is stored.
typedef void(SKX_STDCALL* TSKXCallback)();

SKXDLL_EXPORT std::int32_t SKX_STDCALL SKXDLLTypBiblioteki();
SKXDLL_EXPORT void SKX_STDCALL SKXDLLWlasciwosci(char* buffer, std::int32_t property);
SKXDLL_EXPORT void SKX_STDCALL SKXDLLWlasciwosciUrzadzenia(void* library, std::int32_t actionId, char* buffer,
                                                        std::int32_t property);
SKXDLL_EXPORT void* SKX_STDCALL SKXDLLRejestrujBiblioteke(std::int32_t hostData, std::int32_t reserved1,
                                                       std::int32_t reserved2, void* window);
SKXDLL_EXPORT void SKX_STDCALL SKXDLLRejestrujCallback(void* library, TSKXCallback callback, std::int32_t type);
SKXDLL_EXPORT void SKX_STDCALL SKXDLLZwolnijBiblioteke(void* library);
SKXDLL_EXPORT std::int32_t SKX_STDCALL SKXDLLParametr(std::int32_t group, std::int32_t index, char* name,
                                                   char* caption, char* defaultValue, char* minimum,
                                                   char* maximum, std::int32_t* flags);
SKXDLL_EXPORT std::int32_t SKX_STDCALL SKXDLLTekstListyParametru(const char* parameterName, std::int32_t index,
                                                              char* buffer);
SKXDLL_EXPORT std::int32_t SKX_STDCALL SKXDLLSerKasJakSzukacParagonu(void* library, std::int32_t actionId,
                                                                  std::int32_t a, std::int32_t b,
                                                                  std::int32_t c);
SKXDLL_EXPORT std::int32_t SKX_STDCALL SKXDLLSerKasOpisOkna(char* buffer, std::int32_t reserved);
SKXDLL_EXPORT std::int32_t SKX_STDCALL SKXDLLSerKasPokazOkno(void* library, std::int32_t actionId,
                                                          std::int32_t first, std::int32_t flag,
                                                          std::int32_t second, std::int32_t third);
SKXDLL_EXPORT void SKX_STDCALL SKXDLLSerKasNazwaZasobuDzielonego(void* library, std::int32_t actionId,
                                                              char* buffer);
SKXDLL_EXPORT std::int32_t SKX_STDCALL SKXDLLSerKasOperacja(void* library, std::int32_t actionId,
                                                         std::int32_t* session, char* text,
                                                         std::int32_t operationCode,
                                                         std::int32_t operationArg);
SKXDLL_EXPORT void SKX_STDCALL SKXDLLSerKasPodtrzymajSesje(void* library, std::int32_t* session, char* text,
                                                        std::int32_t reserved, std::int32_t flag);

} // extern "C"

// Function pointer types of the entry points, for hosts that load the library by path.
typedef decltype(&SKXDLLTypBiblioteki) TSKXDLLTypBiblioteki;
typedef decltype(&SKXDLLWlasciwosci) TSKXDLLWlasciwosci;
typedef decltype(&SKXDLLWlasciwosciUrzadzenia) TSKXDLLWlasciwosciUrzadzenia;
typedef decltype(&SKXDLLRejestrujBiblioteke) TSKXDLLRejestrujBiblioteke;
typedef decltype(&SKXDLLRejestrujCallback) TSKXDLLRejestrujCallback;
typedef decltype(&SKXDLLZwolnijBiblioteke) TSKXDLLZwolnijBiblioteke;
typedef decltype(&SKXDLLParametr) TSKXDLLParametr;
typedef decltype(&SKXDLLTekstListyParametru) TSKXDLLTekstListyParametru;
typedef decltype(&SKXDLLSerKasJakSzukacParagonu) TSKXDLLSerKasJakSzukacParagonu;
typedef decltype(&SKXDLLSerKasOpisOkna) TSKXDLLSerKasOpisOkna;
typedef decltype(&SKXDLLSerKasPokazOkno) TSKXDLLSerKasPokazOkno;
typedef decltype(&SKXDLLSerKasNazwaZasobuDzielonego) TSKXDLLSerKasNazwaZasobuDzielonego;
typedef decltype(&SKXDLLSerKasOperacja) TSKXDLLSerKasOperacja;
typedef decltype(&SKXDLLSerKasPodtrzymajSesje) TSKXDLLSerKasPodtrzymajSesje;
