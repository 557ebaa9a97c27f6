#pragma once
// Stand-ins for the window, the error handler, the sending program and the connection library.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "bridge/CasPrtc.h"
#include "bridge/SendingProgram.h"
#include "bridge/SubiektView.h"

namespace fakes {

class FakeView : public bridge::SubiektView {
public:
    bridge::ScaleSettings Fields;
    int Picked = -1;
    bridge::PanelColour Colour = bridge::PanelColour::ButtonFace;
    bool Closed = false;
    int SettingsShown = 0;
    bool Answer = true;
    int Waiting = 0, WaitsBegun = 0, KeptAlive = 0;
    std::vector<std::string> Shown; // "?question", "!error", "i message"

    std::string FieldText(bridge::SettingsField f) const override { return Fields[f]; }
    void SetFieldText(bridge::SettingsField f, const std::string& t) override { Fields[f] = t; }
    int PickedModelEntry() const override { return Picked; }
    void ShowSettingsPanel() override { ++SettingsShown; }
    void SetPanelColour(bridge::PanelColour c) override { Colour = c; }
    bool AskYesNo(const std::string& q) override {
        Shown.push_back("?" + q);
        return Answer;
    }
    void ShowError(const std::string& m) override { Shown.push_back("!" + m); }
    void ShowMessage(const std::string& m) override { Shown.push_back("i " + m); }
    void BeginWait() override { ++Waiting, ++WaitsBegun; }
    void EndWait() override { --Waiting; }
    void KeepAlive() override { ++KeptAlive; }
    void Close() override { Closed = true; }
};

class FakeErrors : public bridge::GeneralErrorHandler {
public:
    std::vector<std::string> Shown;
    void ShowException(const std::exception& e) override { Shown.push_back(e.what()); }
};

class FakeRunner : public bridge::ProgramRunner {
public:
    struct Call {
        std::string Program;
        std::vector<std::string> Arguments;
        std::string WorkDir;
    };
    std::vector<Call> Calls;
    bridge::ProgramOutcome Outcome{true, 0};
    std::function<void()> WhileRunning; // what the program does (writes its error file ...)

    bridge::ProgramOutcome Run(const std::string& program, const std::vector<std::string>& arguments,
                               const std::string& workDir,
                               const std::function<void()>& whileWaiting) override {
        Calls.push_back({program, arguments, workDir});
        if (whileWaiting) whileWaiting();
        if (WhileRunning && Outcome.Started) WhileRunning();
        return Outcome;
    }
};

// The connection library as plain functions over one shared state, as the real one is.
struct CasState {
    std::vector<std::string> Calls;
    int SetCommResult = 1;
    int AddInterpreterCl = 1, AddInterpreterLp = 1;
    int AddProcFailures = 0; // calls that return 0 before one succeeds
    int ConnectResult = 1;
    int IsConnectResult = 1;
    int DeleteResult = 1;
    std::uint8_t Info[7] = {0, 0, 1, 2, 5, 3, 9};
};
CasState& Cas();
bridge::CasPrtcFunctions CasFunctions();

} // namespace fakes
