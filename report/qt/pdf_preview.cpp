#include "report/qt/pdf_preview.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "lang/texts.h"
#include "report/qt/report_pdf.h"

#include <exception>

namespace report {
namespace {

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

constexpr double kScreenDpi = 96;
constexpr double kMmPerInch = 25.4;

QPixmap PagePicture(const PageSettings& settings, const std::function<void(QPainter&)>& paint)
{
    QImage image(qRound(settings.paperWidth / kMmPerInch * kScreenDpi),
                 qRound(settings.paperHeight / kMmPerInch * kScreenDpi), QImage::Format_RGB32);
    const int dotsPerMeter = qRound(kScreenDpi / kMmPerInch * 1000);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    painter.end();
    return QPixmap::fromImage(image);
}

}  // namespace

void ShowPdfOnlyPreview(const PageSettings& settings, QWidget* parent, const std::function<void(QPainter&)>& paint,
                        std::string_view language)
{
    const lang::PreviewTexts& texts = lang::TextsFor(language).preview;
    QDialog dialog(parent);
    dialog.setWindowTitle(Q(texts.title));
    auto* layout = new QVBoxLayout(&dialog);
    auto* reason = new QLabel(Q(texts.silent));
    reason->setWordWrap(true);
    layout->addWidget(reason);
    auto* page = new QLabel;
    page->setPixmap(PagePicture(settings, paint));
    auto* scroll = new QScrollArea;
    scroll->setWidget(page);
    scroll->setAlignment(Qt::AlignHCenter);
    layout->addWidget(scroll, 1);
    auto* buttons = new QDialogButtonBox;
    QPushButton* save = buttons->addButton(Q(texts.savePdf), QDialogButtonBox::AcceptRole);
    buttons->addButton(Q(texts.close), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    save->setDefault(true);

    std::exception_ptr failure;
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(save, &QPushButton::clicked, &dialog, [&] {
        // Qt's own dialog: a desktop portal may itself be waiting on something.
        const QString name =
            QFileDialog::getSaveFileName(&dialog, Q(texts.savePdf), QStringLiteral("Tervol.pdf"), Q(texts.pdfFilter),
                                         nullptr, QFileDialog::DontUseNativeDialog);
        if (name.isEmpty())
            return;
        try {
            SavePagePdf(QFile::encodeName(name).toStdString(), settings, paint);
        } catch (...) {
            failure = std::current_exception();
        }
        dialog.accept();
    });
    dialog.resize(760, 900);
    dialog.exec();
    if (failure)
        std::rethrow_exception(failure);
}

}  // namespace report
