#pragma once
// A driver library loaded by path, with its fourteen entry points.
#include <string>

#include "driver/SKXDLL.h"
#include "platform/Library.h"

namespace skxhost {

class DriverLibrary {
public:
    DriverLibrary() = default;
    ~DriverLibrary();
    DriverLibrary(const DriverLibrary&) = delete;
    DriverLibrary& operator=(const DriverLibrary&) = delete;

    // False with the reason in error when the library or one of its entry points is missing.
    bool Load(const std::string& path, std::string& error);

    TSKXDLLTypBiblioteki TypBiblioteki = nullptr;
    TSKXDLLWlasciwosci Wlasciwosci = nullptr;
    TSKXDLLWlasciwosciUrzadzenia WlasciwosciUrzadzenia = nullptr;
    TSKXDLLRejestrujBiblioteke RejestrujBiblioteke = nullptr;
    TSKXDLLRejestrujCallback RejestrujCallback = nullptr;
    TSKXDLLZwolnijBiblioteke ZwolnijBiblioteke = nullptr;
    TSKXDLLParametr Parametr = nullptr;
    TSKXDLLTekstListyParametru TekstListyParametru = nullptr;
    TSKXDLLSerKasJakSzukacParagonu SerKasJakSzukacParagonu = nullptr;
    TSKXDLLSerKasOpisOkna SerKasOpisOkna = nullptr;
    TSKXDLLSerKasPokazOkno SerKasPokazOkno = nullptr;
    TSKXDLLSerKasNazwaZasobuDzielonego SerKasNazwaZasobuDzielonego = nullptr;
    TSKXDLLSerKasOperacja SerKasOperacja = nullptr;
    TSKXDLLSerKasPodtrzymajSesje SerKasPodtrzymajSesje = nullptr;

private:
    platform::LibraryHandle handle_ = nullptr;
};

} // namespace skxhost
