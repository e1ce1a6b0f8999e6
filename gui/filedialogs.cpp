#include "gui/filedialogs.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>

namespace app::qt {

namespace {

const QString kSuffix = QStringLiteral("tvl");

}  // namespace

QFileDialog& CaseFileDialog::Dialog(QWidget* parent)
{
    if (dialog_ && dialog_->parentWidget() == parent)
        return *dialog_;
    delete dialog_;
    dialog_ = new QFileDialog(parent);
    QFileDialog& d = *dialog_;
    d.setWindowModality(Qt::ApplicationModal);
    // Qt's own dialog on every desktop: a native open dialog would insist that
    // the file exists, and a missing name must reach the program.
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setNameFilters({QStringLiteral("veksler (*.tvl)"), QStringLiteral("alle (*)")});
    d.selectNameFilter(QStringLiteral("veksler (*.tvl)"));
    if (purpose_ == Purpose::Save) {
        // A suffix with a wildcard would end up in the name ("case.*.h").
        d.setDefaultSuffix(kSuffix);
        d.setAcceptMode(QFileDialog::AcceptSave);
        d.setFileMode(QFileDialog::AnyFile);
        d.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        d.setAcceptMode(QFileDialog::AcceptOpen);
        d.setFileMode(QFileDialog::AnyFile);
    }
    return d;
}

std::optional<std::string> CaseFileDialog::Run(QWidget* parent, const std::string& lastName)
{
    QFileDialog& d = Dialog(parent);
    if (!lastName.empty())
        d.selectFile(QString::fromStdString(lastName));
    const int result = d.exec();
    // A name typed with Enter leaves the name box's completion list open
    // after the dialog has gone; it would swallow the user's next click.
    if (auto* name = d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")); name && name->completer())
        name->completer()->popup()->hide();
    if (result != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = d.selectedFiles();
    if (files.isEmpty())
        return std::nullopt;
    QString name = files.first();
    // The dialog's own default suffix would turn an existing "case" into
    // "case.tvl"; a name that exists is opened as typed.
    if (purpose_ == Purpose::Open && !QFileInfo::exists(name) && !QFileInfo(name).fileName().contains(u'.'))
        name += u'.' + kSuffix;
    return name.toStdString();
}

}  // namespace app::qt
