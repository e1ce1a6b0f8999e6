#include "study/xlsx.h"

#include "tests/support/recording_platform.h"
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using study::Quantity;

// Every filled cell as a spreadsheet reader sees it (Debian's python3 with
// python3-openpyxl, not whichever python3 comes first on the path): where, "num" or the
// value's type, the value, the number format.
std::string ReadBack(const std::string& path)
{
    const std::string script =
        "import sys, openpyxl\n"
        "ws = openpyxl.load_workbook(sys.argv[1]).active\n"
        "print(ws.title)\n"
        "for row in ws.iter_rows():\n"
        "  for c in row:\n"
        "    v = c.value\n"
        "    if v is None: continue\n"
        "    num = isinstance(v, (int, float))\n"
        "    print(c.coordinate, 'num' if num else type(v).__name__,\n"
        "          repr(float(v)) if num else repr(v), c.number_format)\n";
    const support::ScratchDir dir;
    const std::string program = dir.Write("read.py", script);
    std::string out;
    if (FILE* pipe = ::popen(("/usr/bin/python3 '" + program + "' '" + path + "'").c_str(), "r")) {
        char buf[4096];
        for (size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;)
            out.append(buf, n);
        EXPECT_EQ(::pclose(pipe), 0) << out;
    }
    return out;
}

study::SheetCase DanishCase()
{
    study::SheetCase sheet;
    sheet.title = "Tervol – Dellast";
    sheet.date = "6. december 2026";
    sheet.sheetName = "Dellast";
    sheet.nominalHeading = "Nominelle tilstand";
    sheet.actualHeading = "Aktuel tilstand";
    sheet.nominal = {{"Primær", "Vand"}, {"Effekt [kW]", "55"}, {"Primær tryktab i  [bar]", "1,5"}};
    sheet.actual = {{"Effekt [kW]", "55"}, {"Primær temp. frem [°C]", "73"}};
    sheet.variedRow = 1;
    return sheet;
}

// Read back by a real spreadsheet reader: texts as texts, numbers as numbers
// (the Danish "1,5" too) with the window's decimals as their display format,
// the varied input's row showing the range, a failed point's message beside
// its value, the start-up state's results in the last row.
TEST(StudyXlsx, ReadBackNumbersAsNumbersUnderCaptionsWithUnits)
{
    StartedForm s({",", "."});
    const study::Study st = study::Run(s.form, {Quantity::Etpe, 63, 73, 2});
    ASSERT_EQ(st.points.size(), 2u);
    const std::array<std::string, 10> captions{"Primær temp. frem [°C]",       "Primær temp. retur [°C]",
                                               "Temp. differens primær [°C]",  "Temp. differens sekundær [°C]",
                                               "Primær tryktab i [bar]",       "Sekundær tryktab i [bar]",
                                               "Primær vandflow [m3/h]",       "Sekundær vandflow [m3/h]",
                                               "Logaritmisk middeltemp. [°C]", "Varmeoverføringsevne [kW/°C]"};
    const support::ScratchDir dir;
    const std::string path = dir.Write("dellast.xlsx", study::XlsxBytes(st, captions, DanishCase()));
    EXPECT_EQ(ReadBack(path),
              "Dellast\n"
              "A1 str 'Tervol – Dellast' General\n"
              "A2 str '6. december 2026' General\n"
              "A4 str 'Nominelle tilstand' General\n"
              "A5 str 'Primær' General\n"
              "B5 str 'Vand' General\n"
              "A6 str 'Effekt [kW]' General\n"
              "B6 num 55.0 General\n"
              "A7 str 'Primær tryktab i  [bar]' General\n"
              "B7 num 1.5 General\n"
              "A9 str 'Aktuel tilstand' General\n"
              "A10 str 'Effekt [kW]' General\n"
              "B10 num 55.0 General\n"
              "A11 str 'Primær temp. frem [°C]' General\n"
              "B11 num 63.0 #,##0.0\n"
              "C11 num 73.0 #,##0.0\n"
              "A13 str 'Primær temp. frem [°C]' General\n"
              "B13 str 'Primær temp. retur [°C]' General\n"
              "C13 str 'Temp. differens primær [°C]' General\n"
              "D13 str 'Temp. differens sekundær [°C]' General\n"
              "E13 str 'Primær tryktab i [bar]' General\n"
              "F13 str 'Sekundær tryktab i [bar]' General\n"
              "G13 str 'Primær vandflow [m3/h]' General\n"
              "H13 str 'Sekundær vandflow [m3/h]' General\n"
              "I13 str 'Logaritmisk middeltemp. [°C]' General\n"
              "J13 str 'Varmeoverføringsevne [kW/°C]' General\n"
              "A14 num 63.0 #,##0.0\n"
              "B14 str 'Primær temp. frem [°C] skal være større end Varm sekundær ud [°C]' General\n"
              "A15 num 73.0 #,##0.0\n"
              "B15 num 33.0 #,##0.0\n"
              "C15 num 40.0 #,##0.0\n"
              "D15 num 33.0 #,##0.0\n"
              "E15 num 0.56 #,##0.000\n"
              "F15 num 0.824 #,##0.000\n"
              "G15 num 1.199 #,##0.000\n"
              "H15 num 1.451 #,##0.000\n"
              "I15 num 5.78 #,##0.00\n"
              "J15 num 9.52 #,##0.00\n");
}

// The heat keeps every digit of a point's value and shows two decimals.
TEST(StudyXlsx, HeatAtFullPrecisionWithTwoDecimalsShown)
{
    StartedForm s;
    const study::Study st = study::Run(s.form, {Quantity::EQ, 5.5, 55, 1000});
    study::Study three = st;
    three.points = {st.points[0], st.points[1], st.points[999]};
    const support::ScratchDir dir;
    const std::string path = dir.Write("part-load.xlsx", study::XlsxBytes(three, {}, {}));
    const std::string out = ReadBack(path);
    EXPECT_NE(out.find("A9 num 5.5 #,##0.00\n"), std::string::npos) << out;
    EXPECT_NE(out.find("A10 num 5.54954954955 #,##0.00\n"), std::string::npos) << out;
    EXPECT_NE(out.find("A11 num 55.0 #,##0.00\n"), std::string::npos) << out;
}

// With no usable folder for its scratch files the workbook is refused, not
// returned empty.
TEST(StudyXlsx, NoScratchFolderThrows)
{
    StartedForm s;
    const study::Study st = study::Run(s.form, {Quantity::EQ, 5.5, 55, 2});
    const char* old = std::getenv("TMPDIR");
    const std::string kept = old ? old : "";
    ::setenv("TMPDIR", "/nonexistent/tervol", 1);
    EXPECT_ANY_THROW(study::XlsxBytes(st, {}, {}));
    if (old)
        ::setenv("TMPDIR", kept.c_str(), 1);
    else
        ::unsetenv("TMPDIR");
}

}  // namespace
