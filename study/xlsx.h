// The part-load study as a spreadsheet workbook (.xlsx): the case's inputs
// above the table, numbers stored as numbers (so a Danish and an English
// spreadsheet both read them right), each shown with the window's decimals.
#pragma once

#include "study/study.h"

#include <array>
#include <string>
#include <vector>

namespace study {

struct SheetInput {
    std::string caption, text;  // as the main window showed them when the study ran
};

// What the sheet shows above the table.
struct SheetCase {
    std::string title, date, sheetName;
    std::string nominalHeading, actualHeading;
    std::vector<SheetInput> nominal, actual;
    // The actual input the study varies: its row shows the first and the
    // last value of the range instead of the case's text. -1: none.
    int variedRow = -1;
};

// The workbook's bytes. The table has `captions` (units included) as its
// header row; a point's value at full precision, its results as the window
// shows them (the value of each text, with as many decimals); a failed
// point's messages beside its value. An input text that is a number in the
// study's format is written as one.
std::string XlsxBytes(const Study& study, const std::array<std::string, 10>& captions, const SheetCase& sheet);

}  // namespace study
