#pragma once
// The bridge's window on Linux: caption "Konfiguracja wagi CAS", the settings panel with its six
// fields and the bar of four buttons. It only wires widgets to the logic in TFrmSubiekt.
#include <QFrame>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

#include "bridge/FrmSubiekt.h"

class QComboBox;
class QLineEdit;
class QPushButton;

class SubiektWindow : public QWidget, public bridge::SubiektView, public bridge::GeneralErrorHandler {
    Q_OBJECT
public:
    SubiektWindow(bridge::ProgramRunner& runner, bridge::CasPrtcLibrary& casprtc,
                  bridge::BridgeFolders folders, QWidget* parent = nullptr);
    ~SubiektWindow() override;

    bridge::TFrmSubiekt& Logic() { return *logic_; }
    // For the end-to-end tests: close the window, as its close box does, once the start-up
    // timer's work is done.
    void SetCloseAfterTimer(bool close) { closeAfterTimer_ = close; }

    // SubiektView
    std::string FieldText(bridge::SettingsField field) const override;
    void SetFieldText(bridge::SettingsField field, const std::string& text) override;
    int PickedModelEntry() const override { return picked_; }
    void ShowSettingsPanel() override;
    void SetPanelColour(bridge::PanelColour colour) override;
    bool AskYesNo(const std::string& question) override;
    void ShowError(const std::string& message) override;
    void ShowMessage(const std::string& message) override;
    void BeginWait() override;
    void EndWait() override;
    void KeepAlive() override;
    void Close() override { close(); }

    // GeneralErrorHandler
    void ShowException(const std::exception& error) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void TimerTick();
    QLineEdit* Edit(bridge::SettingsField field) const;

    QFrame* settingsPanel_ = nullptr;
    QFrame* innerPanel_ = nullptr;
    QComboBox* model_ = nullptr;
    std::array<QLineEdit*, bridge::kSettingsFieldCount> edits_{};
    QTimer timer_;
    int picked_ = -1;
    bool closeAfterTimer_ = false;
    std::unique_ptr<bridge::TFrmSubiekt> logic_;
};
