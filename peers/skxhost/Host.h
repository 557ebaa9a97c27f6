#pragma once
// The host's side of a driver session: it answers the driver's callbacks from its settings,
// prints the status lines and stores export results in its result database.
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "DriverLibrary.h"

namespace skxhost {

struct HostSettings {
    std::string workDir; // Windows-1250, with a separator at its end
    std::map<std::string, std::string> params;
    std::vector<std::string> list;
    std::int32_t scaleNo = 1;
    bool refuseResult = false;
};

// The name of the result database in the work folder.
inline constexpr const char* kResultDatabase = "skxhost-wyniki.txt";

// Reads NAME=VALUE lines (UTF-8 or Windows-1250; blank lines and lines starting with # skipped).
bool ReadParams(const std::string& path, std::map<std::string, std::string>& params, std::string& error);
// Reads the lines of the host list (the same text rules; blank lines kept out).
bool ReadList(const std::string& path, std::vector<std::string>& list, std::string& error);

// Prints a Windows-1250 text on the terminal.
void Print(std::FILE* out, const std::string& text);

class Host {
public:
    explicit Host(HostSettings settings);
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // Registers the library and the callbacks; false when the library refused.
    bool Register(DriverLibrary& library);
    // Runs one operation and returns its result.
    std::int32_t Run(std::int32_t actionId, std::int32_t session, const std::string& text, std::int32_t code,
                     std::int32_t arg);
    void Release();

    // Callback bodies.
    std::string Param(const std::string& name) const;
    void Line(bool replace, int kind, const std::string& text) const;
    bool ListLine(int index, std::string& line) const;
    bool SaveResult();
    const HostSettings& Settings() const { return settings_; }

private:
    HostSettings settings_;
    DriverLibrary* library_ = nullptr;
    void* handle_ = nullptr;
};

} // namespace skxhost
