#include "study/season.h"

#include "calc/fault.h"
#include "study/season_texts.h"

#include <algorithm>
#include <cmath>

namespace study {

namespace {

using app::Field;
using namespace season_texts;

// Linear between the points (sorted by outdoor temperature), held outside.
template <typename P, typename Get>
double Interpolated(const std::vector<P>& points, double outdoor, Get get)
{
    if (outdoor <= points.front().outdoor)
        return get(points.front());
    if (outdoor >= points.back().outdoor)
        return get(points.back());
    const auto upper =
        std::upper_bound(points.begin(), points.end(), outdoor, [](double t, const P& p) { return t < p.outdoor; });
    const P& a = *(upper - 1);
    const P& b = *upper;
    return get(a) + (get(b) - get(a)) * (outdoor - a.outdoor) / (b.outdoor - a.outdoor);
}

template <typename P>
bool SortedDistinct(std::vector<P>& points)
{
    std::sort(points.begin(), points.end(), [](const P& a, const P& b) { return a.outdoor < b.outdoor; });
    return std::adjacent_find(points.begin(), points.end(),
                              [](const P& a, const P& b) { return a.outdoor == b.outdoor; }) == points.end();
}

std::optional<double> Number(const app::TForm1& form, Field f, std::vector<std::string>& failure)
{
    try {
        return calc::StrToFloat(form.Text(f), form.Format().decimal);
    } catch (const calc::ConversionError& e) {
        failure.push_back(app::WithFullStop(e.what()));
    } catch (const calc::FloatingPointFault& e) {
        failure.push_back(app::WithFullStop(e.what()));
    }
    return std::nullopt;
}

}  // namespace

BinInputs InputsAt(const SeasonSettings& settings, const BinInputs& design, double outdoor)
{
    SeasonSettings s = settings;
    SortedDistinct(s.secondaryTable);
    SortedDistinct(s.supply);
    const double phi = (s.indoor - outdoor) / (s.indoor - s.designOutdoor);
    BinInputs in;
    in.EQ = design.EQ * phi;
    if (s.secondaryTable.empty()) {
        const double excess = ((design.Etse + design.Etsa) / 2 - s.indoor) * std::pow(phi, 1 / s.exponent);
        const double spread = (design.Etse - design.Etsa) * phi;
        in.Etse = s.indoor + excess + spread / 2;
        in.Etsa = s.indoor + excess - spread / 2;
    } else {
        in.Etse = Interpolated(s.secondaryTable, outdoor, [](const SecondaryPoint& p) { return p.Etse; });
        in.Etsa = Interpolated(s.secondaryTable, outdoor, [](const SecondaryPoint& p) { return p.Etsa; });
    }
    in.Etpe =
        s.supply.empty() ? design.Etpe : Interpolated(s.supply, outdoor, [](const SupplyPoint& p) { return p.Etpe; });
    return in;
}

std::vector<std::string> SettingsFaults(const SeasonSettings& settings, bool english)
{
    std::vector<std::string> faults;
    const auto say = [&](const Pair& m) { faults.push_back(m.In(english)); };
    const auto finite = [](double v) { return std::isfinite(v); };
    if (!(settings.indoor > settings.designOutdoor) || !finite(settings.indoor) || !finite(settings.designOutdoor))
        say(kIndoorNotAboveDesign);
    if (!(settings.limit > settings.designOutdoor && settings.limit <= settings.indoor))
        say(kLimitOutside);
    if (settings.secondaryTable.empty() && !(settings.exponent > 0 && finite(settings.exponent)))
        say(kExponentNotPositive);
    auto table = settings.secondaryTable;
    auto supply = settings.supply;
    if (!SortedDistinct(table) || !SortedDistinct(supply))
        say(kSameOutdoor);
    return faults;
}

std::optional<std::vector<SupplyPoint>> ParseSupplyCurve(std::string_view text)
{
    std::vector<SupplyPoint> points;
    const auto number = [](std::string_view t) -> std::optional<double> {
        try {
            return calc::StrToFloat(t, ".");
        } catch (const std::exception&) {
            return std::nullopt;
        }
    };
    for (size_t at = 0; at <= text.size();) {
        const size_t comma = std::min(text.find(',', at), text.size());
        const std::string_view point = text.substr(at, comma - at);
        const size_t colon = point.find(':');
        if (colon == std::string_view::npos)
            return std::nullopt;
        const auto outdoor = number(point.substr(0, colon)), supply = number(point.substr(colon + 1));
        if (!outdoor || !supply)
            return std::nullopt;
        points.push_back({*outdoor, *supply});
        at = comma + 1;
    }
    return points;
}

SeasonSummary Summarize(const std::vector<SeasonBin>& bins, const Weather& weather, double limit)
{
    SeasonSummary s;
    s.hoursTotal = weather.hoursTotal;
    for (const TemperatureBin& b : weather.bins)
        if (b.outdoor < limit)
            s.hoursBelowLimit += b.hours;
    double volumeReturn = 0, volumeCooling = 0;
    for (const SeasonBin& bin : bins) {
        if (!bin.ok())
            continue;
        const calc::ActualValues& v = bin.result->values;
        const double volume = v.Vp * bin.hours;
        s.hoursComputed += bin.hours;
        s.heatMWh += bin.inputs.EQ * bin.hours / 1000;
        s.primaryVolume += volume;
        volumeReturn += volume * v.tpa;
        volumeCooling += volume * (bin.inputs.Etpe - v.tpa);
        if (!s.peakFlow || v.Vp > *s.peakFlow)
            s.peakFlow = v.Vp, s.peakFlowOutdoor = bin.outdoor;
    }
    if (s.primaryVolume > 0) {
        s.weightedReturn = volumeReturn / s.primaryVolume;
        s.weightedCooling = volumeCooling / s.primaryVolume;
    }
    return s;
}

Season RunSeason(const app::TForm1& form, const Weather& weather, const SeasonSettings& settings,
                 const Progress& progress)
{
    Season season;
    season.settings = settings;
    season.format = form.Format();
    const bool english = form.Language() == "UK";
    season.failure = SettingsFaults(settings, english);
    if (!season.ok())
        return season;

    PointRunner runner(form);
    season.failure = runner.Start({});
    if (!season.ok())
        return season;
    const auto eq = Number(form, Field::EQ, season.failure), tpe = Number(form, Field::Etpe, season.failure),
               tsa = Number(form, Field::Etsa, season.failure), tse = Number(form, Field::Etse, season.failure);
    if (!season.ok())
        return season;
    season.design = {*eq, *tpe, *tsa, *tse};

    std::vector<TemperatureBin> below;
    for (const TemperatureBin& b : weather.bins)
        if (b.outdoor < settings.limit)
            below.push_back(b);
    const std::string& separator = season.format.decimal;
    season.binsBelowLimit = below.size();
    season.bins.reserve(below.size());
    for (size_t i = 0; i < below.size(); ++i) {
        SeasonBin& bin = season.bins.emplace_back();
        bin.outdoor = below[i].outdoor;
        bin.hours = below[i].hours;
        bin.inputs = InputsAt(season.settings, season.design, bin.outdoor);
        bin.texts = {{Field::EQ, ValueText(bin.inputs.EQ, separator)},
                     {Field::Etpe, ValueText(bin.inputs.Etpe, separator)},
                     {Field::Etsa, ValueText(bin.inputs.Etsa, separator)},
                     {Field::Etse, ValueText(bin.inputs.Etse, separator)}};
        bin.result = runner.Compute(bin.texts, bin.messages);
        const int done = static_cast<int>(i + 1), total = static_cast<int>(below.size());
        if (progress && !progress(done, total) && done < total) {
            season.cancelled = true;
            break;
        }
    }
    season.summary = Summarize(season.bins, weather, settings.limit);
    return season;
}

}  // namespace study
