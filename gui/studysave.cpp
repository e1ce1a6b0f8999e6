#include "gui/studysave.h"

#include "casefile/replace_file.h"
#include "study/xlsx.h"

#include <QFileDialog>

namespace app::qt {

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

study::SheetCase SheetOf(const StudyPage& page)
{
    study::SheetCase sheet;
    sheet.title = page.title.toStdString();
    sheet.date = page.date.toStdString();
    sheet.sheetName = page.sheetName.toStdString();
    sheet.nominalHeading = page.nominalHeading.toStdString();
    sheet.actualHeading = page.actualHeading.toStdString();
    for (const auto& [caption, text] : page.nominalInputs)
        sheet.nominal.push_back({caption.toStdString(), text.toStdString()});
    for (const auto& [caption, text] : page.actualInputs)
        sheet.actual.push_back({caption.toStdString(), text.toStdString()});
    sheet.variedRow = page.variedRow;
    return sheet;
}

}  // namespace

void SaveStudyFile(const QString& path, const study::Study& study, const std::array<std::string, 10>& captions,
                   const StudyPage& page)
{
    const std::string bytes = path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)
                                  ? study::Csv(study)
                                  : study::XlsxBytes(study, captions, SheetOf(page));
    casefile::ReplaceFile(path.toStdString(), bytes);
}

QString AskStudyFileName(QWidget* parent, const study::Captions& captions)
{
    return AskSaveFileName(parent, Q(captions.saveTitle), Q(captions.saveFilter), Q(captions.fileName));
}

QString AskSaveFileName(QWidget* parent, const QString& title, const QString& filters, const QString& name)
{
    QFileDialog dialog(parent, title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters.split(QStringLiteral(";;")));
    dialog.setDefaultSuffix(QStringLiteral("xlsx"));
    dialog.selectFile(name + QStringLiteral(".xlsx"));
    // A name typed without an ending takes the chosen filter's.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        const QString suffix =
            filter.contains(QStringLiteral("*.csv")) ? QStringLiteral("csv") : QStringLiteral("xlsx");
        dialog.setDefaultSuffix(suffix);
        const QStringList chosen = dialog.selectedFiles();
        if (!chosen.isEmpty())
            dialog.selectFile(QFileInfo(chosen.front()).completeBaseName() + QLatin1Char('.') + suffix);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().front();
}

}  // namespace app::qt
