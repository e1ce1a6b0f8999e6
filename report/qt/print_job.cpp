#include "report/qt/print_job.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStringList>

#include "lang/texts.h"
#include "report/qt/report_pdf.h"
#include "report/qt/report_print.h"

#include <stdexcept>

namespace report {
namespace {

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Qt's dialog keeps its printers in a combo box of this name.
void LeaveOut(QPrintDialog& dialog, const std::vector<std::string>& printers)
{
    auto* list = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
    if (list == nullptr)
        return;
    for (const std::string& name : printers) {
        const int index = list->findText(QString::fromStdString(name), Qt::MatchExactly);
        if (index >= 0)
            list->removeItem(index);
    }
}

// False when the user cancelled the print dialog.
bool Print(QPrintPreviewDialog& preview, QPrinter& printer, const PrintRequest& request)
{
    const lang::PreviewTexts& texts = lang::TextsFor(request.language).preview;
    const auto& leftOut = request.system.withoutLanguageEncoding;
    if (!leftOut.empty()) {
        QStringList names;
        for (const std::string& name : leftOut)
            names << QString::fromStdString(name);
        QMessageBox::information(&preview, QStringLiteral("Tervol"), Q(texts.leftOut).arg(names.join(", ")));
    }
    QPrintDialog dialog(&printer, &preview);
    LeaveOut(dialog, leftOut);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    KeepReportPaper(printer, request.settings);
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        SavePagePdf(QFile::encodeName(printer.outputFileName()).toStdString(), request.settings, request.paint);
        return true;
    }
    PrintPage(printer, request);
    return true;
}

}  // namespace

void PrintPage(QPrinter& printer, const PrintRequest& request)
{
    const lang::PreviewTexts& texts = lang::TextsFor(request.language).preview;
    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error(std::string(texts.notStarted));
    request.paint(painter);
    painter.end();  // hands the job to CUPS
    if (const std::string refusal = LastJobRefusal(); !refusal.empty()) {
        throw std::runtime_error(
            Q(texts.refused).arg(printer.printerName(), QString::fromStdString(refusal)).toStdString());
    }
}

bool TakeOverPrint(QPrintPreviewDialog& preview, QPrinter& printer, const PrintRequest& request,
                   std::exception_ptr& failure)
{
    const QString printText = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction* action : preview.findChildren<QAction*>()) {
        if (action->text() != printText)
            continue;
        QObject::disconnect(action, nullptr, &preview, nullptr);
        QObject::connect(action, &QAction::triggered, &preview, [&preview, &printer, request, &failure] {
            try {
                if (Print(preview, printer, request))
                    preview.accept();
            } catch (...) {
                failure = std::current_exception();
                preview.reject();
            }
        });
        return true;
    }
    return false;
}

}  // namespace report
