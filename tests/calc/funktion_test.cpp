#include "calc/funktion.h"
#include "calc/fault.h"
#include "calc/numtext.h"
#include "tests/support/recording_sink.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace funktion;

namespace {

TEST(Properties, WorkedValuesAtTwentyAndFiftyFive)
{
    const auto film = [](int m, double t) { return HeatTransferFactor(m, t, 0.65); };
    const struct {
        double (*property)(int, double);
        double (*filmFactor)(int, double);
        int medium;
        double t, expected;  // to 6 significant digits
    } cases[] = {
        {Density, nullptr, 1, 20, 998.105},       {SpecificHeat, nullptr, 1, 20, 4185.0},
        {Conductivity, nullptr, 1, 20, 0.604056}, {Viscosity, nullptr, 1, 20, 1.03106e-06},
        {Prandtl, nullptr, 1, 20, 7.18092},       {Density, nullptr, 2, 20, 1052.42},
        {SpecificHeat, nullptr, 2, 20, 3504.24},  {Conductivity, nullptr, 2, 20, 0.447272},
        {Viscosity, nullptr, 2, 20, 3.30467e-06}, {Prandtl, nullptr, 2, 20, 27.2484},
        {nullptr, film, 1, 55, 11428.0},          {nullptr, film, 2, 55, 5833.82},
    };
    for (const auto& c : cases) {
        const double value = c.property ? c.property(c.medium, c.t) : c.filmFactor(c.medium, c.t);
        EXPECT_NEAR(value, c.expected, std::fabs(c.expected) * 5e-6) << c.medium << " at " << c.t;
    }
    for (int code : {0, 3, -1})  // every code but water is the mixture
        EXPECT_EQ(Prandtl(code, 37.5), Prandtl(MediumGlycol, 37.5));
}

TEST(PowerAndLogMean, ValuesAndFaults)
{
    EXPECT_NEAR(Power(2, 10), 1024, 1e-9);
    EXPECT_EQ(FaultText([] { Power(0, 0.65); }), "Floating point division by zero");
    EXPECT_EQ(FaultText([] { Power(-1, 0.65); }), "Invalid floating point operation");
    EXPECT_EQ(FaultText([] { Power(10, 400); }), "Floating point overflow");
    EXPECT_EQ(Power(10, -400), 0.0);  // underflow is no fault
    const struct {
        double t1, t2, t3, t4, expected;
        const char* fault;
    } cases[] = {
        {70, 40, 65, 35, 5, ""},
        {50, 40, 50, 40, 1e-7, ""},
        {70, 40, 50, 35, 10.820212, ""},
        {65, 45, 65, 35, 4.342945, ""},
        {70, 35, 60, 35, 4.342945, ""},
        {70, 30, 60, 35, 0, "Invalid floating point operation"},  // ends of opposite sign
        {60, 30, 60, 35, 0, "Invalid floating point operation"},  // one end 0, the other negative
        {61, 35, 60, 35, 0, "Floating point division by zero"},   // one end 0, the other 1: ln 1 = 0
    };
    for (const auto& c : cases) {
        double value = 0;
        EXPECT_EQ(FaultText([&] { value = LogMeanTempDiff(c.t1, c.t2, c.t3, c.t4); }), c.fault) << c.t1 << c.t3;
        EXPECT_NEAR(value, c.expected, 1e-6 * c.expected + 1e-12) << c.t1 << "," << c.t2;
    }
}

TEST(StrToFloat, AcceptedFormsAndFaults)
{
    const std::pair<const char*, double> accepted[] = {
        {".", 0},   {" 12.5 ", 12.5}, {"1e3", 1000}, {"1E", 1}, {"1e+", 1}, {"2.5e-1", 0.25},
        {"-7", -7}, {"+7", 7},        {".5", 0.5},   {"5.", 5}, {"-.", 0},  {"1e-400", 0},
    };
    for (const auto& [text, value] : accepted)
        EXPECT_DOUBLE_EQ(calc::StrToFloat(text, "."), value) << text;
    EXPECT_DOUBLE_EQ(calc::StrToFloat("12,5", ","), 12.5);
    for (const char* text : {"", "   ", "12,5", "1.000,5", "1,000", "e5", "-", "1 2", "1.2.3", "7x", "inf", "0x10"})
        EXPECT_EQ(FaultText([&] { calc::StrToFloat(text, "."); }),
                  std::string("'") + text + "' is not a valid floating point value");
    EXPECT_EQ(FaultText([] { calc::StrToFloat("1e400", "."); }), "Floating point overflow");
}

TEST(FormatResult, BothLocales)
{
    const struct {
        double value;
        int decimals;
        const char *danish, *english;
    } cases[] = {
        {1.6017961276768071, 3, "1,602", "1.602"},
        {32.95498782317083, 1, "33,0", "33.0"},
        {12345.678, 3, "12.345,678", "12,345.678"},
        {1.59866, 3, "1,599", "1.599"},                             // rounded, not cut
        {0.25, 1, "0,3", "0.3"},                                    // halves away from zero
        {-0.04, 1, "0,0", "0.0"},                                   // shows as zero: no minus sign
        {999.96, 1, "1.000,0", "1,000.0"},                          // carry into a new group
        {123456789.1234, 3, "123.456.789,100", "123,456,789.100"},  // 10 significant digits first
        {9999999999.6, 1, "1E+10", "1E+10"},
        {1234567890123.0, 2, "1,23456789E+12", "1.23456789E+12"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(calc::FormatResult(c.value, c.decimals, {",", "."}), c.danish) << c.value;
        EXPECT_EQ(calc::FormatResult(c.value, c.decimals, {".", ","}), c.english) << c.value;
    }
}

}  // namespace
