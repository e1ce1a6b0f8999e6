#include "calc/funktion.h"
#include "calc/fault.h"
#include "calc/numtext.h"
#include "tests/support/recording_sink.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

using namespace funktion;

namespace {

// Each property worked out by hand from its correlation, across the range of
// each medium. The hand values carry 12 significant digits; the code must
// agree to 1e-9 relative, far inside what one changed coefficient moves.
// Water: c0 + c1·T + c2·T² + c3·T³ + c4·T⁴ term by term, then the scaling.
// Mixture at 40 %, each coefficient k0 + k1·40 + k2·1600 over its divisor:
//   ρ  = a + b·T + c·T², a = 998.4 + 70.8 − 7.504 = 1061.696,
//        b = (−4.6 − 46.6 + 8.512) / 100 = −0.42688, c = (−36.8 + 22.28 − 3.888) / 1e4 = −0.0018408;
//   cp = a + b·T + c·T², a = 4268.1 − 891.08 + 30.912 = 3407.932,
//        b = (−190.4 + 987.28 − 289.952) / 100 = 5.06928, c = (161.5 − 442.76 + 154.4) / 1e4 = −0.012686;
//   λ  = a + b·T, a = 0.58 − 0.1496 + 0.01632 = 0.44672, b = (10.5 − 12.24 + 2.016) / 1e4 = 0.0000276;
//   ν  = 1.475·e^(0.03133·40) · e^(B/100·T) / 1e6 = 5.1647566682·e^(−0.022326·T) / 1e6,
//        B = −1.759 − 0.4416 − 0.032 = −2.2326;
//   Pr = ν·ρ·cp/λ.
TEST(Properties, HandWorkedValuesAcrossTheRange)
{
    const std::tuple<double (*)(int, double), int, double, double> cases[] = {
        // 999.92109343031 + 0.1260722787 − 0.15583253175 + 0.00281433375 − 0.0000279375
        {Density, 1, 5, 999.894119574},
        // 999.92109343031 + 1.260722787 − 15.583253175 + 2.81433375 − 0.279375
        {Density, 1, 50, 988.133521792},
        // 999.92109343031 + 2.3953732953 − 56.25554396175 + 19.30351519125 − 3.6408429375
        {Density, 1, 95, 961.723595018},
        // (4.21393864418 − 0.01053070205 + 0.00092612225 − 0.000027025 + 0.00000038125) · 1000
        {SpecificHeat, 1, 5, 4204.30742063},
        // (4.21393864418 − 0.1053070205 + 0.092612225 − 0.027025 + 0.0038125) · 1000
        {SpecificHeat, 1, 50, 4178.03134868},
        // (4.21393864418 − 0.20008333895 + 0.33433013225 − 0.185364475 + 0.04968488125) · 1000
        {SpecificHeat, 1, 95, 4212.50584373},
        // 0.56854120362 + 0.01004283255 − 0.0003165155 + 0.00000677625 − 0.0000001
        {Conductivity, 1, 5, 0.57827419692},
        // 0.56854120362 + 0.1004283255 − 0.03165155 + 0.00677625 − 0.001
        {Conductivity, 1, 50, 0.64309422912},
        // 0.56854120362 + 0.19081381845 − 0.1142620955 + 0.04647829875 − 0.0130321
        {Conductivity, 1, 95, 0.67853912532},
        // (1.72243328608 − 0.2228258517 + 0.014071242 − 0.00041163125 + 0.00000443125) / 1e6
        {Viscosity, 1, 5, 1.51327147638e-6},
        // (1.72243328608 − 2.228258517 + 1.4071242 − 0.41163125 + 0.0443125) / 1e6
        {Viscosity, 1, 50, 0.53398021908e-6},
        // (1.72243328608 − 4.2336911823 + 5.079718362 − 2.82337874375 + 0.57748493125) / 1e6
        {Viscosity, 1, 95, 0.32256665328e-6},
        // 12.72016848477 − 1.8031742842 + 0.1180198675 − 0.00350989875 + 0.00003815
        {Prandtl, 1, 5, 11.0315423193},
        // 12.72016848477 − 18.031742842 + 11.80198675 − 3.50989875 + 0.3815
        {Prandtl, 1, 50, 3.36201364277},
        // 12.72016848477 − 34.2603113998 + 42.6051721675 − 24.07439552625 + 4.97174615
        {Prandtl, 1, 95, 1.96237987622},
        {Density, 2, -10, 1065.78072},          // 1061.696 + 4.2688 − 0.18408
        {Density, 2, 40, 1041.67552},           // 1061.696 − 17.0752 − 2.94528
        {Density, 2, 90, 1008.36632},           // 1061.696 − 38.4192 − 14.91048
        {SpecificHeat, 2, -10, 3355.9706},      // 3407.932 − 50.6928 − 1.2686
        {SpecificHeat, 2, 40, 3590.4056},       // 3407.932 + 202.7712 − 20.2976
        {SpecificHeat, 2, 90, 3761.4106},       // 3407.932 + 456.2352 − 102.7566
        {Conductivity, 2, -10, 0.446444},       // 0.44672 − 0.000276
        {Conductivity, 2, 40, 0.447824},        // 0.44672 + 0.001104
        {Conductivity, 2, 90, 0.449204},        // 0.44672 + 0.002484
        {Viscosity, 2, -10, 6.45669766546e-6},  // 5.1647566682 · e^0.22326 / 1e6
        {Viscosity, 2, 40, 2.11449917928e-6},   // 5.1647566682 · e^−0.89304 / 1e6
        {Viscosity, 2, 90, 0.692475784192e-6},  // 5.1647566682 · e^−2.00934 / 1e6
        {Prandtl, 2, -10, 51.7284502647},       // 6.45669766546e-6 · 1065.78072 · 3355.9706 / 0.446444
        {Prandtl, 2, 40, 17.6594074431},        // 2.11449917928e-6 · 1041.67552 · 3590.4056 / 0.447824
        {Prandtl, 2, 90, 5.84695904183},        // 0.692475784192e-6 · 1008.36632 · 3761.4106 / 0.449204
    };
    for (const auto& [property, medium, t, expected] : cases)
        EXPECT_NEAR(property(medium, t), expected, std::fabs(expected) * 1e-9) << medium << " at " << t;
    for (int code : {0, 3, -1})  // every code but water is the mixture
        EXPECT_EQ(Prandtl(code, 37.5), Prandtl(MediumGlycol, 37.5));
    EXPECT_NEAR(HeatTransferFactor(1, 55, 0.65), 11428.0, 11428.0 * 5e-6);
    EXPECT_NEAR(HeatTransferFactor(2, 55, 0.65), 5833.82, 5833.82 * 5e-6);
}

TEST(PowerAndLogMean, ValuesAndFaults)
{
    EXPECT_NEAR(Power(2, 10), 1024, 1e-9);
    EXPECT_EQ(FaultText([] { Power(0, 0.65); }), "Floating point division by zero");
    EXPECT_EQ(FaultText([] { Power(-1, 0.65); }), "Invalid floating point operation");
    EXPECT_EQ(FaultText([] { Power(10, 400); }), "Floating point overflow");
    EXPECT_EQ(Power(10, -400), 0.0);  // underflow is no fault
    const std::tuple<double, double, double, double, double, const char*> cases[] = {
        {70, 40, 65, 35, 5, ""},
        {50, 40, 50, 40, 1e-7, ""},
        {70, 40, 50, 35, 10.820212, ""},
        {65, 45, 65, 35, 4.342945, ""},
        {70, 35, 60, 35, 4.342945, ""},
        {70, 30, 60, 35, 0, "Invalid floating point operation"},  // ends of opposite sign
        {60, 30, 60, 35, 0, "Invalid floating point operation"},  // one end 0, the other negative
        {61, 35, 60, 35, 0, "Floating point division by zero"},   // one end 0, the other 1: ln 1 = 0
    };
    for (const auto& [t1, t2, t3, t4, expected, fault] : cases) {
        double value = 0;
        EXPECT_EQ(FaultText([&] { value = LogMeanTempDiff(t1, t2, t3, t4); }), fault) << t1 << "," << t3;
        EXPECT_NEAR(value, expected, 1e-6 * expected + 1e-12) << t1 << "," << t2;
    }
}

// "٫" is the Arabic decimal separator, two bytes in UTF-8.
TEST(StrToFloat, AcceptedFormsAndFaults)
{
    const std::tuple<const char*, const char*, double> accepted[] = {
        {".", ".", 0},           {".", "   12.5   ", 12.5},
        {".", "1e3", 1000},      {".", "1E", 1},
        {".", "1e+", 1},         {".", "2.5e-1", 0.25},
        {".", "-7", -7},         {".", "+7", 7},
        {".", ".5", 0.5},        {".", "5.", 5},
        {".", "-.", 0},          {".", "1e-400", 0},
        {",", "  12,5  ", 12.5}, {",", ",", 0},
        {",", "-,5e1", -5},      {"٫", "  12٫5  ", 12.5},
        {"٫", "٫", 0},           {"٫", "7٫", 7},
    };
    for (const auto& [separator, text, value] : accepted)
        EXPECT_DOUBLE_EQ(calc::StrToFloat(text, separator), value) << text;
    const std::pair<const char*, const char*> refused[] = {
        {".", ""},     {".", "   "},   {".", "12,5"},  {".", "1.000,5"}, {".", "1,000"}, {".", "e5"},
        {".", "-"},    {".", "1 2"},   {".", "1.2.3"}, {".", "7x"},      {".", "inf"},   {".", "0x10"},
        {",", "12.5"}, {",", "1,2,3"}, {"٫", "12.5"},  {"٫", "12,5"},    {"٫", "1٫2٫3"}, {"٫", "1\xD9"},
    };
    for (const auto& [separator, text] : refused)
        EXPECT_EQ(FaultText([&] { calc::StrToFloat(text, separator); }),
                  std::string("'") + text + "' is not a valid floating point value");
    EXPECT_EQ(FaultText([] { calc::StrToFloat("1e400", "."); }), "Floating point overflow");
}

// The rules of the filter for the locale's own separator; the other mark of
// the two has its rows with the window's key test.
TEST(FilterNumericKey, DigitsBackspaceAndOneSeparator)
{
    const std::tuple<const char*, char32_t, const char*, bool> cases[] = {
        {".", U'0', "", true},     {".", U'9', "1.5", true},  {".", 8, "", true},      {".", U'.', "12", true},
        {".", U'.', "1.5", false}, {".", U'.', ".", false},   {",", U',', "12", true}, {",", U',', "1,5", false},
        {"٫", U'٫', "12", true},   {"٫", U'٫', "1٫5", false}, {"٫", U'٫', "٫", false}, {"٫", U'7', "1٫", true},
        {".", U'-', "", false},    {".", U'+', "1", false},   {".", U'e', "1", false}, {".", U'E', "1", false},
        {".", U' ', "1", false},   {".", U'a', "", false},    {".", 3, "", false},     {".", 22, "", false},
        {".", 24, "", false},      {".", 26, "", false},      {".", 13, "", false},    {"٫", 0xD9, "", false},
    };
    for (const auto& [separator, typed, text, passes] : cases) {
        char32_t key = typed;
        FilterNumericKey(key, text, separator);
        EXPECT_EQ(key, passes ? typed : 0) << "key " << uint32_t(typed) << " into '" << text << "' with " << separator;
    }
}

TEST(FormatResult, BothLocales)
{
    const std::tuple<double, int, const char*, const char*> cases[] = {
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
    for (const auto& [value, decimals, danish, english] : cases) {
        EXPECT_EQ(calc::FormatResult(value, decimals, {",", "."}), danish) << value;
        EXPECT_EQ(calc::FormatResult(value, decimals, {".", ","}), english) << value;
    }
}

}  // namespace
