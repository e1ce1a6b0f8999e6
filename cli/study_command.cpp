#include "cli/study_command.h"

#include "cli/cells.h"
#include "cli/output.h"
#include "cli/rate.h"
#include "cli/rate_command.h"
#include "cli/texts.h"
#include "lang/texts.h"
#include "study/study.h"

#include <charconv>
#include <cmath>
#include <ostream>

namespace cli {
namespace {

int PointCount(const std::string& text)
{
    int points = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), points);
    if (error != std::errc() || end != text.data() + text.size() || points < study::kMinPoints ||
        points > study::kMaxPoints)
        throw UsageError([](const lang::Texts& t) { return std::string(t.messages.pointsOutOfRange); });
    return points;
}

std::string ValueName(const study::Study& s) { return std::string(app::Info(study::FieldOf(s.range.quantity)).name); }

Document StudyDocument(const std::string& file, const app::TForm1& form, const study::Study& s)
{
    const app::Field varied = study::FieldOf(s.range.quantity);
    Document doc;
    doc.header = {{"file", Cell::Text(file)},
                  {"vary", Cell::Text(ValueName(s))},
                  {"status", Cell::Text(s.ok() ? "ok" : "failed")},
                  {"messages", Cell::List(s.failure)}};
    doc.columns = {{ValueName(s), ColumnKind::Number, std::string(UnitOf(varied))},
                   {"status", ColumnKind::Text, {}, {}, true, false},
                   {"status", ColumnKind::Text, {}, {}, false, true},
                   {"messages", ColumnKind::List, {}, {}, false, true}};
    for (app::Field f : study::kResultFields)
        doc.columns.push_back({std::string(app::Info(f).name), ColumnKind::Number, std::string(UnitOf(f)), "results"});
    doc.recordsKey = "points";
    doc.layout = TableLayout::Grid;
    doc.title = file;
    doc.tableHeader.push_back(form.Caption(varied));
    for (app::Field f : study::kResultFields)
        doc.tableHeader.push_back(form.Caption(f));
    doc.notes = s.failure;
    return doc;
}

Record StudyRecord(const study::Point& p, const study::Study& s, Precision precision)
{
    Record r;
    r.cells = {Cell::Number(study::ValueText(p.value, ".")),
               Cell::Text(p.ok() ? "ok" : study::Joined(p.messages, " | ")), Cell::Text(p.ok() ? "ok" : "failed"),
               Cell::List(p.messages)};
    std::vector<std::string>& row = r.table.emplace_back(1, study::ValueText(p.value, s.format.decimal));
    AddResults(r, row, p.result, p.messages, s.format, precision);
    return r;
}

}  // namespace

int RunStudy(const Options& o, const Host& host, std::ostream& out, std::ostream& err)
{
    // The arguments are checked before the case is read: a usage error.
    const study::Quantity quantity = study::QuantityNamed(o.vary.value_or("EQ")).value();
    study::Range range{quantity, 0, 0, o.points ? PointCount(*o.points) : study::kDefaultPoints};
    if (o.from)
        range.first = OptionNumber("--from", *o.from, host.format);
    if (o.to)
        range.last = OptionNumber("--to", *o.to, host.format);
    if (!std::isfinite(range.last - range.first))
        throw UsageError(&lang::CliTexts::rangeNotFinite);

    const std::string& file = o.cases.front();
    Rater rater(o.lang, host.format);
    const RatedCase loaded = rater.Load(file);
    for (const std::string& warning : loaded.warnings)
        Diagnose(err, file, warning);
    if (!loaded.loaded) {
        Diagnose(err, file, study::Joined(loaded.messages, " | "));
        return kSomeFailed;
    }
    const app::TForm1& form = rater.Form();
    if (!o.from || !o.to) {
        const auto defaults = study::DefaultRange(form, quantity);
        if (!defaults) {
            Diagnose(err, file, std::string(CliText(o.lang).noDefaultRange));
            return kSomeFailed;
        }
        range.first = o.from ? range.first : defaults->first;
        range.last = o.to ? range.last : defaults->last;
    }

    const study::Study s = study::Run(form, range);
    bool allComputed = s.ok();
    if (!s.ok())
        Diagnose(err, file, study::Joined(s.failure, " | "));
    for (const study::Point& p : s.points) {
        if (p.ok())
            continue;
        allComputed = false;
        Diagnose(err, file,
                 ValueName(s) + " " + study::ValueText(p.value, ".") + ": " + study::Joined(p.messages, " | "));
    }
    const auto writer = MakeWriter(o.format, out);
    writer->Begin(StudyDocument(file, form, s));
    for (const study::Point& p : s.points)
        writer->Add(StudyRecord(p, s, o.precision));
    writer->End();
    return allComputed ? kAllComputed : kSomeFailed;
}

}  // namespace cli
