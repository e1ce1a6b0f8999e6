// The part-load window's table: one row per point, a failed point's messages
// across its result columns, each column as wide as its longest word or
// number.
#pragma once

#include "study/study.h"

class QTableWidget;

namespace app::qt {

// Read-only rows of the font's height under captions that wrap onto up to
// four lines; the part-load and the season windows alike.
void SetUpResultTable(QTableWidget& table);

void FillStudyTable(QTableWidget& table, const study::Study& study);

// Room for each column's longest caption word and cell; what is left of the
// view is shared out so that the columns fill it.
void FitStudyColumns(QTableWidget& table);

}  // namespace app::qt
