// The printed pages of the part-load study and the heating season, painted
// in millimetres on any paint device in the report's fonts: a title with the
// date, two columns of captioned values, a table headed by symbols with a
// legend of the captions, and charts drawn anew at the page's size.
#pragma once

#include "gui/studypage.h"

#include <QFont>
#include <QRectF>

#include <functional>

class QCustomPlot;
class QPaintDevice;
class QPainter;

namespace app::qt {

class PagePainter {
public:
    static constexpr double left = 15, width = 180;
    static constexpr double pageBottom = 282, minChartHeight = 95, maxChartHeight = 120, headerHeight = 8, row = 3.6;
    static constexpr double body = 7, legendRow = 3.4;

    PagePainter(QPainter& painter, const StudyPage& page);

    QRectF mm(double x, double y, double w, double h) const;
    QFont font(double points, bool bold = false) const;

    void Title();
    // The inputs (or settings) at the left, the actual ones (or the summary)
    // at the right. Returns where the longer column ends.
    double Inputs();
    // Each column headed by its symbol and unit; as many rows as leave room
    // for the legend and the chart. Returns where the table ends.
    double Table(double tableTop, const QStringList& symbols);
    // Each symbol with its caption, in two columns; returns where it ends.
    double Legend(double top, const QStringList& symbols);
    // A chart `fill` draws, in the box from `x` (mm) `width` wide from
    // `top` down to at most the page's bottom: laid out in points, so that
    // fonts and lines keep their printed size, recorded as vector drawing
    // and scaled into its place.
    void Chart(double x, double top, double chartWidth, const std::function<void(QCustomPlot&)>& fill);

    // The first column's width: the varied value may carry up to twelve
    // digits; a season's outdoor temperature few.
    double firstCell = 24;

private:
    int LegendRows(const QStringList& symbols) const;

    QPainter& painter_;
    const StudyPage& page_;
    const QPaintDevice& device_;
    const double sx_, sy_;
};

}  // namespace app::qt
