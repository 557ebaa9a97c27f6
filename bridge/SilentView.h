#pragma once
// A window that is never shown: it keeps the field texts, answers No to every question and shows
// nothing. Benchmarks and fuzzers run the request processing through it.
#include <stdexcept>
#include <string>

#include "bridge/FrmSubiekt.h"

namespace bridge {

class SilentView : public SubiektView, public GeneralErrorHandler {
public:
    // rethrow: a failure shown through the general error handler is thrown again, so that the
    // caller stops on it; otherwise it is dropped.
    explicit SilentView(bool rethrow = false) : rethrow_(rethrow) {}

    ScaleSettings Fields;
    std::string FieldText(SettingsField f) const override { return Fields[f]; }
    void SetFieldText(SettingsField f, const std::string& t) override { Fields[f] = t; }
    int PickedModelEntry() const override { return -1; }
    void ShowSettingsPanel() override {}
    void SetPanelColour(PanelColour) override {}
    bool AskYesNo(const std::string&) override { return false; }
    void ShowError(const std::string&) override {}
    void ShowMessage(const std::string&) override {}
    void BeginWait() override {}
    void EndWait() override {}
    void KeepAlive() override {}
    void Close() override {}
    void ShowException(const std::exception& e) override {
        if (rethrow_) throw std::runtime_error(e.what());
    }

private:
    bool rethrow_;
};

} // namespace bridge
