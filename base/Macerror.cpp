#include "base/Macerror.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <typeinfo>
#include <utility>
#include <vector>

#if __has_include(<cxxabi.h>)
#include <cxxabi.h>
#define VX_HAVE_CXXABI 1
#endif

#include "base/ExceptionHandler.h"
#include "base/MacErrorText.h"
#include "platform/Cp1250.h"
#include "platform/System.h"

using macerror_text::Choose;
using macerror_text::Decimal;
using macerror_text::IsBlank;
using macerror_text::kCrLf;

std::int32_t EMException::Language = 0;

// ---------------------------------------------------------------------------------------------
// Names and messages of any exception

namespace {

const TObject* AsObject(const std::exception& e) {
    return dynamic_cast<const TObject*>(&e);
}

bool BelongsTo(const std::exception& e, const char* className) {
    const TObject* object = AsObject(e);
    return object && object->InheritsFromName(className);
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (cp1250::ToUpper(a[i]) != cp1250::ToUpper(b[i])) return false;
    return true;
}

std::unique_ptr<EMException> CopyChain(const EMException& source) {
    std::unique_ptr<EMException> copy = source.Clone();
    copy->Assign(&source);
    return copy;
}

} // namespace

std::string ExceptionClassName(const std::exception& e) {
    if (const TObject* object = AsObject(e)) return object->ClassName();
    // Another C++ exception: its type name, readable where the compiler's runtime can say it.
    const char* mangled = typeid(e).name();
#ifdef VX_HAVE_CXXABI
    int status = 0;
    char* readable = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
    if (status == 0 && readable) {
        std::string name = readable;
        std::free(readable);
        return name;
    }
    std::free(readable);
#endif
    return mangled;
}

std::string ExceptionMessage(const std::exception& e) {
    if (const auto* ours = dynamic_cast<const Exception*>(&e)) return ours->Message();
    const char* text = e.what();
    return text ? text : "";
}

// ---------------------------------------------------------------------------------------------
// EMException

EMException::EMException(const std::exception* cause) {
    if (cause) Inner = ToEMException(cause);
    FixMessage();
}

EMException::EMException(const EMException& other)
    : Exception(other), Aborted(other.Aborted), Inner(other.Inner ? CopyChain(*other.Inner) : nullptr) {}

EMException& EMException::operator=(const EMException& other) {
    if (this != &other) {
        std::unique_ptr<EMException> inner = other.Inner ? CopyChain(*other.Inner) : nullptr;
        Exception::operator=(other);
        Aborted = other.Aborted;
        Inner = std::move(inner);
    }
    return *this;
}

EMException::~EMException() = default;

void EMException::FixMessage() {
    std::string code = GetCode();
    SetMessage(code.empty() ? MacMessage() : "[" + code + "] " + MacMessage());
}

TMacIcon EMException::MacIcon() const {
    return micError;
}

std::string EMException::MacTitle() const {
    switch (MacIcon()) {
    case micWarning:
    case micQuestion:
        return Choose("Uwaga"_pl, "Warning");
    case micInformation:
        return Choose("Informacja"_pl, "Information");
    default:
        return Choose("Wystąpił błąd"_pl, "Error");
    }
}

std::string EMException::MacCode() const {
    return {};
}

std::string EMException::MacMessage() const {
    return Aborted ? Choose("Operacja została przerwana"_pl, "Operation aborted")
                   : Choose("Nieznany wyjątek"_pl, "Unknown exception");
}

std::string EMException::MacDescription() const {
    return {};
}

std::unique_ptr<EMException> EMException::Clone() const {
    return std::make_unique<EMException>();
}

void EMException::Assign(const EMException* source) {
    if (!source || source == this) return;
    // Everything is read from the source before the old chain goes: the source may be part of it.
    std::unique_ptr<EMException> inner = source->Inner ? CopyChain(*source->Inner) : nullptr;
    SetMessage(source->Message());
    Aborted = source->Aborted;
    std::swap(Inner, inner);
}

int EMException::GetTopicCount() const {
    int count = 0;
    for (const EMException* e = this; e; e = e->Inner.get()) ++count;
    return count;
}

const EMException* EMException::GetTopics(int index) const {
    if (index < 0) return nullptr;
    const EMException* e = this;
    while (e && index-- > 0) e = e->Inner.get();
    return e;
}

void EMException::ShowNow() const {
    ShowExceptionNow(this);
}

// ---------------------------------------------------------------------------------------------
// Translators

namespace {

std::vector<ExceptionTranslator>& Translators() {
    static std::vector<ExceptionTranslator> translators;
    return translators;
}

// Sets up the registry when the library is loaded and empties it when it is unloaded.
struct TranslatorRegistration {
    TranslatorRegistration() { EMException::RegisterExceptionTranslator(&DefaultTranslator); }
    ~TranslatorRegistration() { EMException::UnregisterAllExceptionTranslators(); }
};
const TranslatorRegistration translatorRegistration;

} // namespace

void EMException::RegisterExceptionTranslator(ExceptionTranslator fn) {
    auto& list = Translators();
    if (!fn || std::find(list.begin(), list.end(), fn) != list.end()) return;
    list.insert(list.begin(), fn); // the newest is asked first
}

void EMException::UnregisterExceptionTranslator(ExceptionTranslator fn) {
    auto& list = Translators();
    list.erase(std::remove(list.begin(), list.end(), fn), list.end());
}

void EMException::UnregisterAllExceptionTranslators() {
    Translators().clear();
}

std::unique_ptr<EMException> EMException::ToEMException(const std::exception* e) {
    if (!e) return std::make_unique<EMException>();
    if (BelongsTo(*e, "EMException"))
        if (const auto* ours = dynamic_cast<const EMException*>(e)) return CopyChain(*ours);
    // A copy of the list, so that a translator may change the registry without harm.
    const std::vector<ExceptionTranslator> translators = Translators();
    for (ExceptionTranslator translate : translators)
        if (std::unique_ptr<EMException> result = translate(*e)) return result;
    auto result = std::make_unique<EMException>();
    // Only the exception's own class counts here; descendants of EAbort are not aborts.
    if (SameTextIgnoringCase(ExceptionClassName(*e), "EAbort")) result->Aborted = true;
    result->SetMessage(result->Message() + std::string(kCrLf) + ExceptionMessage(*e));
    return result;
}

std::unique_ptr<EMException> DefaultTranslator(const std::exception& e) {
    if (BelongsTo(e, "EAbort")) return nullptr;
    if (BelongsTo(e, "EDBEditError")) return std::make_unique<EMMaskEditError>();
    if (BelongsTo(e, "ERegistryException")) return std::make_unique<EMRegistryError>(ExceptionMessage(e));
    return std::make_unique<EMClassicException>(&e);
}

// ---------------------------------------------------------------------------------------------
// Showing

namespace {

// Until a window can show it: the exception's topics on standard error, as UTF-8.
void WriteToStandardError(const EMException& e) {
    std::string text;
    for (int i = 0; i < e.GetTopicCount(); ++i) {
        const EMException* topic = e.GetTopics(i);
        text += "[" + topic->GetTitle() + "]\n" + topic->Message() + "\n";
        std::string description = topic->GetDescription();
        if (!description.empty()) text += description + "\n";
    }
    std::string utf8 = cp1250::ToUtf8(text);
    std::fwrite(utf8.data(), 1, utf8.size(), stderr);
    std::fflush(stderr);
}

} // namespace

void EMException::ShowExceptionNow(const std::exception* e) {
    if (IsApplicationExceptionHandlerInstalled()) {
        if (e) CallApplicationExceptionHandler(nullptr, e);
        return;
    }
    std::unique_ptr<EMException> shown = ToEMException(e);
    if (!shown->Aborted) WriteToStandardError(*shown); // an aborted operation is not reported
}

// ---------------------------------------------------------------------------------------------
// EMWin32LastError

EMWin32LastError::EMWin32LastError(std::int32_t code, std::string apiName)
    : code_(code), apiName_(std::move(apiName)) {
    FixMessage();
}

TMacIcon EMWin32LastError::MacIcon() const {
    return micWarning;
}
std::string EMWin32LastError::MacCode() const {
    return "L/" + Decimal(code_);
}

std::string EMWin32LastError::MacMessage() const {
    return Choose("Błąd wywołania funkcji API Win32"_pl, "Win32 API function call error");
}

std::string EMWin32LastError::MacDescription() const {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%08X", static_cast<unsigned>(static_cast<std::uint32_t>(code_)));
    std::string text = "Error: 0x" + std::string(hex) + std::string(kCrLf);
    if (!IsBlank(apiName_)) text += "API Function: " + apiName_ + std::string(kCrLf);
    text += "Message: " + platform::SystemErrorMessage(static_cast<std::uint32_t>(code_));
    return text;
}

std::unique_ptr<EMException> EMWin32LastError::Clone() const {
    return std::make_unique<EMWin32LastError>(code_, apiName_);
}

void EMWin32LastError::Assign(const EMException* source) {
    if (source && source->InheritsFromName("EMWin32LastError"))
        if (const auto* same = dynamic_cast<const EMWin32LastError*>(source)) {
            code_ = same->code_;
            apiName_ = same->apiName_;
        }
    EMException::Assign(source);
}

void EMWin32LastError::Generate(const std::string& apiName) {
    const auto code = static_cast<std::int32_t>(platform::LastError()); // before anything else
    throw EMWin32LastError(code, apiName);
}

// ---------------------------------------------------------------------------------------------
// EMMaskEditError

EMMaskEditError::EMMaskEditError() {
    FixMessage();
}

TMacIcon EMMaskEditError::MacIcon() const {
    return micWarning;
}
std::string EMMaskEditError::MacCode() const {
    return "Mask";
}
std::string EMMaskEditError::MacMessage() const {
    return Choose("Błąd wprowadzania tekstu"_pl, "Text input error");
}
std::string EMMaskEditError::MacDescription() const {
    return Choose("Wprowadzony tekst jest niezgodny z wymaganym formatem"_pl,
                  "Text is incompatible with used format");
}
std::unique_ptr<EMException> EMMaskEditError::Clone() const {
    return std::make_unique<EMMaskEditError>();
}

// ---------------------------------------------------------------------------------------------
// EMRegistryError

EMRegistryError::EMRegistryError(std::string detail) : detail_(std::move(detail)) {
    FixMessage();
}

TMacIcon EMRegistryError::MacIcon() const {
    return micWarning;
}
std::string EMRegistryError::MacCode() const {
    return "Reg";
}
std::string EMRegistryError::MacMessage() const {
    return Choose("Błąd zapisu lub odczytu rejestru"_pl, "Registry read or write error");
}

std::string EMRegistryError::MacDescription() const {
    const bool more = !IsBlank(detail_);
    std::string text;
    if (EMException::Language == 1) {
        text = "Registry operation error." + std::string(kCrLf);
        if (more) text += "More details:" + std::string(kCrLf);
    } else {
        text =
            std::string("Błąd operacji na rejestrze systemu."_pl) + std::string(kCrLf) +
            std::string("Przyczyną może być brak uprawnień do modyfikacji części rejestru "_pl) +
            std::string("lub typ danych inny niż aplikacja zakłada podczas odczytu. "_pl) +
            std::string(
                "Sprawdź czy zalogowany użytkownik systemu Windows posiada uprawnienia administratora."_pl) +
            std::string(kCrLf);
        if (more) text += std::string("Więcej szczegółów:"_pl) + std::string(kCrLf);
    }
    return text + detail_;
}

std::unique_ptr<EMException> EMRegistryError::Clone() const {
    return std::make_unique<EMRegistryError>(detail_);
}

// ---------------------------------------------------------------------------------------------
// EMClassicException

EMClassicException::EMClassicException(const std::exception* wrapped) : EMException(nullptr) {
    if (wrapped) {
        const auto* classic = BelongsTo(*wrapped, "EMClassicException")
                                  ? dynamic_cast<const EMClassicException*>(wrapped)
                                  : nullptr;
        if (classic) {
            Assign(classic);
        } else {
            codeText_ = ExceptionClassName(*wrapped);
            description_ = ExceptionMessage(*wrapped);
        }
    }
    FixMessage();
}

TMacIcon EMClassicException::MacIcon() const {
    return micError;
}
std::string EMClassicException::MacCode() const {
    return codeText_;
}
std::string EMClassicException::MacMessage() const {
    return Choose("Błąd aplikacji"_pl, "Application error") + std::string(kCrLf) + description_;
}
std::string EMClassicException::MacDescription() const {
    return description_;
}

std::unique_ptr<EMException> EMClassicException::Clone() const {
    return std::make_unique<EMClassicException>(nullptr);
}

void EMClassicException::Assign(const EMException* source) {
    if (source && source->InheritsFromName("EMClassicException"))
        if (const auto* same = dynamic_cast<const EMClassicException*>(source)) {
            codeText_ = same->codeText_;
            description_ = same->description_;
        }
    EMException::Assign(source);
}

// ---------------------------------------------------------------------------------------------
// EMToolsError

EMToolsError::EMToolsError(std::int32_t code, std::string text, const std::exception* cause)
    : EMException(cause), code_(code), text_(std::move(text)) {
    FixMessage();
}

TMacIcon EMToolsError::MacIcon() const {
    return micWarning;
}
std::string EMToolsError::MacCode() const {
    return "TOOLS/" + Decimal(code_);
}
std::string EMToolsError::MacMessage() const {
    return Choose("Błąd narzędzi podstawowych"_pl, "Basic tools error");
}
std::string EMToolsError::MacDescription() const {
    return {};
}

std::unique_ptr<EMException> EMToolsError::Clone() const {
    return std::make_unique<EMToolsError>(code_, text_);
}

void EMToolsError::Assign(const EMException* source) {
    if (source && source->InheritsFromName("EMToolsError"))
        if (const auto* same = dynamic_cast<const EMToolsError*>(source)) {
            code_ = same->code_;
            text_ = same->text_;
        }
    EMException::Assign(source);
}
