#include "cli/cli.h"

#include "cli/formats.h"
#include "cli/options.h"
#include "cli/rate.h"
#include "cli/report_output.h"
#include "cli/study_command.h"

#include <ostream>

namespace cli {
namespace {

constexpr const char* kHelp = R"(Usage:
  tervol                 the window
  tervol CASE            the window, with CASE opened as "Hent sag" opens it
  tervol rate [--format table|csv|json] [--lang da|en] CASE...
  tervol study CASE [--vary EQ|Etpe|Etsa|Etse] [--from V] [--to V] [--points N]
                    [--format table|csv|json] [--lang da|en]
  tervol report CASE -o OUT.pdf [--lang da|en]
  tervol --help | --version

rate    loads each case as "Hent sag" does, runs "Beregn Aktuel" and reports
        the thirty fields the window would then hold, with its messages.
study   the part-load study of the case, as the window's "Dellast" runs it:
        one input varied from V to V in N points.
report  writes the report page, as the preview prints it, to a one-page A4
        PDF; nothing is written when the calculation stops.
--format  table (default): caption, nominal, actual, unit, as on the report;
          csv (RFC 4180, UTF-8) or json: results with "." as decimal separator
          and no thousands separator, all other texts as in the file.
--lang    da (default) or en: captions and messages.
Numbers in case files are read with the locale's decimal separator.
Exit status: 0 every case computed, 1 a case failed (the others are still
processed), 2 a usage error. Runs without a display.

Brug:
  tervol                 vinduet
  tervol SAG             vinduet, med SAG hentet som "Hent sag" henter den
  tervol rate [--format table|csv|json] [--lang da|en] SAG...
  tervol study SAG [--vary EQ|Etpe|Etsa|Etse] [--from V] [--to V] [--points N]
                   [--format table|csv|json] [--lang da|en]
  tervol report SAG -o UD.pdf [--lang da|en]
  tervol --help | --version

rate    henter hver sag som "Hent sag", kører "Beregn Aktuel" og viser de
        tredive felter, som vinduet så ville vise, med dets meddelelser.
study   dellastberegningen af sagen, som vinduets "Dellast" kører den:
        én indtastning varieret fra V til V i N punkter.
report  skriver rapportsiden, som forhåndsvisningen udskriver den, til en
        PDF på én A4-side; intet skrives, når beregningen stopper.
--format  table (standard): forklaring, nominel, aktuel, enhed som på
          rapporten; csv (RFC 4180, UTF-8) eller json: resultater med "." som
          decimaltegn og uden tusindtalsseparator, alle andre tekster som i filen.
--lang    da (standard) eller en: tekster og meddelelser.
Tal i sagsfiler læses med landeindstillingens decimaltegn.
Slutstatus: 0 alle sager beregnet, 1 en sag fejlede (de øvrige behandles
alligevel), 2 forkert brug. Kræver ingen skærm.
)";

constexpr const char* kVersion = "tervol " TERVOL_VERSION "\n";

void Diagnose(std::ostream& err, const RatedCase& rated)
{
    err << "tervol: " << rated.file << ": " << Status(rated.messages) << '\n';
}

int RunRate(const Options& o, const Host& host, std::ostream& out, std::ostream& err)
{
    Rater rater(o.lang, host.format, o.format == Format::Table ? Numbers::Locale : Numbers::Plain);
    if (o.format == Format::Csv)
        WriteRateCsvHeader(out);
    if (o.format == Format::Json)
        out << "[\n";
    bool allComputed = true;
    for (size_t i = 0; i < o.cases.size(); ++i) {
        const RatedCase rated = rater.Rate(o.cases[i]);
        if (!rated.ok()) {
            allComputed = false;
            Diagnose(err, rated);
        }
        switch (o.format) {
        case Format::Csv: WriteRateCsvRow(out, rated); break;
        case Format::Json: WriteRateJson(out, rated, i == 0); break;
        case Format::Table:
            if (i > 0)
                out << '\n';
            report::FillReport(rater.Page(), rater.Form().CaseTexts());
            WriteRateTable(out, rated, rater.Page());
            break;
        }
    }
    if (o.format == Format::Json)
        out << "\n]\n";
    out.flush();
    return allComputed ? kAllComputed : kSomeFailed;
}

int RunReport(const Options& o, const Host& host, std::ostream& err)
{
    if (const auto input = InputNamedBy(o.output, o.cases)) {
        err << "tervol: " << o.output << ": " << (o.lang == Lang::Danish ? "er sagsfilen " : "is the case file ")
            << *input << '\n';
        return kUsageError;
    }
    Rater rater(o.lang, host.format, Numbers::Locale);
    const RatedCase rated = rater.Rate(o.cases.front());
    if (!rated.ok()) {
        Diagnose(err, rated);
        return kSomeFailed;
    }
    // "Udskriv": the page filled from the window, handed to the preview,
    // which here prints it to the file.
    std::optional<casefile::FileError> failure;
    bool written = false;
    rater.Platform().preview = [&](const report::Tquickrptpage& page) {
        try {
            host.writePdf(page, o.output);
            written = true;
        } catch (const casefile::FileError& e) {
            failure = e;  // reported below with its cause, not as a box
        }
    };
    rater.Form().Dispatch([&] { rater.Form().BitBtn3Click(); });
    if (!written) {
        err << "tervol: " << o.output << ": "
            << (failure                  ? WriteFailureText(*failure, o.lang)
                : o.lang == Lang::Danish ? "filen kan ikke skrives"
                                         : "the file cannot be written")
            << '\n';
        return kSomeFailed;
    }
    return kAllComputed;
}

}  // namespace

bool IsCommandLine(std::span<const std::string> args)
{
    return args.size() > 1 || (args.size() == 1 && (args.front().starts_with("-") || args.front() == "rate" ||
                                                    args.front() == "study" || args.front() == "report"));
}

int Run(std::span<const std::string> args, const Host& host, std::ostream& out, std::ostream& err)
{
    try {
        const Options o = ParseArguments(args);
        switch (o.command) {
        case Command::Help: out << kHelp; return kAllComputed;
        case Command::Version: out << kVersion; return kAllComputed;
        case Command::Rate: return RunRate(o, host, out, err);
        case Command::Study: return RunStudy(o, host, out, err);
        case Command::Report: return RunReport(o, host, err);
        }
    } catch (const UsageError& e) {
        err << "tervol: " << e.what() << "\ntervol: " << e.danish() << "\nTry 'tervol --help'. / Se 'tervol --help'.\n";
    }
    return kUsageError;
}

}  // namespace cli
