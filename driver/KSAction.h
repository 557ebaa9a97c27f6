#pragma once
// An action: the driver's short-lived working object for one device call of the host. It asks the
// host for its environment when made and gives driver code its services towards the host:
// parameter values, the host list, status lines with progress, error reports and the hand-over
// of an export result.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "base/Exception.h"
#include "base/StringList.h"
#include "driver/KSLibrary.h"
#include "driver/LTools.h"

// The kind of the current status: what the host shows after the status text.
enum TKSStatusKind : std::uint8_t {
    sskSuccess = 0, // the text, then 0x01 and "OK"
    sskError = 1,   // an error line
    sskWarning = 2, // a line of the second severity
    sskPercent = 3, // the text, ":", 0x01 and the progress in per cent
    sskCounter = 4, // the text, ":", 0x01 and the count
    sskPlain = 5,   // the text alone (also every kind above 5)
};

// The line kinds of the host.
enum TKSLineKind : int { slkNormal = 0, slkWarning = 1, slkError = 2 };

// Separates a status line's text from its state column.
inline constexpr char kStatusColumn = '\x01';

class VXLUMO_API TKSActionBase : public TObject {
    VX_CLASS(TKSActionBase, TObject)
public:
    TKSActionBase(TKSLibrary* ownerLibrary, int actionId);
    ~TKSActionBase() override;
    TKSActionBase(const TKSActionBase&) = delete;
    TKSActionBase& operator=(const TKSActionBase&) = delete;

    virtual int ActionLevel() { return 10; }
    virtual std::string SharedResourceName() = 0;
    virtual bool HowToFindReceipt(int a, int b, int c);
    virtual void Execute(HSKXDLLSRODOWISKO& record, int operationCode, int operationArg);
    virtual std::string DeviceProperty(int number);

    // Host services.
    std::string ParamText(const std::string& name);
    int ParamInt(const std::string& name);
    TStringList& HostList();
    void AddStatusLine(int lineKind, const std::string& text);
    std::string ReplaceStatusLine(int lineKind, const std::string& text);
    void StartStatus(std::string_view message, int kind, int total);
    void SetProgress(int position);
    void SetStatusKind(int kind);
    void SaveExportResult();
    // Sends the error text for a failed operation; e is null when the failure is not an Exception.
    void ReportError(const std::string& operationName, const Exception* e);
    // The text ReportError sends.
    static std::string ErrorText(const std::string& operationName, const Exception* e);

    TKSLibrary* OwnerLibrary() const { return ownerLibrary_; }
    int ActionId() const { return actionId_; }
    int EnvNumber() const { return envNumber_; }
    int ScaleNo() const { return scaleNo_; }
    const std::string& EnvText1() const { return envText1_; }
    const std::string& EnvText2() const { return envText2_; }
    const std::string& WorkDir() const { return workDir_; }
    const std::string& StatusText() const { return statusText_; }
    int StatusKind() const { return statusKind_; }
    int ProgressTotal() const { return progressTotal_; }
    int ProgressPos() const { return progressPos_; }
    int OperationArg() const { return operationArg_; }
    void SetOperationArg(int value) { operationArg_ = value; }
    const std::string& LastLine() const { return lastLine_; }

protected:
    // The line the status kinds 3 and 4 show for a position.
    std::string ProgressLine(int position) const;

private:
    TKSLibrary* ownerLibrary_;
    int actionId_;
    std::int32_t envNumber_ = -1;
    std::int32_t scaleNo_ = 0;
    std::string envText1_;
    std::string envText2_;
    std::string workDir_;
    std::unique_ptr<TStringList> hostList_;
    std::unique_ptr<TObject> auxiliary1_;
    std::unique_ptr<TObject> auxiliary2_;
    std::string statusText_;
    std::uint8_t statusKind_ = sskPlain;
    int progressTotal_ = 100;
    int progressPos_ = 0;
    int operationArg_ = 0;
    std::string lastLine_;
};

class VXLUMO_API KSAction : public TKSActionBase {
    VX_CLASS(KSAction, TKSActionBase)
public:
    KSAction(TKSLibrary* ownerLibrary, int actionId);
    ~KSAction() override;

    virtual void WriteCommLog(const std::string& header);
    virtual std::string CommLogPath();
    // Answers a message-box request without showing anything; the request goes to the log.
    virtual int LogMessageBox(const std::string& text, const std::string& caption, int flags);

    std::string KasaExpPath() const { return WorkDir() + "kasa.exp"; }
    std::string WynikExpPath() const { return WorkDir() + "wynik.exp"; }

    TLTools& Tools() { return tools_; }
    TStringList& CommLog() { return *commLog_; }

private:
    TLTools tools_;
    std::unique_ptr<TStringList> commLog_;
};
