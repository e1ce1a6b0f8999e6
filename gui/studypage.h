// The part-load study's chart and its printed page: both drawn from a study,
// so the window, the preview and a test paint the same thing.
#pragma once

#include "gui/studychart.h"
#include "study/study.h"

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

class QPainter;
class QWidget;

namespace app::qt {

// What the printed page shows besides the chart.
struct StudyPage {
    QString title, date;
    QString nominalHeading, actualHeading;
    std::vector<std::pair<QString, QString>> nominalInputs, actualInputs;  // caption, text
    QStringList columns;                                                   // ten
    std::vector<QStringList> rows;  // ten cells, or the value and the point's messages
    QString shownOf;                // "%1" rows of "%2" when not every row fits
    QString sheetName;              // of the saved workbook
    int variedRow = -1;             // the actual input the study varies
    // A failed row's cells in their columns before its messages.
    int leadingCells = 1;
};

// One A4 portrait page, millimetres from the paper's top-left corner at the
// device's logical resolution, as the report page is painted: the heading,
// the case's inputs, the table (every row when they fit, else an evenly
// spaced selection with first and last) and the chart.
void PaintStudyPage(QPainter& painter, const StudyPage& page, const study::Study& study, const ChartCaptions& captions);

// The report's print preview of the page; printing goes through the
// standard print dialog.
void ShowStudyPreview(const StudyPage& page, const study::Study& study, const ChartCaptions& captions, QWidget* parent);

// A column caption on two lines: the name, then its unit.
QString ColumnHeader(const QString& caption);

// The printed table's column heads: the symbol, a line break and the unit
// (the window's units), the varied quantity's first, then the nine results.
QStringList ColumnSymbols(study::Quantity varied);

// The rows of the table that fit `capacity`: all of them, or evenly spaced
// ones from the first to the last.
std::vector<int> RowsShown(int rowCount, int capacity);

}  // namespace app::qt
