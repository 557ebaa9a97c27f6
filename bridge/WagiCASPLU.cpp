#include "bridge/WagiCASPLU.h"

#include <cstdio>
#include <exception>

#include "base/Exception.h"
#include "platform/System.h"

namespace {

int CallbackIgnored(bridge::CasCallbackRecord) {
    return 0;
}

// The library's connection callbacks: nothing they hand over is used.
int VX_CDECL DataCallback(bridge::CasCallbackRecord record) {
    return CallbackIgnored(record);
}
int VX_CDECL NotifyCallback(bridge::CasCallbackRecord record) {
    return CallbackIgnored(record);
}

// "Class==message" for an exception that ends an operation.
std::string Describe(const std::exception& e) {
    if (auto* ex = dynamic_cast<const Exception*>(&e))
        return std::string(ex->ClassName()) + "==" + ex->Message();
    return std::string("Exception==") + e.what();
}

int Low16(std::int32_t value) {
    return static_cast<int>(static_cast<std::uint32_t>(value) & 0xFFFFu);
}

} // namespace

TWagiCASPLU::TWagiCASPLU(TComponent* owner, bridge::CasPrtcLibrary& library)
    : TComponent(owner), Sleep(platform::Sleep), library_(library) {}

TWagiCASPLU::~TWagiCASPLU() {
    try {
        CloseConnection();
    } catch (...) {
    }
}

void TWagiCASPLU::SetTypPolaczenia(TTypyPolaczenia value) {
    if (value == typPolaczenia_) return;
    typPolaczenia_ = value;
    ConnectionKind = static_cast<std::uint8_t>(value);
}

void TWagiCASPLU::Fail(const std::string& message) {
    lastError_ = message;
    AddStatus(message);
}

std::string TWagiCASPLU::VersionText(const std::uint8_t block[7]) {
    char text[160];
    std::snprintf(text, sizeof text, "PLIK [%s] WERSJA : %u.%u Data Modyfikacji : [%2u-%2u-%-2u]",
                  "CASTCPIP.DLL", unsigned(block[2]), unsigned(block[3]), unsigned(block[4]),
                  unsigned(block[5]), unsigned(block[6]));
    return text;
}

void TWagiCASPLU::OpenConnection() {
    lastError_.clear();
    try {
        const bridge::CasPrtcFunctions& f = library_.Functions();
        if (f.SetCommLibrary(static_cast<int>(TTypyPolaczenia::TCPIP), "CASTCPIP.DLL") == 0)
            return Fail("problem z polaczniem [SetCommLibrarry]");
        if (f.AddInterpreter(100, 5000, "CLInterpreter.dll") == 0)
            return Fail("problem z polaczeniem [CLInterpreter.dll]");
        if (f.AddInterpreter(100, 16, "LPInterpreter.dll") == 0)
            return Fail("problem z polaczeniem [LPInterpreter.dll]");
        std::uint8_t block[7] = {3, 0, 0, 0, 0, 0, 0};
        f.GetLibraryInfo(block, "");
        wersja_ = VersionText(block);
        bool registered = false;
        for (int attempt = 0; attempt < 7 && !registered; ++attempt) {
            registered = f.AddProcConnection(ConnectionKind, Address.c_str(), Low16(Port), InterpreterGroup,
                                             Low16(ModelCode), Low16(Timeout), Low16(Retry), LastByte,
                                             DataCallback, NotifyCallback) != 0;
            if (!registered && Sleep) Sleep(1500);
        }
        if (!registered) return Fail("problem z polaczeniem [AddProcConnection]");
        if (f.Connect(Address.c_str(), -1) == 0) return Fail("problem z zainicjalizowaniem biblioteki");
        if (f.IsConnect(Address.c_str(), -1) == 1)
            AddStatus("- nawiazano polaczenie z waga...");
        else
            Fail("nie nawiazano polaczenia z waga");
    } catch (const std::exception& e) {
        lastError_ = Describe(e);
    }
}

bool TWagiCASPLU::IsConnected() {
    try {
        const bridge::CasPrtcFunctions& f = library_.Functions();
        return f.IsConnect(Address.c_str(), -1) == 1;
    } catch (const std::exception& e) {
        lastError_ = Describe(e);
        return false;
    }
}

void TWagiCASPLU::CloseConnection() {
    lastError_.clear();
    try {
        const bridge::CasPrtcFunctions& f = library_.Functions();
        if (f.DeleteConnection("ALL", -1) == 0) Fail("DelConnection problem z przerwaniem polaczenia");
    } catch (const std::exception& e) {
        AddStatus(e.what());
    }
}
