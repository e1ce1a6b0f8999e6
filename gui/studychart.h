// The part-load study's chart: primary return temperature and primary flow
// against the varied quantity, drawn alike in the window and on paper.
#pragma once

#include "study/study.h"

#include <QString>

#include <qcustomplot.h>

namespace app::qt {

struct ChartCaptions {
    QString varied, returnTemperature, primaryFlow;
};

// Fills `plot` anew: primary return temperature (left axis) and primary flow
// (right axis) against the varied quantity, failed points left out. The axis
// numbers are written in the study's number format (the window's); the two
// value axes are cut into the same number of steps, so the left axis's
// gridlines serve both.
void FillStudyChart(QCustomPlot& plot, const study::Study& study, const ChartCaptions& captions);

// New captions for the lines and axes already drawn.
void SetChartCaptions(QCustomPlot& plot, const ChartCaptions& captions);

// The chart as the study window shows it.
class StudyChart : public QCustomPlot {
public:
    explicit StudyChart(QWidget* parent);

    void Show(const study::Study& study, const ChartCaptions& captions);
    void Retranslate(const ChartCaptions& captions);
};

}  // namespace app::qt
