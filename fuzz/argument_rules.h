// The command line's rules as its usage states them, read here apart from the
// parser: which options each command takes, each once, each with a value.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

struct RuleReading {
    bool refused = false;  // an unknown command or option, one out of place, twice, or without its value
    // "--help" or "-h" reached before any of those (a choice's value, such as
    // --format's, may still be refused before it)
    bool help = false;
};

inline RuleReading ReadByTheRules(const std::vector<std::string>& args)
{
    struct Rule {
        std::string_view name, commands;
    };
    constexpr Rule kRules[] = {
        {"--format", "rate study season"},
        {"--lang", "rate study report season"},
        {"--precision", "rate study season"},
        {"--vary", "study"},
        {"--from", "study"},
        {"--to", "study"},
        {"--points", "study"},
        {"--output", "report"},
        {"--weather", "season"},
        {"--design-outdoor", "season"},
        {"--indoor", "season"},
        {"--limit", "season"},
        {"--exponent", "season"},
        {"--secondary-table", "season"},
        {"--supply", "season"},
        {"--supply-curve", "season"},
    };
    if (args.empty())
        return {true, false};
    const std::string& command = args.front();
    if (command == "--help" || command == "-h")
        return {false, true};
    if (command == "--version")
        return {args.size() > 1, false};
    if (command != "rate" && command != "study" && command != "report" && command != "season")
        return {true, false};
    std::vector<std::string_view> given;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--")
            break;
        if (arg == "-" || !arg.starts_with("-"))
            continue;
        if (arg == "--help" || arg == "-h")
            return {false, true};
        std::string_view name = arg.substr(0, arg.find('='));
        name = name == "-o" ? "--output" : name;
        bool fits = false;
        for (const Rule& rule : kRules)
            fits = fits || (rule.name == name &&
                            (" " + std::string(rule.commands) + " ").find(" " + command + " ") != std::string::npos);
        for (std::string_view before : given)
            fits = fits && before != name;
        if (!fits || (arg.find('=') == std::string_view::npos && ++i >= args.size()))
            return {true, false};
        given.push_back(name);
    }
    return {};
}

}  // namespace fuzz
