// The heating season's printed page, on the part-load page's painter: the
// settings and the summary, the bins table (first and last rows when not all
// fit) with its legend, and the two charts side by side.
#pragma once

#include "gui/seasonchart.h"
#include "gui/studypage.h"
#include "study/season.h"

class QPainter;
class QWidget;

namespace app::qt {

// The table's column heads: outdoor temperature, hours, the four inputs and
// the nine results, each a symbol and its unit.
QStringList SeasonSymbols();

// `page` holds the settings as its left column, the summary as its right
// one and fifteen cells per bin (or the outdoor temperature, hours and the
// bin's messages).
void PaintSeasonPage(QPainter& painter, const StudyPage& page, const study::Season& season,
                     const SeasonChartCaptions& captions);

void ShowSeasonPreview(const StudyPage& page, const study::Season& season, const SeasonChartCaptions& captions,
                       QWidget* parent);

}  // namespace app::qt
