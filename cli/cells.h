// The numbers of a case in the machine formats (CSV, JSON): "." as decimal
// separator, no grouping, as the window rounds them or at full precision.
#pragma once

#include "calc/actual.h"
#include "calc/numtext.h"
#include "cli/options.h"
#include "cli/output.h"
#include "model/casefields.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// The shortest text that reads back as the same double.
std::string Shortest(double value);

// A field the user typed, as the window reads it: a number when it reads as
// one with the locale's separator (Full: its value), else the text; an empty
// field stays empty.
Cell InputCell(const std::string& text, const calc::NumberFormat& locale, Precision precision);

// A field the calculation wrote, in the locale's form; `value` behind it for
// Full. Empty when the calculation wrote nothing.
Cell ResultCell(const std::string& text, std::optional<double> value, const calc::NumberFormat& locale,
                Precision precision);

// The nine results of a study point or season bin after its own cells: empty
// cells when it failed; in the table row the window's texts, or its messages.
void AddResults(Record& record, std::vector<std::string>& row, const std::optional<calc::ActualResult>& result,
                const std::vector<std::string>& messages, const calc::NumberFormat& locale, Precision precision);

}  // namespace cli

namespace cli {

// The unit of a field as the report shows it ("kW", "°C", "bar", "m3/h",
// "kW/°C"); empty for the medium lists.
std::string_view UnitOf(app::Field f);

}  // namespace cli
