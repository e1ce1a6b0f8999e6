// The command line: rating, studying and reporting case files without the
// window. Standard C++ only; the program's Qt part supplies the locale's
// number format and the PDF painter.
#pragma once

#include "calc/numtext.h"

#include <functional>
#include <iosfwd>
#include <span>
#include <string>
#include <vector>

namespace report {
class Tquickrptpage;
}

namespace cli {

// What only the toolkit can give.
struct Host {
    // The separators the window would read its fields with.
    calc::NumberFormat format;
    // Writes the page as the preview prints it, one A4 page, through
    // casefile::ReplaceFile; throws casefile::FileError when the file cannot
    // be written, leaving any old file as it was.
    std::function<void(const report::Tquickrptpage& page, const std::string& path)> writePdf;
};

// Exit statuses.
inline constexpr int kAllComputed = 0;
inline constexpr int kSomeFailed = 1;
inline constexpr int kUsageError = 2;

// A lone argument that names no existing file, has no path separator and no
// ".tvl": a mistyped command rather than a case to open in the window.
bool LooksLikeCommand(const std::string& arg);

// False for no argument and for one case file to open: those start the
// window.
bool IsCommandLine(std::span<const std::string> args);

// Runs one command; args without the program's name. Data goes to out,
// diagnostics to err. Returns the exit status.
int Run(std::span<const std::string> args, const Host& host, std::ostream& out, std::ostream& err);

}  // namespace cli
