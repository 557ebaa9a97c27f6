#include "FakeHost.h"

#include <cstring>

#include "driver/VXLumoParams.h"

namespace driver_test {

namespace {

std::map<std::int32_t, FakeHost*>& Hosts() {
    static std::map<std::int32_t, FakeHost*> hosts;
    return hosts;
}

FakeHost& HostOf(std::int32_t hostData) {
    return *Hosts().at(hostData);
}

void Copy(char* buffer, const std::string& text, std::size_t size) {
    std::size_t n = text.size() < size - 1 ? text.size() : size - 1;
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
}

void SKX_STDCALL OnParam(std::int32_t hostData, std::int32_t, const char* name, char* value) {
    FakeHost& h = HostOf(hostData);
    h.askedParams.emplace_back(name);
    auto it = h.params.find(name);
    if (it != h.params.end()) Copy(value, it->second, kSkxTextBufferSize);
}

void SKX_STDCALL OnEnvironment(std::int32_t hostData, std::int32_t actionId, std::int32_t* envNumber,
                               std::int32_t* scaleNo, char* text1, char* text2, char* workDir) {
    FakeHost& h = HostOf(hostData);
    h.envActionIds.push_back(actionId);
    *envNumber = h.envNumber;
    *scaleNo = h.scaleNo;
    Copy(text1, h.envText1, kSkxTextBufferSize);
    Copy(text2, h.envText2, kSkxTextBufferSize);
    Copy(workDir, h.workDir, kSkxPathBufferSize);
}

void SKX_STDCALL OnAdd(std::int32_t hostData, std::int32_t, std::int32_t kind, const char* text) {
    HostOf(hostData).lines.push_back({false, kind, text});
}

void SKX_STDCALL OnReplace(std::int32_t hostData, std::int32_t, std::int32_t kind, const char* text) {
    HostOf(hostData).lines.push_back({true, kind, text});
}

std::int32_t SKX_STDCALL OnListLine(std::int32_t hostData, std::int32_t, std::int32_t index, char* line) {
    FakeHost& h = HostOf(hostData);
    ++h.listCalls;
    if (h.listEndsAt >= 0 && index >= h.listEndsAt) return 0;
    if (index < 0 || static_cast<std::size_t>(index) >= h.list.size()) return 0;
    Copy(line, h.list[static_cast<std::size_t>(index)], kSkxTextBufferSize);
    return 1;
}

std::int32_t SKX_STDCALL OnSave(std::int32_t hostData, std::int32_t) {
    FakeHost& h = HostOf(hostData);
    ++h.saveCalls;
    return h.saveAnswer;
}

} // namespace

FakeHost::FakeHost(bool registerCallbacks) {
    static std::int32_t next = 1000;
    hostData_ = next++;
    Hosts()[hostData_] = this;
    library_ = SKXDLLRejestrujBiblioteke(hostData_, 0, 0, nullptr);
    if (!registerCallbacks) return;
    SKXDLLRejestrujCallback(library_, reinterpret_cast<TSKXCallback>(&OnParam), sctParamValue);
    SKXDLLRejestrujCallback(library_, reinterpret_cast<TSKXCallback>(&OnEnvironment), sctEnvironment);
    SKXDLLRejestrujCallback(library_, reinterpret_cast<TSKXCallback>(&OnAdd), sctAddLine);
    SKXDLLRejestrujCallback(library_, reinterpret_cast<TSKXCallback>(&OnReplace), sctReplaceLine);
    SKXDLLRejestrujCallback(library_, reinterpret_cast<TSKXCallback>(&OnListLine), sctListLine);
    SKXDLLRejestrujCallback(library_, reinterpret_cast<TSKXCallback>(&OnSave), sctSaveExportResult);
}

FakeHost::~FakeHost() {
    SKXDLLZwolnijBiblioteke(library_);
    Hosts().erase(hostData_);
}

std::int32_t FakeHost::Operation(int code, int arg, std::int32_t session, char* text) {
    char own[kSkxTextBufferSize] = "zlecenie";
    return SKXDLLSerKasOperacja(library_, 42, &session, text ? text : own, code, arg);
}

void SetDefaultParams(FakeHost& host) {
    for (int group : {vxparams::kMainGroup, vxparams::kFolderGroup})
        for (int index = 0; index < 20; ++index) {
            TVXParamInfo p = vxparams::Parameter(group, index);
            if (p.type != vptNone) host.params[p.name] = p.defaultValue;
        }
}

} // namespace driver_test
