// The heating season's two charts, drawn alike in the window and on paper:
// primary return temperature and flow over the outdoor temperature, and the
// load duration curve.
#pragma once

#include "study/season.h"

#include <QString>

#include <qcustomplot.h>

namespace app::qt {

struct SeasonChartCaptions {
    QString outdoor, returnTemperature, primaryFlow;
    QString hours, load, durationCurve;
    // Shown instead of axes while no bin has computed.
    QString hint;
};

// Return temperature (left axis) and primary flow (right axis, from zero)
// over the outdoor temperature of the bins that computed; both value axes
// cut into the same steps, so the left one's gridlines serve both.
void FillSeasonFlowChart(QCustomPlot& plot, const study::Season& season, const SeasonChartCaptions& captions);

// The heat load over the hours of the file, the coldest bins first: a step
// per bin, then zero for the hours at or above the heating limit.
void FillDurationChart(QCustomPlot& plot, const study::Season& season, const SeasonChartCaptions& captions);

}  // namespace app::qt
