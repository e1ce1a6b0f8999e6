#include "fault.h"
#include "funktion.h"
#include "recording_sink.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace funktion;

namespace {

struct PropertyCase {
    const char* name;
    std::function<double(int, double)> property;
    int medium;
    double t;
    double expected;  // worked values of the correlations, to 6 significant digits
};

class PropertyTest : public testing::TestWithParam<PropertyCase> {};

TEST_P(PropertyTest, MatchesWorkedValue)
{
    const PropertyCase& c = GetParam();
    EXPECT_NEAR(c.property(c.medium, c.t), c.expected, std::fabs(c.expected) * 5e-6) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Media, PropertyTest,
    testing::Values(PropertyCase{"water density", Density, 1, 20, 998.105},
                    PropertyCase{"water cp", SpecificHeat, 1, 20, 4185.0},
                    PropertyCase{"water conductivity", Conductivity, 1, 20, 0.604056},
                    PropertyCase{"water viscosity", Viscosity, 1, 20, 1.03106e-06},
                    PropertyCase{"water Prandtl", Prandtl, 1, 20, 7.18092},
                    PropertyCase{"glycol density", Density, 2, 20, 1052.42},
                    PropertyCase{"glycol cp", SpecificHeat, 2, 20, 3504.24},
                    PropertyCase{"glycol conductivity", Conductivity, 2, 20, 0.447272},
                    PropertyCase{"glycol viscosity", Viscosity, 2, 20, 3.30467e-06},
                    PropertyCase{"glycol Prandtl", Prandtl, 2, 20, 27.2484},
                    PropertyCase{"water film factor", [](int m, double t) { return HeatTransferFactor(m, t, 0.65); }, 1,
                                 55, 11428.0},
                    PropertyCase{"glycol film factor",
                                 [](int m, double t) { return HeatTransferFactor(m, t, 0.65); }, 2, 55, 5833.82}),
    [](const auto& info) {
        std::string n = info.param.name;
        for (char& ch : n)
            if (ch == ' ')
                ch = '_';
        return n;
    });

TEST(Properties, EveryCodeButWaterIsTheMixture)
{
    for (int code : {0, 3, -1, 2}) {
        for (double t : {-10.0, 20.0, 95.0}) {
            EXPECT_EQ(Density(code, t), Density(MediumGlycol, t));
            EXPECT_EQ(SpecificHeat(code, t), SpecificHeat(MediumGlycol, t));
            EXPECT_EQ(Conductivity(code, t), Conductivity(MediumGlycol, t));
            EXPECT_EQ(Viscosity(code, t), Viscosity(MediumGlycol, t));
            EXPECT_EQ(Prandtl(code, t), Prandtl(MediumGlycol, t));
        }
    }
}

TEST(Properties, MixturePrandtlIsFormedButWaterPrandtlIsItsOwnFit)
{
    const double t = 37.5;
    const double formed = Viscosity(2, t) * Density(2, t) * SpecificHeat(2, t) / Conductivity(2, t);
    EXPECT_NEAR(Prandtl(2, t), formed, formed * 1e-14);
    const double waterFormed = Viscosity(1, 20) * Density(1, 20) * SpecificHeat(1, 20) / Conductivity(1, 20);
    EXPECT_GT(std::fabs(Prandtl(1, 20) - waterFormed), 0.01);
}

TEST(Properties, FilmFactorWithoutFlowPartIsConductivityTimesPrandtlPower)
{
    EXPECT_NEAR(HeatTransferFactor(1, 40, 0), Conductivity(1, 40) * std::pow(Prandtl(1, 40), 0.3), 1e-12);
}

TEST(PowerFunction, FaultsOfTheLogarithm)
{
    EXPECT_NEAR(Power(2, 10), 1024, 1e-9);
    EXPECT_NEAR(Power(1000, 0), 1, 1e-15);
    EXPECT_EQ(FaultText([] { Power(0, 0.65); }), "Floating point division by zero");
    EXPECT_EQ(FaultText([] { Power(-1, 0.65); }), "Invalid floating point operation");
    EXPECT_EQ(FaultText([] { Power(10, 400); }), "Floating point overflow");
    EXPECT_EQ(Power(10, -400), 0.0);  // underflow is no fault
}

struct MeanCase {
    double t1, t2, t3, t4;
    double expected;
};

class LogMeanTest : public testing::TestWithParam<MeanCase> {};

TEST_P(LogMeanTest, Value)
{
    const MeanCase& c = GetParam();
    EXPECT_NEAR(LogMeanTempDiff(c.t1, c.t2, c.t3, c.t4), c.expected, 1e-5);
}

INSTANTIATE_TEST_SUITE_P(Cases, LogMeanTest,
                         testing::Values(MeanCase{70, 40, 65, 35, 5},          // equal ends, exactly
                                         MeanCase{50, 40, 50, 40, 1e-7},       // both ends 0
                                         MeanCase{70, 40, 60, 30, 10},         // equal ends
                                         MeanCase{70, 40, 50, 35, 10.820212},  // 15 / ln 4
                                         MeanCase{65, 45, 65, 35, 4.342945},   // hot end 0: 10 / ln 10
                                         MeanCase{70, 35, 60, 35, 4.342945}));  // cold end 0

TEST(LogMean, ExactSpecialCases)
{
    EXPECT_EQ(LogMeanTempDiff(70, 40, 65, 35), 5.0);
    EXPECT_EQ(LogMeanTempDiff(50, 40, 50, 40), 1e-7);
}

TEST(LogMean, Faults)
{
    struct {
        double t1, t2, t3, t4;
        const char* message;
    } cases[] = {
        {70, 30, 60, 35, "Invalid floating point operation"},   // ends of opposite sign
        {60, 30, 60, 35, "Invalid floating point operation"},   // one end 0, the other negative
        {61, 35, 60, 35, "Floating point division by zero"},    // one end 0, the other exactly 1: ln 1 = 0
    };
    for (const auto& c : cases)
        EXPECT_EQ(FaultText([&] { LogMeanTempDiff(c.t1, c.t2, c.t3, c.t4); }), c.message)
            << c.t1 << "," << c.t2 << "," << c.t3 << "," << c.t4;
}

TEST(Properties, HugeTemperatureOverflows)
{
    EXPECT_THROW(Density(2, 1e200), calc::FloatingPointFault);
    EXPECT_THROW(Density(1, 1e100), calc::FloatingPointFault);
}

struct OrderCase {
    const char* language;
    const char* first;
    const char* second;
    bool passes;
    const char* message;  // empty: no box
};

TEST(CheckGreater, MessagesAndResults)
{
    const OrderCase cases[] = {
        {"DK", "70", "69.9", true, ""},
        {"DK", "70", "70", false, "Primær temp. frem [°C] skal være større end Varm sekundær ud [°C] "},
        {"UK", "40", "70", false, "Primær temp. frem [°C] must be greater than Varm sekundær ud [°C] "},
        {"XX", "40", "70", false, ""},
    };
    for (const OrderCase& c : cases) {
        RecordingSink sink;
        const calc::Environment env{c.language, {".", ","}, sink};
        EXPECT_EQ(CheckGreater(c.first, "Primær temp. frem [°C]", c.second, "Varm sekundær ud [°C] ", env), c.passes);
        if (*c.message) {
            ASSERT_EQ(sink.boxes.size(), 1u);
            EXPECT_EQ(sink.boxes[0].first, calc::MessageKind::Error);
            EXPECT_EQ(sink.boxes[0].second, c.message);
        } else {
            EXPECT_TRUE(sink.boxes.empty());
        }
    }
}

TEST(CheckGreater, ConversionFaultShowsNothing)
{
    RecordingSink sink;
    const calc::Environment env{"DK", {".", ","}, sink};
    EXPECT_THROW(CheckGreater("7a", "a", "1", "b", env), calc::ConversionError);
    EXPECT_THROW(CheckGreater("7", "a", "1,5", "b", env), calc::ConversionError);
    EXPECT_TRUE(sink.boxes.empty());
}

struct KeyCase {
    char32_t key;
    const char* text;
    const char* separator;
    bool passes;
};

TEST(FilterNumericKey, LetsDigitsBackspaceAndOneSeparatorThrough)
{
    const KeyCase cases[] = {
        {U'7', "", ".", true},     {U'0', "12.5", ".", true},  {U'9', "", ",", true},
        {8, "", ".", true},        {8, "12,5", ",", true},     {U'.', "12", ".", true},
        {U'.', "12.5", ".", false}, {U'.', ".", ".", false},   {U',', "12", ".", false},
        {U',', "12", ",", true},   {U',', "1,2", ",", false},  {U'.', "12", ",", false},
        {U'-', "", ".", false},    {U'+', "", ".", false},     {U'e', "1", ".", false},
        {U'E', "1", ".", false},   {U' ', "1", ".", false},    {U'a', "", ".", false},
        {0x16, "", ".", false},    {0x03, "", ".", false},     {0x18, "", ".", false},
        {0x1a, "", ".", false},    {13, "", ".", false},       {27, "", ".", false},
        {U'æ', "", ".", false},    {U'٫', "1", "٫", true},     {U'٫', "1٫5", "٫", false},
    };
    for (const KeyCase& c : cases) {
        char32_t key = c.key;
        FilterNumericKey(key, c.text, c.separator);
        EXPECT_EQ(key, c.passes ? c.key : 0) << "key " << static_cast<unsigned>(c.key) << " on '" << c.text << "'";
    }
}

}  // namespace
