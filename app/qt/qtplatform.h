// The window model's platform on Qt: message boxes, the error box, the case
// file dialogs, the report preview, the help viewer and closing the window.
#pragma once

#include "app/platform.h"
#include "app/qt/filedialogs.h"

#include <QPointer>
#include <QUrl>
#include <QWidget>

#include <functional>

namespace app {
class TForm1;
}

namespace app::qt {

class QtPlatform final : public Platform {
public:
    // Hands a file to the desktop; false when nothing could open it.
    using UrlOpener = std::function<bool(const QUrl&)>;

    explicit QtPlatform(UrlOpener opener = {});

    // The main window: parent of the boxes and dialogs, closed by CloseWindow.
    void SetWindow(QWidget* window) { window_ = window; }

    void ShowMessageBox(const std::string& text, calc::MessageKind kind) override;
    void ShowErrorBox(const std::string& text) override;
    std::optional<std::string> RunOpenDialog(const std::string& lastName) override;
    std::optional<std::string> RunSaveDialog(const std::string& lastName) override;
    void ShowReportPreview(const report::Tquickrptpage& page) override;
    void OpenHelpFile(const std::string& path) override;
    // The part-load study window of the model given here, created at the
    // first call and raised at every later one.
    void SetForm(const TForm1* form) { form_ = form; }
    void ShowPartLoadStudy() override;
    void CloseWindow() override;

private:
    // Without a window manager the focus would stay on the root window once
    // a modal window closes; the main window takes it back.
    void Reactivate();

    UrlOpener opener_;
    QPointer<QWidget> window_;
    const TForm1* form_ = nullptr;
    CaseFileDialog openDialog_{CaseFileDialog::Purpose::Open};
    CaseFileDialog saveDialog_{CaseFileDialog::Purpose::Save};
};

}  // namespace app::qt
