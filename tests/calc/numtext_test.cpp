#include "fault.h"
#include "numtext.h"
#include "recording_sink.h"

#include <gtest/gtest.h>

using calc::FormatResult;
using calc::NumberFormat;
using calc::StrToFloat;

namespace {

struct ParseCase {
    const char* text;
    const char* separator;
    double value;
};

TEST(StrToFloat, AcceptedForms)
{
    const ParseCase cases[] = {
        {".", ".", 0},           {",", ",", 0},          {" 12.5 ", ".", 12.5},    {"1e3", ".", 1000},
        {"1E3", ".", 1000},      {"1e", ".", 1},         {"1e+", ".", 1},          {"2.5e-1", ".", 0.25},
        {"-7", ".", -7},         {"+7", ".", 7},         {"12,5", ",", 12.5},      {".5", ".", 0.5},
        {"5.", ".", 5},          {"007", ".", 7},        {"-.", ".", 0},           {"1e-400", ".", 0},
        {"0.000e999999999", ".", 0}, {"   3", ".", 3},   {"1.5E+2  ", ".", 150},   {"12٫5", "٫", 12.5},
    };
    for (const ParseCase& c : cases)
        EXPECT_DOUBLE_EQ(StrToFloat(c.text, c.separator), c.value) << "'" << c.text << "'";
}

TEST(StrToFloat, ConversionFaultsNameTheText)
{
    const ParseCase cases[] = {
        {"", ".", 0},       {"   ", ".", 0},     {"12,5", ".", 0},  {"1.000,5", ".", 0}, {"12.5", ",", 0},
        {"1,000", ".", 0},  {"e5", ".", 0},      {"-", ".", 0},     {"1 2", ".", 0},     {"1.2.3", ".", 0},
        {"abc", ".", 0},    {"7x", ".", 0},      {"1e5e", ".", 0},  {"+-1", ".", 0},     {"\t1", ".", 0},
        {"0x10", ".", 0},   {"inf", ".", 0},     {"nan", ".", 0},
    };
    for (const ParseCase& c : cases)
        EXPECT_EQ(FaultText([&] { StrToFloat(c.text, c.separator); }),
                  std::string("'") + c.text + "' is not a valid floating point value");
}

TEST(StrToFloat, TooLargeForADoubleIsAnOverflow)
{
    EXPECT_EQ(FaultText([] { StrToFloat("1e400", "."); }), "Floating point overflow");
    EXPECT_EQ(FaultText([] { StrToFloat("-2e308", "."); }), "Floating point overflow");
    EXPECT_DOUBLE_EQ(StrToFloat("1.7e308", "."), 1.7e308);
}

struct FormatCase {
    double value;
    int decimals;
    const char* danish;   // ',' decimal, '.' thousands
    const char* english;  // '.' decimal, ',' thousands
};

TEST(FormatResult, BothLocales)
{
    const FormatCase cases[] = {
        {30.0, 1, "30,0", "30.0"},
        {1.6017961276768071, 3, "1,602", "1.602"},
        {1.598661840308159, 3, "1,599", "1.599"},
        {5.0, 2, "5,00", "5.00"},
        {11.0, 2, "11,00", "11.00"},
        {32.95498782317083, 1, "33,0", "33.0"},
        {12345.678, 3, "12.345,678", "12,345.678"},
        {1.59866, 3, "1,599", "1.599"},
        {0.25, 1, "0,3", "0.3"},           // halves away from zero
        {-0.25, 1, "-0,3", "-0.3"},
        {-0.04, 1, "0,0", "0.0"},          // shows as zero: no minus sign
        {-0.0, 2, "0,00", "0.00"},
        {0.0, 3, "0,000", "0.000"},
        {999.96, 1, "1.000,0", "1,000.0"}, // carry into a new digit and a new group
        {1234567.891, 3, "1.234.567,891", "1,234,567.891"},
        {123456789.1234, 3, "123.456.789,100", "123,456,789.100"},  // 10 significant digits first
        {9999999999.4, 1, "9.999.999.999,0", "9,999,999,999.0"},
        {9999999999.6, 1, "1E+10", "1E+10"},  // rounds up to 11 integer digits
        {1234567890123.0, 2, "1,23456789E+12", "1.23456789E+12"},
        {-4.5e20, 1, "-4,5E+20", "-4.5E+20"},
        {1e300, 1, "1E+300", "1E+300"},
        {0.0005, 3, "0,001", "0.001"},
        {0.00049, 3, "0,000", "0.000"},
    };
    const NumberFormat danish{",", "."};
    const NumberFormat english{".", ","};
    for (const FormatCase& c : cases) {
        EXPECT_EQ(FormatResult(c.value, c.decimals, danish), c.danish) << c.value;
        EXPECT_EQ(FormatResult(c.value, c.decimals, english), c.english) << c.value;
    }
}

TEST(FormatResult, OtherSeparators)
{
    EXPECT_EQ(FormatResult(1234567.5, 1, NumberFormat{",", "\u00a0"}), "1\u00a0234\u00a0567,5");
    EXPECT_EQ(FormatResult(1234.5, 1, NumberFormat{".", ""}), "1234.5");
}

}  // namespace
