#include "bridge/ScaleSettings.h"

#include "bridge/BridgeText.h"

namespace bridge {

std::string& ScaleSettings::operator[](SettingsField field) {
    return const_cast<std::string&>(static_cast<const ScaleSettings&>(*this)[field]);
}

const std::string& ScaleSettings::operator[](SettingsField field) const {
    switch (field) {
    case SettingsField::Model:
        return Model;
    case SettingsField::Name:
        return Name;
    case SettingsField::IpAddress:
        return IpAddress;
    case SettingsField::Port:
        return Port;
    case SettingsField::Timeout:
        return Timeout;
    case SettingsField::Retry:
        return Retry;
    }
    return Model;
}

std::string SettingsFileText(const ScaleSettings& s) {
    std::string text = "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\r\n  <CAS-POLSKA";
    text += XmlAttributeText("WAGA", s.Name);
    text += XmlAttributeText("MODEL", s.Model);
    text += XmlAttributeText("IP", s.IpAddress);
    text += XmlAttributeText("PORT", s.Port);
    text += XmlAttributeText("TIMEOUT", s.Timeout);
    text += XmlAttributeText("RETRY", s.Retry);
    text += "/>\r\n";
    return text;
}

} // namespace bridge
