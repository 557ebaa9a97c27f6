// The fourteen entry points of the host interface. No exception ever leaves one of them.
#include "base/Exception.h"
#include "driver/HostText.h"
#include "driver/KSAction.h"
#include "driver/Operations.h"
#include "driver/SKXDLL.h"
#include "driver/VXLumo.h"
#include "driver/VXLumoParams.h"
#include "platform/Cp1250.h"
#include "platform/OwnerWindow.h"

namespace {

TKSLibrary* AsLibrary(void* library) {
    if (!library) throw Exception("brak biblioteki");
    return static_cast<TKSLibrary*>(library);
}

// Runs an action's call; a failure is reported through the action and the default is returned.
template <class T, class F>
T Guarded(TKSActionBase& action, std::string_view operationName, T fallback, F call) {
    try {
        return call();
    } catch (const Exception& e) {
        action.ReportError(std::string(operationName), &e);
    } catch (...) {
        action.ReportError(std::string(operationName), nullptr);
    }
    return fallback;
}

} // namespace

extern "C" {

SKXDLL_EXPORT std::int32_t SKX_STDCALL SKXDLLTypBiblioteki() {
    try {
        return 2;
    } catch (...) {
        return 1;
    }
}

SKXDLL_EXPORT void SKX_STDCALL SKXDLLWlasciwosci(char* buffer, std::int32_t property) {
    try {
        hosttext::CopyToBuffer(buffer, hosttext::Trim(vxparams::LibraryProperty(property)));
    } catch (...) {
        if (buffer) buffer[0] = '\0';
    }
}

SKXDLL_EXPORT void SKX_STDCALL SKXDLLWlasciwosciUrzadzenia(void* library, std::int32_t actionId, char* buffer,
                                                           std::int32_t property) {
    try {
        auto action = AsLibrary(library)->CreateAction(actionId);
        std::string text = Guarded(*action, "właściwości urządzenia"_pl, std::string(),
                                   [&] { return action->DeviceProperty(property); });
        action.reset();
        hosttext::CopyToBuffer(buffer, hosttext::Trim(text));
    } catch (...) {
        if (buffer) buffer[0] = '\0';
    }
}

SKXDLL_EXPORT void* SKX_STDCALL SKXDLLRejestrujBiblioteke(std::int32_t hostData, std::int32_t, std::int32_t,
                                                          void* window) {
    TKSLibrary* library = nullptr;
    try {
        library = new TVXLumoLibrary(hostData);
    } catch (...) {
        return nullptr;
    }
    try {
        if (window != platform::OwnerWindow()) platform::SetOwnerWindow(window);
    } catch (...) {
    }
    return library;
}

SKXDLL_EXPORT void SKX_STDCALL SKXDLLRejestrujCallback(void* library, TSKXCallback callback,
                                                       std::int32_t type) {
    try {
        AsLibrary(library)->RegisterCallback(callback, type);
    } catch (...) {
    }
}

SKXDLL_EXPORT void SKX_STDCALL SKXDLLZwolnijBiblioteke(void* library) {
    try {
        delete static_cast<TKSLibrary*>(library);
    } catch (...) {
    }
}

SKXDLL_EXPORT std::int32_t SKX_STDCALL SKXDLLParametr(std::int32_t group, std::int32_t index, char* name,
                                                      char* caption, char* defaultValue, char* minimum,
                                                      char* maximum, std::int32_t* flags) {
    try {
        TVXParamInfo info = vxparams::Parameter(group, index);
        hosttext::CopyToBuffer(name, info.name);
        hosttext::CopyToBuffer(caption, info.caption);
        hosttext::CopyToBuffer(defaultValue, info.defaultValue);
        hosttext::CopyToBuffer(minimum, info.minimum);
        hosttext::CopyToBuffer(maximum, info.maximum);
        if (flags) *flags = 0;
        return info.type;
    } catch (...) {
        return 0;
    }
}

SKXDLL_EXPORT std::int32_t SKX_STDCALL SKXDLLTekstListyParametru(const char* parameterName,
                                                                 std::int32_t index, char* buffer) {
    try {
        std::string text = hosttext::Trim(vxparams::ListText(hosttext::FromBuffer(parameterName), index));
        hosttext::CopyToBuffer(buffer, text);
        return text.empty() ? 0 : 1;
    } catch (...) {
        return 0;
    }
}

SKXDLL_EXPORT std::int32_t SKX_STDCALL SKXDLLSerKasJakSzukacParagonu(void* library, std::int32_t actionId,
                                                                     std::int32_t a, std::int32_t b,
                                                                     std::int32_t c) {
    try {
        auto action = AsLibrary(library)->CreateAction(actionId);
        bool how = Guarded(*action, "jak szukać paragonu"_pl, false,
                           [&] { return action->HowToFindReceipt(a, b, c); });
        return static_cast<std::int32_t>(static_cast<std::uint8_t>(how));
    } catch (...) {
        return 0;
    }
}

SKXDLL_EXPORT std::int32_t SKX_STDCALL SKXDLLSerKasOpisOkna(char* buffer, std::int32_t) {
    try {
        std::string description; // this driver has no device window
        hosttext::CopyToBuffer(buffer, description);
        return description.empty() ? 0 : 1;
    } catch (...) {
        return 0;
    }
}

SKXDLL_EXPORT std::int32_t SKX_STDCALL SKXDLLSerKasPokazOkno(void* library, std::int32_t actionId,
                                                             std::int32_t first, std::int32_t flag,
                                                             std::int32_t second, std::int32_t third) {
    try {
        TKSLibrary* lib = AsLibrary(library);
        auto action = lib->CreateAction(actionId);
        return Guarded(*action, "wyświetlanie okna"_pl, 0,
                       [&] { return lib->ShowDeviceWindow(action.get(), first, flag != 0, second, third); });
    } catch (...) {
        return 0;
    }
}

SKXDLL_EXPORT void SKX_STDCALL SKXDLLSerKasNazwaZasobuDzielonego(void* library, std::int32_t actionId,
                                                                 char* buffer) {
    try {
        hosttext::CopyToBuffer(buffer, "");
        auto action = AsLibrary(library)->CreateAction(actionId);
        std::string name = Guarded(*action, "identyfikacja zasobu dzielonego"_pl, std::string(),
                                   [&] { return action->SharedResourceName(); });
        action.reset();
        hosttext::CopyToBuffer(buffer, name);
    } catch (...) {
    }
}

SKXDLL_EXPORT std::int32_t SKX_STDCALL SKXDLLSerKasOperacja(void* library, std::int32_t actionId,
                                                            std::int32_t* session, char* text,
                                                            std::int32_t operationCode,
                                                            std::int32_t operationArg) {
    try {
        return skxops::RunOperation(AsLibrary(library), actionId, session, text, operationCode, operationArg);
    } catch (...) {
        try {
            platform::ShowMessageBox(std::string("Wyjątek w SKXDLLSerKasOperacja"_pl), "Uwaga!!!",
                                     platform::mbOk);
        } catch (...) {
        }
        return 0;
    }
}

SKXDLL_EXPORT void SKX_STDCALL SKXDLLSerKasPodtrzymajSesje(void* library, std::int32_t* session, char* text,
                                                           std::int32_t value, std::int32_t flag) {
    try {
        skxops::KeepSession(static_cast<TKSLibrary*>(library), session, text, value, flag);
    } catch (...) {
    }
}

} // extern "C"
