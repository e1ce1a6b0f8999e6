// The window model's platform on Qt: message boxes, the error box, the case
// file dialogs, the report preview, the help window and closing the window.
#pragma once

#include "gui/filedialogs.h"
#include "gui/helpwindow.h"
#include "gui/seasonwindow.h"
#include "gui/studywindow.h"
#include "model/platform.h"

#include <QPointer>
#include <QWidget>

namespace app {
class TForm1;
}

namespace app::qt {

class QtPlatform final : public Platform {
public:
    QtPlatform() = default;
    ~QtPlatform() override;

    // The main window: parent of the boxes and dialogs, closed by CloseWindow.
    void SetWindow(QWidget* window) { window_ = window; }

    void ShowMessageBox(const std::string& text, calc::MessageKind kind) override;
    void ShowErrorBox(const std::string& text) override;
    std::optional<std::string> RunOpenDialog(const std::string& lastName) override;
    std::optional<std::string> RunSaveDialog(const std::string& lastName) override;
    void ShowReportPreview(const report::Tquickrptpage& page) override;
    // The help window, created at the first call and raised at every later
    // one. The help file's name means nothing here: the pages are built in.
    void OpenHelpFile(const std::string& path) override;
    // The interface language, followed by the help window while it is open.
    void SetHelpLanguage(const std::string& language);
    HelpWindow* helpWindow() const { return help_; }
    // The part-load study window of the model given here, created at the
    // first call and raised at every later one.
    void SetForm(TForm1* form) { form_ = form; }
    StudyWindow* studyWindow() const { return study_; }
    void ShowPartLoadStudy() override;
    // The heating season window, one instance, following the language.
    SeasonWindow* seasonWindow() const { return season_; }
    void ShowHeatingSeason() override;
    void CloseWindow() override;

private:
    // Without a window manager the focus would stay on the root window once
    // a modal window closes; the main window takes it back.
    void Reactivate();

    QPointer<QWidget> window_;
    TForm1* form_ = nullptr;
    QPointer<StudyWindow> study_;
    QPointer<SeasonWindow> season_;
    QPointer<HelpWindow> help_;
    std::string helpLanguage_ = "DK";
    CaseFileDialog openDialog_{CaseFileDialog::Purpose::Open};
    CaseFileDialog saveDialog_{CaseFileDialog::Purpose::Save};
};

}  // namespace app::qt
