// The command line's core, driven as the program drives it: arguments in,
// exit status, standard output and standard error out.
#include "cli/cli.h"
#include "report/quickrptpage.h"
#include "study/study.h"
#include "tests/support/recording_platform.h"
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <tuple>

#include <sstream>
#include <string>
#include <vector>

namespace {

const calc::NumberFormat kDanish{",", "."};  // the locale the case files below are read in

struct Outcome {
    int status;
    std::string out, err;
};

Outcome Tervol(const std::vector<std::string>& args, cli::Host host = {kDanish, nullptr})
{
    std::ostringstream out, err;
    const int status = cli::Run(args, host, out, err);
    return {status, out.str(), err.str()};
}

// The start-up case as a Danish window saves it (case-file order), with the
// numbered lines replaced.
std::string Case(std::initializer_list<std::pair<int, const char*>> set = {})
{
    std::vector<std::string> lines{"Vand",  "Vand",  "55",    "70",    "40",    "65",   "35",    "1",
                                   "1",     "30,0",  "30,0",  "1,602", "1,599", "5,00", "11,00", "Vand",
                                   "Vand",  "55",    "73",    "63",    "30",    "33,0", "40,0",  "33,0",
                                   "0,560", "0,824", "1,199", "1,451", "5,78",  "9,52"};
    for (const auto& [line, text] : set)
        lines[line - 1] = text;
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

class Commands : public testing::Test {
protected:
    void SetUp() override
    {
        dir_.Write("start.tvl", Case());
        // All four lists on the mixture; stale results that the run replaces.
        dir_.Write(
            "glycol.tvl",
            Case({{1, "Glykol"}, {2, "Glykol"}, {16, "Glykol"}, {17, "Glykol"}, {10, "x"}, {22, ""}, {30, "y"}}));
        // Supply 50 °C, secondary 70 °C in and 60 °C out: both actual checks fail,
        // and the stale return temperature shows each format's escapes.
        dir_.Write("order.tvl", Case({{19, "50"}, {20, "60"}, {21, "70"}, {10, "3,0"}, {22, "a\"\\\t\x01"}}));
        dir_.Write("letters.tvl", Case({{18, "5x5"}, {10, "3,0"}}));
    }
    std::string P(const char* name) const { return dir_.File(name); }

    support::ScratchDir dir_;
};

// Inputs read with the locale's separator and written with "."; a failed
// case keeps no result, not even the file's stale ones.
TEST_F(Commands, CsvReadsWithTheLocaleAndWritesNumbersWithAPoint)
{
    const Outcome o = Tervol({"rate", "--format", "csv", P("start.tvl"), P("glycol.tvl"), P("order.tvl"),
                              P("letters.tvl"), P("missing.tvl")});
    EXPECT_EQ(o.status, 1);
    const std::string order =
        "Primær temp. frem [°C] skal være større end Varm sekundær ud [°C] | "
        "Varm sekundær ud [°C] skal være større end Kold sekundær ind [°C] ";
    EXPECT_EQ(o.out,
              "file,status,warnings,Primery,Sekundery,EQ_nom,Etpe_nom,Etpa_nom,Etse_nom,Etsa_nom,EPp_nom,EPs_nom,"
              "EAOp_nom,EAOs_nom,EV_p_nom,EV_s_nom,Em_nom,EUA_nom,primery1,Sekundery1,EQ,Etpe,Etse,Etsa,Etpa_beregn,"
              "EAOp,EAOs,EP_p,EP_s,EV_p,EV_s,Em,EUA\r\n" +
                  P("start.tvl") +
                  ",ok,,Vand,Vand,55,70,40,65,35,1,1,30.0,30.0,1.602,1.599,5.00,11.00,"
                  "Vand,Vand,55,73,63,30,33.0,40.0,33.0,0.560,0.824,1.199,1.451,5.78,9.52\r\n" +
                  P("glycol.tvl") +
                  ",ok,,Glykol,Glykol,55,70,40,65,35,1,1,30.0,30.0,1.752,1.756,5.00,11.00,"
                  "Glykol,Glykol,55,73,63,30,33.0,40.0,33.0,0.563,0.829,1.314,1.599,5.79,9.49\r\n" +
                  P("order.tvl") + "," + order +
                  ",,Vand,Vand,55,70,40,65,35,1,1,,,,,,,Vand,Vand,55,50,60,70,,,,,,,,,\r\n" + P("letters.tvl") +
                  ",'5x5' is not a valid floating point value.,,"
                  "Vand,Vand,55,70,40,65,35,1,1,,,,,,,Vand,Vand,5x5,73,63,30,,,,,,,,,\r\n" +
                  P("missing.tvl") + ",File not found." + std::string(31, ',') + "\r\n");
    EXPECT_EQ(o.err, "tervol: " + P("order.tvl") + ": " + order + "\ntervol: " + P("letters.tvl") +
                         ": '5x5' is not a valid floating point value.\ntervol: " + P("missing.tvl") +
                         ": File not found.\n");
}

// A path as a JSON string holds it: Windows' backslashes doubled.
std::string JsonPath(const std::string& path)
{
    std::string out;
    for (char c : path)
        out += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return out;
}

const std::string kUnits =
    "{\"units\": {\"EQ_nom\":\"kW\",\"Etpe_nom\":\"°C\",\"Etpa_nom\":\"°C\",\"Etse_nom\":\"°C\",\"Etsa_nom\":\"°C\","
    "\"EPp_nom\":\"bar\",\"EPs_nom\":\"bar\",\"EAOp_nom\":\"°C\",\"EAOs_nom\":\"°C\",\"EV_p_nom\":\"m3/h\","
    "\"EV_s_nom\":\"m3/h\",\"Em_nom\":\"°C\",\"EUA_nom\":\"kW/°C\",\"EQ\":\"kW\",\"Etpe\":\"°C\",\"Etse\":\"°C\","
    "\"Etsa\":\"°C\",\"Etpa_beregn\":\"°C\",\"EAOp\":\"°C\",\"EAOs\":\"°C\",\"EP_p\":\"bar\",\"EP_s\":\"bar\","
    "\"EV_p\":\"m3/h\",\"EV_s\":\"m3/h\",\"Em\":\"°C\",\"EUA\":\"kW/°C\"}, \"cases\": [\n";

TEST_F(Commands, JsonNumbersNullsAndUnitsInEnglish)
{
    const Outcome o = Tervol({"rate", P("start.tvl"), "--lang=en", P("order.tvl"), "--format", "json"});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(
        o.out,
        kUnits + "  {\"file\":\"" + JsonPath(P("start.tvl")) +
            "\",\"status\":\"ok\",\"messages\":[],\"warnings\":[],\"fields\":{\"Primery\":\"Vand\","
            "\"Sekundery\":\"Vand\",\"EQ_nom\":55.0,\"Etpe_nom\":70.0,\"Etpa_nom\":40.0,\"Etse_nom\":65.0,"
            "\"Etsa_nom\":35.0,\"EPp_nom\":1.0,\"EPs_nom\":1.0,\"EAOp_nom\":30.0,\"EAOs_nom\":30.0,"
            "\"EV_p_nom\":1.602,\"EV_s_nom\":1.599,\"Em_nom\":5.0,\"EUA_nom\":11.0,\"primery1\":\"Vand\","
            "\"Sekundery1\":\"Vand\",\"EQ\":55.0,\"Etpe\":73.0,\"Etse\":63.0,\"Etsa\":30.0,\"Etpa_beregn\":33.0,"
            "\"EAOp\":40.0,\"EAOs\":33.0,\"EP_p\":0.56,\"EP_s\":0.824,\"EV_p\":1.199,\"EV_s\":1.451,\"Em\":5.78,"
            "\"EUA\":9.52}},\n  {\"file\":\"" +
            JsonPath(P("order.tvl")) +
            "\",\"status\":\"failed\",\"messages\":[\"Primary inlet temperature °C must be greater than "
            "Secondary outlet temperature °C\",\"Secondary outlet temperature °C must be greater than Secondary "
            "inlet temperature °C\"],\"warnings\":[],\"fields\":{\"Primery\":\"Vand\",\"Sekundery\":\"Vand\","
            "\"EQ_nom\":55.0,\"Etpe_nom\":70.0,\"Etpa_nom\":40.0,\"Etse_nom\":65.0,\"Etsa_nom\":35.0,"
            "\"EPp_nom\":1.0,\"EPs_nom\":1.0,\"EAOp_nom\":null,\"EAOs_nom\":null,\"EV_p_nom\":null,"
            "\"EV_s_nom\":null,\"Em_nom\":null,\"EUA_nom\":null,\"primery1\":\"Vand\",\"Sekundery1\":\"Vand\","
            "\"EQ\":55.0,\"Etpe\":50.0,\"Etse\":60.0,\"Etsa\":70.0,\"Etpa_beregn\":null,\"EAOp\":null,"
            "\"EAOs\":null,\"EP_p\":null,\"EP_s\":null,\"EV_p\":null,\"EV_s\":null,\"Em\":null,\"EUA\":null}}\n]}\n");
    EXPECT_EQ(o.err, "tervol: " + P("order.tvl") +
                         ": Primary inlet temperature °C must be greater than Secondary outlet temperature °C | "
                         "Secondary outlet temperature °C must be greater than Secondary inlet temperature °C\n");
}

TEST_F(Commands, TableAsOnTheReportInTheLocalesForm)
{
    const Outcome o = Tervol({"rate", P("start.tvl"), P("missing.tvl")});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.out, P("start.tvl") +
                         "\n"
                         "  Forklaring                Nominelle  Aktuelle\n"
                         "  Primær flow               Vand       Vand\n"
                         "  Sekundær flow             Vand       Vand\n"
                         "  Effekt                    55         55        kW\n"
                         "  Primær temp. frem         70         73        °C\n"
                         "  Primær temp. retur        40         33,0      °C\n"
                         "  Varm sekundær ud          65         63        °C\n"
                         "  Kold sekundær ind         35         30        °C\n"
                         "  Primær tryktab            1          0,560     bar\n"
                         "  Sekundær tryktab          1          0,824     bar\n"
                         "  Temp. differens primær    30,0       40,0      °C\n"
                         "  Temp. differens sekundær  30,0       33,0      °C\n"
                         "  Primær vandflow           1,602      1,199     m3/h\n"
                         "  Sekundær vandflow         1,599      1,451     m3/h\n"
                         "  Logaritmisk middeltemp.   5,00       5,78      °C\n"
                         "  Varmeoverføringsevne      11,00      9,52      kW/°C\n"
                         "\n" +
                         P("missing.tvl") + "\n  ! File not found.\n");
}

TEST_F(Commands, EnglishTableCaptions)
{
    const Outcome o = Tervol({"rate", "--lang", "en", P("order.tvl")});
    // A failed case shows its inputs and no result.
    EXPECT_NE(o.out.find("  Primary outlet temperature            40               °C\n"
                         "  Secondary outlet temperature          65       60      °C\n"),
              std::string::npos)
        << o.out;
    EXPECT_NE(o.out.find("  UA overall heat transfer coefficient                   kW/°C\n"
                         "  ! Primary inlet temperature °C must be greater than Secondary outlet temperature °C\n"
                         "  ! Secondary outlet temperature °C must be greater than Secondary inlet temperature °C\n"),
              std::string::npos)
        << o.out;
}

// 550 000 kW: flows of 16 017.961 and 15 986.618 m³/h (water at 55 and 50 °C,
// 30 K) and UA 110 000 kW/K, grouped in the window's form only.
TEST_F(Commands, ThousandsAreGroupedInTheTableOnly)
{
    dir_.Write("big.tvl", Case({{3, "550000"}}));
    const std::pair<const char*, const char*> rows[] = {{"csv", ",30.0,30.0,16017.961,15986.618,5.00,110000.00,"},
                                                        {"json", "\"EV_p_nom\":16017.961,\"EV_s_nom\":15986.618"},
                                                        {"table", "16.017,961"}};
    for (const auto& [format, expected] : rows)
        EXPECT_NE(Tervol({"rate", "--format", format, P("big.tvl")}).out.find(expected), std::string::npos) << format;
}

// The page of a computed case, and none of a stopped one, the built
// program's test writes; here the writer fails.
TEST_F(Commands, ReportThatCannotBeWrittenFails)
{
    const cli::Host failing{kDanish,
                            [](const report::Tquickrptpage&, const std::string&) { throw std::runtime_error("x"); }};
    const Outcome o = Tervol({"report", P("start.tvl"), "-o", P("c.pdf")}, failing);
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "tervol: " + P("c.pdf") + ": filen kan ikke skrives\n");
}

TEST_F(Commands, StudyCsvEqualsTheWindowsStudy)
{
    StartedForm window(kDanish);
    window.platform.dialogAnswers = {P("start.tvl")};
    window.Click(&app::TForm1::BitBtnHentSagClick);
    for (const char* vary : {"EQ", "Etse"}) {
        const Outcome o = Tervol({"study", P("start.tvl"), "--vary", vary, "--format", "csv"});
        EXPECT_EQ(o.status, 0);
        EXPECT_EQ(o.out,
                  study::Csv(study::Run(window.form, *study::DefaultRange(window.form, *study::QuantityNamed(vary)))));
    }
}

TEST_F(Commands, StudyTableRunsAFailedPointsMessageOverTheResults)
{
    const Outcome o = Tervol({"study", P("start.tvl"), "--vary", "Etse", "--from", "60", "--to", "80", "--points=3"});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.out.find(P("start.tvl") +
                         "\n  Varm sekundær ud [°C]  Primær temp. retur [°C]  Temp. differens primær [°C]  "),
              0u);
    EXPECT_NE(o.out.find("\n  80                     Primær temp. frem [°C] skal være større end Varm sekundær ud "
                         "[°C]\n"),
              std::string::npos);
    EXPECT_EQ(o.err, "tervol: " + P("start.tvl") +
                         ": Etse 80: Primær temp. frem [°C] skal være større end Varm sekundær ud [°C]\n");
}

// `tervol CASE`: the window loads it as "Hent sag" would, and saving offers
// its name, also when it could not be read.
TEST_F(Commands, CaseNamedAtStartUp)
{
    StartedForm window(kDanish);
    const auto before = window.form.CaseTexts();
    window.form.Dispatch([&] { window.form.OpenCase(P("missing.tvl")); });
    window.Click(&app::TForm1::BitBtnGemSomClick);  // cancelled
    EXPECT_EQ(window.platform.dialogOffers, std::vector<std::string>{P("missing.tvl")});
    EXPECT_EQ(window.platform.boxes, (std::vector<RecordingPlatform::Box>{{"errorbox", "File not found."}}));
    EXPECT_EQ(window.form.CaseTexts(), before);
}

TEST(CommandLine, UsageErrorsInBothLanguages)
{
    const std::tuple<std::vector<std::string>, const char*, const char*> rows[] = {
        {{"rate"}, "rate needs a case file", "rate kræver en sagsfil"},
        {{"rate", "--format", "xml", "a"}, "invalid value 'xml' for --format", "ugyldig værdi 'xml' til --format"},
        {{"rate", "a", "--lang"}, "--lang needs a value", "--lang kræver en værdi"},
        {{"rate", "--vary", "EQ", "a"}, "--vary does not apply to rate", "--vary kan ikke bruges med rate"},
        {{"report", "a"}, "report needs -o OUT.pdf", "report kræver -o UD.pdf"},
        {{"study", "a", "b"}, "study takes one case file", "study tager én sagsfil"},
        {{"study", "a", "--points", "1"},
         "Number of points must be between 2 and 1000",
         "Antal punkter skal være mellem 2 og 1000"},
        {{"study", "a", "--from", "x"}, "invalid value 'x' for --from", "ugyldig værdi 'x' til --from"},
        {{"--colour"}, "unknown option '--colour'", "ukendt tilvalg '--colour'"},
        {{"rate", "-x", "a"}, "unknown option '-x'", "ukendt tilvalg '-x'"},
        {{"a.tvl", "b.tvl"}, "unknown command 'a.tvl'", "ukendt kommando 'a.tvl'"},
    };
    for (const auto& [args, english, danish] : rows) {
        const Outcome o = Tervol(args);
        EXPECT_EQ(o.status, 2) << english;
        EXPECT_EQ(o.out, "");
        EXPECT_EQ(o.err, std::string("tervol: ") + english + "\ntervol: " + danish +
                             "\nTry 'tervol --help'. / Se 'tervol --help'.\n");
    }
}

TEST(CommandLine, HelpVersionAndWhatStartsTheWindow)
{
    EXPECT_EQ(Tervol({"--version"}).out, "tervol 1.2.0\n");
    const Outcome help = Tervol({"rate", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.find("Usage:\n"), 0u);
    EXPECT_NE(help.out.find("\nBrug:\n"), std::string::npos);
    // Only no argument or one case file starts the window.
    const std::pair<std::vector<std::string>, bool> rows[] = {
        {{}, false},        {{"a.tvl"}, false}, {{"rate"}, true}, {{"study"}, true},
        {{"report"}, true}, {{"--help"}, true}, {{"-x"}, true},   {{"a.tvl", "b.tvl"}, true}};
    for (const auto& [args, command] : rows)
        EXPECT_EQ(cli::IsCommandLine(args), command) << args.size();
}

}  // namespace

namespace {

// The start-up case with one line's text replaced by any bytes.
std::string CaseWith(int line, const std::string& text)
{
    std::string bytes = Case({{line, "@@"}});
    return bytes.replace(bytes.find("@@"), 2, text);
}

class Hostile : public Commands {};

// A byte-order mark (read as the Windows-1252 text "ï»¿"), a tab: computed as
// the mixture, as the window does, but said on standard error and in the
// warnings column, in either language.
TEST_F(Hostile, UnknownMediumTextIsWarnedAbout)
{
    dir_.Write("bom.tvl", CaseWith(1, "\xef\xbb\xbfVand"));
    const std::pair<const char*, std::string> rows[] = {
        {"da", "Primery 'ï»¿Vand' er ikke et kendt medie; beregnet som glykolblandingen"},
        {"en", "Primery 'ï»¿Vand' is not a known medium; computed as the glycol mixture"}};
    for (const auto& [language, warning] : rows) {
        const Outcome o = Tervol({"rate", "--format", "csv", "--lang", language, P("bom.tvl")});
        EXPECT_EQ(o.status, 0);
        EXPECT_EQ(o.err, "tervol: " + P("bom.tvl") + ": " + warning + "\n");
        EXPECT_NE(o.out.find(",ok," + warning + ",ï»¿Vand,Vand,55,70,40,65,35,1,1,30.0,30.0,1.752,1.599,"),
                  std::string::npos)
            << o.out;
    }
    dir_.Write("tab.tvl", CaseWith(17, "\tVand"));
    EXPECT_EQ(
        Tervol({"rate", "--format", "json", "--lang", "en", P("tab.tvl")}).err,
        "tervol: " + P("tab.tvl") + ": Sekundery1 '\\x09Vand' is not a known medium; computed as the glycol mixture\n");
}

// (Not "nul.tvl": Windows takes that name for its null device.) A folder is
// refused without a cause in words on Windows too, where access denied and
// EIO share the number 5.
TEST_F(Hostile, UnreadableCasesNameTheirCause)
{
    dir_.Write("nul-byte.tvl", CaseWith(18, std::string("5.\0"
                                                        "5",
                                                        4)));
    dir_.Write("big.tvl", std::string(1024 * 1024 + 1, 'x'));
    std::filesystem::create_directory(dir_.Path() / "folder.tvl");
    const std::tuple<const char*, const char*, std::string> rows[] = {
        {"nul-byte.tvl", "da", "'5.\\x005' is not a valid floating point value."},
        {"big.tvl", "da", "I/O error 27. (større end 1 MiB)"},
        {"big.tvl", "en", "I/O error 27. (larger than 1 MiB)"},
        {"folder.tvl", "da", "File access denied."},
    };
    for (const auto& [file, language, message] : rows) {
        const Outcome o = Tervol({"rate", "--lang", language, "--format", "csv", P(file)});
        EXPECT_EQ(o.status, 1);
        EXPECT_EQ(o.err, "tervol: " + P(file) + ": " + message + "\n");
    }
}

// Full precision: the calculated doubles, each within half a unit of the
// window's last decimal of the shown value; inputs as their value.
TEST_F(Hostile, FullPrecisionAgreesWithTheShownRounding)
{
    const std::string shown = Tervol({"rate", "--format", "csv", P("start.tvl")}).out;
    const std::string full = Tervol({"rate", "--format", "csv", "--precision=full", P("start.tvl")}).out;
    const auto cells = [](const std::string& csv) {
        std::vector<std::string> out;
        std::string row = csv.substr(csv.find("\r\n") + 2);
        row = row.substr(0, row.find("\r\n"));
        for (size_t at = 0; at <= row.size();) {
            const size_t comma = std::min(row.find(',', at), row.size());
            out.push_back(row.substr(at, comma - at));
            at = comma + 1;
        }
        return out;
    };
    const auto a = cells(shown), b = cells(full);
    ASSERT_EQ(a.size(), 33u);
    ASSERT_EQ(b.size(), 33u);
    EXPECT_EQ(a[7], "40");  // an input
    EXPECT_EQ(b[7], "40");
    for (int i : {12, 13, 14, 15, 16, 17, 24, 25, 26, 27, 28, 29, 30, 31, 32}) {
        const size_t point = a[i].find('.');
        const int decimals = point == std::string::npos ? 0 : static_cast<int>(a[i].size() - point - 1);
        EXPECT_NE(a[i], b[i]) << i;
        EXPECT_LE(std::abs(std::stod(a[i]) - std::stod(b[i])), 0.5 * std::pow(10.0, -decimals) + 1e-12) << i;
    }
}

// The study's machine outputs are the same bytes whichever separator the
// locale reads the case with.
TEST_F(Hostile, StudyOutputsAreTheSameInADecimalCommaLocaleAndInC)
{
    const cli::Host c{{".", ","}, nullptr};
    for (const char* format : {"csv", "json"}) {
        const Outcome danish = Tervol({"study", P("start.tvl"), "--format", format});
        const Outcome plain = Tervol({"study", P("start.tvl"), "--format", format}, c);
        EXPECT_EQ(danish.status, 0);
        EXPECT_EQ(danish.out, plain.out);
    }
    EXPECT_NE(Tervol({"study", P("start.tvl"), "--format", "csv"}, c)
                  .out.find("\r\n55,ok,33.0,40.0,33.0,0.560,0.824,1.199,1.451,5.78,9.52\r\n"),
              std::string::npos);
    EXPECT_NE(Tervol({"study", P("start.tvl"), "--format", "json"}, c)
                  .out.find("{\"EQ\":55.0,\"status\":\"ok\",\"messages\":[],\"results\":{\"Etpa_beregn\":33.0,"
                            "\"EAOp\":40.0,\"EAOs\":33.0,\"EP_p\":0.56,\"EP_s\":0.824,\"EV_p\":1.199,\"EV_s\":1.451,"
                            "\"Em\":5.78,\"EUA\":9.52}}\n]}\n"),
              std::string::npos);
}

TEST_F(Hostile, HugeRangesAndRepeatedOptions)
{
    const Outcome huge = Tervol({"study", P("start.tvl"), "--from", "0", "--to", "1e308", "--points", "3"});
    EXPECT_EQ(huge.out.find("inf"), std::string::npos) << huge.out;
    EXPECT_NE(huge.out.find("\n  5e+307  "), std::string::npos) << huge.out;
    const std::tuple<std::vector<std::string>, const char*, const char*> rows[] = {
        {{"study", "a", "--from", "-1e308", "--to", "1e308"},
         "the range from --from to --to is too large",
         "området fra --from til --to er for stort"},
        {{"study", "a", "--points", "5", "--points=7"},
         "--points is given more than once",
         "--points er angivet mere end én gang"},
        {{"report", "a", "-o", "x.pdf", "--output", "y.pdf"},
         "--output is given more than once",
         "--output er angivet mere end én gang"},
        {{"reprot", "c.tvl"},
         "unknown command 'reprot'; did you mean 'report'?",
         "ukendt kommando 'reprot'; mente du 'report'?"},
        {{"help"}, "unknown command 'help'; did you mean '--help'?", "ukendt kommando 'help'; mente du '--help'?"},
    };
    for (const auto& [args, english, danish] : rows) {
        const Outcome o = Tervol(args);
        EXPECT_EQ(o.status, 2) << english;
        EXPECT_EQ(o.err.find(std::string("tervol: ") + english + "\ntervol: " + danish + "\n"), 0u) << o.err;
    }
    EXPECT_TRUE(cli::IsCommandLine(std::vector<std::string>{"reprot"}));
    EXPECT_FALSE(cli::IsCommandLine(std::vector<std::string>{"c.tvl"}));
    EXPECT_FALSE(cli::IsCommandLine(std::vector<std::string>{"sub/c"}));
    EXPECT_FALSE(cli::IsCommandLine(std::vector<std::string>{P("start.tvl")}));
}

}  // namespace
