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

TEST(ReportNames, ControlCharactersInNamesAreShownEscaped)
{
    support::ScratchDir dir;
    const std::string folder = dir.Path().string();
    const std::string caseFile = dir.Write("c\x01.tvl", StartCase());
    const cli::Host host{{".", ","}, [](const report::Tquickrptpage&, const std::string& path) {
                             casefile::ReplaceFile(path, "%PDF-1.4\n");
                         }};
    const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
        {{"report", caseFile, "-o", folder + "/no\x1b[31m/r.pdf"},
         1,
         "tervol: " + folder + "/no\\x1b[31m/r.pdf: filen kan ikke skrives: mappen findes ikke\n"},
        {{"report", "--lang", "en", caseFile, "-o", folder + "/no\x1b[31m/r.pdf"},
         1,
         "tervol: " + folder + "/no\\x1b[31m/r.pdf: the file cannot be written: no such folder\n"},
        {{"report", caseFile, "-o", folder + "/./c\x01.tvl"},
         2,
         "tervol: " + folder + "/./c\\x01.tvl: er sagsfilen " + folder + "/c\\x01.tvl\n"},
        {{"report", "--lang=en", caseFile, "-o", folder + "/./c\x01.tvl"},
         2,
         "tervol: " + folder + "/./c\\x01.tvl: is the case file " + folder + "/c\\x01.tvl\n"},
    };
    for (const auto& [args, status, err] : cases) {
        std::ostringstream out, diagnostics;
        EXPECT_EQ(cli::Run(args, host, out, diagnostics), status) << args.back();
        EXPECT_EQ(diagnostics.str(), err);
        EXPECT_EQ(out.str(), "");
    }
    EXPECT_EQ(dir.Read("c\x01.tvl"), StartCase());
}

}  // namespace
