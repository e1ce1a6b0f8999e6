// The command line's arguments, checked before anything is read.
#pragma once

#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace cli {

enum class Command { Help, Version, Rate, Study, Report };
enum class Format { Table, Csv, Json };
enum class Lang { Danish, English };

struct Options {
    Command command = Command::Help;
    Format format = Format::Table;
    Lang lang = Lang::Danish;
    std::vector<std::string> cases;
    // study: the varied field's name and the raw texts of the range
    std::optional<std::string> vary, from, to, points;
    std::string output;  // report: the PDF file
};

// An argument the program cannot use; what() in English, danish() in Danish.
class UsageError : public std::runtime_error {
public:
    UsageError(const std::string& english, std::string danish) : std::runtime_error(english), danish_(std::move(danish))
    {
    }
    const std::string& danish() const { return danish_; }

private:
    std::string danish_;
};

// args without the program's name. Options may stand before or after the
// case files; "--" ends the options; "--name=value" equals "--name value".
Options ParseArguments(std::span<const std::string> args);

}  // namespace cli
