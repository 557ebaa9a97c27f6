#pragma once
// The six scale settings of the window, as texts, with the defaults of a fresh window.
#include <array>
#include <string>
#include <string_view>

namespace bridge {

enum class SettingsField { Model, Name, IpAddress, Port, Timeout, Retry };
inline constexpr int kSettingsFieldCount = 6;

struct ScaleSettings {
    std::string Model = "CL5000";
    std::string Name = "Waga []";
    std::string IpAddress = "10.10.1.233";
    std::string Port = "20304";
    std::string Timeout = "5000";
    std::string Retry = "3";

    std::string& operator[](SettingsField field);
    const std::string& operator[](SettingsField field) const;
};

// The entries of the model list, in their order (positions 0 to 3).
inline constexpr std::array<std::string_view, 4> kModelEntries = {"CL5000", "LP 1.6", "POSSCALE", "CL5000JR"};

// The text of Prog_kom.cfg for these settings.
std::string SettingsFileText(const ScaleSettings& settings);

} // namespace bridge
