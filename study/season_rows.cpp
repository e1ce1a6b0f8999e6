#include "study/season_rows.h"

#include <cmath>

namespace study {

namespace {

SeasonRow Number(std::string name, lang::Text caption, std::optional<double> value, int decimals)
{
    return {std::move(name), caption, value, decimals, std::nullopt};
}

SeasonRow Text(std::string name, lang::Text caption, const std::optional<std::string>& text)
{
    return {std::move(name), caption, std::nullopt, 0, text};
}

}  // namespace

int HourDecimals(double hours) { return hours == std::floor(hours) ? 0 : 2; }

std::vector<SeasonRow> SettingsRows(const Season& s, const SeasonGiven& given, const lang::SeasonTexts& t)
{
    const SeasonSettings& set = s.settings;
    const bool table = !set.secondaryTable.empty();
    const std::optional<double> supply =
        given.supplyCurve ? std::nullopt : std::optional(set.supply.empty() ? s.design.Etpe : set.supply.front().Etpe);
    return {
        Text("weather", t.weatherFile, given.weather),
        Number("design_outdoor", t.designOutdoor, set.designOutdoor, 1),
        Number("indoor", t.indoor, set.indoor, 1),
        Number("limit", t.limit, set.limit, 1),
        Number("exponent", t.exponent, table ? std::nullopt : std::optional(set.exponent), 2),
        Text("secondary_table", t.secondaryTable, given.secondaryTable),
        Number("supply", t.supply, supply, 1),
        Text("supply_curve", t.supplyCurve, given.supplyCurve),
    };
}

std::vector<SeasonRow> SummaryRows(const Season& s, const lang::SeasonTexts& t)
{
    const SeasonSummary& sum = s.summary;
    const auto outdoor = sum.peakFlowOutdoor ? std::optional<double>(*sum.peakFlowOutdoor) : std::nullopt;
    return {
        Number("heat_MWh", t.heat, sum.heatMWh, 2),
        Number("primary_volume_m3", t.primaryVolume, sum.primaryVolume, 1),
        Number("weighted_return", t.weightedReturn, sum.weightedReturn, 2),
        Number("weighted_cooling", t.weightedCooling, sum.weightedCooling, 2),
        Number("peak_flow", t.peakFlow, sum.peakFlow, 3),
        Number("peak_flow_outdoor", t.peakFlowOutdoor, outdoor, 0),
        Number("hours_computed", t.hoursComputed, sum.hoursComputed, HourDecimals(sum.hoursComputed)),
        Number("hours_below_limit", t.hoursBelowLimit, sum.hoursBelowLimit, HourDecimals(sum.hoursBelowLimit)),
        Number("hours_total", t.hoursTotal, sum.hoursTotal, HourDecimals(sum.hoursTotal)),
    };
}

}  // namespace study
