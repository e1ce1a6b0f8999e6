// What the window model asks of the screen. The Qt binding implements it;
// tests record the calls.
#pragma once

#include "calc/messages.h"

#include <optional>
#include <string>

namespace report {
class Tquickrptpage;
}

namespace app {

class Platform : public calc::MessageSink {
public:
    // The error box of a failed command: title "Tervol", stop icon, "OK".
    // The text already carries its full stop.
    virtual void ShowErrorBox(const std::string& text) = 0;
    // The open and save dialogs of case files, offering `lastName`; the
    // chosen name, or nothing when the user cancels.
    virtual std::optional<std::string> RunOpenDialog(const std::string& lastName) = 0;
    virtual std::optional<std::string> RunSaveDialog(const std::string& lastName) = 0;
    // The report engine's modal preview of the page, from which the user prints.
    virtual void ShowReportPreview(const report::Tquickrptpage& page) = 0;
    // Opens the help at its keyword index with an empty keyword; a failure
    // shows nothing.
    virtual void OpenHelpFile(const std::string& path) = 0;
    // Shows the part-load study of the window's current case.
    virtual void ShowPartLoadStudy() = 0;
    // Shows the heating season of the window's current case; nothing where
    // no window can show it.
    virtual void ShowHeatingSeason() {}
    // Closes the window, which ends the program.
    virtual void CloseWindow() = 0;
};

}  // namespace app
