#include "gui/studypage.h"

#include "report/qt/report_print.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPicture>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace app::qt {

namespace {

constexpr double kMmPerInch = 25.4;

}  // namespace

QString ColumnHeader(const QString& caption)
{
    QString text = caption;
    for (const QString& unitStart : {QStringLiteral(" ["), QStringLiteral(" ("), QStringLiteral(" °")}) {
        const qsizetype at = text.lastIndexOf(unitStart);
        if (at > 0) {
            text[at] = QLatin1Char('\n');
            break;
        }
    }
    return text;
}

QStringList ColumnSymbols(study::Quantity varied)
{
    static const char* const kVaried[] = {"Q\n[kW]", "tpe\n[°C]", "tsa\n[°C]", "tse\n[°C]"};
    QStringList symbols{QString::fromUtf8(kVaried[static_cast<int>(varied)])};
    for (const char* s : {"tpa\n[°C]", "Δtp\n[°C]", "Δts\n[°C]", "Δpp\n[bar]", "Δps\n[bar]", "Vp\n[m³/h]", "Vs\n[m³/h]",
                          "Δtm\n[°C]", "UA\n[kW/°C]"})
        symbols << QString::fromUtf8(s);
    return symbols;
}

std::vector<int> RowsShown(int rowCount, int capacity)
{
    std::vector<int> rows;
    if (rowCount <= capacity) {
        for (int i = 0; i < rowCount; ++i)
            rows.push_back(i);
        return rows;
    }
    for (int k = 0; k < capacity; ++k)
        rows.push_back(int(std::lround(double(k) * (rowCount - 1) / (capacity - 1))));
    return rows;
}

void PaintStudyPage(QPainter& painter, const StudyPage& page, const study::Study& study, const ChartCaptions& captions)
{
    if (!painter.isActive() || painter.device() == nullptr)
        return;
    report::RegisterReportFontSubstitutes();
    const QPaintDevice& device = *painter.device();
    const double sx = device.logicalDpiX() / kMmPerInch, sy = device.logicalDpiY() / kMmPerInch;
    const auto mm = [&](double x, double y, double w, double h) { return QRectF(x * sx, y * sy, w * sx, h * sy); };
    const auto font = [&](double points, bool bold = false) {
        QFont f(QStringLiteral("Arial"));
        f.setPointSizeF(points);
        f.setBold(bold);
        f.setHintingPreference(QFont::PreferNoHinting);
        return QFont(f, &device);
    };
    constexpr double left = 15, width = 180;
    painter.save();
    painter.setPen(Qt::black);

    painter.setFont(font(14, true));
    painter.drawText(mm(left, 13, width, 8), Qt::AlignLeft | Qt::AlignVCenter, page.title);
    painter.setFont(font(9));
    painter.drawText(mm(left, 13, width, 8), Qt::AlignRight | Qt::AlignVCenter, page.date);

    // The case: nominal inputs at the left, actual ones at the right.
    constexpr double inputsTop = 25, inputRow = 4.2, columnWidth = 86;
    double inputsBottom = inputsTop;
    const auto inputs = [&](double x, const QString& heading, const auto& rows) {
        painter.setFont(font(9, true));
        painter.drawText(mm(x, inputsTop, columnWidth, 5), Qt::AlignLeft | Qt::AlignVCenter, heading);
        painter.setFont(font(8));
        double y = inputsTop + 5.5;
        for (const auto& [caption, text] : rows) {
            painter.drawText(mm(x, y, columnWidth - 24, inputRow), Qt::AlignLeft | Qt::AlignVCenter, caption);
            painter.drawText(mm(x + columnWidth - 24, y, 24, inputRow), Qt::AlignRight | Qt::AlignVCenter, text);
            y += inputRow;
        }
        inputsBottom = std::max(inputsBottom, y);
    };
    inputs(left, page.nominalHeading, page.nominalInputs);
    inputs(left + width - columnWidth, page.actualHeading, page.actualInputs);

    // The table, then its legend, then the chart below down to the bottom
    // margin. Ten captions do not fit across the page at a legible size: each
    // column is headed by its symbol and unit, and the legend names them.
    constexpr double pageBottom = 282, minChartHeight = 95, maxChartHeight = 120, headerHeight = 8, row = 3.6;
    constexpr double body = 7, legendRow = 3.4;
    const double tableTop = inputsBottom + 4;
    const QStringList symbols = ColumnSymbols(study.range.quantity);
    const int columns = int(page.columns.size());
    // The varied value may carry up to twelve digits; the results fewer.
    const double firstCell = 24, cell = (width - firstCell) / std::max(columns - 1, 1);
    const auto column = [&](int c) { return c == 0 ? left : left + firstCell + (c - 1) * cell; };
    const auto cellWidth = [&](int c) { return c == 0 ? firstCell : cell; };
    painter.setFont(font(body + 1, true));
    for (int c = 0; c < columns && c < symbols.size(); ++c)
        painter.drawText(mm(column(c), tableTop, cellWidth(c), headerHeight), Qt::AlignCenter, symbols[c]);
    const int legendRows = (std::min(columns, int(symbols.size())) + 1) / 2;
    QPen rule(Qt::black);
    rule.setWidthF(0.2 * sx);
    painter.setPen(rule);
    painter.drawLine(QPointF(left * sx, (tableTop + headerHeight) * sy),
                     QPointF((left + width) * sx, (tableTop + headerHeight) * sy));
    painter.setPen(Qt::black);
    const double legendHeight = legendRows * legendRow + 2;
    const int capacity = int((pageBottom - minChartHeight - 6 - row - legendHeight - tableTop - headerHeight) / row);
    const std::vector<int> shown = RowsShown(int(page.rows.size()), std::max(capacity, 2));
    painter.setFont(font(body));
    double y = tableTop + headerHeight + 0.5;
    for (int r : shown) {
        const QStringList& cells = page.rows[r];
        if (cells.size() == columns) {
            for (int c = 0; c < columns; ++c)
                painter.drawText(mm(column(c), y, cellWidth(c), row), Qt::AlignCenter, cells[c]);
        } else if (!cells.isEmpty()) {
            painter.drawText(mm(left, y, firstCell, row), Qt::AlignCenter, cells.front());
            const QRectF rest = mm(left + firstCell + 1, y, width - firstCell - 1, row);
            const QString message = cells.mid(1).join(QStringLiteral(" | "));
            painter.drawText(rest, Qt::AlignLeft | Qt::AlignVCenter,
                             QFontMetricsF(painter.font()).elidedText(message, Qt::ElideRight, rest.width()));
        }
        y += row;
    }
    if (shown.size() < page.rows.size()) {
        painter.drawText(mm(left, y + 0.5, width, row), Qt::AlignRight | Qt::AlignVCenter,
                         page.shownOf.arg(shown.size()).arg(page.rows.size()));
        y += row;
    }
    y += 2;
    for (int c = 0; c < columns && c < symbols.size(); ++c) {
        const double x = left + (c < legendRows ? 0 : width / 2), top = y + (c % legendRows) * legendRow;
        painter.setFont(font(body, true));
        painter.drawText(mm(x, top, 14, legendRow), Qt::AlignLeft | Qt::AlignVCenter, symbols[c].section('\n', 0, 0));
        painter.setFont(font(body));
        painter.drawText(mm(x + 14, top, width / 2 - 16, legendRow), Qt::AlignLeft | Qt::AlignVCenter,
                         page.columns[c].simplified());
    }
    y += legendRows * legendRow;
    const double chartTop = y + 6;
    const double chartHeight = std::min(maxChartHeight, pageBottom - chartTop);

    // The chart, drawn anew at the page's size so that it is sharp on paper:
    // laid out in points, so that fonts and lines keep their printed size,
    // recorded as vector drawing and scaled into its place.
    const QRectF target = mm(left, chartTop, width, chartHeight);
    const QSize points(int(width / kMmPerInch * 72), int(chartHeight / kMmPerInch * 72));
    QCustomPlot plot;
    plot.setAntialiasedElements(QCP::aeAll);
    plot.setBackground(Qt::NoBrush);
    FillStudyChart(plot, study, captions);
    QFont small(QStringLiteral("Arial"));
    small.setPointSizeF(7);
    for (QCPAxis* axis : {plot.xAxis, plot.yAxis, plot.yAxis2}) {
        axis->setTickLabelFont(small);
        axis->setLabelFont(small);
    }
    plot.legend->setFont(small);
    QPicture picture;
    QCPPainter recorder(&picture);
    plot.toPainter(&recorder, points.width(), points.height());
    recorder.end();
    painter.save();
    painter.translate(target.topLeft());
    // Replayed on another device, a picture scales itself by the ratio of the
    // two resolutions; the chart's own scale must not count that twice.
    painter.scale(target.width() / points.width() * picture.logicalDpiX() / device.logicalDpiX(),
                  target.height() / points.height() * picture.logicalDpiY() / device.logicalDpiY());
    painter.drawPicture(0, 0, picture);
    painter.restore();
    painter.restore();
}

void ShowStudyPreview(const StudyPage& page, const study::Study& study, const ChartCaptions& captions, QWidget* parent)
{
    // The report's paper and print settings, kept through the print dialog.
    report::ShowPagePreview(report::PageSettings{}, parent,
                            [&](QPainter& painter) { PaintStudyPage(painter, page, study, captions); });
}

}  // namespace app::qt
