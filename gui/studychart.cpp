#include "gui/studychart.h"

#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace app::qt {

namespace {

void Fit(QValueAxis& axis, double low, double high)
{
    if (low > high)
        return;
    if (low == high)
        low -= 1, high += 1;
    axis.setRange(low, high);
    axis.applyNiceNumbers();
}

}  // namespace

void FillStudyChart(QChart& chart, const study::Study& study, const ChartCaptions& captions)
{
    chart.removeAllSeries();
    for (QAbstractAxis* axis : chart.axes())
        chart.removeAxis(axis), delete axis;

    auto* temperature = new QLineSeries;
    auto* flow = new QLineSeries;
    temperature->setName(captions.returnTemperature);
    flow->setName(captions.primaryFlow);
    // Markers show where the points are, also where a failed one is left
    // out, as long as they do not merge into a band.
    const bool markers = study.points.size() <= 50;
    temperature->setPointsVisible(markers);
    flow->setPointsVisible(markers);
    double xLow = INFINITY, xHigh = -INFINITY, tLow = INFINITY, tHigh = -INFINITY, vLow = INFINITY, vHigh = -INFINITY;
    for (const study::Point& p : study.points) {
        xLow = std::min(xLow, p.value), xHigh = std::max(xHigh, p.value);
        if (!p.ok())
            continue;
        const calc::ActualValues& v = p.result->values;
        temperature->append(p.value, v.tpa);
        flow->append(p.value, v.Vp);
        tLow = std::min(tLow, v.tpa), tHigh = std::max(tHigh, v.tpa);
        vLow = std::min(vLow, v.Vp), vHigh = std::max(vHigh, v.Vp);
    }
    chart.addSeries(temperature);
    chart.addSeries(flow);

    auto* x = new QValueAxis;
    auto* left = new QValueAxis;
    auto* right = new QValueAxis;
    x->setTitleText(captions.varied);
    left->setTitleText(captions.returnTemperature);
    right->setTitleText(captions.primaryFlow);
    Fit(*x, xLow, xHigh);
    Fit(*left, tLow, tHigh);
    Fit(*right, std::min(vLow, 0.0), vHigh);
    x->setLabelFormat(QStringLiteral("%g"));
    left->setLabelFormat(QStringLiteral("%g"));
    right->setLabelFormat(QStringLiteral("%g"));
    chart.addAxis(x, Qt::AlignBottom);
    chart.addAxis(left, Qt::AlignLeft);
    chart.addAxis(right, Qt::AlignRight);
    temperature->attachAxis(x);
    temperature->attachAxis(left);
    flow->attachAxis(x);
    flow->attachAxis(right);
    // Each value axis in its line's colour, so the reader knows which is which.
    left->setLinePenColor(temperature->color());
    left->setLabelsColor(temperature->color());
    right->setLinePenColor(flow->color());
    right->setLabelsColor(flow->color());
    chart.legend()->setAlignment(Qt::AlignBottom);
}

StudyChart::StudyChart(QWidget* parent) : QChartView(new QChart, parent)
{
    setObjectName(QStringLiteral("chart"));
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(300);
}

void StudyChart::Show(const study::Study& study, const ChartCaptions& captions)
{
    FillStudyChart(*chart(), study, captions);
}

void StudyChart::Retranslate(const ChartCaptions& captions)
{
    QChart& c = *chart();
    c.setTitle(QString());
    if (c.series().size() != 2)
        return;
    c.series()[0]->setName(captions.returnTemperature);
    c.series()[1]->setName(captions.primaryFlow);
    const auto axes = c.axes();
    const QString titles[] = {captions.varied, captions.returnTemperature, captions.primaryFlow};
    for (int i = 0; i < axes.size() && i < 3; ++i)
        axes[i]->setTitleText(titles[i]);
}

}  // namespace app::qt
