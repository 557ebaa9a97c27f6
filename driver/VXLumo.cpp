#include "driver/VXLumo.h"

#include <cstdio>

#include "base/TxTools.h"
#include "platform/ConsoleProcess.h"
#include "platform/Cp1250.h"
#include "platform/Files.h"
#include "platform/System.h"

namespace {

constexpr const char* kPCasName = "PCas.exe";
// The wait for PCas.exe sleeps this long between checks, keeping the host's thread idle.
constexpr int kPollMs = 5;

std::string Line(const std::string& text) {
    return text + "\r\n";
}

std::string Format(const char* key, const std::string& value) {
    return Line(std::string(key) + ";" + value);
}
std::string Format(const char* key, int value) {
    return Format(key, std::to_string(value));
}

} // namespace

std::unique_ptr<TKSActionBase> TVXLumoLibrary::CreateAction(int actionId) {
    return std::make_unique<VXLumoAction>(this, actionId);
}

int TVXLumoLibrary::ShowDeviceWindow(TKSActionBase*, int, bool, int, int) {
    return 0;
}

std::string VXLumoAction::SharedResourceName() {
    return "vxlumo";
}

std::string VXLumoAction::DeviceProperty(int number) {
    return number == 1101 ? "0" : "";
}

void VXLumoAction::Execute(HSKXDLLSRODOWISKO& record, int operationCode, int operationArg) {
    switch (operationCode) {
    case -1:
        TestConnection();
        break;
    case -2:
    case -5:
        Export();
        break;
    case -8:
        break;
    default:
        KSAction::Execute(record, operationCode, operationArg);
        break;
    }
    record.result = 0;
}

void VXLumoAction::TestConnection() {
    StartStatus("Ten sterownik nie obsługuje testu połączenia"_pl, sskError, 100);
}

std::string VXLumoAction::PCasPath() {
    return platform::JoinPath(ParamText("VxLumoDriverDir"), kPCasName);
}

void VXLumoAction::AppendBarcodeFormats(std::string& text) {
    TStringList& formats = HostList();
    for (int i = 0; i < formats.Count(); ++i) {
        text += Format("BCD_FORMAT", TxTools(std::string(formats[i])).Chars2Char('?', 'W'));
    }
    if (formats.Count() > 0) text += Line("");
}

std::string VXLumoAction::ScaleCfgText() {
    std::string text;
    text += Format("SCALE_NO", ScaleNo());
    text += Format("CAS_SCALE_TYPE", ParamText("VxLumoCasScaleType"));
    int medium = ParamInt("VxLumoMedium");
    text += Format("MEDIUM", medium == 0 ? "RS232" : medium == 1 ? "TCPIP" : "OTHER");
    text += Format("IP_ADDRESS", ParamText("VxLumoIPAddress"));
    text += Format("IP_PORT", ParamInt("VxLumoIPPort"));
    text += Format("RS232_PORT", ParamText("VxLumoRS232Port"));
    text += Format("RS232_SPEED", ParamInt("VxLumoRS232Speed"));
    text += Format("ADD_CFG", ParamText("VxLumoAddCfg"));
    text += Line("");
    text += Format("FILE_KASA_EXP", KasaExpPath());
    text += Format("FILE_WYNIK_EXP", WynikExpPath());
    text += Line("");
    AppendBarcodeFormats(text);
    text += Format("EXPORT_KIND", ParamInt("RodzajTransmisji") == 3 ? "REPLACE" : "ACTUAL");
    text += Format("WEIGHED_ITEMS", ParamInt("VxLumoWeighedItems") != 0 ? "LONG" : "SHORT");
    text += Format("PLU_FROM", ParamInt("VxLumoPluFrom") != 0 ? "BARCODE" : "PLU");
    text += Format("BARCODE_MIN", ParamInt("VxLumoBarcodeMin"));
    text += Format("BARCODE_MAX", ParamInt("VxLumoBarcodeMax"));
    text += Format("PREFIX", ParamInt("VxLumoPrefix"));
    text += Format("SUBGROUP", ParamInt("VxLumoSubgroup") != 0 ? "Y" : "N");
    text += Format("SUBGROUP_NO", ParamText("VxLumoSubgroupNo"));
    return text;
}

void VXLumoAction::WriteScaleCfg() {
    Tools().BufToFile(ScaleCfgText(), ScaleCfgPath());
}

void VXLumoAction::RunPCas() {
    // Every part of the command line is quoted, so that a folder with blanks cannot start another
    // program. An empty folder name starts the program in the host's current folder.
    auto process = platform::StartConsoleProgram(PCasPath(), {ScaleCfgPath()}, ParamText("VxLumoDriverDir"));
    if (!process) throw Exception(platform::SystemErrorMessage(platform::LastError()));
    // Each check waits at most kPollMs but returns as soon as the program has ended, so the
    // host's thread stays idle without adding a poll interval to every export.
    while (!process->Wait(kPollMs)) {
    }
}

void VXLumoAction::Export() {
    std::string program = PCasPath();
    if (!platform::FileExists(program)) throw Exception(std::string("Brak sterownika: ") + program);
    WriteScaleCfg();
    // A result left from an earlier export must never be handed over as this one's.
    std::string result = WynikExpPath();
    if (platform::FileExists(result) && !platform::DeleteFile(result))
        throw Exception(std::string("Błąd usunięcia pliku "_pl) + result);
    StartStatus("Uruchamianie programu komunikacyjnego", sskSuccess, 0);
    RunPCas();
    StartStatus("Zakończono komunikację z wagą"_pl, sskSuccess, 0);
    SaveExportResult();
}
