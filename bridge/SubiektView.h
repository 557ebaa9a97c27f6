#pragma once
// What the bridge's logic needs of its window. The Qt and Win32 windows implement it; the tests
// drive the logic through a fake one. Texts are Windows-1250.
#include <exception>
#include <string>

#include "bridge/ScaleSettings.h"

namespace bridge {

enum class PanelColour { ButtonFace, Blue };

class SubiektView {
public:
    virtual ~SubiektView() = default;

    virtual std::string FieldText(SettingsField field) const = 0;
    // Sets a field's text from the program (not a user's change).
    virtual void SetFieldText(SettingsField field, const std::string& text) = 0;
    // The model entry the user picked from the list in this run, or -1 when none.
    virtual int PickedModelEntry() const = 0;

    virtual void ShowSettingsPanel() = 0;
    virtual void SetPanelColour(PanelColour colour) = 0;

    virtual bool AskYesNo(const std::string& question) = 0; // a warning question; true for Yes
    virtual void ShowError(const std::string& message) = 0; // an error message, one OK button
    virtual void ShowMessage(const std::string& message) = 0;

    // The hourglass while the window is busy; EndWait puts the remembered cursor back.
    virtual void BeginWait() = 0;
    virtual void EndWait() = 0;
    // Paints the window and handles what keeps it alive, without taking user input: called
    // while the bridge waits for another program.
    virtual void KeepAlive() = 0;

    virtual void Close() = 0;
};

// The application's general error handler: shows a failure that ended an operation.
class GeneralErrorHandler {
public:
    virtual ~GeneralErrorHandler() = default;
    virtual void ShowException(const std::exception& error) = 0;
};

} // namespace bridge
