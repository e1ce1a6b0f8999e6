#include "cli/rate_command.h"

#include "cli/cells.h"
#include "cli/output.h"
#include "cli/rate.h"
#include "study/safe_text.h"
#include "study/study.h"

#include <ostream>

namespace cli {
namespace {

std::string_view TrimRight(std::string_view s)
{
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

Document RateDocument()
{
    Document doc;
    doc.columns = {{"file"},
                   {"status", ColumnKind::Text, {}, {}, true, false},
                   {"status", ColumnKind::Text, {}, {}, false, true},
                   {"messages", ColumnKind::List, {}, {}, false, true},
                   {"warnings", ColumnKind::List}};
    for (app::Field f : app::kCaseFileOrder) {
        const bool list = app::Info(f).kind == app::FieldKind::MediumList;
        doc.columns.push_back({std::string(app::Info(f).name), list ? ColumnKind::Text : ColumnKind::Number,
                               std::string(UnitOf(f)), "fields"});
    }
    doc.recordsKey = "cases";
    return doc;
}

// Caption, nominal value, actual value and unit from the report page; the
// page's labels come heading by heading, then row by row, and a value stands
// under the heading of its column.
std::vector<std::vector<std::string>> ReportRows(const report::Tquickrptpage& page)
{
    const double actualLeft = page.FindLabel("QRLabel46").left;
    std::vector<std::vector<std::string>> rows(1);
    for (const report::Label& label : page.Labels()) {
        const std::string text(TrimRight(label.caption));
        switch (label.role) {
        case report::LabelRole::Title: break;
        case report::LabelRole::Heading: rows.front().push_back(text); break;
        case report::LabelRole::RowCaption: rows.push_back({text, "", "", ""}); break;
        case report::LabelRole::Value: rows.back()[label.left < actualLeft ? 1 : 2] = label.caption; break;
        case report::LabelRole::Unit: rows.back()[3] = text; break;
        }
    }
    rows.front().resize(4);  // the unit column has no heading
    return rows;
}

Record RateRecord(const RatedCase& rated, Rater& rater, const Options& o)
{
    Record r;
    r.cells = {Cell::Text(rated.file), Cell::Text(rated.ok() ? "ok" : study::Joined(rated.messages, " | ")),
               Cell::Text(rated.ok() ? "ok" : "failed"), Cell::List(rated.messages), Cell::List(rated.warnings)};
    for (int i = 0; i < app::kFieldCount; ++i) {
        const std::string& text = rated.fields[i];
        switch (app::Info(app::kCaseFileOrder[i]).kind) {
        case app::FieldKind::MediumList: r.cells.push_back(rated.loaded ? Cell::Text(text) : Cell::Empty()); break;
        case app::FieldKind::Input: r.cells.push_back(InputCell(text, rater.Format(), o.precision)); break;
        case app::FieldKind::Result:
            r.cells.push_back(ResultCell(text, rated.values[i], rater.Format(), o.precision));
            break;
        }
    }
    r.title = rated.file;
    if (o.format == Format::Table && rated.loaded) {
        report::FillReport(rater.Page(), rated.fields);
        r.table = ReportRows(rater.Page());
    }
    r.notes = rated.messages;
    r.notes.insert(r.notes.end(), rated.warnings.begin(), rated.warnings.end());
    return r;
}

}  // namespace

void Diagnose(std::ostream& err, const std::string& file, const std::string& text)
{
    err << "tervol: " << study::Visible(file) << ": " << study::Visible(text) << '\n';
}

int RunRate(const Options& o, const Host& host, std::ostream& out, std::ostream& err)
{
    Rater rater(o.lang, host.format);
    const auto writer = MakeWriter(o.format, out);
    writer->Begin(RateDocument());
    bool allComputed = true;
    for (const std::string& file : o.cases) {
        const RatedCase rated = rater.Rate(file);
        for (const std::string& warning : rated.warnings)
            Diagnose(err, file, warning);
        if (!rated.ok()) {
            allComputed = false;
            Diagnose(err, file, study::Joined(rated.messages, " | "));
        }
        writer->Add(RateRecord(rated, rater, o));
        if (!out)
            break;  // the caller reports the failed write
    }
    writer->End();
    return allComputed ? kAllComputed : kSomeFailed;
}

}  // namespace cli
