#include "cli/options.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace cli {
namespace {

struct KnownOption {
    std::string_view name;
    std::array<Command, 3> commands;  // the commands that take it; repeats fill
};

constexpr KnownOption kOptions[] = {
    {"--format", {Command::Rate, Command::Study, Command::Rate}},
    {"--lang", {Command::Rate, Command::Study, Command::Report}},
    {"--vary", {Command::Study, Command::Study, Command::Study}},
    {"--from", {Command::Study, Command::Study, Command::Study}},
    {"--to", {Command::Study, Command::Study, Command::Study}},
    {"--points", {Command::Study, Command::Study, Command::Study}},
    {"-o", {Command::Report, Command::Report, Command::Report}},
    {"--output", {Command::Report, Command::Report, Command::Report}},
};

std::string Quoted(std::string_view s) { return "'" + std::string(s) + "'"; }

template <typename T, size_t N>
T Choice(std::string_view option, std::string_view value, const std::pair<std::string_view, T> (&choices)[N])
{
    for (const auto& [name, result] : choices)
        if (name == value)
            return result;
    throw UsageError("invalid value " + Quoted(value) + " for " + std::string(option),
                     "ugyldig værdi " + Quoted(value) + " til " + std::string(option));
}

void Apply(Options& o, std::string_view name, const std::string& value)
{
    if (name == "--format")
        o.format =
            Choice<Format>(name, value, {{"table", Format::Table}, {"csv", Format::Csv}, {"json", Format::Json}});
    else if (name == "--lang")
        o.lang = Choice<Lang>(name, value, {{"da", Lang::Danish}, {"en", Lang::English}});
    else if (name == "--vary")
        o.vary = Choice<std::string>(name, value, {{"EQ", "EQ"}, {"Etpe", "Etpe"}, {"Etsa", "Etsa"}, {"Etse", "Etse"}});
    else if (name == "--from")
        o.from = value;
    else if (name == "--to")
        o.to = value;
    else if (name == "--points")
        o.points = value;
    else
        o.output = value;
}

const char* CommandName(Command c)
{
    switch (c) {
    case Command::Rate: return "rate";
    case Command::Study: return "study";
    case Command::Report: return "report";
    default: return "tervol";
    }
}

}  // namespace

Options ParseArguments(std::span<const std::string> args)
{
    Options o;
    if (args.empty())
        throw UsageError("no command given", "ingen kommando angivet");
    const std::string& first = args.front();
    if (first == "--help" || first == "-h")
        return o;
    if (first == "--version") {
        if (args.size() > 1)
            throw UsageError("--version takes no arguments", "--version tager ingen argumenter");
        o.command = Command::Version;
        return o;
    }
    if (first == "rate")
        o.command = Command::Rate;
    else if (first == "study")
        o.command = Command::Study;
    else if (first == "report")
        o.command = Command::Report;
    else if (first.starts_with("-"))
        throw UsageError("unknown option " + Quoted(first), "ukendt tilvalg " + Quoted(first));
    else
        throw UsageError("unknown command " + Quoted(first), "ukendt kommando " + Quoted(first));

    bool optionsEnded = false;
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
        const auto* known = std::find_if(std::begin(kOptions), std::end(kOptions),
                                         [&](const KnownOption& s) { return s.name == name; });
        if (known == std::end(kOptions))
            throw UsageError("unknown option " + Quoted(name), "ukendt tilvalg " + Quoted(name));
        if (std::find(known->commands.begin(), known->commands.end(), o.command) == known->commands.end())
            throw UsageError(std::string(name) + " does not apply to " + CommandName(o.command),
                             std::string(name) + " kan ikke bruges med " + CommandName(o.command));
        std::string value;
        if (eq != std::string::npos) {
            value = arg.substr(eq + 1);
        } else {
            if (i + 1 >= args.size())
                throw UsageError(std::string(name) + " needs a value", std::string(name) + " kræver en værdi");
            value = args[++i];
        }
        Apply(o, name, value);
    }

    if (o.cases.empty())
        throw UsageError(std::string(CommandName(o.command)) + " needs a case file",
                         std::string(CommandName(o.command)) + " kræver en sagsfil");
    if (o.command != Command::Rate && o.cases.size() > 1)
        throw UsageError(std::string(CommandName(o.command)) + " takes one case file",
                         std::string(CommandName(o.command)) + " tager én sagsfil");
    if (o.command == Command::Report && o.output.empty())
        throw UsageError("report needs -o OUT.pdf", "report kræver -o UD.pdf");
    return o;
}

}  // namespace cli
