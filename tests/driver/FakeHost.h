#pragma once
// A host for the driver's tests: registers a library with its callbacks, answers parameters,
// the environment and the host list, and records every status line and result hand-over.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "driver/SKXDLL.h"

namespace driver_test {

struct StatusLine {
    bool replaced; // ReplaceLineCallback rather than AddLineCallback
    int kind;
    std::string text;
    bool operator==(const StatusLine&) const = default;
};

class FakeHost {
public:
    // Registers a library; without callbacks when registerCallbacks is false.
    explicit FakeHost(bool registerCallbacks = true);
    ~FakeHost();
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    void* Library() const { return library_; }
    std::int32_t HostData() const { return hostData_; }

    // Environment.
    std::int32_t envNumber = 7;
    std::int32_t scaleNo = 1;
    std::string envText1 = "tekst1";
    std::string envText2 = "tekst2";
    std::string workDir;
    // Parameters by name; a missing name answers the empty text.
    std::map<std::string, std::string> params;
    std::vector<std::string> list;
    // When the list callback says "no line" at this index (-1: after the last line).
    int listEndsAt = -1;
    int saveAnswer = 1;

    // What the driver did.
    std::vector<StatusLine> lines;
    std::vector<std::string> askedParams;
    std::vector<int> envActionIds;
    int saveCalls = 0;
    int listCalls = 0;

    std::int32_t Operation(int code, int arg = 0, std::int32_t session = 0, char* text = nullptr);

private:
    void* library_ = nullptr;
    std::int32_t hostData_;
};

// Loads the default parameters of the driver's table into the host.
void SetDefaultParams(FakeHost& host);

} // namespace driver_test
