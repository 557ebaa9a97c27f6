#include "bridge/FrmSubiekt.h"

#include <cstdint>
#include <exception>
#include <memory>

#include "base/Exception.h"
#include "bridge/BridgeText.h"
#include "bridge/GoodsFile.h"
#include "bridge/RequestFile.h"
#include "bridge/WagiCASPLU.h"
#include "platform/Cp1250.h"
#include "platform/FileNames.h"
#include "platform/Files.h"
#include "platform/System.h"

namespace bridge {
namespace {

constexpr const char* kSettingsFile = "Prog_kom.cfg";
constexpr const char* kSettingsFileWritten = "PROG_KOM.CFG";
constexpr const char* kRequestFile = "ster_uni.xml";
constexpr const char* kReportFile = "Raport.xml";
constexpr const char* kGoodsFile = "Plufeed.XML";
constexpr const char* kSendingProgram = "CAScale.exe";
constexpr const char* kSendingLog = "Cascale.log";
constexpr const char* kSendingErrors = "Cascale.err";
constexpr const char* kReportNamespace = "http://www.insert.com.pl/UF/Raport.xsd";
// Goods text gathered in memory before it goes to the goods file being written.
constexpr std::size_t kGoodsSpillSize = 1 << 20;

std::string Text(std::string_view pl) {
    return std::string(pl);
}

[[noreturn]] void FileFailure(std::string_view what, const std::string& path) {
    std::uint32_t code = platform::LastError();
    throw EInOutError(Text(what) + path + ": " + platform::SystemErrorMessage(code));
}

std::string ReadFile(const std::string& path) {
    std::string contents;
    if (!platform::ReadWholeFile(path, contents)) FileFailure("Nie można odczytać pliku "_pl, path);
    return contents;
}

void WriteFile(const std::string& path, const std::string& contents) {
    if (!platform::WriteFileReplacing(path, contents)) FileFailure("Nie można zapisać pliku "_pl, path);
}

// A whole number as a signed 32-bit value: optional leading blanks, a sign, decimal digits.
bool ReadWholeNumber(const std::string& text, std::int32_t& value) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i >= text.size()) return false;
    std::int64_t n = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        n = n * 10 + (text[i] - '0');
        if (n > 2147483648LL) return false;
    }
    if (negative) n = -n;
    if (n > INT32_MAX || n < INT32_MIN) return false;
    value = static_cast<std::int32_t>(n);
    return true;
}

// The setting a CAS-POLSKA attribute fills.
bool SettingsAttribute(const std::string& name, SettingsField& field) {
    if (name == "WAGA")
        field = SettingsField::Name;
    else if (name == "MODEL")
        field = SettingsField::Model;
    else if (name == "IP")
        field = SettingsField::IpAddress;
    else if (name == "PORT")
        field = SettingsField::Port;
    else if (name == "TIMEOUT")
        field = SettingsField::Timeout;
    else if (name == "RETRY")
        field = SettingsField::Retry;
    else
        return false;
    return true;
}

} // namespace

TFrmSubiekt::TFrmSubiekt(SubiektView& view, GeneralErrorHandler& errors, ProgramRunner& runner,
                         CasPrtcLibrary& casprtc, BridgeFolders folders)
    : ConnectionSleep(platform::Sleep), view_(view), errors_(errors), runner_(runner), casprtc_(casprtc),
      folders_(std::move(folders)) {
    view_.ShowSettingsPanel();
}

template <class F> void TFrmSubiekt::Guarded(F&& action) {
    try {
        action();
    } catch (const std::exception& e) {
        errors_.ShowException(e);
    }
}

std::string TFrmSubiekt::ProgramFolder() const {
    std::string folder = folders_.Program;
    if (folder.empty() || (folder.back() != '/' && folder.back() != platform::PathSeparator()))
        folder += platform::PathSeparator();
    return folder;
}

std::string TFrmSubiekt::CurrentFile(const std::string& name) const {
    std::string found = platform::FindFileIgnoringCase(folders_.Current, name);
    return found.empty() ? platform::JoinPath(folders_.Current, name) : found;
}

std::string TFrmSubiekt::ProgramFile(const std::string& name) const {
    std::string found = platform::FindFileIgnoringCase(ProgramFolder(), name);
    return found.empty() ? ProgramFolder() + name : found;
}

ScaleSettings TFrmSubiekt::CurrentSettings() const {
    ScaleSettings s;
    for (int i = 0; i < kSettingsFieldCount; ++i) {
        auto field = static_cast<SettingsField>(i);
        s[field] = view_.FieldText(field);
    }
    return s;
}

int TFrmSubiekt::SelectedModelEntry() const {
    int picked = view_.PickedModelEntry();
    if (picked >= 0) return picked;
    std::string text = view_.FieldText(SettingsField::Model);
    for (std::size_t i = 0; i < kModelEntries.size(); ++i)
        if (text == kModelEntries[i]) return static_cast<int>(i);
    return -1;
}

void TFrmSubiekt::TimerTick() {
    if (timerFired_) return;
    timerFired_ = true;
    Guarded([&] { ProcessRequest(); });
}

void TFrmSubiekt::LoadField(SettingsField field, const std::string& value) {
    // A loaded value that differs from a free-text field counts as a change of the settings.
    bool changed = view_.FieldText(field) != value;
    view_.SetFieldText(field, value);
    if (changed && field != SettingsField::Model) ComboBox1Change();
}

void TFrmSubiekt::SettingsTag(const std::string& rawName, const XmlAttributes& attributes, bool empty) {
    if (AsciiUpperCase(rawName) != "CAS-POLSKA") return;
    for (const XmlAttribute& a : attributes) {
        SettingsField field;
        if (SettingsAttribute(AsciiUpperCase(a.Name), field)) LoadField(field, AsciiUpperCase(a.Value));
    }
    if (empty) goods_.BuildHeader(CurrentSettings());
}

void TFrmSubiekt::ReadSettingsFile(std::string contents) {
    XmlScanner scanner;
    scanner.OnStartTag = [&](const std::string& n, const XmlAttributes& a) { SettingsTag(n, a, false); };
    scanner.OnEmptyTag = [&](const std::string& n, const XmlAttributes& a) { SettingsTag(n, a, true); };
    scanner.OnEndTag = [&](const std::string& n) {
        if (AsciiUpperCase(n) == "CAS-POLSKA") goods_.BuildHeader(CurrentSettings());
    };
    scanner.Scan(contents);
}

void TFrmSubiekt::RequestTag(std::string_view name, const XmlAttributes& attributes) {
    if (name != "DANE") return;
    operation_.clear();
    for (const XmlAttribute& a : attributes)
        if (AsciiUpperCase(a.Name) == "OPERACJA") operation_ = AsciiUpperCase(a.Value);
}

// The request's events, upper-cased into buffers kept for the whole scan.
class TFrmSubiekt::RequestScan : public XmlHandler {
public:
    RequestScan(TFrmSubiekt& form, GoodsFileWriter* goodsFile) : form_(form), goodsFile_(goodsFile) {}

    void StartTag(std::string_view name, const XmlAttributes& attributes) override {
        std::string_view upper = Upper(name, name_);
        form_.RequestTag(upper, attributes);
        form_.goods_.StartTag(upper);
    }
    void EmptyTag(std::string_view name, const XmlAttributes& attributes) override {
        form_.RequestTag(Upper(name, name_), attributes);
    }
    void EndTag(std::string_view name) override {
        form_.goods_.EndTag(Upper(name, name_));
        std::string& text = form_.goods_.Text();
        if (goodsFile_ && text.size() >= kGoodsSpillSize) {
            goodsFile_->Write(text);
            text.clear();
        }
    }
    void Content(std::string_view text) override { form_.goods_.Content(Upper(text, text_)); }

private:
    static std::string_view Upper(std::string_view text, std::string& buffer) {
        buffer.assign(text);
        for (char& c : buffer)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        return buffer;
    }

    TFrmSubiekt& form_;
    GoodsFileWriter* goodsFile_;
    std::string name_, text_;
};

void TFrmSubiekt::ReadRequestFile(const std::string& path, GoodsFileWriter* goodsFile) {
    RequestFile file;
    if (!file.Open(path)) FileFailure("Nie można odczytać pliku "_pl, path);
    // Kept in memory, the goods text is about as long as the request: one allocation rather
    // than many.
    std::size_t expected = goodsFile ? kGoodsSpillSize + 4096 : static_cast<std::size_t>(file.Size()) + 256;
    goods_.Text().reserve(goods_.Text().size() + expected);
    RequestScan events(*this, goodsFile);
    if (!ScanRequest(file, events)) FileFailure("Nie można odczytać pliku "_pl, path);
}

void TFrmSubiekt::ProcessRequest() {
    operation_.clear();
    std::string settingsPath = platform::FindFileIgnoringCase(folders_.Current, kSettingsFile);
    if (!settingsPath.empty()) ReadSettingsFile(ReadFile(settingsPath));
    std::string requestPath = platform::FindFileIgnoringCase(folders_.Current, kRequestFile);
    if (requestPath.empty()) return;
    // With the communication block known, the goods go to disk while the request is read.
    std::unique_ptr<GoodsFileWriter> goodsFile;
    if (goods_.HasHeader()) {
        goodsFile = std::make_unique<GoodsFileWriter>(ProgramFolder() + kGoodsFile);
        if (!goodsFile->Opened()) goodsFile.reset();
    }
    ReadRequestFile(requestPath, goodsFile.get());
    bool send = operation_ == "PRZESYłANIETOWARóW"_pl;
    if (!send) goodsFile.reset();

    if (operation_ == "KONFIGURACJA") {
        view_.ShowSettingsPanel();
    } else if (operation_ == "SPRAWDZENIEPOłąCZENIA"_pl) {
        if (TestConnection())
            WriteReport("OK", {});
        else
            WriteReport("C", "Brak Komunikacji");
        view_.Close();
    } else if (operation_ == "USUWANIEWSZYSTKICHTOWARóW"_pl) {
        // Without the communication block the sending program would get a file it cannot use.
        if (!goods_.HasHeader()) return ReportWithoutHeader();
        WriteGoodsFile(goods_.DeleteDocument());
        HandOver();
        view_.Close();
    } else if (send) {
        if (!goods_.HasHeader()) return ReportWithoutHeader();
        WriteGoodsFile(std::move(goods_.Text()), goodsFile.get());
        HandOver();
        view_.Close();
    } else {
        view_.ShowSettingsPanel();
    }
}

void TFrmSubiekt::ReportWithoutHeader() {
    WriteReport("C", Text("Brak ustawień komunikacji z wagą: plik Prog_kom.cfg nie istnieje lub nie ma "
                          "elementu CAS-POLSKA"_pl));
    view_.Close();
}

void TFrmSubiekt::WriteGoodsFile(std::string document, GoodsFileWriter* goodsFile) {
    std::string existing = platform::FindFileIgnoringCase(ProgramFolder(), kGoodsFile);
    if (!existing.empty() && existing != ProgramFolder() + kGoodsFile) platform::DeleteFile(existing);
    document += "\r\n";
    if (!goodsFile)
        WriteFile(ProgramFolder() + kGoodsFile, document);
    else if (!goodsFile->Commit(document))
        FileFailure("Nie można zapisać pliku "_pl, ProgramFolder() + kGoodsFile);
}

void TFrmSubiekt::HandOver() {
    std::string report = platform::FindFileIgnoringCase(folders_.Current, kReportFile);
    if (!report.empty()) platform::DeleteFile(report);
    for (const char* name : {kSendingLog, kSendingErrors}) {
        std::string path = platform::FindFileIgnoringCase(ProgramFolder(), name);
        if (!path.empty()) platform::DeleteFile(path); // a failed deletion is ignored
    }

    // Waiting for the sending program is what makes its error file and exit code meaningful.
    ProgramOutcome outcome = runner_.Run(ProgramFile(kSendingProgram), {kGoodsFile}, ProgramFolder(),
                                         [this] { view_.KeepAlive(); });

    std::string errors = platform::FindFileIgnoringCase(ProgramFolder(), kSendingErrors);
    if (!errors.empty()) {
        std::string contents = ReadFile(errors);
        std::size_t end = contents.find_first_of("\r\n");
        WriteReport("C", contents.substr(0, end));
        platform::DeleteFile(errors);
    } else if (!outcome.Started) {
        WriteReport("C", Text("Nie można uruchomić programu "_pl) + kSendingProgram + Text(" z folderu "_pl) +
                             ProgramFolder());
    } else if (outcome.ExitCode != 0) {
        WriteReport("C", Text("Program "_pl) + kSendingProgram + Text(" zakończył pracę z kodem błędu "_pl) +
                             std::to_string(outcome.ExitCode));
    } else {
        WriteReport("OK", {});
    }
}

void TFrmSubiekt::WriteReport(const std::string& type, const std::string& message) {
    std::string text = "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\r\n<Raport";
    text += XmlAttributeText("operacja", "Konfiguracja");
    text += XmlAttributeText("xmlns", kReportNamespace);
    text += ">\r\n <Status>\r\n <Typ>";
    text += XmlEscape(type.empty() ? std::string("OK") : type, false);
    text += "</Typ>\r\n";
    if (!message.empty()) text += Text(" <Treść>"_pl) + XmlEscape(message, false) + Text("</Treść>\r\n"_pl);
    text += " </Status>\r\n</Raport>\r\n<!-- vi: set encoding=utf-8 ts=4: -->\r\n";
    WriteFile(CurrentFile(kReportFile), text);
}

void TFrmSubiekt::SaveSettings() {
    // On a file system that tells case apart, the file the bridge reads at start is replaced
    // under its own name rather than left beside a second one.
    std::string existing = platform::FindFileIgnoringCase(folders_.Current, kSettingsFile);
    std::string path =
        existing.empty() ? platform::JoinPath(folders_.Current, kSettingsFileWritten) : existing;
    WriteFile(path, SettingsFileText(CurrentSettings()));
}

bool TFrmSubiekt::TestConnection() {
    struct WaitCursor {
        SubiektView& view;
        explicit WaitCursor(SubiektView& v) : view(v) { view.BeginWait(); }
        ~WaitCursor() { view.EndWait(); }
    };
    bool result = false;
    {
        WaitCursor wait(view_);
        TWagiCASPLU scale(nullptr, casprtc_);
        scale.Sleep = ConnectionSleep;
        scale.SetTypPolaczenia(TTypyPolaczenia::TCPIP);
        scale.Address = view_.FieldText(SettingsField::IpAddress);
        [&] {
            switch (SelectedModelEntry()) {
            case 0:
                scale.InterpreterGroup = 100, scale.ModelCode = 5000;
                break;
            case 1:
                scale.InterpreterGroup = 100, scale.ModelCode = 16;
                break;
            case 3:
                scale.InterpreterGroup = 100, scale.ModelCode = 5010;
                break;
            default:
                return view_.ShowError(Text("Ten Model wagi nie jest obsługiwany!!!"_pl));
            }
            // Values outside the 16 bits the library takes are refused rather than cut.
            std::int32_t number = 0;
            if (!ReadWholeNumber(view_.FieldText(SettingsField::Port), number) || number < 1 ||
                number > 65535)
                return view_.ShowError(Text("Nieprawidłowy numer portu IP"_pl));
            scale.Port = number;
            if (!ReadWholeNumber(view_.FieldText(SettingsField::Timeout), number) || number < 0 ||
                number > 65535)
                return view_.ShowError(Text("Nieprawidłowa wartość parametru"_pl));
            scale.Timeout = number;
            if (!ReadWholeNumber(view_.FieldText(SettingsField::Retry), number) || number < 0 ||
                number > 65535)
                return view_.ShowError(Text("Nieprawidłowa wartość parametru"_pl));
            scale.Retry = number;
            try {
                casprtc_.Functions();
            } catch (const Exception& e) {
                return view_.ShowError(e.Message());
            }
            scale.OpenConnection();
            result = scale.IsConnected();
            scale.CloseConnection();
        }();
    }
    if (result) connectionTested_ = true;
    return result;
}

void TFrmSubiekt::Button1Click() {
    Guarded([&] {
        if (!connectionTested_ &&
            !view_.AskYesNo(Text("Nie sprawdzono połączenia. Czy chcesz zapisać te parametry?"_pl)))
            return view_.Close();
        if (!settingsUnchanged_) SaveSettings();
        WriteReport("OK", {});
        view_.Close();
    });
}

void TFrmSubiekt::Button2Click() {
    Guarded([&] {
        WriteReport("C", "Przerwano dzialanie programu");
        view_.Close();
    });
}

void TFrmSubiekt::Button3Click() {
    Guarded([&] {
        if (!TestConnection()) return;
        view_.SetPanelColour(PanelColour::Blue);
        view_.ShowMessage(Text("jest połączenie z waga"_pl));
    });
}

void TFrmSubiekt::Button4Click() {
    Guarded([&] { SaveSettings(); });
}

void TFrmSubiekt::ComboBox1Change() {
    view_.SetPanelColour(PanelColour::ButtonFace);
    settingsUnchanged_ = false;
}

} // namespace bridge
