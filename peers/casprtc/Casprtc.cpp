// The connection library stand-in: keeps registrations and real TCP connections to the scale
// simulator. Calls may come from any thread; one lock guards the library's state.
#include "casprtc/Casprtc.h"

#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "common/ScaleClient.h"

namespace {

// Version and date of last change reported by GetLibraryInfo.
constexpr std::uint8_t kVersionMajor = 2;
constexpr std::uint8_t kVersionMinor = 1;
constexpr std::uint8_t kDay = 11, kMonth = 12, kYear = 26;
constexpr std::uint8_t kTcpIp = 1;

struct Connection {
    std::string address;
    std::uint16_t port = 0;
    int timeoutMs = 5000;
    int attempts = 1;
    CasCallback data = nullptr;
    CasCallback notify = nullptr;
    std::unique_ptr<peers::ScaleClient> client;
};

struct Library {
    std::mutex lock;
    std::uint8_t commKind = 0;
    std::string commLibrary;
    std::map<std::pair<int, int>, std::string> interpreters;
    std::vector<Connection> connections;
};

Library& State() {
    static Library library;
    return library;
}

std::string Text(const char* text) {
    return text ? std::string(text) : std::string();
}

bool Matches(const Connection& c, std::size_t position, const std::string& address, std::int32_t index) {
    if (index >= 0 && static_cast<std::size_t>(index) != position) return false;
    return address == "ALL" || c.address == address;
}

void Notify(const Connection& c, std::size_t position, std::int32_t event) {
    if (!c.notify) return;
    CasCallbackRecord record{};
    record.Event = event;
    record.Port = c.port;
    record.Index = static_cast<std::int32_t>(position);
    c.notify(record);
}

void Close(Connection& c, std::size_t position) {
    if (c.client && c.client->Connected()) {
        std::string reply;
        c.client->Request("QUIT", reply);
        c.client->Close();
        Notify(c, position, 2);
    }
}

} // namespace

extern "C" {

std::int32_t CASPRTC_CALL SetCommLibrary(std::uint8_t kind, const char* library) {
    if (kind != kTcpIp || Text(library).empty()) return 0;
    Library& s = State();
    std::lock_guard guard(s.lock);
    s.commKind = kind;
    s.commLibrary = library;
    return 1;
}

std::int32_t CASPRTC_CALL AddInterpreter(std::uint8_t group, std::uint16_t model, const char* library) {
    if (Text(library).empty()) return 0;
    Library& s = State();
    std::lock_guard guard(s.lock);
    s.interpreters[{group, model}] = library;
    return 1;
}

std::int32_t CASPRTC_CALL GetLibraryInfo(std::uint8_t* block, const char*) {
    if (!block) return 0;
    block[2] = kVersionMajor;
    block[3] = kVersionMinor;
    block[4] = kDay;
    block[5] = kMonth;
    block[6] = kYear;
    return 1;
}

std::int32_t CASPRTC_CALL AddProcConnection(std::uint8_t kind, const char* address, std::uint16_t port,
                                            std::uint8_t group, std::uint16_t model, std::uint16_t timeout,
                                            std::uint16_t retry, std::uint8_t, CasCallback data,
                                            CasCallback notify) {
    std::string where = Text(address);
    if (where.empty() || where == "ALL" || port == 0) return 0;
    Library& s = State();
    std::lock_guard guard(s.lock);
    if (s.commKind == 0 || kind != s.commKind) return 0;
    if (!s.interpreters.count({group, model})) return 0;
    Connection c;
    c.address = where;
    c.port = port;
    c.timeoutMs = timeout == 0 ? 5000 : timeout;
    c.attempts = retry == 0 ? 1 : (retry > 10 ? 10 : retry);
    c.data = data;
    c.notify = notify;
    c.client = std::make_unique<peers::ScaleClient>(c.timeoutMs);
    // A second registration of the same scale replaces the first.
    for (std::size_t i = 0; i < s.connections.size(); ++i) {
        if (s.connections[i].address == where && s.connections[i].port == port) {
            Close(s.connections[i], i);
            s.connections[i] = std::move(c);
            return 1;
        }
    }
    s.connections.push_back(std::move(c));
    return 1;
}

std::int32_t CASPRTC_CALL Connect(const char* address, std::int32_t index) {
    std::string where = Text(address);
    Library& s = State();
    std::lock_guard guard(s.lock);
    bool any = false, all = true;
    for (std::size_t i = 0; i < s.connections.size(); ++i) {
        Connection& c = s.connections[i];
        if (!Matches(c, i, where, index)) continue;
        any = true;
        if (c.client->Connected()) continue;
        std::string error;
        bool ok = false;
        for (int attempt = 0; attempt < c.attempts && !ok; ++attempt)
            ok = c.client->Connect(c.address, c.port, error);
        if (ok)
            Notify(c, i, 1);
        else
            all = false;
    }
    return any && all ? 1 : 0;
}

std::int32_t CASPRTC_CALL IsConnect(const char* address, std::int32_t index) {
    std::string where = Text(address);
    Library& s = State();
    std::lock_guard guard(s.lock);
    bool any = false;
    for (std::size_t i = 0; i < s.connections.size(); ++i) {
        Connection& c = s.connections[i];
        if (!Matches(c, i, where, index)) continue;
        any = true;
        std::string error;
        if (!c.client->Connected() || !c.client->Ping(error)) return 0;
    }
    return any ? 1 : 0;
}

std::int32_t CASPRTC_CALL Disconnect(const char* address, std::int32_t index) {
    std::string where = Text(address);
    Library& s = State();
    std::lock_guard guard(s.lock);
    bool any = false;
    for (std::size_t i = 0; i < s.connections.size(); ++i) {
        if (!Matches(s.connections[i], i, where, index)) continue;
        any = true;
        Close(s.connections[i], i);
    }
    return any || where == "ALL" ? 1 : 0;
}

std::int32_t CASPRTC_CALL DeleteConnection(const char* address, std::int32_t index) {
    std::string where = Text(address);
    Library& s = State();
    std::lock_guard guard(s.lock);
    bool any = false;
    std::vector<Connection> kept;
    for (std::size_t i = 0; i < s.connections.size(); ++i) {
        if (Matches(s.connections[i], i, where, index)) {
            any = true;
            Close(s.connections[i], i);
        } else {
            kept.push_back(std::move(s.connections[i]));
        }
    }
    s.connections = std::move(kept);
    return any || where == "ALL" ? 1 : 0;
}

} // extern "C"
