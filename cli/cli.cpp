#include "cli/cli.h"

#include "cli/fd_output.h"
#include "cli/options.h"
#include "cli/rate.h"
#include "cli/rate_command.h"
#include "cli/report_output.h"
#include "cli/season_command.h"
#include "cli/study_command.h"
#include "cli/texts.h"
#include "study/safe_text.h"
#include "study/study.h"

#include <cerrno>
#include <filesystem>
#include <ostream>

namespace cli {
namespace {

// Every language's usage, so that it reads before --lang is understood.
void WriteUsage(std::ostream& out)
{
    for (size_t i = 0; i < lang::kLanguages.size(); ++i)
        out << (i > 0 ? "\n" : "") << lang::TextsOf(lang::kLanguages[i]).cli.usage;
}

constexpr const char* kVersion = "tervol " TERVOL_VERSION "\n";

int RunReport(const Options& o, const Host& host, std::ostream& err)
{
    // Names as typed may hold control characters: shown escaped, as every
    // other diagnostic shows them.
    const std::string output = study::Visible(o.output);
    if (const auto input = InputNamedBy(o.output, o.cases)) {
        err << "tervol: " << output << ": " << Filled(CliText(o.lang).isTheCaseFile, {study::Visible(*input)}) << '\n';
        return kUsageError;
    }
    Rater rater(o.lang, host.format);
    const RatedCase rated = rater.Rate(o.cases.front());
    if (!rated.ok()) {
        Diagnose(err, rated.file, study::Joined(rated.messages, " | "));
        return kSomeFailed;
    }
    // "Udskriv": the page filled from the window, handed to the preview,
    // which here prints it to the file.
    std::optional<casefile::FileError> failure;
    bool written = false;
    rater.Platform().onPreview = [&](const report::Tquickrptpage& page) {
        try {
            host.writePdf(page, o.output);
            written = true;
        } catch (const casefile::FileError& e) {
            failure = e;  // reported below with its cause, not as a box
        }
    };
    rater.Form().Dispatch([&] { rater.Form().BitBtn3Click(); });
    if (!written) {
        err << "tervol: " << output << ": "
            << (failure ? WriteFailureText(*failure, o.lang) : std::string(CliText(o.lang).fileCannotBeWritten))
            << '\n';
        return kSomeFailed;
    }
    return kAllComputed;
}

int RunCommand(const Options& o, const Host& host, std::ostream& out, std::ostream& err)
{
    switch (o.command) {
    case Command::Help: WriteUsage(out); return kAllComputed;
    case Command::Version: out << kVersion; return kAllComputed;
    case Command::Rate: return RunRate(o, host, out, err);
    case Command::Study: return RunStudy(o, host, out, err);
    case Command::Season: return RunSeason(o, host, out, err);
    case Command::Report: return RunReport(o, host, err);
    }
    return kUsageError;
}

// Standard output flushed and, when it is the program's own, closed; a
// failed write is reported, except that a reader who closed the pipe early
// (`| head`) ends the command quietly.
bool OutputDelivered(std::ostream& out, std::ostream& err, Lang lang)
{
    out.flush();
    auto* fd = dynamic_cast<FdOutput*>(out.rdbuf());
    if (out && (!fd || fd->Close()))
        return true;
    if (fd && fd->error() == EPIPE)
        return false;
    err << "tervol: " << CliText(lang).standardOutputFailed << '\n';
    return false;
}

}  // namespace

bool LooksLikeCommand(const std::string& arg)
{
    std::error_code ignored;
    return arg.find_first_of("/\\") == std::string::npos && !arg.ends_with(".tvl") &&
           !std::filesystem::exists(std::filesystem::path(arg), ignored);
}

bool IsCommandLine(std::span<const std::string> args)
{
    if (args.size() != 1)
        return args.size() > 1;
    const std::string& first = args.front();
    return first.starts_with("-") || first == "rate" || first == "study" || first == "report" ||
           LooksLikeCommand(first);
}

int Run(std::span<const std::string> args, const Host& host, std::ostream& out, std::ostream& err)
{
    Lang lang = Lang::Danish;
    int status = kUsageError;
    try {
        const Options o = ParseArguments(args);
        lang = o.lang;
        status = RunCommand(o, host, out, err);
    } catch (const UsageError& e) {
        for (Lang language : lang::kLanguages)
            err << "tervol: " << study::Visible(e.In(language)) << '\n';
        for (size_t i = 0; i < lang::kLanguages.size(); ++i)
            err << (i > 0 ? " / " : "") << lang::TextsOf(lang::kLanguages[i]).cli.tryHelp;
        err << '\n';
        return kUsageError;
    }
    return OutputDelivered(out, err, lang) ? status : kSomeFailed;
}

}  // namespace cli
