#include "gui/chartaxis.h"

#include <algorithm>

namespace app::qt {

namespace {

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

}  // namespace

void SetScale(QCPAxis& axis, const Scale& scale, const calc::NumberFormat& format)
{
    auto ticker = QSharedPointer<NumberTicker<QCPAxisTickerFixed>>::create(format);
    ticker->setTickStep(scale.step);
    ticker->setScaleStrategy(QCPAxisTickerFixed::ssNone);
    axis.setTicker(ticker);
    axis.setRange(scale.low, scale.high());
}

void SetNumberTicks(QCPAxis& axis, const calc::NumberFormat& format, int tickCount)
{
    auto ticker = QSharedPointer<NumberTicker<QCPAxisTicker>>::create(format);
    ticker->setTickCount(tickCount);
    axis.setTicker(ticker);
}

void Colour(QCPAxis& axis, const QColor& colour)
{
    axis.setBasePen(QPen(colour));
    axis.setTickPen(QPen(colour));
    axis.setSubTickPen(QPen(colour));
    axis.setTickLabelColor(colour);
    axis.setLabelColor(colour);
}

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

void SetSharedScales(QCPAxis& left, const QVector<double>& leftValues, QCPAxis& right,
                     const QVector<double>& rightValues, const calc::NumberFormat& format)
{
    const auto [tLow, tHigh] = std::minmax_element(leftValues.begin(), leftValues.end());
    const auto [vLow, vHigh] = std::minmax_element(rightValues.begin(), rightValues.end());
    const bool any = !leftValues.isEmpty() && !rightValues.isEmpty();
    const auto [tScale, vScale] =
        SharedScales(any ? *tLow : 1, any ? *tHigh : 0, any ? std::min(*vLow, 0.0) : 1, any ? *vHigh : 0);
    SetScale(left, tScale, format);
    SetScale(right, vScale, format);
    right.grid()->setVisible(false);
}

}  // namespace app::qt
