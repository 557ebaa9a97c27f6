#include "base/Mfierror.h"

#include <utility>

#include "base/MFile.h"
#include "base/MacErrorText.h"
#include "platform/Cp1250.h"

using macerror_text::Choose;
using macerror_text::Decimal;
using macerror_text::IsBlank;
using macerror_text::kCrLf;

namespace {

struct CodeTextRow {
    std::int32_t first, last;
    std::string_view polish, english;
};

template <std::size_t N> std::string FindText(const CodeTextRow (&rows)[N], std::int32_t code) {
    for (const CodeTextRow& row : rows)
        if (code >= row.first && code <= row.last) return Choose(row.polish, row.english);
    return {};
}

// The line "label" + text + CR LF, or nothing when the text is blank.
std::string LabelledLine(std::string_view label, const std::string& text) {
    return IsBlank(text) ? std::string() : std::string(label) + text + std::string(kCrLf);
}

// Raises the exception that make builds, with the last system error as its cause, or without a
// cause when no call is named.
template <typename Make> [[noreturn]] void GenerateWithLastError(const std::string& apiName, Make make) {
    if (IsBlank(apiName)) throw make(nullptr);
    try {
        EMWin32LastError::Generate(apiName);
    } catch (const EMWin32LastError& lastError) {
        throw make(&lastError);
    }
}

} // namespace

// ---------------------------------------------------------------------------------------------
// EMFileError

namespace {

const CodeTextRow kFileTexts[] = {
    {101, 101, "Plik nie jest otwarty. Operacja niemożliwa w tym stanie."_pl,
     "File is not open. Operation impossible in current state."},
    {102, 102, "Plik jest otwarty tylko do odczytu. Operacja niemożliwa w tym stanie."_pl,
     "File is open for reading only. Operation impossible in current state."},
    {103, 103, "Plik jest otwarty. Operacja niemożliwa w tym stanie."_pl,
     "File is open. Operation impossible in current state."},
    {104, 104, "Błąd otwarcia pliku."_pl, "File opening error."},
    {105, 105, "Nie można było zmienić ścieżki pliku."_pl, "File path could not be set."},
    {106, 106, "Nie można było zmienić własności Tylko Do Odczytu"_pl,
     "Read-Only file property could not be changed."},
    {107, 107, "Nie można było zmienić własności Plik Swobodnego Dostępu."_pl,
     "Random Access file property could not be changed."},
    {108, 108, "Nie można było przesunąć wskaźnika pliku."_pl, "File pointer could not be set."},
    {109, 109, "Błąd zapisu do pliku."_pl, "File write error."},
    {110, 110, "Niepełny zapis do pliku."_pl, "File write could not be completed."},
    {111, 111, "Błąd odczytu z pliku."_pl, "File read error."},
    {112, 112, "Błąd czyszczenia bufora wyjściowego pliku."_pl, "File output buffer flush error."},
    {113, 113, "Nie można było przesunąć znacznika końca pliku."_pl, "End-Of-File could not be set"},
    {201, 201, "Błąd kodowania rekordu pliku"_pl, "File record encode error"},
    {211, 215, "Błąd dekodowania rekordu pliku"_pl, "File record decode error"},
    {251, 252, "Indeks rekordu pliku poza zakresem"_pl, "File record index out of range"},
    {253, 255, "Błąd odczytu rekordu pliku"_pl, "File record read error"},
};

} // namespace

EMFileError::EMFileError(const TMCustomFile* file, std::int32_t code, const std::exception* cause)
    : EMException(cause), code_(code) {
    if (file) {
        typeText_ = file->ClassName();
        objectText_ = file->Name();
        pathText_ = file->FileName();
    }
    FixMessage();
}

TMacIcon EMFileError::MacIcon() const {
    return micWarning;
}
std::string EMFileError::MacCode() const {
    return "F/" + Decimal(code_);
}
std::string EMFileError::MacMessage() const {
    return Choose("Błąd operacji we/wy na pliku"_pl, "File i/o operation error");
}

std::string EMFileError::CodeText(std::int32_t code) {
    return FindText(kFileTexts, code);
}

std::string EMFileError::MacDescription() const {
    return LabelledLine("Type: ", typeText_) + LabelledLine("Object: ", objectText_) +
           LabelledLine("Path: ", pathText_) + CodeText(code_);
}

std::unique_ptr<EMException> EMFileError::Clone() const {
    return std::make_unique<EMFileError>(nullptr, code_);
}

void EMFileError::Assign(const EMException* source) {
    if (source && source->InheritsFromName("EMFileError"))
        if (const auto* same = dynamic_cast<const EMFileError*>(source)) {
            code_ = same->code_;
            typeText_ = same->typeText_;
            objectText_ = same->objectText_;
            pathText_ = same->pathText_;
        }
    EMException::Assign(source);
}

void EMFileError::Generate(const TMCustomFile* file, std::int32_t code, const std::string& apiName) {
    GenerateWithLastError(apiName,
                          [&](const std::exception* cause) { return EMFileError(file, code, cause); });
}

// ---------------------------------------------------------------------------------------------
// EMDDEError

namespace {

constexpr std::uint32_t kFirstDdeError = 0x4000;
constexpr std::string_view kDdeErrorNames[] = {"ADVACKTIMEOUT",       "BUSY",
                                               "DATAACKTIMEOUT",      "DLL_NOT_INITIALIZED",
                                               "DLL_USAGE",           "EXECACKTIMEOUT",
                                               "INVALIDPARAMETER",    "LOW_MEMORY",
                                               "MEMORY_ERROR",        "NOTPROCESSED",
                                               "NO_CONV_ESTABLISHED", "POKEACKTIMEOUT",
                                               "POSTMSG_FAILED",      "REENTRANCY",
                                               "SERVER_DIED",         "SYS_ERROR",
                                               "UNADVACKTIMEOUT",     "UNFOUND_QUEUE_ID"};

const CodeTextRow kDdeTexts[] = {
    {301, 301, "Błąd inicjalizacji biblioteki DDEML"_pl, "DDEML library initialization failed"},
    {302, 302, "Błąd wywołania funkcji DdeConnect"_pl, "DdeConnect function call failure"},
    {303, 303, "Jest połączenie - operacja zabroniona"_pl, "Client connected - invalid operation"},
    {304, 304, "Brak połączenia - operacja zabroniona"_pl, "Client not connected - invalid operation"},
    {305, 305, "Błąd transakcji XTYP_REQUEST"_pl, "XTYP_REQUEST transaction failure"},
    {306, 306, "Błąd transakcji XTYP_EXECUTE"_pl, "XTYP_EXECUTE transaction failure"},
    {307, 307, "Błąd transakcji XTYP_POKE"_pl, "XTYP_POKE transaction failure"},
    {308, 308, "Błąd transakcji XTYP_ADVSTART"_pl, "XTYP_ADVSTART transaction failure"},
    {309, 309, "Błąd transakcji XTYP_ADVSTOP"_pl, "XTYP_ADVSTOP transaction failure"},
    {321, 321, "Zarejestrowano już wcześniej inny serwer"_pl, "Another server already registered"},
    {322, 322, "Bład wywołania funkcji DdeNameService"_pl, "DdeNameService function call failure"},
    {323, 323, "Serwer zarejestrowany - operacja zabroniona"_pl, "Server registered - invalid operation"},
    {324, 324, "Serwer nie zarejestrowany - operacja zabroniona"_pl,
     "Server not registered - invalid operation"},
    {325, 325, "Bład wywołania funkcji DdePostAdvise"_pl, "DdePostAdvise function call failure"},
};

} // namespace

EMDDEError::EMDDEError(bool server, std::int32_t code, std::uint32_t ddeError, const std::exception* cause)
    : EMException(cause), server_(server), code_(code), ddeError_(ddeError) {
    FixMessage();
}

std::string EMDDEError::DdeErrorName(std::uint32_t ddeError) {
    const std::uint32_t index = ddeError - kFirstDdeError; // wraps above the range for smaller values
    return index < std::size(kDdeErrorNames) ? std::string(kDdeErrorNames[index]) : std::string();
}

TMacIcon EMDDEError::MacIcon() const {
    return micWarning;
}

std::string EMDDEError::MacCode() const {
    std::string code = (server_ ? "DDE/S/" : "DDE/C/") + Decimal(code_);
    std::string name = DdeErrorName(ddeError_);
    if (!name.empty()) code += "/" + name;
    return code;
}

std::string EMDDEError::MacMessage() const {
    return server_ ? Choose("Błąd serwera DDE"_pl, "DDE server error")
                   : Choose("Błąd klienta DDE"_pl, "DDE client error");
}

std::string EMDDEError::MacDescription() const {
    return FindText(kDdeTexts, code_);
}

std::unique_ptr<EMException> EMDDEError::Clone() const {
    return std::make_unique<EMDDEError>(server_, code_, ddeError_);
}

void EMDDEError::Assign(const EMException* source) {
    if (source && source->InheritsFromName("EMDDEError"))
        if (const auto* same = dynamic_cast<const EMDDEError*>(source)) {
            server_ = same->server_;
            code_ = same->code_;
            ddeError_ = same->ddeError_;
        }
    EMException::Assign(source);
}

// ---------------------------------------------------------------------------------------------
// EMPortError

namespace {

const CodeTextRow kPortTexts[] = {
    {401, 401, "Port jest otwarty - operacja zabroniona"_pl, "Port is open - invalid operation"},
    {402, 402, "Port jest zamknięty - operacja zabroniona"_pl, "Port is closed - invalid operation"},
    {403, 403, "Błąd otwarcia portu"_pl, "Port opening error"},
    {404, 404, "Błąd pobierania liczby odebranych bajtów"_pl, "Error while retrieving received bytes count"},
    {405, 405, "Błąd podczas modyfikacji struktury DCB"_pl, "DCB structure modification error"},
    {406, 406, "Błąd podczas modyfikacji timeoutów"_pl, "Timeouts modification error"},
    {407, 407, "Błąd podczas modyfikacji długości buforów"_pl, "Buffer lengths modification error"},
    {408, 408, "Błąd odczytu przysłanej informacji"_pl, "Error while reading received data"},
    {409, 409, "Błąd zapisu informacji do wysłania"_pl, "Error while writing data for transition"},
    {410, 410, "Błąd podczas czyszczenia bufora wejściowego"_pl, "Error while clearing input buffer"},
    {411, 411, "Błąd podczas pobierania stanu modemu"_pl, "Error while checking modem status"},
    {412, 412, "Błąd pobierania liczby niewysłanych bajtów"_pl,
     "Error while retrieving count of bytes awaiting transmission"},
};

} // namespace

EMPortError::EMPortError(std::int32_t code, std::string port, const std::exception* cause)
    : EMException(cause), code_(code), port_(std::move(port)) {
    FixMessage();
}

TMacIcon EMPortError::MacIcon() const {
    return micWarning;
}
std::string EMPortError::MacCode() const {
    return "COM/" + Decimal(code_);
}
std::string EMPortError::MacMessage() const {
    return Choose("Błąd operacji na porcie komunikacyjnym"_pl, "Communication port error");
}
std::string EMPortError::CodeText(std::int32_t code) {
    return FindText(kPortTexts, code);
}
std::string EMPortError::MacDescription() const {
    return LabelledLine("Port: ", port_) + CodeText(code_);
}

std::unique_ptr<EMException> EMPortError::Clone() const {
    return std::make_unique<EMPortError>(code_, port_);
}

void EMPortError::Assign(const EMException* source) {
    if (source && source->InheritsFromName("EMPortError"))
        if (const auto* same = dynamic_cast<const EMPortError*>(source)) {
            code_ = same->code_;
            port_ = same->port_;
        }
    EMException::Assign(source);
}

void EMPortError::Generate(std::int32_t code, const std::string& port, const std::string& apiName) {
    GenerateWithLastError(apiName,
                          [&](const std::exception* cause) { return EMPortError(code, port, cause); });
}

// ---------------------------------------------------------------------------------------------
// EMThreadError

namespace {

const CodeTextRow kThreadTexts[] = {
    {501, 501, "W trakcie wykonywania operacji wystąpił błąd"_pl, "An error occured while processing"},
    {502, 502, "Błąd wywołania funkcji CreateThread"_pl, "CreateThread function call failure"},
};

} // namespace

EMThreadError::EMThreadError(std::int32_t code, const std::exception* cause)
    : EMException(cause), code_(code) {
    FixMessage();
}

TMacIcon EMThreadError::MacIcon() const {
    return micWarning;
}
std::string EMThreadError::MacCode() const {
    return "THR/" + Decimal(code_);
}
std::string EMThreadError::MacMessage() const {
    return Choose("Wykonywanie operacji zostało przerwane"_pl, "Operation aborted");
}
std::string EMThreadError::MacDescription() const {
    return FindText(kThreadTexts, code_);
}

std::unique_ptr<EMException> EMThreadError::Clone() const {
    return std::make_unique<EMThreadError>(code_);
}

void EMThreadError::Assign(const EMException* source) {
    if (source && source->InheritsFromName("EMThreadError"))
        if (const auto* same = dynamic_cast<const EMThreadError*>(source)) code_ = same->code_;
    EMException::Assign(source);
}

void EMThreadError::Generate(std::int32_t code, const std::string& apiName) {
    GenerateWithLastError(apiName, [&](const std::exception* cause) { return EMThreadError(code, cause); });
}

// ---------------------------------------------------------------------------------------------
// EMFolderDlgError

namespace {

const CodeTextRow kFolderDlgTexts[] = {
    {601, 601, "Błąd inicjalizacji biblioteki shell"_pl, "Shell library initialization error"},
    {602, 602, "Błąd inicjalizacji interfejsu pamięci shell"_pl,
     "Shell memory interface initialization error"},
};

} // namespace

EMFolderDlgError::EMFolderDlgError(std::int32_t code, const std::exception* cause)
    : EMException(cause), code_(code) {
    FixMessage();
}

TMacIcon EMFolderDlgError::MacIcon() const {
    return micError;
}
std::string EMFolderDlgError::MacCode() const {
    return "FDLG/" + Decimal(code_);
}
std::string EMFolderDlgError::MacMessage() const {
    return Choose("Błąd okna wyboru foldera"_pl, "Folder dialog error");
}
std::string EMFolderDlgError::MacDescription() const {
    return FindText(kFolderDlgTexts, code_);
}

std::unique_ptr<EMException> EMFolderDlgError::Clone() const {
    return std::make_unique<EMFolderDlgError>(code_);
}

void EMFolderDlgError::Assign(const EMException* source) {
    if (source && source->InheritsFromName("EMFolderDlgError"))
        if (const auto* same = dynamic_cast<const EMFolderDlgError*>(source)) code_ = same->code_;
    EMException::Assign(source);
}
