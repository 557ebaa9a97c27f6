#include "driver/VXLumoParams.h"

#include <string_view>
#include <vector>

#include "driver/HostText.h"
#include "platform/Cp1250.h"

namespace vxparams {

namespace {

struct Row {
    int group;
    int index;
    std::string_view name;
    std::string_view caption;
    int type;
    std::string_view defaultValue;
    std::string_view minimum;
    std::string_view maximum;
};

const Row kParameters[] = {
    {101, 0, "VxLumoCasScaleType", "Typ wagi"_pl, vptListText, "CL5000", "", ""},
    {101, 1, "VxLumoMedium", "Medium komunikacyjne"_pl, vptListIndex, "1", "", ""},
    {101, 2, "VxLumoIPAddress", "(TCP/IP) Adres IP"_pl, vptText, "192.168.0.12", "", ""},
    {101, 3, "VxLumoIPPort", "(TCP/IP) Port IP"_pl, vptRange, "20304", "1", "32767"},
    {101, 4, "VxLumoRS232Port", "(RS-232) Numer portu"_pl, vptListText, "COM1", "", ""},
    {101, 5, "VxLumoRS232Speed", "(RS-232) Prędkość"_pl, vptListText, "19200", "", ""},
    {101, 6, "VxLumoAddCfg", "Dodatkowe parametry konfiguracji"_pl, vptText, "", "", ""},
    {101, 7, "VxLumoWeighedItems", "Jako kody ważone"_pl, vptListIndex, "1", "", ""},
    {101, 8, "VxLumoPluFrom", "Sposób tworzenia numeru PLU"_pl, vptListIndex, "1", "", ""},
    {101, 9, "VxLumoBarcodeMin", "Kod początkowy (kody krótkie)"_pl, vptRange, "1", "1", "99999"},
    {101, 10, "VxLumoBarcodeMax", "Kod końcowy (kody krótkie)"_pl, vptRange, "999", "1", "99999"},
    {101, 11, "VxLumoPrefix", "Przedrostek ważony (kody krótkie)"_pl, vptRange, "29", "21", "99"},
    {101, 12, "VxLumoSubgroup", "Wysyłaj tylko ze skojarzonej podgrupy"_pl, vptListIndex, "0", "", ""},
    {101, 13, "VxLumoSubgroupNo", "Skojarzona podgrupa PLU"_pl, vptText, "", "", ""},
    {102, 0, "VxLumoDriverDir", "CAS (PCas.exe) - Katalog programu PCas.exe"_pl, vptDirectory, "", "", ""},
};

struct List {
    std::string_view name;
    std::vector<std::string_view> entries;
};

// In the order the lookup tries them.
const List kLists[] = {
    {"VxLumoCasScaleType", {"CL5000", "CL5000JR", "LP16", "POSCALE"}},
    {"VxLumoSubgroup", {"Nie", "Tak"}},
    {"VxLumoMedium", {"RS-232", "TCP/IP", "Inne"}},
    {"VxLumoRS232Port", {"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8", "COM9"}},
    {"VxLumoRS232Speed", {"9600", "19200", "38400", "57600", "115200"}},
    {"VxLumoPluFrom", {"Numer towaru z automatu", "Numer towaru z kodu kreskowego"}},
    {"VxLumoWeighedItems", {"Krótkie (np. 123)"_pl, "Długie (np.280123?\?\?\?\?\?\?)"_pl}},
};

} // namespace

std::string LibraryProperty(int number) {
    switch (number) {
    case 1:
        return "CAS (przez PCas.exe)";
    case 2:
        return "VX_Lumo";
    case 3:
        return std::string("Komunikacja z wagami CAS przez program PCas.exe.\r\nDokumentacja:\r\n") +
               "https://vxlumo.pl/dokumentacja/sterownik-cas";
    case 102:
    case 103:
        return "0";
    default:
        return {};
    }
}

TVXParamInfo Parameter(int group, int index) {
    TVXParamInfo info;
    for (const Row& r : kParameters) {
        if (r.group != group || r.index != index) continue;
        info.type = r.type;
        info.name = r.name;
        info.caption = r.caption;
        info.defaultValue = r.defaultValue;
        info.minimum = r.minimum;
        info.maximum = r.maximum;
        break;
    }
    return info;
}

std::string ListText(const std::string& parameterName, int index) {
    std::string wanted = cp1250::UpperCase(hosttext::Trim(parameterName));
    if (wanted.empty() || index < 0) return {};
    for (const List& list : kLists) {
        if (cp1250::UpperCase(list.name) != wanted) continue;
        if (static_cast<std::size_t>(index) >= list.entries.size()) return {};
        return std::string(list.entries[static_cast<std::size_t>(index)]);
    }
    return {};
}

} // namespace vxparams
