#include "Fakes.h"

#include <cstring>

namespace fakes {

CasState& Cas() {
    static CasState state;
    return state;
}

namespace {

std::string S(const char* t) {
    return t ? t : "(null)";
}
std::string N(int v) {
    return std::to_string(v);
}

int SetCommLibrary(int kind, const char* lib) {
    Cas().Calls.push_back("SetCommLibrary " + N(kind) + " " + S(lib));
    return Cas().SetCommResult;
}
int AddInterpreter(int group, int model, const char* lib) {
    Cas().Calls.push_back("AddInterpreter " + N(group) + " " + N(model) + " " + S(lib));
    return model == 5000 ? Cas().AddInterpreterCl : Cas().AddInterpreterLp;
}
int GetLibraryInfo(std::uint8_t* block, const char* text) {
    Cas().Calls.push_back("GetLibraryInfo " + N(block[0]) + " '" + S(text) + "'");
    std::memcpy(block + 1, Cas().Info + 1, 6);
    return 0;
}
int AddProcConnection(int kind, const char* address, int port, int group, int model, int timeout, int retry,
                      int lastByte, bridge::CasCallback data, bridge::CasCallback notify) {
    Cas().Calls.push_back("AddProcConnection " + N(kind) + " " + S(address) + " " + N(port) + " " + N(group) +
                          " " + N(model) + " " + N(timeout) + " " + N(retry) + " " + N(lastByte));
    bridge::CasCallbackRecord r{};
    if (data(r) != 0 || notify(r) != 0) return 0;
    if (Cas().AddProcFailures > 0) {
        --Cas().AddProcFailures;
        return 0;
    }
    return 1;
}
int Connect(const char* address, int flag) {
    Cas().Calls.push_back("Connect " + S(address) + " " + N(flag));
    return Cas().ConnectResult;
}
int IsConnect(const char* address, int flag) {
    Cas().Calls.push_back("IsConnect " + S(address) + " " + N(flag));
    return Cas().IsConnectResult;
}
int DeleteConnection(const char* address, int flag) {
    Cas().Calls.push_back("DeleteConnection " + S(address) + " " + N(flag));
    return Cas().DeleteResult;
}
int Disconnect(const char* address, int flag) {
    Cas().Calls.push_back("Disconnect " + S(address) + " " + N(flag));
    return 1;
}

} // namespace

bridge::CasPrtcFunctions CasFunctions() {
    Cas() = CasState{};
    bridge::CasPrtcFunctions f;
    f.SetCommLibrary = SetCommLibrary;
    f.AddInterpreter = AddInterpreter;
    f.GetLibraryInfo = GetLibraryInfo;
    f.AddProcConnection = AddProcConnection;
    f.Connect = Connect;
    f.IsConnect = IsConnect;
    f.DeleteConnection = DeleteConnection;
    f.Disconnect = Disconnect;
    return f;
}

} // namespace fakes
