#pragma once
// The logic of the bridge's main form: reading the request, dispatching the one operation,
// handing goods over to the sending program, the report, the settings and the connection test.
// The window itself is a SubiektView; this class never touches a widget.
#include <cstdint>
#include <functional>
#include <string>

#include "bridge/CasPrtc.h"
#include "bridge/GoodsDocument.h"
#include "bridge/SendingProgram.h"
#include "bridge/SubiektView.h"
#include "bridge/XmlScanner.h"

namespace bridge {

class GoodsFileWriter;

struct BridgeFolders {
    std::string Current; // request and report files; empty: the process's current directory
    std::string Program; // the sending program and its files
};

class TFrmSubiekt {
public:
    TFrmSubiekt(SubiektView& view, GeneralErrorHandler& errors, ProgramRunner& runner,
                CasPrtcLibrary& casprtc, BridgeFolders folders);

    // The start-up timer's one tick: processes the request; a failure goes to the general handler.
    void TimerTick();

    void ProcessRequest();
    void WriteReport(const std::string& type, const std::string& message);
    void HandOver();
    bool TestConnection();
    void SaveSettings();

    // The window's handlers; failures go to the general error handler.
    void Button1Click(); // "OK"
    void Button2Click(); // "Anuluj"
    void Button3Click(); // "Test Połączenia"
    void Button4Click(); // "Zapisz Ustawienia"
    void ComboBox1Change();
    bool FormCloseQuery() const { return true; }

    // The folder of the sending program, with the separator at its end.
    std::string ProgramFolder() const;
    const std::string& Operation() const { return operation_; }
    bool ConnectionTested() const { return connectionTested_; }
    bool SettingsUnchanged() const { return settingsUnchanged_; }
    const GoodsDocument& Goods() const { return goods_; }
    // The model entry the connection test goes by: the one picked in this run, else the entry
    // whose text equals the field's text; -1 when none.
    int SelectedModelEntry() const;
    ScaleSettings CurrentSettings() const;

    // The wait between connection attempts; tests replace it.
    std::function<void(std::uint32_t)> ConnectionSleep;

private:
    template <class F> void Guarded(F&& action);
    void ReadSettingsFile(std::string contents);
    void ReadRequestFile(const std::string& path, GoodsFileWriter* goodsFile);
    void LoadField(SettingsField field, const std::string& value);
    void SettingsTag(const std::string& name, const XmlAttributes& attributes, bool empty);
    void RequestTag(std::string_view name, const XmlAttributes& attributes);
    void WriteGoodsFile(std::string document, GoodsFileWriter* goodsFile = nullptr);
    void ReportWithoutHeader();
    std::string CurrentFile(const std::string& name) const;
    std::string ProgramFile(const std::string& name) const;
    class RequestScan;

    SubiektView& view_;
    GeneralErrorHandler& errors_;
    ProgramRunner& runner_;
    CasPrtcLibrary& casprtc_;
    BridgeFolders folders_;

    std::string operation_;
    GoodsDocument goods_;
    bool connectionTested_ = false;
    bool settingsUnchanged_ = true;
    bool timerFired_ = false;
};

} // namespace bridge
