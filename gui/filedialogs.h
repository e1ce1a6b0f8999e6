// The open and save dialogs of case files. Each is one dialog kept for the
// whole run, so the folder, the chosen filter and the dialog's size stay as
// the user left them.
#pragma once

#include <QPointer>

#include <optional>
#include <string>

class QFileDialog;
class QWidget;

namespace app::qt {

class CaseFileDialog {
public:
    enum class Purpose { Open, Save };
    explicit CaseFileDialog(Purpose purpose) : purpose_(purpose) {}

    // Offers `lastName` again; the chosen name, or nothing when cancelled.
    std::optional<std::string> Run(QWidget* parent, const std::string& lastName);

private:
    QFileDialog& Dialog(QWidget* parent);

    Purpose purpose_;
    QPointer<QFileDialog> dialog_;
};

}  // namespace app::qt
