#include "gui/studypage.h"

#include "report/qt/report_print.h"

#include <QAbstractAxis>
#include <QChart>
#include <QFont>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QPainter>
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

    // The table, then the chart below it down to the bottom margin.
    constexpr double pageBottom = 282, minChartHeight = 95, maxChartHeight = 120, headerHeight = 11, row = 3.6;
    const double tableTop = inputsBottom + 4;
    const int columns = int(page.columns.size());
    // The varied value may carry up to twelve digits; the results fewer.
    const double firstCell = 24, cell = (width - firstCell) / std::max(columns - 1, 1);
    const auto column = [&](int c) { return c == 0 ? left : left + firstCell + (c - 1) * cell; };
    const auto cellWidth = [&](int c) { return c == 0 ? firstCell : cell; };
    for (int c = 0; c < columns; ++c) {
        // A caption's longest word must fit its column: smaller type, not a
        // word cut in two.
        QFont headerFont = font(6.5, true);
        const double room = (cellWidth(c) - 1) * sx;
        for (double size = 6.5; size >= 4.5; size -= 0.25) {
            headerFont = font(size, true);
            const QFontMetricsF metrics(headerFont, &device);
            double widest = 0;
            for (const QString& word : page.columns[c].split(QRegularExpression(QStringLiteral("\\s+"))))
                widest = std::max(widest, metrics.horizontalAdvance(word));
            if (widest <= room)
                break;
        }
        painter.setFont(headerFont);
        painter.drawText(mm(column(c), tableTop, cellWidth(c), headerHeight), Qt::AlignCenter | Qt::TextWordWrap,
                         ColumnHeader(page.columns[c]));
    }
    QPen rule(Qt::black);
    rule.setWidthF(0.2 * sx);
    painter.setPen(rule);
    painter.drawLine(QPointF(left * sx, (tableTop + headerHeight) * sy),
                     QPointF((left + width) * sx, (tableTop + headerHeight) * sy));
    painter.setPen(Qt::black);
    const int capacity = int((pageBottom - minChartHeight - 6 - row - tableTop - headerHeight) / row);
    const std::vector<int> shown = RowsShown(int(page.rows.size()), std::max(capacity, 2));
    painter.setFont(font(7));
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
    const double chartTop = y + 6;
    const double chartHeight = std::min(maxChartHeight, pageBottom - chartTop);

    // The chart, drawn anew at the page's size so that it is sharp on paper.
    QGraphicsScene scene;
    auto* chart = new QChart;
    scene.addItem(chart);
    const QRectF target = mm(left, chartTop, width, chartHeight);
    // Laid out in points: fonts and lines keep their printed size.
    const QSizeF points(width / kMmPerInch * 72, chartHeight / kMmPerInch * 72);
    chart->setGeometry(QRectF(QPointF(0, 0), points));
    chart->setBackgroundVisible(false);
    FillStudyChart(*chart, study, captions);
    const QFont small = [] {
        QFont f(QStringLiteral("Arial"));
        f.setPointSizeF(7);
        return f;
    }();
    for (QAbstractAxis* axis : chart->axes()) {
        axis->setLabelsFont(small);
        axis->setTitleFont(small);
    }
    chart->legend()->setFont(small);
    // The chart lays itself out when the event loop next runs; the page is
    // painted now.
    chart->layout()->activate();
    scene.setSceneRect(chart->geometry());
    scene.render(&painter, target, chart->geometry());
    painter.restore();
}

void ShowStudyPreview(const StudyPage& page, const study::Study& study, const ChartCaptions& captions, QWidget* parent)
{
    // The report's paper and print settings, kept through the print dialog.
    report::ShowPagePreview(report::PageSettings{}, parent,
                            [&](QPainter& painter) { PaintStudyPage(painter, page, study, captions); });
}

}  // namespace app::qt
