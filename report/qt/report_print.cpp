#include "report/qt/report_print.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <exception>

#include "report/qt/pdf_preview.h"
#include "report/qt/print_job.h"
#include "report/qt/print_system.h"

namespace report {
namespace {

constexpr double kMmPerInch = 25.4;
// Long enough for a busy local scheduler, short enough that the preview
// opens within two seconds whatever the print system does.
constexpr std::chrono::milliseconds kPrintSystemWait{1500};

// Page millimetres to the painter's device pixels. Fonts stay in points on
// the device's own resolution, so the painter itself is not scaled.
class MmToDevice {
public:
    explicit MmToDevice(const QPaintDevice& device)
        : xScale_(device.logicalDpiX() / kMmPerInch), yScale_(device.logicalDpiY() / kMmPerInch)
    {
        // Outside full-page mode a paged device puts the painter's origin at the
        // corner of its paintable area, not at the paper's corner.
        if (const auto* paged = dynamic_cast<const QPagedPaintDevice*>(&device)) {
            const QPageLayout layout = paged->pageLayout();
            if (layout.mode() != QPageLayout::FullPageMode) {
                origin_ = layout.paintRect(QPageLayout::Millimeter).topLeft();
            }
        }
    }

    double X(double mm) const { return (mm - origin_.x()) * xScale_; }
    double Y(double mm) const { return (mm - origin_.y()) * yScale_; }
    double Height(double mm) const { return mm * yScale_; }
    QRectF Rect(const RectMm& r) const { return {X(r.left), Y(r.top), r.width * xScale_, r.height * yScale_}; }

private:
    double xScale_;
    double yScale_;
    QPointF origin_;
};

QFont MakeFont(const TextFont& style)
{
    QFont font(QString::fromStdString(style.family));
    font.setPointSizeF(style.pointSize);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    // Unhinted advances keep a text's width the same in preview and on paper.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

struct TextBox {
    double left;
    double top;
    double height;
    const TextFont& font;
    bool transparent;
    Justify justify;
};

// An auto-sized text: the box is as wide as its longest line and never
// narrower than the text, so nothing is clipped or elided. Lines break only
// where the text itself has line breaks.
void PaintText(QPainter& painter, const MmToDevice& map, const TextBox& box, const std::string& utf8)
{
    const QFont font = MakeFont(box.font);
    const QFontMetricsF metrics(font, painter.device());
    static const QRegularExpression kLineBreak(QStringLiteral("\r\n|\n|\r"));
    const QStringList lines = QString::fromStdString(utf8).split(kLineBreak);

    double width = 0;
    for (const QString& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    const double textHeight = (lines.size() - 1) * metrics.lineSpacing() + metrics.height();
    const QRectF area(map.X(box.left), map.Y(box.top), width, std::max(map.Height(box.height), textHeight));

    if (!box.transparent)
        painter.fillRect(area, Qt::white);
    painter.setFont(font);
    painter.setPen(Qt::black);
    double baseline = area.top() + metrics.ascent();
    for (const QString& line : lines) {
        const double spare = width - metrics.horizontalAdvance(line);
        const double shift = box.justify == Justify::Right ? spare : box.justify == Justify::Center ? spare / 2 : 0.0;
        painter.drawText(QPointF(area.left() + shift, baseline), line);
        baseline += metrics.lineSpacing();
    }
}

QPageSize Paper(const PageSettings& settings)
{
    return QPageSize(QSizeF(settings.paperWidth, settings.paperHeight), QPageSize::Millimeter);
}

void PaintLabel(QPainter& painter, const MmToDevice& map, const Label& label)
{
    PaintText(painter, map, {label.left, label.top, label.height, label.font, label.transparent, label.justify},
              label.caption);
}

}  // namespace

void RegisterReportFontSubstitutes()
{
    static const bool registered = [] {
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        QFont::insertSubstitution(QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"));
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
        QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
        return true;
    }();
    (void)registered;
}

QString ReportDateText(const QDate& date, const QLocale& locale) { return locale.toString(date, QLocale::ShortFormat); }

QString TodayReportDateText() { return ReportDateText(QDate::currentDate()); }

void PaintReportPage(QPainter& painter, const Tquickrptpage& page, const QString& dateText)
{
    if (!painter.isActive() || painter.device() == nullptr)
        return;
    RegisterReportFontSubstitutes();
    const MmToDevice map(*painter.device());
    painter.save();

    // The white band first: it reaches the margin, and painted after the
    // frame it would hide the frame's top line.
    const Band& band = page.TitleBand1();
    if (!band.transparent)
        painter.fillRect(map.Rect(band.area), Qt::white);

    if (page.Page().frame) {
        QPen hairline(Qt::black);
        hairline.setWidth(0);
        hairline.setCosmetic(true);
        painter.setPen(hairline);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(map.Rect(page.Page().FrameRect()));
    }

    painter.fillRect(map.Rect(page.QRShape1().area), Qt::black);

    const DateItem& date = page.QRSysData1();
    PaintText(painter, map, {date.left, date.top, date.height, date.font, date.transparent, date.justify},
              dateText.toStdString());

    // Fixed texts before values: a value longer than its column runs on into
    // its unit label, and painted last its white box covers the unit there
    // instead of the unit's box cutting off the number.
    for (const Label& label : page.Labels()) {
        if (label.role != LabelRole::Value)
            PaintLabel(painter, map, label);
    }
    for (const Label& label : page.Labels()) {
        if (label.role == LabelRole::Value)
            PaintLabel(painter, map, label);
    }

    painter.restore();
}

void ConfigureReportPrinter(QPrinter& printer, const PageSettings& settings)
{
    // With no printer installed, print to a PDF file; the print dialog then
    // opens on "Print to File (PDF)" with the document name as file name.
    if (printer.outputFormat() == QPrinter::NativeFormat && QPrinterInfo::availablePrinters().isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
    }
    printer.setDocName(QStringLiteral("Tervol"));

    QPageLayout layout(Paper(settings),
                       settings.orientation == Orientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape,
                       QMarginsF(settings.marginLeft, settings.marginTop, settings.marginRight, settings.marginBottom),
                       QPageLayout::Millimeter);
    layout.setMode(QPageLayout::FullPageMode);
    printer.setPageLayout(layout);
    printer.setFullPage(true);

    printer.setCopyCount(settings.copies);
    // Qt's PDF output has no duplex setting and ignores this; a CUPS printer
    // that can print both sides takes it.
    printer.setDuplex(settings.duplex ? QPrinter::DuplexLongSide : QPrinter::DuplexNone);
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(settings.firstPage, settings.lastPage);
    printer.setPaperSource(QPrinter::Auto);
}

void KeepReportPaper(QPrinter& printer, const PageSettings& settings)
{
    if (const QPageSize paper = Paper(settings); !printer.pageLayout().pageSize().isEquivalentTo(paper))
        printer.setPageSize(paper);
}

void ShowPagePreview(const PageSettings& settings, QWidget* parent, const std::function<void(QPainter&)>& paint,
                     std::string_view language)
{
    RegisterReportFontSubstitutes();
    // Before any QPrinter exists: making one already asks CUPS for the
    // default printer, which a server that never answers turns into minutes.
    const PrintSystem system = AskPrintSystem(kPrintSystemWait);
    if (system.state == PrintSystem::State::kSilent) {
        ShowPdfOnlyPreview(settings, parent, paint, language);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    ConfigureReportPrinter(printer, settings);
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&settings, &paint](QPrinter* target) {
        KeepReportPaper(*target, settings);
        QPainter painter;
        if (painter.begin(target))
            paint(painter);
    });
    std::exception_ptr failure;
    TakeOverPrint(dialog, printer, PrintRequest{settings, paint, system, language}, failure);
    dialog.exec();
    if (failure)
        std::rethrow_exception(failure);
}

void ShowReportPreview(const Tquickrptpage& page, QWidget* parent, std::string_view language)
{
    // Taken once, so the printed page carries the date the preview showed.
    const QString date = TodayReportDateText();
    ShowPagePreview(
        page.Page(), parent, [&page, &date](QPainter& painter) { PaintReportPage(painter, page, date); }, language);
}

}  // namespace report
