#include "gui/seasonchart.h"

#include "gui/chartaxis.h"

#include <algorithm>

namespace app::qt {

namespace {

const QColor kLoadColour(40, 120, 40);

// No bin computed: a plot without axes, only the hint, rather than a
// meaningless 0..5 scale.
bool ShowHintIfEmpty(QCustomPlot& plot, const study::Season& season, const QString& hint)
{
    plot.clearItems();
    const bool empty = std::none_of(season.bins.begin(), season.bins.end(), [](const auto& b) { return b.ok(); });
    for (QCPAxis* axis : {plot.xAxis, plot.yAxis, plot.xAxis2, plot.yAxis2})
        axis->setVisible(false);
    plot.legend->setVisible(!empty);
    if (empty) {
        auto* text = new QCPItemText(&plot);
        // Centred on the whole plot: with its axes hidden the axis rect can be
        // narrower than the hint, which would then be cut to a few letters.
        text->setClipToAxisRect(false);
        text->position->setType(QCPItemPosition::ptViewportRatio);
        text->position->setCoords(0.5, 0.5);
        text->setText(hint);
        text->setColor(Qt::darkGray);
        plot.replot(QCustomPlot::rpQueuedReplot);
        return true;
    }
    plot.xAxis->setVisible(true);
    plot.yAxis->setVisible(true);
    return false;
}

// Whole degrees, in steps that leave room for their numbers on paper too.
void SetOutdoorScale(QCPAxis& axis, double low, double high, const calc::NumberFormat& format)
{
    const double span = high - low;
    const double step = span <= 6 ? 1 : span <= 12 ? 2 : span <= 35 ? 5 : 10;
    SetScale(axis, {low, step, 1}, format);
    axis.setRange(low == high ? QCPRange(low - 1, high + 1) : QCPRange(low, high));
}

}  // namespace

void FillSeasonFlowChart(QCustomPlot& plot, const study::Season& season, const SeasonChartCaptions& captions)
{
    plot.clearGraphs();
    PutLegendBelow(plot);
    if (ShowHintIfEmpty(plot, season, captions.hint))
        return;
    QCPAxis& x = *plot.xAxis;
    QCPAxis& left = *plot.yAxis;
    QCPAxis& right = *plot.yAxis2;
    right.setVisible(true);
    QVector<double> outdoor, temperatures, flows;
    for (const study::SeasonBin& bin : season.bins)
        if (bin.ok())
            outdoor << bin.outdoor, temperatures << bin.result->values.tpa, flows << bin.result->values.Vp;
    // One entry above the other: side by side they outgrow a narrow chart.
    plot.legend->setWrap(1);
    QCPGraph* temperature = plot.addGraph(&x, &left);
    QCPGraph* flow = plot.addGraph(&x, &right);
    temperature->setData(outdoor, temperatures, true);
    flow->setData(outdoor, flows, true);
    temperature->setName(captions.returnTemperature);
    flow->setName(captions.primaryFlow);
    const std::pair<QCPGraph*, QColor> lines[] = {{temperature, kReturnColour}, {flow, kFlowColour}};
    for (const auto& [graph, colour] : lines) {
        graph->setPen(QPen(colour, 2));
        graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, colour, Qt::white, 5));
    }
    SetSharedScales(left, temperatures, right, flows, season.format);
    SetOutdoorScale(x, outdoor.front(), outdoor.back(), season.format);
    Colour(left, kReturnColour);
    Colour(right, kFlowColour);
    x.setLabel(captions.outdoor);
    left.setLabel(captions.returnTemperature);
    right.setLabel(captions.primaryFlow);
    plot.replot(QCustomPlot::rpQueuedReplot);
}

void FillDurationChart(QCustomPlot& plot, const study::Season& season, const SeasonChartCaptions& captions)
{
    plot.clearGraphs();
    PutLegendBelow(plot);
    if (ShowHintIfEmpty(plot, season, captions.hint))
        return;
    QVector<double> hours, load;
    double done = 0, peak = 0;
    for (const study::SeasonBin& bin : season.bins) {
        if (!bin.ok())
            continue;
        hours << done << done + bin.hours;
        load << bin.inputs.EQ << bin.inputs.EQ;
        done += bin.hours;
        peak = std::max(peak, bin.inputs.EQ);
    }
    const double total = std::max(done, season.summary.hoursTotal);
    if (done < total)
        hours << done << total, load << 0 << 0;
    QCPGraph* graph = plot.addGraph();
    graph->setData(hours, load, true);
    graph->setPen(QPen(kLoadColour, 2));
    graph->setName(captions.durationCurve);
    SetScale(*plot.yAxis, SharedScales(0, peak, 0, peak).first, season.format);
    SetNumberTicks(*plot.xAxis, season.format, 5);
    plot.xAxis->setRange(0, total > 0 ? total : 1);
    plot.xAxis->setLabel(captions.hours);
    plot.yAxis->setLabel(captions.load);
    plot.replot(QCustomPlot::rpQueuedReplot);
}

}  // namespace app::qt
