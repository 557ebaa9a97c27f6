#pragma once
// Reaches a CAS scale through the scale maker's connection library: registers the communication
// and interpreter libraries, opens a connection by address, tells whether the scale answers and
// closes all connections again. No failure leaves the component: it ends up in LastError.
#include <cstdint>
#include <functional>
#include <string>

#include "base/Component.h"
#include "base/StringList.h"
#include "bridge/CasPrtc.h"
#include "bridge/WagiTypy.h"

class TWagiCASPLU : public TComponent {
    VX_CLASS(TWagiCASPLU, TComponent)
public:
    TWagiCASPLU(TComponent* owner, bridge::CasPrtcLibrary& library);
    ~TWagiCASPLU() override;

    TTypyPolaczenia TypPolaczenia() const { return typPolaczenia_; }
    void SetTypPolaczenia(TTypyPolaczenia value);
    TRodzajeWag RodzajWagi = TRodzajeWag::Waga_LP15;
    TTypyWag TypWagi = TTypyWag::Waga_LP;
    TTypDzialania RodzajAkcji() const { return rodzajAkcji_; }
    void SetRodzajAkcji(TTypDzialania value) { rodzajAkcji_ = value; }
    const std::string& Wersja() const { return wersja_; }
    TStringList& Status() { return status_; }
    const std::string& LastError() const { return lastError_; }

    // Connection parameters, set before OpenConnection.
    std::uint8_t ConnectionKind = 1;
    std::string Address = "10.10.1.121";
    std::int32_t Port = 20304;
    std::uint8_t InterpreterGroup = 100;
    std::int32_t ModelCode = 5000;
    std::int32_t Timeout = 5000;
    std::int32_t Retry = 3;
    std::uint8_t LastByte = 10;

    // The wait after a refused connection; replaceable so that tests need not wait.
    std::function<void(std::uint32_t milliseconds)> Sleep;

    void OpenConnection();
    bool IsConnected();
    void CloseConnection();
    void AddStatus(const std::string& line) { status_.Add(line); }

    // The version line made from the library's information block.
    static std::string VersionText(const std::uint8_t block[7]);

private:
    void Fail(const std::string& message);

    bridge::CasPrtcLibrary& library_;
    TTypyPolaczenia typPolaczenia_ = TTypyPolaczenia::TCPIP;
    TTypDzialania rodzajAkcji_ = TTypDzialania::DOWNLOAD;
    std::string wersja_;
    TStringList status_;
    std::string lastError_;
};
