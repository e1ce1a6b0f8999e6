#include "gui/qtplatform.h"

#include "gui/messagebox.h"
#include "model/form1.h"
#include "report/qt/report_print.h"

namespace app::qt {

// Normally the main window owns the help window; one opened without a main
// window is the platform's.
QtPlatform::~QtPlatform() { delete help_; }

void QtPlatform::ShowMessageBox(const std::string& text, calc::MessageKind kind)
{
    RunBox(window_, StyleOf(kind), QString::fromStdString(text));
    Reactivate();
}

void QtPlatform::ShowErrorBox(const std::string& text)
{
    RunBox(window_, ErrorBoxStyle(), QString::fromStdString(text));
    Reactivate();
}

std::optional<std::string> QtPlatform::RunOpenDialog(const std::string& lastName)
{
    auto name = openDialog_.Run(window_, lastName);
    Reactivate();
    return name;
}

std::optional<std::string> QtPlatform::RunSaveDialog(const std::string& lastName)
{
    auto name = saveDialog_.Run(window_, lastName);
    Reactivate();
    return name;
}

void QtPlatform::ShowReportPreview(const report::Tquickrptpage& page)
{
    report::ShowReportPreview(page, window_, form_ != nullptr ? form_->Language() : std::string("DK"));
    Reactivate();
}

void QtPlatform::OpenHelpFile(const std::string&)
{
    if (!help_)
        help_ = new HelpWindow(helpLanguage_, window_);
    help_->ShowIndex();
}

void QtPlatform::SetHelpLanguage(const std::string& language)
{
    helpLanguage_ = language;
    if (help_)
        help_->SetLanguage(language);
    if (season_)
        season_->Retranslate();
}

void QtPlatform::ShowHeatingSeason()
{
    if (!form_)
        return;
    if (!season_)
        season_ = new SeasonWindow(*form_, window_);
    season_->show();
    season_->raise();
    season_->activateWindow();
}

void QtPlatform::ShowPartLoadStudy()
{
    if (!form_)
        return;
    if (!study_)
        study_ = new StudyWindow(*form_, window_);
    // Opened anew, it starts from the main window's texts as they are now;
    // already open, it keeps the user's range.
    if (!study_->isVisible()) {
        study_->Reset();
        study_->show();
    }
    study_->raise();
    study_->activateWindow();
}

void QtPlatform::CloseWindow()
{
    if (window_)
        window_->close();
}

void QtPlatform::Reactivate()
{
    if (window_ && window_->isVisible())
        window_->activateWindow();
}

}  // namespace app::qt
