#include "Host.h"

#include <cstring>

#include "platform/Cp1250.h"
#include "platform/Files.h"

namespace skxhost {

namespace {

// The host's context value, which the driver passes back with every callback.
constexpr std::int32_t kHostData = 0x534B58; // "SKX"
Host* g_host = nullptr;

Host* HostOf(std::int32_t hostData) {
    return hostData == kHostData ? g_host : nullptr;
}

void CopyOut(char* buffer, const std::string& text, std::size_t size) {
    if (!buffer) return;
    std::size_t n = text.size() < size - 1 ? text.size() : size - 1;
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
}

void SKX_STDCALL OnParam(std::int32_t hostData, std::int32_t, const char* name, char* value) {
    if (Host* h = HostOf(hostData)) CopyOut(value, h->Param(name ? name : ""), kSkxTextBufferSize);
}

void SKX_STDCALL OnEnvironment(std::int32_t hostData, std::int32_t, std::int32_t* envNumber,
                               std::int32_t* scaleNo, char* text1, char* text2, char* workDir) {
    Host* h = HostOf(hostData);
    if (!h) return;
    if (envNumber) *envNumber = 0;
    if (scaleNo) *scaleNo = h->Settings().scaleNo;
    CopyOut(text1, "skxhost", kSkxTextBufferSize);
    CopyOut(text2, "", kSkxTextBufferSize);
    CopyOut(workDir, h->Settings().workDir, kSkxPathBufferSize);
}

void SKX_STDCALL OnAddLine(std::int32_t hostData, std::int32_t, std::int32_t kind, const char* text) {
    if (Host* h = HostOf(hostData)) h->Line(false, kind, text ? text : "");
}

void SKX_STDCALL OnReplaceLine(std::int32_t hostData, std::int32_t, std::int32_t kind, const char* text) {
    if (Host* h = HostOf(hostData)) h->Line(true, kind, text ? text : "");
}

std::int32_t SKX_STDCALL OnListLine(std::int32_t hostData, std::int32_t, std::int32_t index, char* line) {
    Host* h = HostOf(hostData);
    std::string text;
    if (!h || !h->ListLine(index, text)) return 0;
    CopyOut(line, text, kSkxTextBufferSize);
    return 1;
}

std::int32_t SKX_STDCALL OnSaveExportResult(std::int32_t hostData, std::int32_t) {
    Host* h = HostOf(hostData);
    return h && h->SaveResult() ? 1 : 0;
}

std::string ToCp1250(const std::string& bytes) {
    return cp1250::IsValidUtf8(bytes) ? cp1250::FromUtf8(bytes) : bytes;
}

bool ReadLines(const std::string& path, std::vector<std::string>& lines, std::string& error) {
    std::string contents;
    if (!platform::ReadWholeFile(ToCp1250(path), contents)) {
        error = "cannot read " + path;
        return false;
    }
    contents = ToCp1250(contents);
    std::size_t start = 0;
    while (start <= contents.size()) {
        std::size_t end = contents.find('\n', start);
        std::string line = contents.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return true;
}

} // namespace

bool ReadParams(const std::string& path, std::map<std::string, std::string>& params, std::string& error) {
    std::vector<std::string> lines;
    if (!ReadLines(path, lines, error)) return false;
    for (const std::string& line : lines) {
        if (line[0] == '#') continue;
        std::size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        params[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return true;
}

bool ReadList(const std::string& path, std::vector<std::string>& list, std::string& error) {
    return ReadLines(path, list, error);
}

void Print(std::FILE* out, const std::string& text) {
    std::string u = cp1250::ToUtf8(text);
    std::fwrite(u.data(), 1, u.size(), out);
    std::fflush(out);
}

Host::Host(HostSettings settings) : settings_(std::move(settings)) {
    g_host = this;
}

Host::~Host() {
    Release();
    g_host = nullptr;
}

bool Host::Register(DriverLibrary& library) {
    library_ = &library;
    handle_ = library.RejestrujBiblioteke(kHostData, 0, 0, nullptr);
    if (!handle_) return false;
    library.RejestrujCallback(handle_, reinterpret_cast<TSKXCallback>(&OnParam), sctParamValue);
    library.RejestrujCallback(handle_, reinterpret_cast<TSKXCallback>(&OnEnvironment), sctEnvironment);
    library.RejestrujCallback(handle_, reinterpret_cast<TSKXCallback>(&OnAddLine), sctAddLine);
    library.RejestrujCallback(handle_, reinterpret_cast<TSKXCallback>(&OnReplaceLine), sctReplaceLine);
    library.RejestrujCallback(handle_, reinterpret_cast<TSKXCallback>(&OnListLine), sctListLine);
    library.RejestrujCallback(handle_, reinterpret_cast<TSKXCallback>(&OnSaveExportResult),
                              sctSaveExportResult);
    return true;
}

std::int32_t Host::Run(std::int32_t actionId, std::int32_t session, const std::string& text,
                       std::int32_t code, std::int32_t arg) {
    char buffer[kSkxTextBufferSize] = {};
    CopyOut(buffer, text, sizeof buffer);
    return library_->SerKasOperacja(handle_, actionId, &session, buffer, code, arg);
}

void Host::Release() {
    if (library_ && handle_) library_->ZwolnijBiblioteke(handle_);
    handle_ = nullptr;
}

std::string Host::Param(const std::string& name) const {
    auto it = settings_.params.find(name);
    return it == settings_.params.end() ? std::string() : it->second;
}

void Host::Line(bool replace, int kind, const std::string& text) const {
    std::size_t column = text.find('\x01');
    std::string shown = text.substr(0, column);
    std::string state = column == std::string::npos ? std::string() : text.substr(column + 1);
    char head[32];
    std::snprintf(head, sizeof head, "%s %d | ", replace ? "~" : "+", kind);
    Print(stdout, head + shown + (state.empty() ? std::string() : " | " + state) + "\n");
}

bool Host::ListLine(int index, std::string& line) const {
    if (index < 0 || static_cast<std::size_t>(index) >= settings_.list.size()) return false;
    line = settings_.list[static_cast<std::size_t>(index)];
    return true;
}

bool Host::SaveResult() {
    if (settings_.refuseResult) {
        Print(stdout, "skxhost: wynik eksportu odrzucony\n");
        return false;
    }
    std::string result;
    if (!platform::ReadWholeFile(settings_.workDir + "wynik.exp", result)) {
        Print(stdout, "skxhost: brak pliku wynik.exp\n");
        return false;
    }
    std::string database = settings_.workDir + kResultDatabase;
    std::string stored;
    platform::ReadWholeFile(database, stored);
    if (!result.empty() && result.back() != '\n') result += "\r\n";
    if (!platform::WriteFileReplacing(database, stored + result)) {
        Print(stdout, std::string("skxhost: nie można zapisać bazy wyników\n"_pl));
        return false;
    }
    int lines = 0;
    for (char c : result) lines += c == '\n';
    Print(stdout,
          "skxhost: zapisano " + std::to_string(lines) + " linii wyniku do " + kResultDatabase + "\n");
    return true;
}

} // namespace skxhost
