#include "driver/KSAction.h"

#include "driver/DriverFile.h"
#include "driver/ErrorChain.h"
#include "driver/HostText.h"
#include "platform/Cp1250.h"

TKSActionBase::TKSActionBase(TKSLibrary* ownerLibrary, int actionId)
    : ownerLibrary_(ownerLibrary), actionId_(actionId) {
    auto environment =
        ownerLibrary_ ? ownerLibrary_->CallbackAs<TSKXEnvironmentCallback>(sctEnvironment) : nullptr;
    if (environment) {
        char text1[kSkxTextBufferSize] = {};
        char text2[kSkxTextBufferSize] = {};
        char dir[kSkxPathBufferSize] = {};
        environment(ownerLibrary_->HostData(), actionId_, &envNumber_, &scaleNo_, text1, text2, dir);
        text1[kSkxTextBufferSize - 1] = text2[kSkxTextBufferSize - 1] = dir[kSkxPathBufferSize - 1] = '\0';
        envText1_ = text1;
        envText2_ = text2;
        workDir_ = dir;
    }
}

TKSActionBase::~TKSActionBase() = default;

bool TKSActionBase::HowToFindReceipt(int, int, int) {
    return false;
}

void TKSActionBase::Execute(HSKXDLLSRODOWISKO&, int, int) {
    throw Exception(std::string("Urządzenie nie obsługuje zleconego typu operacji"_pl));
}

std::string TKSActionBase::DeviceProperty(int number) {
    return number == 1101 || number == 1103 ? "0" : "";
}

std::string TKSActionBase::ParamText(const std::string& name) {
    auto callback = ownerLibrary_->CallbackAs<TSKXParamValueCallback>(sctParamValue);
    if (!callback) return {};
    std::string trimmed = hosttext::Trim(name);
    char value[kSkxTextBufferSize];
    value[0] = '\0';
    value[kSkxTextBufferSize - 1] = '\0';
    callback(ownerLibrary_->HostData(), actionId_, trimmed.c_str(), value);
    value[kSkxTextBufferSize - 1] = '\0';
    return value;
}

int TKSActionBase::ParamInt(const std::string& name) {
    return hosttext::ToIntDef(ParamText(name), 0);
}

TStringList& TKSActionBase::HostList() {
    if (hostList_) return *hostList_;
    hostList_ = std::make_unique<TStringList>();
    auto callback = ownerLibrary_->CallbackAs<TSKXListLineCallback>(sctListLine);
    for (int index = 0; callback; ++index) {
        char line[kSkxTextBufferSize];
        line[0] = '\0';
        line[kSkxTextBufferSize - 1] = '\0';
        if (callback(ownerLibrary_->HostData(), actionId_, index, line) == 0) break;
        line[kSkxTextBufferSize - 1] = '\0';
        std::string text = hosttext::Trim(line);
        if (text.empty()) break;
        hostList_->Add(std::move(text));
    }
    return *hostList_;
}

void TKSActionBase::AddStatusLine(int lineKind, const std::string& text) {
    if (auto callback = ownerLibrary_->CallbackAs<TSKXLineCallback>(sctAddLine))
        callback(ownerLibrary_->HostData(), actionId_, lineKind, hosttext::Trim(text).c_str());
    lastLine_ = text;
}

std::string TKSActionBase::ReplaceStatusLine(int lineKind, const std::string& text) {
    std::string previous = lastLine_;
    if (auto callback = ownerLibrary_->CallbackAs<TSKXLineCallback>(sctReplaceLine))
        callback(ownerLibrary_->HostData(), actionId_, lineKind, hosttext::Trim(text).c_str());
    lastLine_ = text;
    return previous;
}

std::string TKSActionBase::ProgressLine(int position) const {
    std::string line = statusText_ + ":" + kStatusColumn;
    if (statusKind_ == sskPercent) return line + std::to_string(position * 100LL / progressTotal_) + " %";
    return line + std::to_string(position);
}

void TKSActionBase::StartStatus(std::string_view message, int kind, int total) {
    TStringList lines;
    lines.SetText(message);
    for (int i = 0; i < lines.Count(); ++i) {
        bool last = i + 1 == lines.Count();
        std::string line(lines[i]);
        int lineKind = slkNormal;
        switch (kind) {
        case sskSuccess:
            if (last) line += std::string(1, kStatusColumn) + "OK";
            break;
        case sskError:
            lineKind = slkError;
            break;
        case sskWarning:
            lineKind = slkWarning;
            break;
        case sskPercent:
            if (last) line += std::string(":") + kStatusColumn + "0 %";
            break;
        case sskCounter:
            line += std::string(last ? ":" : "") + kStatusColumn + "0";
            break;
        default:
            break;
        }
        AddStatusLine(lineKind, line);
    }
    if (lines.Empty()) return;
    statusText_ = lines[lines.Count() - 1];
    statusKind_ = static_cast<std::uint8_t>(kind);
    progressTotal_ = total > 0 ? total : 1;
    progressPos_ = 0;
}

void TKSActionBase::SetProgress(int position) {
    if (position == progressPos_) return;
    progressPos_ = position;
    if (statusKind_ == sskPercent || statusKind_ == sskCounter)
        ReplaceStatusLine(slkNormal, ProgressLine(position));
}

void TKSActionBase::SetStatusKind(int kind) {
    if (kind == statusKind_) return;
    statusKind_ = static_cast<std::uint8_t>(kind);
    switch (kind) {
    case sskSuccess:
        ReplaceStatusLine(slkNormal, statusText_ + kStatusColumn + "OK");
        break;
    case sskError:
        ReplaceStatusLine(slkError, statusText_);
        break;
    case sskWarning:
        ReplaceStatusLine(slkWarning, statusText_);
        break;
    case sskPercent:
    case sskCounter:
        ReplaceStatusLine(slkNormal, ProgressLine(progressPos_));
        break;
    default:
        ReplaceStatusLine(slkNormal, statusText_);
        break;
    }
}

void TKSActionBase::SaveExportResult() {
    auto callback = ownerLibrary_->CallbackAs<TSKXSaveExportResultCallback>(sctSaveExportResult);
    if (!callback || callback(ownerLibrary_->HostData(), actionId_) == 0)
        throw Exception(std::string("Błąd zapisu wyniku eksportu do bazy danych"_pl));
}

namespace {
constexpr std::string_view kOperationPrefix = "Podczas wykonywania operacji "_pl;
constexpr std::string_view kUnknownErrorSuffix = " wystąpił nierozpoznawalny błąd"_pl;
constexpr std::string_view kAbortedPrefix = "Operacja "_pl;
constexpr std::string_view kAbortedSuffix = " została przerwana"_pl;
constexpr std::string_view kErrorSuffix = " wystąpił błąd:\r\n"_pl;
} // namespace

std::string TKSActionBase::ErrorText(const std::string& operationName, const Exception* e) {
    // The texts are taken one at a time: clang 14 crashes on several Polish literals in one
    // expression of this function.
    const std::string quoted = "'" + operationName + "'";
    if (!e) return std::string(kOperationPrefix) + quoted + std::string(kUnknownErrorSuffix);
    if (e->InheritsFromName("EAbort"))
        return std::string(kAbortedPrefix) + quoted + std::string(kAbortedSuffix);
    std::string text = std::string(kOperationPrefix) + quoted + std::string(kErrorSuffix);
    if (e->InheritsFromName("EMException")) return text + DescribeCauses(*e);
    return text + e->Message();
}

void TKSActionBase::ReportError(const std::string& operationName, const Exception* e) {
    try {
        StartStatus(ErrorText(operationName, e), sskError, 100);
    } catch (...) {
        // The report is the last thing an operation does for the host: nothing is left to tell.
    }
}

KSAction::KSAction(TKSLibrary* ownerLibrary, int actionId)
    : TKSActionBase(ownerLibrary, actionId), commLog_(std::make_unique<TStringList>()) {}

KSAction::~KSAction() = default;

std::string KSAction::CommLogPath() {
    return WorkDir() + "kasa.log";
}

int KSAction::LogMessageBox(const std::string& text, const std::string& caption, int flags) {
    commLog_->Add(caption + " (" + text + ")");
    switch (flags & 0x0F) {
    case 0:
    case 1:
        return 1; // OK
    case 2:
        return 5; // Ignore
    case 3:
        return 2; // Cancel
    case 4:
        return 7; // No
    case 5:
    case 6:
        return 2; // Cancel
    default:
        return 0;
    }
}

void KSAction::WriteCommLog(const std::string& header) {
    try {
        DriverFile log(CommLogPath(), DriverFile::Mode::Append);
        log.Write(std::string(80, '-') + "\r\n" + header + "\r\n" + commLog_->Text() + "\r\n" + "\r\n");
        log.Close();
    } catch (...) {
        return; // the log is a help for the service; its lines wait for the next attempt
    }
    commLog_->Clear();
}
