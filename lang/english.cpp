// The English table: every text of the program in English.
#include "lang/texts.h"

namespace lang {

// Laid out as tables; the blanks inside the captions are part of them.
// clang-format off
const Texts kEnglishTexts{
    "UK", "en", "English",
    // messages
    {"All inputs in nominal conditions are necessary for further calculation",
     "All inputs in actual conditions are necessary for further calculation",
     "Primary inlet temperature°C must be less than 100°C!",
     "Primary inlet temperature°C must be less than 180°C!",
     " must be greater than ",
     "Number of points must be between 2 and 1000"},
    // main window
    {{"Primary fluid (water or antifreeze 40 %)", "Secondary fluid (water or antifreeze)", "Transferred heat (kW)",
      "Primary inlet temperature °C", "Primary outlet temperature °C", "Secondary inlet temperature °C",
      "Secondary outlet temperature °C", "Pressure loss primary side (bars)", "Pressure loss secondary side (bars)",
      "Primary cooling off (K)", "Secondary heating up (K)", "Primary flow (m3/h)", "Secondary flow (m3/h)",
      "Logaritmic temperature difference (K)", "UA overall heat transfer coefficient (kW/K)",
      "Primary fluid (water or antifreeze 40 %)", "Secondary fluid (water or antifreeze)", "Transferred heat (kW)",
      "Primary inlet temperature °C", "Secondary inlet temperature °C", "Secondary outlet temperature °C",
      "Primary outlet temperature °C", "Primary cooling off (K)", "Secondary heating up (K)",
      "Pressure loss primary side (bars)", "Pressure loss secondary side (bars)", "Primary flow (m3/h)",
      "Secondary flow (m3/h)", "Logaritmic temperature difference (K)",
      "UA overall heat transfer coefficient (kW/K)"},
     {"Water", "antifreeze"},
     {"Definition of nominal conditions", "Definition of actual conditions", "Calculation results",
      "Calculation results"},
     {"Calculate nominal", "Calculate actual", "Print", "Close", "Open", "Save as", "Help", "Part load", "Heating season"}},
    // report page
    {{"Explanation", "Nominal", "Actual", "Primary flow", "Secondary flow", "Transferred heat",
      "Primary inlet temperature", "Primary outlet temperature", "Secondary outlet temperature",
      "Secondary inlet temperature", "Pressure loss primary side", "Pressure loss secondary side",
      "Primary cooling off", "Secondary heating up", "Primary flow", "Secondary flow",
      "Logaritmic temperature difference", "UA overall heat transfer coefficient"}},
    // part-load study
    {"Tervol – Part load", "Varied quantity", "First value", "Last value", "Number of points", "Calculate",
     "Copy table", "Save as …", "Print", "Close",
     "Calculating part load …", "Cancel",
     "Cancelled after %1 of %2 points",
     "Save part load", "Excel workbook (*.xlsx);;CSV, comma-separated, for scripts (*.csv)",
     "The file could not be written", "part-load",
     "Part load", "%1 of %2 points shown",
     "Result table", "Chart"},
    // help window
    {"en", "Tervol – Help",
     "&Find keyword:", "Back", "Forward", "Print",
     "Keyword filter", "Keywords", "Topic", "Back", "Forward", "Print topic"},
    // report preview
    {"Print Preview",
     "The print system does not answer. The report can be saved as PDF.",
     "Left out of the printer list because the printer's PPD file lacks *LanguageEncoding: %1",
     "The printer %1 refused the print job: %2",
     "The print job could not be started on the printer.",
     "Save as PDF...", "Close", "PDF (*.pdf)"},
    // heating season
    {"Line ",
     "expected at least 7 comma-separated fields, found ",
     "expected a temperature in °C between -100 and 100, found ",
     "expected two fields temperature;hours, found ",
     "expected a number of hours between 0 and 8784, found ",
     "more than 8784 hours; expected one year at most",
     "the file ends within the 8 header lines of the EPW form",
     "The weather file holds no temperatures",
     "The weather file cannot be read: ", "The weather file is larger than 16 MiB: ",
     "The indoor temperature must be greater than the design outdoor temperature",
     "The heating limit must be greater than the design outdoor temperature and at most the indoor temperature",
     "The radiator exponent must be greater than 0",
     "Two points of a curve have the same outdoor temperature",
     "expected three fields To;Etse;Etsa, found ",
     "Settings", "Weather file", "Design outdoor temperature [°C]", "Indoor temperature [°C]",
     "Heating limit [°C]", "Radiator exponent n", "Secondary table", "Primary supply [°C]",
     "Primary supply curve [°C]", "Outdoor [°C]", "Hours",
     "Season", "Heat delivered [MWh]", "Primary volume [m3]", "Volume-weighted primary return [°C]",
     "Volume-weighted cooling [K]", "Peak primary flow [m3/h]", "Peak flow at outdoor [°C]",
     "Hours computed", "Hours below the heating limit", "Hours in the file",
     "Tervol – Heating season", "Choose …", "Load duration curve", "Heating season", "Save heating season",
     "Excel workbook (*.xlsx);;CSV, comma-separated, for scripts (*.csv)", "heating-season",
     "Choose a weather file and press Calculate",
     "Calculating the heating season …", "Cancelled after %1 of %2 bins",
     "%1 of %2 bins shown"},
    // command line
    {
     R"(Usage:
  tervol                 the window
  tervol CASE            the window, with CASE opened as "Hent sag" opens it
  tervol rate [--format table|csv|json] [--lang da|en] CASE...
  tervol study CASE [--vary EQ|Etpe|Etsa|Etse] [--from V] [--to V] [--points N]
                    [--format table|csv|json] [--lang da|en]
  tervol report CASE -o OUT.pdf [--lang da|en]
  tervol season CASE --weather FILE [--design-outdoor T] [--indoor T] [--limit T]
                [--exponent N | --secondary-table FILE]
                [--supply T | --supply-curve TO:T,TO:T] [--format table|csv|json]
                [--precision shown|full] [--lang da|en]
  tervol --help | --version

rate    loads each case as "Hent sag" does, runs "Beregn Aktuel" and reports
        the thirty fields the window would then hold, with its messages.
study   the part-load study of the case, as the window's "Dellast" runs it:
        one input varied from V to V in N points.
report  writes the report page, as the preview prints it, to a one-page A4
        PDF; nothing is written when the calculation stops.
season  the heating season: the case's actual state is the design point at
        the design outdoor temperature (-12); each 1 K bin of the weather file
        (EPW, one temperature per line, or temperature;hours lines) below the
        heating limit (17) computed as "Beregn Aktuel" with the load, secondary
        temperatures (radiator exponent 1.3, or a table of To;Etse;Etsa lines)
        and supply (the case's Etpe) of its outdoor temperature; indoor 20.
--format  table (default): caption, nominal, actual, unit, as on the report;
          csv (RFC 4180, UTF-8) or json: results with "." as decimal separator
          and no thousands separator, all other texts as in the file.
--lang    da (default) or en: captions and messages.
Numbers in case files are read with the locale's decimal separator.
Exit status: 0 every case computed, 1 a case failed (the others are still
processed), 2 a usage error. Runs without a display.
)",
     "Try 'tervol --help'.",
     "no command given", "--version takes no arguments",
     "invalid value %1 for %2",
     "unknown option %1",
     "unknown command %1",
     "%1 does not apply to %2",
     "%1 needs a value",
     "%1 needs a case file", "%1 takes one case file",
     "report needs -o OUT.pdf",
     "the file cannot be written", "no default range; give --from and --to",
     "is the case file %1", "the file cannot be written: %1",
     "the disk is full", "the file grows too large", "permission denied", "read-only file system", "no such folder",
     "is a folder",
     "%1 %2 is not a known medium; computed as the glycol mixture",
     "larger than 1 MiB", "input/output error",
     "cannot write to standard output",
     "%1 is given more than once",
     "the range from --from to --to is too large",
     "unknown command %1; did you mean '%2'?",
     "no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); the commands need none, see 'tervol --help'",
     "the heating season needs --weather FILE", "%1 and %2 cannot be given together"},
};
// clang-format on

}  // namespace lang
