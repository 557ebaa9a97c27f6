#include "DriverLibrary.h"

#include <type_traits>

namespace skxhost {

DriverLibrary::~DriverLibrary() {
    platform::FreeLibrary(handle_);
}

bool DriverLibrary::Load(const std::string& path, std::string& error) {
    handle_ = platform::LoadLibrary(path);
    if (!handle_) {
        error = "cannot load " + path + ": " + platform::LibraryError();
        return false;
    }
    bool ok = true;
    auto find = [&](auto& fn, const char* name) {
        fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(platform::LibrarySymbol(handle_, name));
        if (!fn) {
            error += std::string(error.empty() ? "" : ", ") + name;
            ok = false;
        }
    };
    find(TypBiblioteki, "SKXDLLTypBiblioteki");
    find(Wlasciwosci, "SKXDLLWlasciwosci");
    find(WlasciwosciUrzadzenia, "SKXDLLWlasciwosciUrzadzenia");
    find(RejestrujBiblioteke, "SKXDLLRejestrujBiblioteke");
    find(RejestrujCallback, "SKXDLLRejestrujCallback");
    find(ZwolnijBiblioteke, "SKXDLLZwolnijBiblioteke");
    find(Parametr, "SKXDLLParametr");
    find(TekstListyParametru, "SKXDLLTekstListyParametru");
    find(SerKasJakSzukacParagonu, "SKXDLLSerKasJakSzukacParagonu");
    find(SerKasOpisOkna, "SKXDLLSerKasOpisOkna");
    find(SerKasPokazOkno, "SKXDLLSerKasPokazOkno");
    find(SerKasNazwaZasobuDzielonego, "SKXDLLSerKasNazwaZasobuDzielonego");
    find(SerKasOperacja, "SKXDLLSerKasOperacja");
    find(SerKasPodtrzymajSesje, "SKXDLLSerKasPodtrzymajSesje");
    if (!ok) error = path + " lacks the entry points " + error;
    return ok;
}

} // namespace skxhost
