#include "gui/studychart.h"

#include "gui/chartaxis.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace app::qt {

void FillStudyChart(QCustomPlot& plot, const study::Study& study, const ChartCaptions& captions)
{
    plot.clearGraphs();
    PutLegendBelow(plot);
    QCPAxis& x = *plot.xAxis;
    QCPAxis& left = *plot.yAxis;
    QCPAxis& right = *plot.yAxis2;
    right.setVisible(true);

    QVector<double> xs, temperatures, flows;
    double xLow = INFINITY, xHigh = -INFINITY;
    for (const study::Point& p : study.points) {
        xLow = std::min(xLow, p.value), xHigh = std::max(xHigh, p.value);
        if (!p.ok())
            continue;
        xs << p.value;
        temperatures << p.result->values.tpa;
        flows << p.result->values.Vp;
    }
    QCPGraph* temperature = plot.addGraph(&x, &left);
    QCPGraph* flow = plot.addGraph(&x, &right);
    temperature->setData(xs, temperatures);
    flow->setData(xs, flows);
    // Markers show where the points are, also where a failed one is left
    // out, as long as they do not merge into a band.
    const bool markers = study.points.size() <= 50;
    const std::pair<QCPGraph*, QColor> lines[] = {{temperature, kReturnColour}, {flow, kFlowColour}};
    for (const auto& [graph, colour] : lines) {
        graph->setPen(QPen(colour, 2));
        graph->setScatterStyle(markers ? QCPScatterStyle(QCPScatterStyle::ssCircle, colour, Qt::white, 6)
                                       : QCPScatterStyle());
    }

    // One set of gridlines: the right axis's steps fall on the left one's.
    SetSharedScales(left, temperatures, right, flows, study.format);

    SetNumberTicks(x, study.format, 6);
    if (xLow <= xHigh)
        x.setRange(xLow == xHigh ? QCPRange(xLow - 1, xHigh + 1) : QCPRange(xLow, xHigh));
    Colour(left, kReturnColour);
    Colour(right, kFlowColour);
    SetChartCaptions(plot, captions);
    plot.replot(QCustomPlot::rpQueuedReplot);
}

void SetChartCaptions(QCustomPlot& plot, const ChartCaptions& captions)
{
    plot.xAxis->setLabel(captions.varied);
    plot.yAxis->setLabel(captions.returnTemperature);
    plot.yAxis2->setLabel(captions.primaryFlow);
    if (plot.graphCount() == 2) {
        plot.graph(0)->setName(captions.returnTemperature);
        plot.graph(1)->setName(captions.primaryFlow);
    }
    plot.replot(QCustomPlot::rpQueuedReplot);
}

StudyChart::StudyChart(QWidget* parent) : QCustomPlot(parent)
{
    setObjectName(QStringLiteral("chart"));
    setAntialiasedElements(QCP::aeAll);
    setMinimumHeight(300);
}

void StudyChart::Show(const study::Study& study, const ChartCaptions& captions)
{
    FillStudyChart(*this, study, captions);
}

void StudyChart::Retranslate(const ChartCaptions& captions) { SetChartCaptions(*this, captions); }

}  // namespace app::qt
