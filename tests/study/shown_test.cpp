#include "study/shown.h"

#include "tests/support/recording_platform.h"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

namespace {

using study::Quantity;

// Heat with two decimals, temperatures with one, in the window's separators
// and thousands groups; halves away from zero, no minus on a zero.
TEST(StudyShownValue, DecimalsOfTheFieldsKind)
{
    const calc::NumberFormat danish{",", "."}, english{".", ","};
    const std::tuple<double, Quantity, calc::NumberFormat, const char*> cases[] = {
        {5.54954954955, Quantity::EQ, danish, "5,55"}, {68.1111111111, Quantity::Etpe, danish, "68,1"},
        {1234.5, Quantity::EQ, danish, "1.234,50"},    {1234.5, Quantity::EQ, english, "1,234.50"},
        {-0.04, Quantity::Etsa, english, "0.0"},       {44.25, Quantity::Etse, english, "44.3"},
        {0.125, Quantity::EQ, english, "0.13"},        {55, Quantity::EQ, danish, "55,00"},
    };
    for (const auto& [value, q, format, expected] : cases)
        EXPECT_EQ(study::ShownValue(value, q, format), expected) << value;
}

// The clipboard shows the varied value so too, without thousands groups, so a
// spreadsheet reads it as a number.
TEST(StudyShownValue, ClipboardTextShowsTheRoundedValue)
{
    StartedForm s({",", "."});
    const study::Study st = study::Run(s.form, {Quantity::EQ, 5.5, 1234.5, 1000});
    std::istringstream lines(study::TabSeparated(st, {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"}));
    std::string line, firstCells;
    while (std::getline(lines, line))
        firstCells += line.substr(0, line.find('\t')) + " ";
    EXPECT_EQ(firstCells.substr(0, 24), "A 5,50 6,73 7,96 9,19 10");
    EXPECT_EQ(firstCells.substr(firstCells.size() - 16), "1233,27 1234,50 ");
}

}  // namespace
