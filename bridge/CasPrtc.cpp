#include "bridge/CasPrtc.h"

#include <type_traits>

#include "base/Exception.h"
#include "platform/Cp1250.h"
#include "platform/Files.h"

namespace bridge {

std::string CasPrtcFileName() {
#ifdef _WIN32
    return "CASPRTC.DLL";
#else
    return "libcasprtc.so";
#endif
}

CasPrtcLibrary::CasPrtcLibrary(std::string folder) : folder_(std::move(folder)) {}

CasPrtcLibrary::CasPrtcLibrary(const CasPrtcFunctions& functions) : functions_(functions), loaded_(true) {}

CasPrtcLibrary::~CasPrtcLibrary() {
    if (handle_) platform::FreeLibrary(handle_);
}

const CasPrtcFunctions& CasPrtcLibrary::Functions() {
    if (loaded_) return functions_;
    std::string path = platform::JoinPath(folder_, CasPrtcFileName());
    if (!platform::FileExists(path))
        throw Exception(std::string("Brak biblioteki komunikacyjnej wagi "_pl) + CasPrtcFileName() +
                        std::string(" w folderze programu: "_pl) + folder_);
    platform::LibraryHandle handle = platform::LoadLibrary(path);
    if (!handle)
        throw Exception(std::string("Nie można załadować biblioteki komunikacyjnej wagi "_pl) + path + ": " +
                        platform::LibraryError());
    CasPrtcFunctions f;
    bool complete = true;
    auto bind = [&](auto& function, const char* name) {
        function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
            platform::LibrarySymbol(handle, name));
        if (!function) complete = false;
    };
    bind(f.SetCommLibrary, "SetCommLibrary");
    bind(f.AddInterpreter, "AddInterpreter");
    bind(f.GetLibraryInfo, "GetLibraryInfo");
    bind(f.AddProcConnection, "AddProcConnection");
    bind(f.Connect, "Connect");
    bind(f.IsConnect, "IsConnect");
    bind(f.DeleteConnection, "DeleteConnection");
    bind(f.Disconnect, "Disconnect");
    if (!complete) {
        platform::FreeLibrary(handle);
        throw Exception(std::string("Biblioteka komunikacyjna wagi "_pl) + path +
                        std::string(" nie ma wszystkich potrzebnych funkcji"_pl));
    }
    handle_ = handle;
    functions_ = f;
    loaded_ = true;
    return functions_;
}

} // namespace bridge
