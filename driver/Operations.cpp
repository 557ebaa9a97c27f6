#include "driver/Operations.h"

#include "base/Exception.h"
#include "driver/HostText.h"
#include "driver/KSAction.h"
#include "platform/Cp1250.h"
#include "platform/System.h"

namespace skxops {

namespace {
unsigned g_sessionWaitMs = 1000;

int SessionType(const std::int32_t* session) {
    return session ? *session : 0;
}
} // namespace

void SetSessionWaitMs(unsigned milliseconds) {
    g_sessionWaitMs = milliseconds;
}

std::string OperationName(int code) {
    switch (code) {
    case -1:
        return std::string("test połączenia"_pl);
    case -2:
        return "eksport";
    case -3:
        return std::string("import sprzedaży"_pl);
    case -4:
        return "import paragonu";
    case -5:
        return "eksport automatyczny";
    case -6:
        return "import automatyczny";
    case -7:
        return std::string("nasłuch"_pl);
    case -9:
        return "import licznika";
    default:
        return "operacja [" + std::to_string(code) + "]";
    }
}

std::int32_t RunOperation(TKSLibrary* library, int actionId, std::int32_t* session, char* text,
                          int operationCode, int operationArg) {
    if (!library) throw Exception("brak biblioteki");
    std::string callerText = hosttext::FromBuffer(text);
    std::unique_ptr<TKSActionBase> action = library->CreateAction(actionId);
    try {
        library->CheckSessionType(SessionType(session), callerText);
    } catch (...) {
        action->AddStatusLine(0, std::string("Oczekiwanie na zamknięcie sesji '"_pl) + callerText + "'");
        platform::Sleep(g_sessionWaitMs);
        return 1;
    }
    action->SetOperationArg(operationArg);
    std::string name = OperationName(operationCode);
    HSKXDLLSRODOWISKO record;
    record.text = callerText;
    record.session = session;
    record.result = 0;
    try {
        action->Execute(record, operationCode, operationArg);
    } catch (const Exception& e) {
        action->ReportError(name, &e);
        record.result = 0;
    } catch (...) {
        action->ReportError(name, nullptr);
        record.result = 0;
    }
    action.reset();
    hosttext::CopyToBuffer(text, record.text);
    return record.result;
}

void KeepSession(TKSLibrary* library, std::int32_t* session, char* text, int value, int flag) {
    if (!library) return;
    std::string callerText = hosttext::FromBuffer(text);
    try {
        library->CheckSessionType(SessionType(session), callerText);
    } catch (...) {
        return;
    }
    library->KeepSessionAlive(session, callerText, value, flag != 0);
    hosttext::CopyToBuffer(text, callerText);
}

} // namespace skxops
