#include "gui/seasonpage.h"

#include "gui/pagepainter.h"
#include "report/qt/report_print.h"

#include <QPainter>

namespace app::qt {

QStringList SeasonSymbols()
{
    QStringList symbols{QStringLiteral("To\n[°C]"), QStringLiteral("h\n[h]")};
    for (study::Quantity q : study::kQuantities)
        symbols << ColumnSymbols(q).front();
    return symbols + ColumnSymbols(study::Quantity::EQ).mid(1);
}

void PaintSeasonPage(QPainter& painter, const StudyPage& page, const study::Season& season,
                     const SeasonChartCaptions& captions)
{
    if (!painter.isActive() || painter.device() == nullptr)
        return;
    report::RegisterReportFontSubstitutes();
    PagePainter paper(painter, page);
    // Whole degrees: the room goes to the fourteen other columns.
    paper.firstCell = 10;
    painter.save();
    painter.setPen(Qt::black);
    paper.Title();
    const QStringList symbols = SeasonSymbols();
    const double tableEnd = paper.Table(paper.Inputs() + 4, symbols);
    const double chartTop = paper.Legend(tableEnd + 2, symbols) + 6;
    constexpr double gap = 6, half = (PagePainter::width - gap) / 2;
    paper.Chart(PagePainter::left, chartTop, half,
                [&](QCustomPlot& plot) { FillSeasonFlowChart(plot, season, captions); });
    paper.Chart(PagePainter::left + half + gap, chartTop, half,
                [&](QCustomPlot& plot) { FillDurationChart(plot, season, captions); });
    painter.restore();
}

void ShowSeasonPreview(const StudyPage& page, const study::Season& season, const SeasonChartCaptions& captions,
                       QWidget* parent)
{
    report::ShowPagePreview(report::PageSettings{}, parent,
                            [&](QPainter& painter) { PaintSeasonPage(painter, page, season, captions); });
}

}  // namespace app::qt
