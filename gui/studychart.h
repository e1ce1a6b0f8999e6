// The part-load study's chart: primary return temperature and primary flow
// against the varied quantity, drawn alike in the window and on paper.
#pragma once

#include "study/study.h"

#include <QChartView>
#include <QString>

class QChart;

namespace app::qt {

struct ChartCaptions {
    QString varied, returnTemperature, primaryFlow;
};

// Fills `chart` anew: primary return temperature (left axis) and primary
// flow (right axis) against the varied quantity; failed points left out.
void FillStudyChart(QChart& chart, const study::Study& study, const ChartCaptions& captions);

// The chart as the study window shows it.
class StudyChart : public QChartView {
public:
    explicit StudyChart(QWidget* parent);

    void Show(const study::Study& study, const ChartCaptions& captions);
    // New captions for the lines and axes already drawn.
    void Retranslate(const ChartCaptions& captions);
};

}  // namespace app::qt
