// The heating season: the window's case over a year of outdoor temperatures.
// Load, secondary and primary supply temperatures follow the outdoor
// temperature; each 1 K bin below the heating limit is one point of the
// part-load study's runner, so it equals "Beregn Aktuel" with the bin's four
// texts in the actual fields.
#pragma once

#include "calc/actual.h"
#include "calc/numtext.h"
#include "model/form1.h"
#include "study/study.h"
#include "study/weather.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace study {

// The secondary temperatures at one outdoor temperature.
struct SecondaryPoint {
    double outdoor = 0, Etse = 0, Etsa = 0;
};
// The primary supply temperature at one outdoor temperature.
struct SupplyPoint {
    double outdoor = 0, Etpe = 0;
};

struct SeasonSettings {
    double designOutdoor = -12, indoor = 20, limit = 17;  // °C
    // The radiator exponent n (1.0 for floor heating), used when the table
    // below is empty.
    double exponent = 1.3;
    // Secondary outlet and inlet by outdoor temperature, linear between the
    // points and held outside them; empty: the radiator characteristic.
    std::vector<SecondaryPoint> secondaryTable;
    // Empty: the design Etpe all season; one point: that temperature; more:
    // linear between the points and held outside them.
    std::vector<SupplyPoint> supply;
};

// The four actual inputs of a bin (EQ in kW, temperatures in °C).
struct BinInputs {
    double EQ = 0, Etpe = 0, Etsa = 0, Etse = 0;
};

// The inputs at outdoor temperature `outdoor` from the design point (the
// actual state at the design outdoor temperature):
//   φ = (Ti − To) / (Ti − To_d), EQ = EQ_d · φ;
//   radiators: ΔTm = ((Etse_d + Etsa_d)/2 − Ti) · φ^(1/n),
//              spread = (Etse_d − Etsa_d) · φ,
//              Etse = Ti + ΔTm + spread/2, Etsa = Ti + ΔTm − spread/2;
//   or the secondary table; Etpe the design one or the supply curve.
BinInputs InputsAt(const SeasonSettings& settings, const BinInputs& design, double outdoor);

// A secondary table: lines "To;Etse;Etsa" (°C, "." or "," as decimal mark),
// in any order; refused as a weather file is, naming the line.
std::vector<SecondaryPoint> ReadSecondaryTable(std::string_view bytes, bool english);

// "To1:T1,To2:T2,...": "," between the points, so "." as decimal mark;
// nothing when the text is not of that form.
std::optional<std::vector<SupplyPoint>> ParseSupplyCurve(std::string_view text);

// The settings' faults, in the language asked for: none when they can run.
std::vector<std::string> SettingsFaults(const SeasonSettings& settings, bool english);

struct SeasonBin {
    int outdoor = 0;
    double hours = 0;
    BinInputs inputs;
    FieldTexts texts;  // EQ, Etpe, Etsa, Etse as written, in the window's number format
    std::optional<calc::ActualResult> result;
    std::vector<std::string> messages;  // the boxes of a bin that did not compute
    bool ok() const { return result.has_value(); }
};

struct SeasonSummary {
    double heatMWh = 0;        // Σ EQ·h / 1000
    double primaryVolume = 0;  // m³, Σ EV_p·h
    // Σ(EV_p·h·Etpa) / Σ(EV_p·h) and Σ(EV_p·h·(Etpe − Etpa)) / Σ(EV_p·h);
    // nothing when no bin computed.
    std::optional<double> weightedReturn, weightedCooling;
    std::optional<double> peakFlow;  // m³/h, the first bin that reaches it
    std::optional<int> peakFlowOutdoor;
    double hoursComputed = 0, hoursBelowLimit = 0, hoursTotal = 0;
};

struct Season {
    SeasonSettings settings;
    BinInputs design;
    // What stopped the season before its first bin: the settings, the
    // presence check, a design text that is not a number, the nominal state.
    std::vector<std::string> failure;
    std::vector<SeasonBin> bins;  // the bins below the heating limit, coldest first
    bool cancelled = false;
    size_t binsBelowLimit = 0;  // as many as `bins` unless cancelled
    calc::NumberFormat format;  // the window's, in which the bin texts are written
    SeasonSummary summary;
    bool ok() const { return failure.empty(); }
};

// Sums over the unrounded values of the bins that computed.
SeasonSummary Summarize(const std::vector<SeasonBin>& bins, const Weather& weather, double limit);

// Runs the season on a copy of `form` (its texts, media, language and number
// format); `form` itself is not touched. Progress is told after each bin.
Season RunSeason(const app::TForm1& form, const Weather& weather, const SeasonSettings& settings,
                 const Progress& progress = {});

}  // namespace study
