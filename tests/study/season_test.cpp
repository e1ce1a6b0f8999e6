#include "study/season.h"

#include "tests/support/recording_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

using app::Field;
using study::SeasonSettings;

// The start case's actual state is the design point: EQ_d 55 kW, Etpe 73,
// Etsa 30, Etse 63 (mean 46.5, so a mean excess of 26.5 K over 20 °C, and a
// spread of 33 K).
const study::BinInputs kDesign{55, 73, 30, 63};

TEST(Season, InputsFollowTheOutdoorTemperature)
{
    SeasonSettings radiators;  // Ti 20, To_d -12, n 1.3, design Etpe
    SeasonSettings floor;
    floor.exponent = 1.0;
    SeasonSettings table;
    table.secondaryTable = {{17, 35, 25}, {-12, 70, 40}};
    table.supply = {{10, 70}, {-12, 90}};
    SeasonSettings constant;
    constant.supply = {{0, 80}};
    const std::tuple<SeasonSettings, double, study::BinInputs> cases[] = {
        // φ = (20 − 5)/(20 + 12) = 0.46875, EQ = 55·φ = 25.78125; φ^(1/1.3) =
        // 0.5583132159626232, ΔTm = 26.5·that = 14.795300223009514, spread
        // 33·φ = 15.46875: Etse = 20 + ΔTm + 7.734375, Etsa = 20 + ΔTm − 7.734375.
        {radiators, 5, {25.78125, 73, 27.060925223009512, 42.52967522300951}},
        // Below the design temperature the load goes on rising: φ = 40/32 = 1.25.
        {radiators, -20, {68.75, 73, 30.837413734884684, 72.08741373488468}},
        // n = 1 at 16 °C: φ = 0.125, ΔTm = 3.3125, spread 4.125.
        {floor, 16, {6.875, 73, 21.25, 25.375}},
        // At the design point the design temperatures come back.
        {floor, -12, {55, 73, 30, 63}},
        // Tables: (5 + 12)/29 of the way from -12 to 17: Etse 70 − 35·17/29,
        // Etsa 40 − 15·17/29; supply 90 − 20·17/22.
        {table, 5, {25.78125, 74.545454545454547, 31.206896551724139, 49.482758620689651}},
        // Held outside the points; 16 °C is 28/29 of the way.
        {table, -20, {68.75, 90, 40, 70}},
        {table, 16, {6.875, 70, 25.517241379310345, 36.206896551724135}},
        {constant, -12, {55, 80, 30, 63}},
    };
    for (const auto& [settings, outdoor, expected] : cases) {
        const study::BinInputs in = study::InputsAt(settings, kDesign, outdoor);
        EXPECT_DOUBLE_EQ(in.EQ, expected.EQ) << outdoor;
        EXPECT_DOUBLE_EQ(in.Etpe, expected.Etpe) << outdoor;
        EXPECT_DOUBLE_EQ(in.Etsa, expected.Etsa) << outdoor;
        EXPECT_DOUBLE_EQ(in.Etse, expected.Etse) << outdoor;
    }
}

TEST(Season, RefusesSettingsThatCannotRun)
{
    const auto with = [](auto change) {
        SeasonSettings s;
        change(s);
        return s;
    };
    const std::tuple<SeasonSettings, bool, std::vector<std::string>> cases[] = {
        {SeasonSettings{}, true, {}},
        {with([](auto& s) { s.indoor = -12; }),
         true,
         {"The indoor temperature must be greater than the design outdoor temperature",
          "The heating limit must be greater than the design outdoor temperature and at most the indoor temperature"}},
        {with([](auto& s) { s.limit = 21; }),
         false,
         {"Varmegrænsen skal være større end den dimensionerende udetemperatur og højst indetemperaturen"}},
        {with([](auto& s) { s.exponent = 0; }), false, {"Radiatoreksponenten skal være større end 0"}},
        {with([](auto& s) {
             s.exponent = 0, s.secondaryTable = {{0, 50, 30}};
         }),
         true,
         {}},
        {with([](auto& s) {
             s.supply = {{0, 80}, {0, 70}};
         }),
         true,
         {"Two points of a curve have the same outdoor temperature"}},
        {with([](auto& s) {
             s.secondaryTable = {{3, 50, 30}, {3, 50, 30}};
         }),
         false,
         {"To punkter i en kurve har samme udetemperatur"}},
    };
    for (const auto& [settings, english, faults] : cases)
        EXPECT_EQ(study::SettingsFaults(settings, english), faults);
}

// Each bin is what the window computes with the bin's four texts in the
// fields, through the same model, in either decimal mark and language.
TEST(Season, EachBinEqualsBeregnAktuelWithItsTexts)
{
    std::string hourly;
    for (int t = -25; t <= 25; ++t)
        hourly += std::to_string(t) + "\n";
    const study::Weather weather = study::ReadWeather(hourly, true);
    SeasonSettings hot;
    // Danish, design supply: the secondary outlet above it below -20 °C (5
    // bins). English, a curve: 200 °C, too hot for water, at the cold end (-25
    // to -17) and the supply below the secondary outlet at the warm end (9 to 14).
    hot.supply = {{-20, 200}, {10, 30}};
    for (const auto& [format, english, settings] : {std::tuple{calc::NumberFormat{".", ","}, false, SeasonSettings{}},
                                                    std::tuple{calc::NumberFormat{",", "."}, true, hot}}) {
        StartedForm s(format);
        if (english)
            s.form.BitBtnUKClick();
        const std::string before = s.form.Text(Field::Etpa_beregn);
        const study::Season season = study::RunSeason(s.form, weather, settings);
        ASSERT_TRUE(season.ok());
        ASSERT_EQ(season.bins.size(), 42u);  // -25 to 16
        EXPECT_EQ(s.form.Text(Field::Etpa_beregn), before);
        int failed = 0;
        for (const study::SeasonBin& bin : season.bins) {
            s.platform.boxes.clear();
            for (const auto& [field, text] : bin.texts)
                s.form.SetText(field, text);
            s.Click(&app::TForm1::BitBtn2Click);
            std::vector<std::string> shown;
            for (const auto& box : s.platform.boxes)
                shown.push_back(box.text);
            EXPECT_EQ(bin.messages, shown) << bin.outdoor;
            failed += !bin.ok();
            for (size_t i = 0; bin.ok() && i < study::kResultFields.size(); ++i)
                EXPECT_EQ(bin.result->texts[i], s.form.Text(study::kResultFields[i])) << bin.outdoor;
        }
        EXPECT_EQ(failed, english ? 15 : 5);
    }
}

TEST(Season, WritesTheShortestTextThatReadsBack)
{
    StartedForm s({",", "."});
    const study::Season season = study::RunSeason(s.form, study::ReadWeather("5;1\n", true), {});
    ASSERT_EQ(season.bins.size(), 1u);
    const study::FieldTexts expected{{Field::EQ, "25,78125"},
                                     {Field::Etpe, "73"},
                                     {Field::Etsa, "27,060925223009512"},
                                     {Field::Etse, "42,52967522300951"}};
    EXPECT_EQ(season.bins[0].texts, expected);
}

// Bins -10, 0 and 10 °C of 100, 200 and 300 hours, and 50 hours above the
// limit. Their primary flows 1.0899134075522281, 0.6704567449499319 and
// 0.31661191249660559 m³/h and returns 31.708898782402528,
// 28.280646096866739 and 25.675216428913409 °C (each checked against the
// window above) give by hand: volume 108.99134075522281 +
// 134.09134898998638 + 94.983573748981677 = 338.0662634941909 m³, weighted
// return 28.653877173893676 °C, cooling 73 − that = 44.34612282610632 K,
// heat (51.5625·100 + 34.375·200 + 17.1875·300)/1000 = 17.1875 MWh.
TEST(Season, SummaryWeighsByPrimaryVolume)
{
    const study::Weather weather = study::ReadWeather("-10;100\n0;200\n10;300\n20;50\n", true);
    StartedForm s;
    const study::Season season = study::RunSeason(s.form, weather, {});
    const study::SeasonSummary& sum = season.summary;
    EXPECT_DOUBLE_EQ(sum.heatMWh, 17.1875);
    EXPECT_NEAR(sum.primaryVolume, 338.0662634941909, 1e-10);
    EXPECT_NEAR(*sum.weightedReturn, 28.653877173893676, 1e-12);
    EXPECT_NEAR(*sum.weightedCooling, 44.34612282610632, 1e-12);
    EXPECT_NEAR(*sum.peakFlow, 1.0899134075522281, 1e-15);
    EXPECT_EQ(*sum.peakFlowOutdoor, -10);
    EXPECT_EQ(std::tuple(sum.hoursComputed, sum.hoursBelowLimit, sum.hoursTotal), std::tuple(600.0, 600.0, 650.0));

    // A supply of 185 °C at -10 is above water's limit: that bin keeps its
    // message and drops out, the others stay as they were (0 and 10 °C sit at
    // or above the curve's warm end, 73 °C): volume 134.09134898998638 +
    // 94.983573748981677 = 229.07492273896804, return 27.2003313332301.
    SeasonSettings hot;
    hot.supply = {{-10, 185}, {0, 73}};
    const study::Season failing = study::RunSeason(s.form, weather, hot);
    ASSERT_EQ(failing.bins.size(), 3u);
    EXPECT_FALSE(failing.bins[0].ok());
    EXPECT_EQ(failing.bins[0].messages, std::vector<std::string>{"Primær temperaturer skal være mindre end 180°C!"});
    const study::SeasonSummary& part = failing.summary;
    EXPECT_DOUBLE_EQ(part.heatMWh, 12.03125);
    EXPECT_NEAR(part.primaryVolume, 229.07492273896804, 1e-10);
    EXPECT_NEAR(*part.weightedReturn, 27.2003313332301, 1e-12);
    EXPECT_NEAR(*part.weightedCooling, 73 - 27.2003313332301, 1e-12);
    EXPECT_EQ(*part.peakFlowOutdoor, 0);
    EXPECT_EQ(std::tuple(part.hoursComputed, part.hoursBelowLimit, part.hoursTotal), std::tuple(500.0, 600.0, 650.0));
}

TEST(Season, StopsBeforeTheFirstBinOnTheWindowsOwnFaults)
{
    const study::Weather weather = study::ReadWeather("-10;100\n", true);
    const std::tuple<Field, std::string, std::vector<std::string>> cases[] = {
        {Field::EQ, "", {"Alle tallene i aktuelle tilstand kræves for en videreberegning"}},
        {Field::Etpe, "7x", {"'7x' is not a valid floating point value."}},
        {Field::EQ_nom, "", {"Alle tallene i nominelle tilstand kræves for en videreberegning"}},
    };
    for (const auto& [field, text, failure] : cases) {
        StartedForm s;
        s.form.SetText(field, text);
        const study::Season season = study::RunSeason(s.form, weather, {});
        EXPECT_EQ(season.failure, failure);
        EXPECT_TRUE(season.bins.empty());
        EXPECT_TRUE(s.platform.boxes.empty());
    }
}

TEST(Season, CancelKeepsTheBinsDone)
{
    StartedForm s;
    const study::Weather weather = study::ReadWeather("-10;100\n0;200\n10;300\n", true);
    const study::Season season =
        study::RunSeason(s.form, weather, {}, [](int done, int total) { return done < 2 && total == 3; });
    EXPECT_TRUE(season.cancelled);
    ASSERT_EQ(season.bins.size(), 2u);
    EXPECT_EQ(season.summary.hoursComputed, 300);
}

}  // namespace
