// What the part-load and the heating-season charts share: axis numbers in
// the window's number format, a fixed readable scale, axes in their line's
// colour and the legend below the plot.
#pragma once

#include "calc/numtext.h"
#include "gui/chartscale.h"

#include <QColor>

#include <qcustomplot.h>

namespace app::qt {

// The primary return temperature and the primary flow, alike in every chart.
inline const QColor kReturnColour(200, 40, 40);
inline const QColor kFlowColour(30, 90, 180);

// The axis cut into `scale`'s steps, its numbers written as the window
// writes them, with as many decimals as the step needs.
void SetScale(QCPAxis& axis, const Scale& scale, const calc::NumberFormat& format);

// Numbers in the window's format where QCustomPlot chooses the steps.
void SetNumberTicks(QCPAxis& axis, const calc::NumberFormat& format, int tickCount);

void Colour(QCPAxis& axis, const QColor& colour);

// The legend below the plot, its entries side by side; done once per plot.
void PutLegendBelow(QCustomPlot& plot);

// Two value axes whose gridlines coincide: both cut into the same number of
// readable steps, the right one's grid hidden. Flows start from zero, so
// that the line's height reads as the flow.
void SetSharedScales(QCPAxis& left, const QVector<double>& leftValues, QCPAxis& right,
                     const QVector<double>& rightValues, const calc::NumberFormat& format);

}  // namespace app::qt
