#include "calc/funktion.h"
#include "calc/fault.h"
#include "calc/numtext.h"
#include "tests/support/recording_sink.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <tuple>

using namespace funktion;

namespace {

// Each property worked out by hand from its correlation, across the range of
// each medium. The hand values carry 12 significant digits; the code must
// agree to 1e-9 relative, far inside what one changed coefficient moves.
// Water: c0 + c1·T + c2·T² + c3·T³ + c4·T⁴ summed term by term, then scaled.
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
    // Water at 5, 50 and 95 °C; the mixture at -10, 40 and 90 °C.
    const std::tuple<double (*)(int, double), int, std::array<double, 3>> cases[] = {
        {Density, 1, {999.894119574, 988.133521792, 961.723595018}},
        {SpecificHeat, 1, {4204.30742063, 4178.03134868, 4212.50584373}},
        {Conductivity, 1, {0.57827419692, 0.64309422912, 0.67853912532}},
        {Viscosity, 1, {1.51327147638e-6, 0.53398021908e-6, 0.32256665328e-6}},
        {Prandtl, 1, {11.0315423193, 3.36201364277, 1.96237987622}},
        {Density, 2, {1065.78072, 1041.67552, 1008.36632}},
        {SpecificHeat, 2, {3355.9706, 3590.4056, 3761.4106}},
        {Conductivity, 2, {0.446444, 0.447824, 0.449204}},
        {Viscosity, 2, {6.45669766546e-6, 2.11449917928e-6, 0.692475784192e-6}},
        {Prandtl, 2, {51.7284502647, 17.6594074431, 5.84695904183}},
    };
    for (const auto& [property, medium, expected] : cases)
        for (int i = 0; i < 3; ++i) {
            const double t = medium == 1 ? 5 + 45 * i : -10 + 50 * i;
            EXPECT_NEAR(property(medium, t), expected[i], std::fabs(expected[i]) * 1e-9) << medium << " at " << t;
        }
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

// The rules of the filter: digits, backspace and one of the locale's own
// separator; the other mark of the two is dropped like any other key.
TEST(FilterNumericKey, DigitsBackspaceAndOneSeparator)
{
    const std::tuple<const char*, char32_t, const char*, bool> cases[] = {
        {".", U'0', "", true},     {".", U'9', "1.5", true},  {".", 8, "", true},      {".", U'.', "12", true},
        {".", U'.', "1.5", false}, {".", U'.', ".", false},   {",", U',', "12", true}, {",", U',', "1,5", false},
        {"٫", U'٫', "12", true},   {"٫", U'٫', "1٫5", false}, {"٫", U'٫', "٫", false}, {"٫", U'7', "1٫", true},
        {".", U'-', "", false},    {".", U'+', "1", false},   {".", U'e', "1", false}, {".", U'E', "1", false},
        {".", U' ', "1", false},   {".", U'a', "", false},    {".", 3, "", false},     {".", 22, "", false},
        {".", 24, "", false},      {".", 26, "", false},      {".", 13, "", false},    {"٫", 0xD9, "", false},
        {".", U',', "12", false},  {".", U',', "", false},    {",", U'.', "1", false}, {"٫", U'.', "1", false},
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
