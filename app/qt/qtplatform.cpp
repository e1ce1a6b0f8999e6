#include "app/qt/qtplatform.h"

#include "app/qt/messagebox.h"
#include "report/qt/report_print.h"

#include <QDesktopServices>

namespace app::qt {

QtPlatform::QtPlatform(UrlOpener opener) : opener_(std::move(opener))
{
    if (!opener_)
        opener_ = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

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
    report::ShowReportPreview(page, window_);
    Reactivate();
}

void QtPlatform::OpenHelpFile(const std::string& path)
{
    // The desktop's opener starts the viewer and returns; a file it cannot
    // open is its own business, the program shows nothing.
    opener_(QUrl::fromLocalFile(QString::fromStdString(path)));
}

void QtPlatform::ShowPartLoadStudy() {}

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
