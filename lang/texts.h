// Every text the program shows, one table per language. The tables hold
// texts only; whoever writes them somewhere keeps the order and the names.
// Not here: the captions the window and the report page carry as created
// (Danish, with blanks of their own: model/casefields.cpp,
// report/quickrptpage.cpp), the Danish-only non-convergence message
// (calc/messages.h), and what the platform says in English in both languages.
#pragma once

#include "lang/language.h"

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

namespace lang {

using Text = std::string_view;

// The calculations' message boxes. The iteration's own message is Danish in
// every language and so stands outside the tables (calc/messages.h).
struct MessageTexts {
    Text nominalInputsMissing, actualInputsMissing;
    Text glycolSupplyLimit, waterSupplyLimit;  // primary supply temperature limit
    Text mustBeGreater;                        // between the two row captions of the order check
    Text pointsOutOfRange;                     // part-load point count outside 2..1000
};

// The captions a flag button writes into the main window.
struct WindowTexts {
    // Row labels in screen order: Label1..Label15, then Label16..Label19,
    // Label21, Label20, Label22..Label30.
    std::array<Text, 30> rows;
    std::array<Text, 2> items;   // each medium list's items: water, glycol mixture
    std::array<Text, 4> groups;  // GroupBox1..GroupBox4
    // BitBtn1, BitBtn2, BitBtn3, BitBtn4, BitBtnHentSag, BitBtnGemSom,
    // BitBtnHelp, BitBtnDellast, BitBtnSeason: the order a switch writes them.
    std::array<Text, 9> buttons;
};

// The report page's captions, in the order a switch writes them: QRLabel1,
// QRLabel45, QRLabel46, QRLbl1, QRLabel2..QRLabel15.
struct ReportTexts {
    std::array<Text, 18> captions;
};

// The part-load study window and its printed page.
struct StudyTexts {
    Text title, quantity, first, last, points, calculate, copy, saveAs, print, close;
    Text progress, cancel;
    Text cancelled;  // "%1" points done of "%2"
    // The save dialog: its title, its filters (the workbook first, then CSV,
    // each naming its one file ending) and the file name it offers.
    Text saveTitle, saveFilter, writeFailed, fileName;
    Text pageTitle, shownOf;  // the printed page; "%1" rows shown of "%2"
    Text table, chart;        // accessible names of the table and the chart
};

// The help window.
struct HelpTexts {
    Text folder;  // of the pages and the keyword list under help/
    Text title;
    Text filterLabel, back, forward, print;
    // Names for screen readers.
    Text filterName, keywordListName, topicName, backName, forwardName, printName;
};

// The report preview's own messages.
struct PreviewTexts {
    Text title;
    Text silent;      // the print system did not answer
    Text leftOut;     // %1 the printers whose PPD lacks *LanguageEncoding
    Text refused;     // %1 the printer, %2 the reason CUPS gave
    Text notStarted;  // the painter could not start on the chosen printer
    Text savePdf, close, pdfFilter;
};

// The heating season: reading a weather file and checking the settings.
struct SeasonTexts {
    Text line;                                      // a weather file's line: this, its number, ": " and the message
    Text epwFields, temperature, binFields, hours;  // each followed by what was found
    Text tooManyHours, epwHeader, noTemperatures;
    Text cannotRead, tooBig;  // each followed by the file's name or the reason
    Text indoorNotAboveDesign, limitOutside, exponentNotPositive, sameOutdoor;
    Text tableFields;  // a secondary table's line with another field count; followed by the count
    // Captions of the settings, the bins table and the summary.
    Text settings, weatherFile, designOutdoor, indoor, limit, exponent, secondaryTable, supply, supplyCurve;
    Text outdoor, hoursColumn;
    Text summary, heat, primaryVolume, weightedReturn, weightedCooling, peakFlow, peakFlowOutdoor;
    Text hoursComputed, hoursBelowLimit, hoursTotal;
    // The window: its title, the file choosers' button, the load duration
    // chart, the workbook's sheet, saving (the workbook's filter first, then
    // CSV; the suggested name without its ending).
    Text title, browse, durationChart, sheetName, saveTitle, saveFilter, fileName;
    Text chartHint;            // in the charts before a season is computed
    Text progress, cancelled;  // "%1" bins done of "%2"
    Text shownOf;              // the printed table: "%1" bins shown of "%2"
};

// The command line's help text and diagnostics; "%1", "%2" stand for the
// values put in.
struct CliTexts {
    Text usage;
    Text tryHelp;  // after every usage error
    Text noCommand, versionTakesNoArguments;
    Text invalidValue;                     // %1 the value in quotes, %2 the option
    Text unknownOption;                    // %1 the option in quotes
    Text unknownCommand;                   // %1 the command in quotes
    Text notForCommand;                    // %1 the option, %2 the command
    Text needsValue;                       // %1 the option
    Text needsCaseFile, takesOneCaseFile;  // %1 the command
    Text reportNeedsOutput;
    Text fileCannotBeWritten, noDefaultRange;
    Text isTheCaseFile;       // %1 the case file the output would replace
    Text cannotBeWrittenFor;  // %1 the cause, one of the six below or the system's text
    Text diskFull, fileTooLarge, permissionDenied, readOnlyFileSystem, noSuchFolder, isAFolder;
    Text mediumNotKnown;                     // %1 the field, %2 the line in quotes: computed as the mixture
    Text largerThanLimit, inputOutputError;  // why a case file could not be read
    Text standardOutputFailed;
    Text repeatedOption;  // %1 the option
    Text rangeNotFinite;
    Text didYouMean;  // %1 the command in quotes, %2 the nearest command
    Text noDisplay;
    Text seasonNeedsWeather;
    Text optionsExclude;  // %1 and %2, two options that cannot be combined
};

struct Texts {
    Text code;     // the window model's "DK" or "UK"
    Text cliName;  // the command line's --lang value
    Text name;     // the language in its own words, as its flag is announced
    MessageTexts messages;
    WindowTexts window;
    ReportTexts report;
    StudyTexts study;
    HelpTexts help;
    PreviewTexts preview;
    SeasonTexts season;
    CliTexts cli;
};

extern const Texts kDanishTexts;
extern const Texts kEnglishTexts;

const Texts& TextsOf(Language language);
// By the window model's code, with the tables' fallback (TableLanguage).
const Texts& TextsFor(std::string_view code);

// The pattern with "%1", "%2" ... replaced by the values, in one pass.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace lang
