#include "cli/options.h"

#include "cli/texts.h"
#include "study/study.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace cli {

UsageError::UsageError(const std::function<std::string(const lang::Texts&)>& text)
    : std::runtime_error(text(lang::TextsOf(Lang::English)))
{
    for (Lang language : lang::kLanguages)
        texts_[static_cast<size_t>(language)] = text(lang::TextsOf(language));
}

UsageError::UsageError(lang::Text lang::CliTexts::*pattern, std::initializer_list<std::string_view> values)
    : UsageError([&](const lang::Texts& t) { return lang::Fill(t.cli.*pattern, values); })
{
}

namespace {

struct KnownOption {
    std::string_view name;
    std::array<Command, 4> commands;  // the commands that take it; repeats fill
};

constexpr KnownOption kOptions[] = {
    {"--format", {Command::Rate, Command::Study, Command::Season, Command::Rate}},
    {"--lang", {Command::Rate, Command::Study, Command::Report, Command::Season}},
    {"--precision", {Command::Rate, Command::Study, Command::Season, Command::Rate}},
    {"--vary", {Command::Study, Command::Study, Command::Study, Command::Study}},
    {"--from", {Command::Study, Command::Study, Command::Study, Command::Study}},
    {"--to", {Command::Study, Command::Study, Command::Study, Command::Study}},
    {"--points", {Command::Study, Command::Study, Command::Study, Command::Study}},
    {"-o", {Command::Report, Command::Report, Command::Report, Command::Report}},
    {"--output", {Command::Report, Command::Report, Command::Report, Command::Report}},
};

// The heating season's options, kept as typed until the command reads them.
std::optional<std::string> SeasonOptions::*SeasonOption(std::string_view name)
{
    constexpr std::pair<std::string_view, std::optional<std::string> SeasonOptions::*> kSeason[] = {
        {"--weather", &SeasonOptions::weather},   {"--design-outdoor", &SeasonOptions::designOutdoor},
        {"--indoor", &SeasonOptions::indoor},     {"--limit", &SeasonOptions::limit},
        {"--exponent", &SeasonOptions::exponent}, {"--secondary-table", &SeasonOptions::secondaryTable},
        {"--supply", &SeasonOptions::supply},     {"--supply-curve", &SeasonOptions::supplyCurve},
    };
    for (const auto& [option, member] : kSeason)
        if (option == name)
            return member;
    return nullptr;
}

std::string Quoted(std::string_view s) { return "'" + std::string(s) + "'"; }

template <typename T, size_t N>
T Choice(std::string_view option, std::string_view value, const std::pair<std::string_view, T> (&choices)[N])
{
    for (const auto& [name, result] : choices)
        if (name == value)
            return result;
    throw UsageError(&lang::CliTexts::invalidValue, {Quoted(value), option});
}

std::string VaryChoice(const std::string& value)
{
    if (!study::QuantityNamed(value))
        throw UsageError(&lang::CliTexts::invalidValue, {Quoted(value), "--vary"});
    return value;
}

// Each table names its language for the command line ("da", "en").
Lang LanguageNamed(std::string_view option, std::string_view value)
{
    for (Lang language : lang::kLanguages)
        if (lang::TextsOf(language).cliName == value)
            return language;
    throw UsageError(&lang::CliTexts::invalidValue, {Quoted(value), option});
}

void Apply(Options& o, std::string_view name, const std::string& value)
{
    if (name == "--format")
        o.format =
            Choice<Format>(name, value, {{"table", Format::Table}, {"csv", Format::Csv}, {"json", Format::Json}});
    else if (name == "--lang")
        o.lang = LanguageNamed(name, value);
    else if (name == "--precision")
        o.precision = Choice<Precision>(name, value, {{"shown", Precision::Shown}, {"full", Precision::Full}});
    else if (name == "--vary")
        o.vary = VaryChoice(value);
    else if (name == "--from")
        o.from = value;
    else if (name == "--to")
        o.to = value;
    else if (name == "--points")
        o.points = value;
    else if (const auto member = SeasonOption(name))
        o.season.*member = value;
    else
        o.output = value;
}

size_t EditDistance(std::string_view a, std::string_view b)
{
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// The command a mistyped one most likely meant, when one is near enough
// (at most two letters off, or a form of help).
std::optional<std::string> NearestCommand(std::string_view typed)
{
    if (typed == "help" || typed == "-help" || typed == "?")
        return "--help";
    std::optional<std::string> nearest;
    size_t best = 3;
    for (std::string_view command : {"rate", "study", "report", "season", "--version"})
        if (const size_t d = EditDistance(typed, command); d < best)
            best = d, nearest = std::string(command);
    return nearest;
}

const char* CommandName(Command c)
{
    switch (c) {
    case Command::Rate: return "rate";
    case Command::Study: return "study";
    case Command::Report: return "report";
    case Command::Season: return "season";
    default: return "tervol";
    }
}

void CheckSeasonOptions(const SeasonOptions& s)
{
    if (!s.weather)
        throw UsageError(&lang::CliTexts::seasonNeedsWeather);
    if (s.exponent && s.secondaryTable)
        throw UsageError(&lang::CliTexts::optionsExclude, {"--exponent", "--secondary-table"});
    if (s.supply && s.supplyCurve)
        throw UsageError(&lang::CliTexts::optionsExclude, {"--supply", "--supply-curve"});
}

}  // namespace

namespace {

// The command the first argument names; a mistyped one is a usage error that
// suggests the nearest.
Command CommandNamed(const std::string& first)
{
    if (first == "rate")
        return Command::Rate;
    if (first == "study")
        return Command::Study;
    if (first == "report")
        return Command::Report;
    if (first == "season")
        return Command::Season;
    if (first.starts_with("-"))
        throw UsageError(&lang::CliTexts::unknownOption, {Quoted(first)});
    if (const auto nearest = NearestCommand(first))
        throw UsageError(&lang::CliTexts::didYouMean, {Quoted(first), *nearest});
    throw UsageError(&lang::CliTexts::unknownCommand, {Quoted(first)});
}

// An option known, meant for this command and not given before.
void CheckOption(std::string_view name, Command command, std::vector<std::string_view>& given)
{
    const auto* known =
        std::find_if(std::begin(kOptions), std::end(kOptions), [&](const KnownOption& s) { return s.name == name; });
    const bool seasonOption = SeasonOption(name) != nullptr;
    if (known == std::end(kOptions) && !seasonOption)
        throw UsageError(&lang::CliTexts::unknownOption, {Quoted(name)});
    if (seasonOption ? command != Command::Season
                     : std::find(known->commands.begin(), known->commands.end(), command) == known->commands.end())
        throw UsageError(&lang::CliTexts::notForCommand, {name, CommandName(command)});
    // "-o" and "--output" are one option.
    const std::string_view canonical = name == "-o" ? "--output" : name;
    if (std::find(given.begin(), given.end(), canonical) != given.end())
        throw UsageError(&lang::CliTexts::repeatedOption, {name});
    given.push_back(canonical);
}

// What a command needs beyond its options: its case files and its output.
void CheckComplete(const Options& o)
{
    if (o.cases.empty())
        throw UsageError(&lang::CliTexts::needsCaseFile, {CommandName(o.command)});
    if (o.command != Command::Rate && o.cases.size() > 1)
        throw UsageError(&lang::CliTexts::takesOneCaseFile, {CommandName(o.command)});
    if (o.command == Command::Report && o.output.empty())
        throw UsageError(&lang::CliTexts::reportNeedsOutput);
    if (o.command == Command::Season)
        CheckSeasonOptions(o.season);
}

}  // namespace

Options ParseArguments(std::span<const std::string> args)
{
    Options o;
    if (args.empty())
        throw UsageError(&lang::CliTexts::noCommand);
    const std::string& first = args.front();
    if (first == "--help" || first == "-h")
        return o;
    if (first == "--version") {
        if (args.size() > 1)
            throw UsageError(&lang::CliTexts::versionTakesNoArguments);
        o.command = Command::Version;
        return o;
    }
    o.command = CommandNamed(first);

    bool optionsEnded = false;
    std::vector<std::string_view> given;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg == "-" || !arg.starts_with("-")) {
            o.cases.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            o.command = Command::Help;
            return o;
        }
        const size_t eq = arg.find('=');
        const std::string_view name = std::string_view(arg).substr(0, eq);
        CheckOption(name, o.command, given);
        std::string value;
        if (eq != std::string::npos) {
            value = arg.substr(eq + 1);
        } else {
            if (i + 1 >= args.size())
                throw UsageError(&lang::CliTexts::needsValue, {name});
            value = args[++i];
        }
        Apply(o, name, value);
    }
    CheckComplete(o);
    return o;
}

double OptionNumber(const std::string& option, const std::string& text, const calc::NumberFormat& locale)
{
    for (const std::string& decimal : {std::string("."), locale.decimal}) {
        try {
            return calc::StrToFloat(text, decimal);
        } catch (const std::exception&) {
        }
    }
    throw UsageError(&lang::CliTexts::invalidValue, {"'" + text + "'", option});
}

}  // namespace cli
