// The heating season's settings and summary as rows of caption and value,
// in one order for the command line, the workbook, the window and the page.
#pragma once

#include "lang/texts.h"
#include "study/season.h"

#include <optional>
#include <string>
#include <vector>

namespace study {

struct SeasonRow {
    std::string name;  // in CSV and JSON
    lang::Text caption;
    std::optional<double> value;  // a number, shown with `decimals`
    int decimals = 0;
    std::optional<std::string> text;  // or a text: a file or the supply curve
};

// The texts as the user gave them: the weather file, the secondary table and
// the supply curve (none when not given).
struct SeasonGiven {
    std::optional<std::string> weather, secondaryTable, supplyCurve;
};

// Weather file, design outdoor, indoor, limit, exponent (none with a
// secondary table), secondary table, supply (the design Etpe when none was
// given; none with a curve), supply curve.
std::vector<SeasonRow> SettingsRows(const Season& season, const SeasonGiven& given, const lang::SeasonTexts& texts);

// Heat, primary volume, the two weighted values, peak flow and its outdoor
// temperature, the three hour counts.
std::vector<SeasonRow> SummaryRows(const Season& season, const lang::SeasonTexts& texts);

// Hours as whole numbers unless a bins table gave fractions.
int HourDecimals(double hours);

}  // namespace study
