// A report's output and case named with control characters: standard error
// shows them escaped, in both languages, whether the file cannot be written
// or is the case itself.
#include "casefile/replace_file.h"
#include "cli/cli.h"
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

// The start-up case in the English locale's numbers.
std::string StartCase()
{
    const char* lines[] = {"Vand", "Vand",  "55",    "70",   "40",    "65",    "35",    "1",     "1",    "30.0",
                           "30.0", "1.602", "1.599", "5.00", "11.00", "Vand",  "Vand",  "55",    "73",   "63",
                           "30",   "33.0",  "40.0",  "33.0", "0.560", "0.824", "1.199", "1.451", "5.78", "9.52"};
    std::string bytes;
    for (const char* line : lines)
        bytes += std::string(line) + "\r\n";
    return bytes;
}

// Windows file names cannot hold the controls below 0x20; DEL is one they can.
#ifdef _WIN32
constexpr const char* kEscape = "\x7f";
constexpr const char* kEscapeShown = "\\x7f";
constexpr const char* kControl = "\x7f";
constexpr const char* kControlShown = "\\x7f";
#else
constexpr const char* kEscape = "\x1b";
constexpr const char* kEscapeShown = "\\x1b";
constexpr const char* kControl = "\x01";
constexpr const char* kControlShown = "\\x01";
#endif

TEST(ReportNames, ControlCharactersInNamesAreShownEscaped)
{
    support::ScratchDir dir;
    const std::string folder = dir.Path().string();
    const std::string c = std::string("c") + kControl + ".tvl", cShown = std::string("c") + kControlShown + ".tvl";
    const std::string no = std::string("no") + kEscape + "[31m", noShown = std::string("no") + kEscapeShown + "[31m";
    dir.Write(c, StartCase());
    const std::string caseFile = folder + "/" + c;  // "/" is a separator on Windows too
    const cli::Host host{{".", ","}, [](const report::Tquickrptpage&, const std::string& path) {
                             casefile::ReplaceFile(path, "%PDF-1.4\n");
                         }};
    const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
        {{"report", caseFile, "-o", folder + "/" + no + "/r.pdf"},
         1,
         "tervol: " + folder + "/" + noShown + "/r.pdf: filen kan ikke skrives: mappen findes ikke\n"},
        {{"report", "--lang", "en", caseFile, "-o", folder + "/" + no + "/r.pdf"},
         1,
         "tervol: " + folder + "/" + noShown + "/r.pdf: the file cannot be written: no such folder\n"},
        {{"report", caseFile, "-o", folder + "/./" + c},
         2,
         "tervol: " + folder + "/./" + cShown + ": er sagsfilen " + folder + "/" + cShown + "\n"},
        {{"report", "--lang=en", caseFile, "-o", folder + "/./" + c},
         2,
         "tervol: " + folder + "/./" + cShown + ": is the case file " + folder + "/" + cShown + "\n"},
    };
    for (const auto& [args, status, err] : cases) {
        std::ostringstream out, diagnostics;
        EXPECT_EQ(cli::Run(args, host, out, diagnostics), status) << args.back();
        EXPECT_EQ(diagnostics.str(), err);
        EXPECT_EQ(out.str(), "");
    }
    EXPECT_EQ(dir.Read(c), StartCase());
}

}  // namespace
