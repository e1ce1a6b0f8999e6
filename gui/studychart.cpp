#include "gui/studychart.h"

#include "calc/numtext.h"
#include "gui/chartscale.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace app::qt {

namespace {

const QColor kTemperatureColour(200, 40, 40);
const QColor kFlowColour(30, 90, 180);

// Tick labels as the window writes numbers: its decimal and thousands
// separators, as many decimals as the step needs.
template <class Base>
class NumberTicker : public Base {
public:
    explicit NumberTicker(calc::NumberFormat format) : format_(std::move(format)) {}

protected:
    double getTickStep(const QCPRange& range) override
    {
        step_ = Base::getTickStep(range);
        return step_;
    }
    QString getTickLabel(double tick, const QLocale&, QChar, int) override
    {
        return QString::fromStdString(calc::FormatResult(tick, StepDecimals(step_), format_));
    }

private:
    calc::NumberFormat format_;
    double step_ = 1;
};

void SetScale(QCPAxis& axis, const Scale& scale, const calc::NumberFormat& format)
{
    auto ticker = QSharedPointer<NumberTicker<QCPAxisTickerFixed>>::create(format);
    ticker->setTickStep(scale.step);
    ticker->setScaleStrategy(QCPAxisTickerFixed::ssNone);
    axis.setTicker(ticker);
    axis.setRange(scale.low, scale.high());
}

void Colour(QCPAxis& axis, const QColor& colour)
{
    axis.setBasePen(QPen(colour));
    axis.setTickPen(QPen(colour));
    axis.setSubTickPen(QPen(colour));
    axis.setTickLabelColor(colour);
    axis.setLabelColor(colour);
}

// The legend below the plot, its entries side by side; done once per plot.
void PutLegendBelow(QCustomPlot& plot)
{
    if (plot.plotLayout()->rowCount() > 1)
        return;
    auto* below = new QCPLayoutGrid;
    plot.plotLayout()->addElement(1, 0, below);
    below->setMargins(QMargins(5, 0, 5, 5));
    below->addElement(0, 0, plot.legend);
    plot.legend->setFillOrder(QCPLayoutGrid::foColumnsFirst);
    plot.legend->setBorderPen(Qt::NoPen);
    plot.plotLayout()->setRowStretchFactor(1, 0.001);
    plot.legend->setVisible(true);
}

}  // namespace

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
    const std::pair<QCPGraph*, QColor> lines[] = {{temperature, kTemperatureColour}, {flow, kFlowColour}};
    for (const auto& [graph, colour] : lines) {
        graph->setPen(QPen(colour, 2));
        graph->setScatterStyle(markers ? QCPScatterStyle(QCPScatterStyle::ssCircle, colour, Qt::white, 6)
                                       : QCPScatterStyle());
    }

    const auto [tLow, tHigh] = std::minmax_element(temperatures.begin(), temperatures.end());
    const auto [vLow, vHigh] = std::minmax_element(flows.begin(), flows.end());
    const bool any = !xs.isEmpty();
    // Flows from zero, so that the line's height reads as the flow.
    const auto [tScale, vScale] =
        SharedScales(any ? *tLow : 1, any ? *tHigh : 0, any ? std::min(*vLow, 0.0) : 1, any ? *vHigh : 0);
    SetScale(left, tScale, study.format);
    SetScale(right, vScale, study.format);
    // One set of gridlines: the right axis's steps fall on the left one's.
    right.grid()->setVisible(false);

    auto xTicker = QSharedPointer<NumberTicker<QCPAxisTicker>>::create(study.format);
    xTicker->setTickCount(6);
    x.setTicker(xTicker);
    if (xLow <= xHigh)
        x.setRange(xLow == xHigh ? QCPRange(xLow - 1, xHigh + 1) : QCPRange(xLow, xHigh));
    Colour(left, kTemperatureColour);
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
