#include "cli/season_command.h"

#include "cli/cells.h"
#include "cli/output.h"
#include "cli/rate.h"
#include "cli/rate_command.h"
#include "cli/texts.h"
#include "lang/texts.h"
#include "study/season.h"
#include "study/season_rows.h"
#include "study/shown.h"

#include <ostream>

namespace cli {
namespace {

using app::Field;

study::SeasonSettings Settings(const SeasonOptions& o, const calc::NumberFormat& locale)
{
    study::SeasonSettings s;
    const auto read = [&](const std::optional<std::string>& text, const char* option, double& into) {
        if (text)
            into = OptionNumber(option, *text, locale);
    };
    read(o.designOutdoor, "--design-outdoor", s.designOutdoor);
    read(o.indoor, "--indoor", s.indoor);
    read(o.limit, "--limit", s.limit);
    read(o.exponent, "--exponent", s.exponent);
    if (o.supply)
        s.supply = {{0, OptionNumber("--supply", *o.supply, locale)}};
    if (o.supplyCurve) {
        const auto curve = study::ParseSupplyCurve(*o.supplyCurve);
        if (!curve)
            throw UsageError(&lang::CliTexts::invalidValue, {"'" + *o.supplyCurve + "'", "--supply-curve"});
        s.supply = *curve;
    }
    return s;
}

// Numbers of the summary and settings: as the window would round them, or in full.
struct Numbers {
    calc::NumberFormat locale;
    Precision precision;
    Cell Value(std::optional<double> v, int decimals) const
    {
        if (!v)
            return Cell::Empty();
        if (precision == Precision::Full)
            return Cell::Number(Shortest(*v));
        return Cell::Number(study::PlainNumber(calc::FormatResult(*v, decimals, locale), locale));
    }
    std::string Shown(std::optional<double> v, int decimals) const
    {
        return v ? calc::FormatResult(*v, decimals, locale) : std::string();
    }
};

Section RowsSection(std::string name, lang::Text title, bool before, const std::vector<study::SeasonRow>& rows,
                    const Numbers& n)
{
    Section section{std::move(name), std::string(title), before, {}};
    for (const study::SeasonRow& row : rows) {
        if (row.value || !row.text) {
            Cell value = n.Value(row.value, row.decimals);
            // Counts and whole degrees stay integers in JSON.
            value.whole = row.decimals == 0;
            section.members.push_back({row.name, value, std::string(row.caption), n.Shown(row.value, row.decimals)});
        } else {
            section.members.push_back({row.name, Cell::Text(*row.text), std::string(row.caption), *row.text});
        }
    }
    return section;
}

constexpr Field kInputs[] = {Field::EQ, Field::Etpe, Field::Etsa, Field::Etse};
constexpr study::Quantity kInputKinds[] = {study::Quantity::EQ, study::Quantity::Etpe, study::Quantity::Etsa,
                                           study::Quantity::Etse};

Document SeasonDocument(const std::string& file, const app::TForm1& form, const study::Season& s,
                        const lang::SeasonTexts& t)
{
    Document doc;
    doc.header = {{"file", Cell::Text(file)},
                  {"status", Cell::Text(s.ok() ? "ok" : "failed")},
                  {"messages", Cell::List(s.failure)}};
    doc.columns = {{"outdoor", ColumnKind::Number, "°C", {}},
                   {"hours", ColumnKind::Number, "h", {}},
                   {"status", ColumnKind::Text, {}, {}, true, false},
                   {"status", ColumnKind::Text, {}, {}, false, true},
                   {"messages", ColumnKind::List, {}, {}, false, true}};
    doc.tableHeader = {std::string(t.outdoor), std::string(t.hoursColumn)};
    for (Field f : kInputs) {
        doc.columns.push_back({std::string(app::Info(f).name), ColumnKind::Number, std::string(UnitOf(f)), "fields"});
        doc.tableHeader.push_back(form.Caption(f));
    }
    for (Field f : study::kResultFields) {
        doc.columns.push_back({std::string(app::Info(f).name), ColumnKind::Number, std::string(UnitOf(f)), "fields"});
        doc.tableHeader.push_back(form.Caption(f));
    }
    doc.recordsKey = "bins";
    doc.layout = TableLayout::Grid;
    doc.title = file;
    doc.notes = s.failure;
    return doc;
}

Record SeasonRecord(const study::SeasonBin& bin, const study::Season& s, const Numbers& n)
{
    Record r;
    r.cells = {Cell::Whole(std::to_string(bin.outdoor)), Cell::Whole(Shortest(bin.hours)),
               Cell::Text(bin.ok() ? "ok" : study::Joined(bin.messages, " | ")), Cell::Text(bin.ok() ? "ok" : "failed"),
               Cell::List(bin.messages)};
    std::vector<std::string>& row = r.table.emplace_back();
    row = {std::to_string(bin.outdoor), n.Shown(bin.hours, study::HourDecimals(bin.hours))};
    const double inputs[] = {bin.inputs.EQ, bin.inputs.Etpe, bin.inputs.Etsa, bin.inputs.Etse};
    for (size_t i = 0; i < std::size(inputs); ++i) {
        // The value as written into the field: it reads back exactly.
        r.cells.push_back(Cell::Number(study::ValueText(inputs[i], ".")));
        row.push_back(study::ShownValue(inputs[i], kInputKinds[i], s.format));
    }
    AddResults(r, row, bin.result, bin.messages, s.format, n.precision);
    return r;
}

}  // namespace

void WriteSeason(std::ostream& out, const SeasonOutput& how, const std::string& file, const SeasonOptions& given,
                 const app::TForm1& form, const study::Season& s)
{
    const lang::SeasonTexts& t = lang::TextsOf(how.lang).season;
    const Numbers numbers{how.locale, how.precision};
    Document doc = SeasonDocument(file, form, s, t);
    const study::SeasonGiven texts{given.weather, given.secondaryTable, given.supplyCurve};
    doc.sections = {RowsSection("settings", t.settings, true, study::SettingsRows(s, texts, t), numbers),
                    RowsSection("summary", t.summary, false, study::SummaryRows(s, t), numbers)};
    const auto writer = MakeWriter(how.format, out);
    writer->Begin(doc);
    for (const study::SeasonBin& bin : s.bins)
        writer->Add(SeasonRecord(bin, s, numbers));
    writer->End();
}

int RunSeason(const Options& o, const Host& host, std::ostream& out, std::ostream& err)
{
    // The arguments are checked before any file is read: a usage error.
    study::SeasonSettings settings = Settings(o.season, host.format);
    const bool english = o.lang == Lang::English;
    const std::string& file = o.cases.front();
    Rater rater(o.lang, host.format);
    const RatedCase loaded = rater.Load(file);
    for (const std::string& warning : loaded.warnings)
        Diagnose(err, file, warning);
    if (!loaded.loaded) {
        Diagnose(err, file, study::Joined(loaded.messages, " | "));
        return kSomeFailed;
    }
    study::Weather weather;
    try {
        if (o.season.secondaryTable)
            settings.secondaryTable =
                study::ReadSecondaryTable(study::ReadWeatherBytes(*o.season.secondaryTable, english), english);
        weather = study::ReadWeatherFile(*o.season.weather, english);
    } catch (const study::WeatherError& e) {
        Diagnose(err, file, e.what());
        return kSomeFailed;
    }

    const app::TForm1& form = rater.Form();
    const study::Season s = study::RunSeason(form, weather, settings);
    bool allComputed = s.ok();
    if (!s.ok())
        Diagnose(err, file, study::Joined(s.failure, " | "));
    for (const study::SeasonBin& bin : s.bins) {
        if (bin.ok())
            continue;
        allComputed = false;
        Diagnose(err, file, std::to_string(bin.outdoor) + " °C: " + study::Joined(bin.messages, " | "));
    }
    WriteSeason(out, {o.format, o.precision, o.lang, host.format}, file, o.season, form, s);
    return allComputed ? kAllComputed : kSomeFailed;
}

}  // namespace cli
