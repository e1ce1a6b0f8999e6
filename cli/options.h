// The command line's arguments, checked before anything is read.
#pragma once

#include "calc/numtext.h"
#include "lang/texts.h"

#include <array>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace cli {

enum class Command { Help, Version, Rate, Study, Report, Season };
enum class Format { Table, Csv, Json };
using Lang = lang::Language;
// Numbers in CSV and JSON: as the window rounds them, or the calculated
// double as the shortest text that reads back the same.
enum class Precision { Shown, Full };

// season: the texts as typed; the command reads them.
struct SeasonOptions {
    std::optional<std::string> weather, designOutdoor, indoor, limit, exponent, secondaryTable, supply, supplyCurve;
};

struct Options {
    Command command = Command::Help;
    Format format = Format::Table;
    Lang lang = Lang::Danish;
    Precision precision = Precision::Shown;
    std::vector<std::string> cases;
    // study: the varied field's name and the raw texts of the range
    std::optional<std::string> vary, from, to, points;
    std::string output;  // report: the PDF file
    SeasonOptions season;
};

// An argument the program cannot use, told in every language before --lang
// is known; what() is the English text.
class UsageError : public std::runtime_error {
public:
    // The text as one language's table gives it.
    explicit UsageError(const std::function<std::string(const lang::Texts&)>& text);
    // A diagnostic of the command line's section, its values put in.
    explicit UsageError(lang::Text lang::CliTexts::*pattern, std::initializer_list<std::string_view> values = {});
    const std::string& In(Lang language) const { return texts_[static_cast<size_t>(language)]; }

private:
    std::array<std::string, lang::kLanguages.size()> texts_;
};

// args without the program's name. Options may stand before or after the
// case files; "--" ends the options; "--name=value" equals "--name value";
// an option given twice is a usage error.
Options ParseArguments(std::span<const std::string> args);

// A number given with an option (a range end, a temperature, an exponent):
// "." always, the locale's decimal separator too; anything else is a usage
// error naming the option.
double OptionNumber(const std::string& option, const std::string& text, const calc::NumberFormat& locale);

}  // namespace cli
