#include "study/xlsx.h"

#include "lang/texts.h"
#include "study/season_rows.h"

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

// The heating season's sheet read back: the settings as given (the curve as
// text), the summary with the failed bin left out of the sums, every bin with
// its inputs at full precision; the failed bin's message beside its inputs.
// Bin 0 °C: φ = 20/32, EQ = 34.375 kW; bin 10 °C: φ = 10/32, EQ = 17.1875;
// heat (34.375·200 + 17.1875·300)/1000 = 12.03125 MWh.
TEST(StudyXlsx, SeasonSheetListsSettingsSummaryAndEveryBin)
{
    StartedForm s({",", "."});
    study::SeasonSettings settings;
    settings.supply = *study::ParseSupplyCurve("-10:190,0:73");
    const study::Season season =
        study::RunSeason(s.form, study::ReadWeather("-10;100\n0;200\n10;300\n20;50\n", false), settings);
    ASSERT_EQ(season.bins.size(), 3u);
    const lang::SeasonTexts& t = lang::kDanishTexts.season;
    study::SeasonSheet sheet;
    sheet.title = "Tervol – Fyringssæson";
    sheet.date = "7. december 2026";
    sheet.sheetName = "Fyringssæson";
    sheet.settingsHeading = "Indstillinger";
    sheet.summaryHeading = "Sæson";
    sheet.settings = study::SettingsRows(season, {"vejr.txt", std::nullopt, "-10:190,0:73"}, t);
    sheet.summary = study::SummaryRows(season, t);
    sheet.columns = {"Ude [°C]",
                     "Timer",
                     "Effekt [kW]",
                     "Primær temp. frem [°C]",
                     "Kold sekundær ind [°C]",
                     "Varm sekundær ud [°C]",
                     "Primær temp. retur [°C]",
                     "Temp. differens primær [°C]",
                     "Temp. differens sekundær [°C]",
                     "Primær tryktab i [bar]",
                     "Sekundær tryktab i [bar]",
                     "Primær vandflow [m3/h]",
                     "Sekundær vandflow [m3/h]",
                     "Logaritmisk middeltemp. [°C]",
                     "Varmeoverføringsevne [kW/°C]"};
    const support::ScratchDir dir;
    const std::string path = dir.Write("fyringssaeson.xlsx", study::XlsxSeasonBytes(season, sheet));
    EXPECT_EQ(ReadBack(path),
              "Fyringssæson\n"
              "A1 str 'Tervol – Fyringssæson' General\n"
              "A2 str '7. december 2026' General\n"
              "A4 str 'Indstillinger' General\n"
              "A5 str 'Vejrfil' General\n"
              "B5 str 'vejr.txt' General\n"
              "A6 str 'Dimensionerende udetemperatur [°C]' General\n"
              "B6 num -12.0 #,##0.0\n"
              "A7 str 'Indetemperatur [°C]' General\n"
              "B7 num 20.0 #,##0.0\n"
              "A8 str 'Varmegrænse [°C]' General\n"
              "B8 num 17.0 #,##0.0\n"
              "A9 str 'Radiatoreksponent n' General\n"
              "B9 num 1.3 #,##0.00\n"
              "A10 str 'Sekundær tabel' General\n"
              "A11 str 'Primær fremløb [°C]' General\n"
              "A12 str 'Primær fremløbskurve [°C]' General\n"
              "B12 str '-10:190,0:73' General\n"
              "A14 str 'Sæson' General\n"
              "A15 str 'Leveret varme [MWh]' General\n"
              "B15 num 12.03125 #,##0.00\n"
              "A16 str 'Primært volumen [m3]' General\n"
              "B16 num 229.074922738968 #,##0.0\n"
              "A17 str 'Volumenvægtet primær retur [°C]' General\n"
              "B17 num 27.2003313332301 #,##0.00\n"
              "A18 str 'Volumenvægtet afkøling [K]' General\n"
              "B18 num 45.7996686667699 #,##0.00\n"
              "A19 str 'Største primære flow [m3/h]' General\n"
              "B19 num 0.6704567449499319 #,##0.000\n"
              "A20 str 'Største flow ved ude [°C]' General\n"
              "B20 num 0.0 #,##0\n"
              "A21 str 'Timer beregnet' General\n"
              "B21 num 500.0 #,##0\n"
              "A22 str 'Timer under varmegrænsen' General\n"
              "B22 num 600.0 #,##0\n"
              "A23 str 'Timer i filen' General\n"
              "B23 num 650.0 #,##0\n"
              "A25 str 'Ude [°C]' General\n"
              "B25 str 'Timer' General\n"
              "C25 str 'Effekt [kW]' General\n"
              "D25 str 'Primær temp. frem [°C]' General\n"
              "E25 str 'Kold sekundær ind [°C]' General\n"
              "F25 str 'Varm sekundær ud [°C]' General\n"
              "G25 str 'Primær temp. retur [°C]' General\n"
              "H25 str 'Temp. differens primær [°C]' General\n"
              "I25 str 'Temp. differens sekundær [°C]' General\n"
              "J25 str 'Primær tryktab i [bar]' General\n"
              "K25 str 'Sekundær tryktab i [bar]' General\n"
              "L25 str 'Primær vandflow [m3/h]' General\n"
              "M25 str 'Sekundær vandflow [m3/h]' General\n"
              "N25 str 'Logaritmisk middeltemp. [°C]' General\n"
              "O25 str 'Varmeoverføringsevne [kW/°C]' General\n"
              "A26 num -10.0 #,##0\n"
              "B26 num 100.0 #,##0\n"
              "C26 num 51.5625 #,##0.00\n"
              "D26 num 190.0 #,##0.0\n"
              "E26 num 29.74777961864805 #,##0.0\n"
              "F26 num 60.68527961864805 #,##0.0\n"
              "G26 str 'Primær temperaturer skal være mindre end 180°C!' General\n"
              "A27 num 0.0 #,##0\n"
              "B27 num 200.0 #,##0\n"
              "C27 num 34.375 #,##0.00\n"
              "D27 num 73.0 #,##0.0\n"
              "E27 num 28.14744924709683 #,##0.0\n"
              "F27 num 48.77244924709683 #,##0.0\n"
              "G27 num 28.3 #,##0.0\n"
              "H27 num 44.7 #,##0.0\n"
              "I27 num 20.6 #,##0.0\n"
              "J27 num 0.175 #,##0.000\n"
              "K27 num 0.819 #,##0.000\n"
              "L27 num 0.67 #,##0.000\n"
              "M27 num 1.447 #,##0.000\n"
              "N27 num 4.63 #,##0.00\n"
              "O27 num 7.42 #,##0.00\n"
              "A28 num 10.0 #,##0\n"
              "B28 num 300.0 #,##0\n"
              "C28 num 17.1875 #,##0.00\n"
              "D28 num 73.0 #,##0.0\n"
              "E28 num 25.67476026758015 #,##0.0\n"
              "F28 num 35.98726026758015 #,##0.0\n"
              "G28 num 25.7 #,##0.0\n"
              "H28 num 47.3 #,##0.0\n"
              "I28 num 10.3 #,##0.0\n"
              "J28 num 0.039 #,##0.000\n"
              "K28 num 0.814 #,##0.000\n"
              "L28 num 0.317 #,##0.000\n"
              "M28 num 1.443 #,##0.000\n"
              "N28 num 3.27 #,##0.00\n"
              "O28 num 5.25 #,##0.00\n");
}

}  // namespace
