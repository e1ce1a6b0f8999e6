// The part-load study and the heating season as spreadsheet workbooks
// (.xlsx): the case or the settings above the table, numbers stored as
// numbers (so a Danish and an English spreadsheet both read them right),
// each shown with the window's decimals.
#pragma once

#include "study/season_rows.h"
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

// What the season's sheet shows: the title and date, the settings and the
// summary under their headings, then the bins under `columns` (outdoor,
// hours, the four inputs, the nine results).
struct SeasonSheet {
    std::string title, date, sheetName;
    std::string settingsHeading, summaryHeading;
    std::vector<SeasonRow> settings, summary;
    std::vector<std::string> columns;
};

// The heating season's workbook: settings and summary as numbers with their
// decimals (files and the curve as text), then every bin: its outdoor
// temperature and hours, its four inputs at full precision shown as the
// window rounds them, its results as the window shows them or its messages.
std::string XlsxSeasonBytes(const Season& season, const SeasonSheet& sheet);

}  // namespace study
