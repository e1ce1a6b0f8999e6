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

namespace {

// The page in millimetres on any paint device, in the report's fonts.
class PagePainter {
public:
    static constexpr double left = 15, width = 180;
    static constexpr double pageBottom = 282, minChartHeight = 95, maxChartHeight = 120, headerHeight = 8, row = 3.6;
    static constexpr double body = 7, legendRow = 3.4;

    PagePainter(QPainter& painter, const StudyPage& page)
        : painter_(painter),
          page_(page),
          device_(*painter.device()),
          sx_(device_.logicalDpiX() / kMmPerInch),
          sy_(device_.logicalDpiY() / kMmPerInch)
    {
    }

    QRectF mm(double x, double y, double w, double h) const { return QRectF(x * sx_, y * sy_, w * sx_, h * sy_); }
    QFont font(double points, bool bold = false) const
    {
        QFont f(QStringLiteral("Arial"));
        f.setPointSizeF(points);
        f.setBold(bold);
        f.setHintingPreference(QFont::PreferNoHinting);
        return QFont(f, &device_);
    }

    void Title()
    {
        painter_.setFont(font(14, true));
        painter_.drawText(mm(left, 13, width, 8), Qt::AlignLeft | Qt::AlignVCenter, page_.title);
        painter_.setFont(font(9));
        painter_.drawText(mm(left, 13, width, 8), Qt::AlignRight | Qt::AlignVCenter, page_.date);
    }

    // The case: nominal inputs at the left, actual ones at the right. Returns
    // where the longer column ends.
    double Inputs()
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
                painter_.drawText(mm(x + columnWidth - 24, y, 24, inputRow), Qt::AlignRight | Qt::AlignVCenter, text);
                y += inputRow;
            }
            inputsBottom = std::max(inputsBottom, y);
        };
        inputs(left, page_.nominalHeading, page_.nominalInputs);
        inputs(left + width - columnWidth, page_.actualHeading, page_.actualInputs);
        return inputsBottom;
    }

    // Ten captions do not fit across the page at a legible size: each column
    // is headed by its symbol and unit, and the legend below names them. As
    // many rows as leave room for the legend and the chart; returns where the
    // table ends.
    double Table(double tableTop, const QStringList& symbols)
    {
        const int columns = int(page_.columns.size());
        // The varied value may carry up to twelve digits; the results fewer.
        const double firstCell = 24, cell = (width - firstCell) / std::max(columns - 1, 1);
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
        const int capacity =
            int((pageBottom - minChartHeight - 6 - row - legendHeight - tableTop - headerHeight) / row);
        const std::vector<int> shown = RowsShown(int(page_.rows.size()), std::max(capacity, 2));
        painter_.setFont(font(body));
        double y = tableTop + headerHeight + 0.5;
        for (int r : shown) {
            const QStringList& cells = page_.rows[r];
            if (cells.size() == columns) {
                for (int c = 0; c < columns; ++c)
                    painter_.drawText(mm(column(c), y, cellWidth(c), row), Qt::AlignCenter, cells[c]);
            } else if (!cells.isEmpty()) {
                painter_.drawText(mm(left, y, firstCell, row), Qt::AlignCenter, cells.front());
                const QRectF rest = mm(left + firstCell + 1, y, width - firstCell - 1, row);
                const QString message = cells.mid(1).join(QStringLiteral(" | "));
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

    // Each symbol with its caption, in two columns; returns where it ends.
    double Legend(double top, const QStringList& symbols)
    {
        const int legendRows = LegendRows(symbols);
        for (int c = 0; c < int(page_.columns.size()) && c < symbols.size(); ++c) {
            const double x = left + (c < legendRows ? 0 : width / 2), y = top + (c % legendRows) * legendRow;
            painter_.setFont(font(body, true));
            painter_.drawText(mm(x, y, 14, legendRow), Qt::AlignLeft | Qt::AlignVCenter,
                              symbols[c].section('\n', 0, 0));
            painter_.setFont(font(body));
            painter_.drawText(mm(x + 14, y, width / 2 - 16, legendRow), Qt::AlignLeft | Qt::AlignVCenter,
                              page_.columns[c].simplified());
        }
        return top + legendRows * legendRow;
    }

    // The chart, drawn anew at the page's size so that it is sharp on paper:
    // laid out in points, so that fonts and lines keep their printed size,
    // recorded as vector drawing and scaled into its place.
    void Chart(double chartTop, const study::Study& study, const ChartCaptions& captions)
    {
        const double chartHeight = std::min(maxChartHeight, pageBottom - chartTop);
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
        painter_.save();
        painter_.translate(target.topLeft());
        // Replayed on another device, a picture scales itself by the ratio of
        // the two resolutions; the chart's own scale must not count that twice.
        painter_.scale(target.width() / points.width() * picture.logicalDpiX() / device_.logicalDpiX(),
                       target.height() / points.height() * picture.logicalDpiY() / device_.logicalDpiY());
        painter_.drawPicture(0, 0, picture);
        painter_.restore();
    }

private:
    int LegendRows(const QStringList& symbols) const
    {
        return (std::min(int(page_.columns.size()), int(symbols.size())) + 1) / 2;
    }

    QPainter& painter_;
    const StudyPage& page_;
    const QPaintDevice& device_;
    const double sx_, sy_;
};

}  // namespace

void PaintStudyPage(QPainter& painter, const StudyPage& page, const study::Study& study, const ChartCaptions& captions)
{
    if (!painter.isActive() || painter.device() == nullptr)
        return;
    report::RegisterReportFontSubstitutes();
    PagePainter paper(painter, page);
    painter.save();
    painter.setPen(Qt::black);
    paper.Title();
    const QStringList symbols = ColumnSymbols(study.range.quantity);
    const double tableEnd = paper.Table(paper.Inputs() + 4, symbols);
    const double legendEnd = paper.Legend(tableEnd + 2, symbols);
    paper.Chart(legendEnd + 6, study, captions);
    painter.restore();
}

void ShowStudyPreview(const StudyPage& page, const study::Study& study, const ChartCaptions& captions, QWidget* parent)
{
    // The report's paper and print settings, kept through the print dialog.
    report::ShowPagePreview(report::PageSettings{}, parent,
                            [&](QPainter& painter) { PaintStudyPage(painter, page, study, captions); });
}

}  // namespace app::qt
