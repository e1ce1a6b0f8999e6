#include "gui/pagepainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPicture>

#include <qcustomplot.h>

#include <algorithm>

namespace app::qt {

namespace {

constexpr double kMmPerInch = 25.4;

}  // namespace

PagePainter::PagePainter(QPainter& painter, const StudyPage& page)
    : painter_(painter),
      page_(page),
      device_(*painter.device()),
      sx_(device_.logicalDpiX() / kMmPerInch),
      sy_(device_.logicalDpiY() / kMmPerInch)
{
}

QRectF PagePainter::mm(double x, double y, double w, double h) const
{
    return QRectF(x * sx_, y * sy_, w * sx_, h * sy_);
}

QFont PagePainter::font(double points, bool bold) const
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return QFont(f, &device_);
}

void PagePainter::Title()
{
    painter_.setFont(font(14, true));
    painter_.drawText(mm(left, 13, width, 8), Qt::AlignLeft | Qt::AlignVCenter, page_.title);
    painter_.setFont(font(9));
    painter_.drawText(mm(left, 13, width, 8), Qt::AlignRight | Qt::AlignVCenter, page_.date);
}

double PagePainter::Inputs()
{
    constexpr double inputsTop = 25, inputRow = 4.2, columnWidth = 86;
    double inputsBottom = inputsTop;
    const auto inputs = [&](double x, const QString& heading, const auto& rows) {
        painter_.setFont(font(9, true));
        painter_.drawText(mm(x, inputsTop, columnWidth, 5), Qt::AlignLeft | Qt::AlignVCenter, heading);
        painter_.setFont(font(8));
        double y = inputsTop + 5.5;
        for (const auto& [caption, text] : rows) {
            painter_.drawText(mm(x, y, columnWidth - 24, inputRow), Qt::AlignLeft | Qt::AlignVCenter, caption);
            // A long file name keeps its end, where its name is.
            const QRectF box = mm(x + columnWidth - 24, y, 24, inputRow);
            painter_.drawText(box, Qt::AlignRight | Qt::AlignVCenter,
                              QFontMetricsF(painter_.font()).elidedText(text, Qt::ElideLeft, box.width()));
            y += inputRow;
        }
        inputsBottom = std::max(inputsBottom, y);
    };
    inputs(left, page_.nominalHeading, page_.nominalInputs);
    inputs(left + width - columnWidth, page_.actualHeading, page_.actualInputs);
    return inputsBottom;
}

// Ten captions do not fit across the page at a legible size: each column
// is headed by its symbol and unit, and the legend below names them.
double PagePainter::Table(double tableTop, const QStringList& symbols)
{
    const int columns = int(page_.columns.size());
    const double cell = (width - firstCell) / std::max(columns - 1, 1);
    const auto column = [&](int c) { return c == 0 ? left : left + firstCell + (c - 1) * cell; };
    const auto cellWidth = [&](int c) { return c == 0 ? firstCell : cell; };
    painter_.setFont(font(body + 1, true));
    for (int c = 0; c < columns && c < symbols.size(); ++c)
        painter_.drawText(mm(column(c), tableTop, cellWidth(c), headerHeight), Qt::AlignCenter, symbols[c]);
    QPen rule(Qt::black);
    rule.setWidthF(0.2 * sx_);
    painter_.setPen(rule);
    painter_.drawLine(QPointF(left * sx_, (tableTop + headerHeight) * sy_),
                      QPointF((left + width) * sx_, (tableTop + headerHeight) * sy_));
    painter_.setPen(Qt::black);
    const double legendHeight = LegendRows(symbols) * legendRow + 2;
    const int capacity = int((pageBottom - minChartHeight - 6 - row - legendHeight - tableTop - headerHeight) / row);
    const std::vector<int> shown = RowsShown(int(page_.rows.size()), std::max(capacity, 2));
    painter_.setFont(font(body));
    double y = tableTop + headerHeight + 0.5;
    for (int r : shown) {
        const QStringList& cells = page_.rows[r];
        if (cells.size() == columns) {
            for (int c = 0; c < columns; ++c)
                painter_.drawText(mm(column(c), y, cellWidth(c), row), Qt::AlignCenter, cells[c]);
        } else if (!cells.isEmpty()) {
            const int lead = std::clamp(page_.leadingCells, 1, int(cells.size()));
            for (int c = 0; c < lead; ++c)
                painter_.drawText(mm(column(c), y, cellWidth(c), row), Qt::AlignCenter, cells[c]);
            const double from = column(lead) + 1;
            const QRectF rest = mm(from, y, left + width - from, row);
            const QString message = cells.mid(lead).join(QStringLiteral(" | "));
            painter_.drawText(rest, Qt::AlignLeft | Qt::AlignVCenter,
                              QFontMetricsF(painter_.font()).elidedText(message, Qt::ElideRight, rest.width()));
        }
        y += row;
    }
    if (shown.size() < page_.rows.size()) {
        painter_.drawText(mm(left, y + 0.5, width, row), Qt::AlignRight | Qt::AlignVCenter,
                          page_.shownOf.arg(shown.size()).arg(page_.rows.size()));
        y += row;
    }
    return y;
}

double PagePainter::Legend(double top, const QStringList& symbols)
{
    const int legendRows = LegendRows(symbols);
    for (int c = 0; c < int(page_.columns.size()) && c < symbols.size(); ++c) {
        const double x = left + (c < legendRows ? 0 : width / 2), y = top + (c % legendRows) * legendRow;
        painter_.setFont(font(body, true));
        painter_.drawText(mm(x, y, 14, legendRow), Qt::AlignLeft | Qt::AlignVCenter, symbols[c].section('\n', 0, 0));
        painter_.setFont(font(body));
        painter_.drawText(mm(x + 14, y, width / 2 - 16, legendRow), Qt::AlignLeft | Qt::AlignVCenter,
                          page_.columns[c].simplified());
    }
    return top + legendRows * legendRow;
}

// Drawn anew at the page's size so that it is sharp on paper.
void PagePainter::Chart(double x, double top, double chartWidth, const std::function<void(QCustomPlot&)>& fill)
{
    const double chartHeight = std::min(maxChartHeight, pageBottom - top);
    const QRectF target = mm(x, top, chartWidth, chartHeight);
    const QSize points(int(chartWidth / kMmPerInch * 72), int(chartHeight / kMmPerInch * 72));
    QCustomPlot plot;
    plot.setAntialiasedElements(QCP::aeAll);
    plot.setBackground(Qt::NoBrush);
    fill(plot);
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
    painter_.save();
    painter_.translate(target.topLeft());
    // Replayed on another device, a picture scales itself by the ratio of
    // the two resolutions; the chart's own scale must not count that twice.
    painter_.scale(target.width() / points.width() * picture.logicalDpiX() / device_.logicalDpiX(),
                   target.height() / points.height() * picture.logicalDpiY() / device_.logicalDpiY());
    painter_.drawPicture(0, 0, picture);
    painter_.restore();
}

int PagePainter::LegendRows(const QStringList& symbols) const
{
    return (std::min(int(page_.columns.size()), int(symbols.size())) + 1) / 2;
}

}  // namespace app::qt
