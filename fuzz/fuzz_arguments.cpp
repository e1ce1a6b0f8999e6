// Argument vectors through the command line. The input is text: its first
// line names the locale the window would read numbers in ("da": decimal
// comma, thousands point; anything else English), every further line is one
// argument; a NUL ends an argument too, as no real argument can hold one.
// The parser either refuses with a usage error (exit status 2) or gives a
// complete set of options; those run on scratch cases, their paths moved
// into a scratch folder of this process, with "/" and "\" in a name made "_"
// so that no name reaches outside it. Output goes to memory, the report's PDF
// (a stand-in page) through the checked write into scratch/out. Runs that
// would compute more than kMostPoints study points or kMostCases cases are
// parsed and checked but not run, to keep each execution short.
#include "casefile/replace_file.h"
#include "cli/cli.h"
#include "cli/options.h"
#include "fuzz/argument_rules.h"
#include "fuzz/arguments_fixture.h"
#include "fuzz/text.h"
#include "study/season.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using cli::Command;
using cli::Options;

constexpr int kMostPoints = 40;
constexpr size_t kMostCases = 8;
constexpr const char* kTryHelp = "Try 'tervol --help'. / Se 'tervol --help'.\n";

[[noreturn]] void Fail(const char* what, const std::string& detail = {})
{
    std::fprintf(stderr, "fuzz_arguments: %s: %s\n", what, detail.c_str());
    std::abort();
}

void Require(bool condition, const char* what, const std::string& detail = {})
{
    if (!condition)
        Fail(what, detail);
}

// "--points": digits only (leading zeros too), 2 to 1000.
bool PointsValid(const std::string& text)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const size_t first = text.find_first_not_of('0');
    const std::string digits = first == std::string::npos ? "0" : text.substr(first);
    return digits.size() <= 4 && std::stoi(digits) >= 2 && std::stoi(digits) <= 1000;
}

// A plain decimal, "[+-]digits" with at most one "." or "," and digits after
// it, read here by strtod so that the locale rule is held against something
// other than the program's own reader: "." always, "," only in Danish.
void CheckLocaleRule(const char* option, const std::string& text, const calc::NumberFormat& locale)
{
    const size_t signs = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    const size_t mark = text.find_first_of(".,", signs);
    const std::string whole = text.substr(signs, mark == std::string::npos ? std::string::npos : mark - signs);
    const std::string part = mark == std::string::npos ? "1" : text.substr(mark + 1);
    const auto digits = [](const std::string& s) {
        return !s.empty() && s.size() <= 15 && s.find_first_not_of("0123456789") == std::string::npos;
    };
    if (!digits(whole) || !digits(part))
        return;
    const bool accepted = mark == std::string::npos || text[mark] == '.' || locale.decimal == ",";
    std::string dotted = text;
    if (mark != std::string::npos)
        dotted[mark] = '.';
    try {
        const double value = cli::OptionNumber(option, text, locale);
        Require(accepted, "a decimal comma taken in the English locale", text);
        Require(value == std::strtod(dotted.c_str(), nullptr), "a plain decimal read as another value", text);
    } catch (const cli::UsageError&) {
        Require(!accepted, "a plain decimal refused", text);
    }
}

bool NumberRefused(const char* option, const std::optional<std::string>& text, const calc::NumberFormat& locale)
{
    if (!text)
        return false;
    CheckLocaleRule(option, *text, locale);
    try {
        cli::OptionNumber(option, *text, locale);
        return false;
    } catch (const cli::UsageError&) {
        return true;
    }
}

// Complete: what the command needs is there, nothing meant for another
// command is set, and every choice is one of its values.
void CheckComplete(const Options& o, const std::vector<std::string>& args)
{
    Require(o.format <= cli::Format::Json && o.precision <= cli::Precision::Full && o.lang <= cli::Lang::English,
            "a choice out of range");
    if (o.command == Command::Help)
        return;
    if (o.command == Command::Version) {
        Require(args.size() == 1, "--version took arguments");
        return;
    }
    const bool study = o.command == Command::Study, season = o.command == Command::Season;
    const bool report = o.command == Command::Report, rate = o.command == Command::Rate;
    Require(!o.cases.empty(), "no case file");
    Require(rate || o.cases.size() == 1, "more than one case file");
    for (const std::string& c : o.cases)
        Require(std::find(args.begin() + 1, args.end(), c) != args.end(), "a case file not among the arguments", c);
    Require(study || (!o.vary && !o.from && !o.to && !o.points), "a study option outside study");
    Require(!o.vary || *o.vary == "EQ" || *o.vary == "Etpe" || *o.vary == "Etsa" || *o.vary == "Etse",
            "an unknown --vary", o.vary.value_or(""));
    Require(report == !o.output.empty(), "an output given or missing");
    Require(!report || (o.format == cli::Format::Table && o.precision == cli::Precision::Shown),
            "report took --format or --precision");
    const cli::SeasonOptions& s = o.season;
    const bool anySeason = s.weather || s.designOutdoor || s.indoor || s.limit || s.exponent || s.secondaryTable ||
                           s.supply || s.supplyCurve;
    Require(season ? s.weather.has_value() : !anySeason, "season options wrong");
    Require(!(s.exponent && s.secondaryTable) && !(s.supply && s.supplyCurve), "excluding options together");
}

// The same options with every path in the scratch folder, as "--name=value"
// and the cases after "--"; the parser must read them back alike.
struct Planned {
    std::vector<std::string> args;
    Options expected;
};

Planned Canonical(const Options& o, const fuzz::ArgumentsFixture& fixture)
{
    Planned p{{}, o};
    Options& e = p.expected;
    std::vector<std::string>& a = p.args;
    constexpr const char* kCommands[] = {"", "", "rate", "study", "report", "season"};
    a.push_back(kCommands[static_cast<int>(o.command)]);
    if (o.command != Command::Report) {
        constexpr const char* kFormats[] = {"table", "csv", "json"};
        a.push_back(std::string("--format=") + kFormats[static_cast<int>(o.format)]);
        a.push_back(std::string("--precision=") + (o.precision == cli::Precision::Full ? "full" : "shown"));
    }
    a.push_back(std::string("--lang=") + (o.lang == cli::Lang::English ? "en" : "da"));
    const auto add = [&](const char* name, const std::optional<std::string>& value) {
        if (value)
            a.push_back(std::string(name) + "=" + *value);
    };
    const auto path = [&](const char* name, std::optional<std::string>& value) {
        if (value)
            value = fixture.Input(*value);
        add(name, value);
    };
    add("--vary", o.vary), add("--from", o.from), add("--to", o.to), add("--points", o.points);
    cli::SeasonOptions& s = e.season;
    path("--weather", s.weather), path("--secondary-table", s.secondaryTable);
    add("--design-outdoor", s.designOutdoor), add("--indoor", s.indoor), add("--limit", s.limit);
    add("--exponent", s.exponent), add("--supply", s.supply), add("--supply-curve", s.supplyCurve);
    if (o.command == Command::Report) {
        e.output = fixture.Output(o.output);
        a.push_back("--output=" + e.output);
    }
    a.push_back("--");
    for (std::string& c : e.cases)
        a.push_back(c = fixture.Input(c));
    return p;
}

bool Same(const Options& a, const Options& b)
{
    const cli::SeasonOptions &s = a.season, &t = b.season;
    return a.command == b.command && a.format == b.format && a.lang == b.lang && a.precision == b.precision &&
           a.cases == b.cases && a.vary == b.vary && a.from == b.from && a.to == b.to && a.points == b.points &&
           a.output == b.output && s.weather == t.weather && s.designOutdoor == t.designOutdoor &&
           s.indoor == t.indoor && s.limit == t.limit && s.exponent == t.exponent &&
           s.secondaryTable == t.secondaryTable && s.supply == t.supply && s.supplyCurve == t.supplyCurve;
}

// Whether the run must end in a usage error: the texts the commands read
// only after parsing, and a report over its own case.
bool UsageExpected(const Options& o, const calc::NumberFormat& locale)
{
    switch (o.command) {
    case Command::Study: {
        const bool from = NumberRefused("--from", o.from, locale), to = NumberRefused("--to", o.to, locale);
        if ((o.points && !PointsValid(*o.points)) || from || to)
            return true;
        const double first = o.from ? cli::OptionNumber("--from", *o.from, locale) : 0;
        const double last = o.to ? cli::OptionNumber("--to", *o.to, locale) : 0;
        return !std::isfinite(last - first);
    }
    case Command::Season: {
        const cli::SeasonOptions& s = o.season;
        bool refused = false;
        for (const auto& [name, text] : {std::pair{"--design-outdoor", s.designOutdoor},
                                         {"--indoor", s.indoor},
                                         {"--limit", s.limit},
                                         {"--exponent", s.exponent},
                                         {"--supply", s.supply}})
            refused = NumberRefused(name, text, locale) || refused;
        return refused || (s.supplyCurve && !study::ParseSupplyCurve(*s.supplyCurve));
    }
    case Command::Report: {
        std::error_code error;
        return std::filesystem::equivalent(o.output, o.cases.front(), error) && !error;
    }
    default: return false;
    }
}

// Standard error as a terminal shows it: no control byte but the line ends.
void CheckDiagnostics(const std::string& err)
{
    for (const unsigned char c : err)
        Require(c >= 0x20 ? c != 0x7f : c == '\n', "standard error holds a control byte", err);
    Require(fuzz::ValidUtf8(err), "standard error is not UTF-8", err);
}

// A usage error: status 2, nothing on standard output; told in both languages
// with the hint to --help, except a report over its own case, which is told
// in the language asked for, naming the output.
void CheckUsageError(int status, const std::string& out, const std::string& err, bool ownCase = false)
{
    Require(status == cli::kUsageError, "a usage error without status 2", std::to_string(status));
    Require(out.empty(), "a usage error wrote standard output", out);
    Require(err.starts_with("tervol: "), "a usage error not told", err);
    if (ownCase)
        Require(
            err.find(": is the case file ") != std::string::npos || err.find(": er sagsfilen ") != std::string::npos,
            "a report over its own case not told so", err);
    else
        Require(err.ends_with(kTryHelp), "a usage error not told in both languages", err);
    CheckDiagnostics(err);
}

void RunPlanned(const Options& o, const calc::NumberFormat& locale, const fuzz::ArgumentsFixture& fixture)
{
    const Planned planned = Canonical(o, fixture);
    try {
        Require(Same(cli::ParseArguments(planned.args), planned.expected), "the canonical form reads otherwise");
    } catch (const cli::UsageError& e) {
        Fail("the canonical form is refused", e.what());
    }
    const Options& e = planned.expected;
    if ((e.points && PointsValid(*e.points) && std::stoi(*e.points) > kMostPoints) || e.cases.size() > kMostCases)
        return;

    int written = 0;
    const cli::Host host{locale, [&](const report::Tquickrptpage&, const std::string& path) {
                             Require(fixture.IsOutput(path), "a PDF written outside scratch/out", path);
                             casefile::ReplaceFile(path, "%PDF-1.4\n%%EOF\n");
                             ++written;
                         }};
    std::ostringstream out, err;
    const int status = cli::Run(planned.args, host, out, err);
    fixture.ClearOutput();
    if (UsageExpected(e, locale))
        return CheckUsageError(status, out.str(), err.str(), e.command == Command::Report);
    Require(status == cli::kAllComputed || status == cli::kSomeFailed, "a status other than 0 or 1",
            std::to_string(status) + "\n" + err.str());
    Require(status == 0 || !err.str().empty(), "status 1 without a diagnostic");
    CheckDiagnostics(err.str());
    if (e.command == Command::Report) {
        Require(written <= 1 && (status != 0 || written == 1), "report status and PDF disagree");
        return;
    }
    // A case or weather file that cannot be read stops study and season
    // before their output; whatever is written is whole.
    Require(status != 0 || !out.str().empty(), "nothing written, yet status 0");
    if (e.format == cli::Format::Json && !out.str().empty())
        Require(nlohmann::json::accept(out.str()), "JSON output does not parse", out.str());
    if (e.format == cli::Format::Csv)
        Require(fuzz::ValidUtf8(out.str()), "CSV output is not UTF-8", out.str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const fuzz::ArgumentsFixture fixture;
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    for (size_t at = 0; at <= text.size();) {
        const size_t end = std::min(text.find_first_of(std::string_view("\n\0", 2), at), text.size());
        lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    const calc::NumberFormat locale = lines.front() == "da" ? calc::NumberFormat{",", "."} : calc::NumberFormat{};
    const std::vector<std::string> args(lines.begin() + 1, lines.end());

    const fuzz::RuleReading rules = fuzz::ReadByTheRules(args);
    Options o;
    try {
        o = cli::ParseArguments(args);
        Require(!rules.refused, "arguments the rules refuse were taken");
        Require(rules.help == (o.command == Command::Help), "--help read otherwise");
    } catch (const cli::UsageError& e) {
        Require(!e.In(cli::Lang::Danish).empty() && !e.In(cli::Lang::English).empty(), "a usage error without text");
        // Refused before any file is touched, so the arguments run as given.
        std::ostringstream out, err;
        const int status = cli::Run(args, cli::Host{locale, nullptr}, out, err);
        CheckUsageError(status, out.str(), err.str());
        return 0;
    }
    CheckComplete(o, args);
    if (o.command == Command::Help || o.command == Command::Version) {
        std::ostringstream out, err;
        Require(cli::Run(args, cli::Host{locale, nullptr}, out, err) == 0 && err.str().empty(), "help or version");
        Require(o.command == Command::Version
                    ? out.str().starts_with("tervol 1.")
                    : out.str().starts_with("Usage:") && out.str().find("\nBrug:") != std::string::npos,
                "help or version output", out.str());
        return 0;
    }
    RunPlanned(o, locale, fixture);
    return 0;
}
