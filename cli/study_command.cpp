#include "cli/study_command.h"

#include "cli/formats.h"
#include "cli/rate.h"
#include "study/study.h"

#include <charconv>
#include <ostream>

namespace cli {
namespace {

// A range end as typed: "." always, the locale's separator too.
double RangeValue(const std::string& option, const std::string& text, const calc::NumberFormat& locale)
{
    for (const std::string& decimal : {std::string("."), locale.decimal}) {
        try {
            return calc::StrToFloat(text, decimal);
        } catch (const std::exception&) {
        }
    }
    throw UsageError("invalid value '" + text + "' for " + option, "ugyldig værdi '" + text + "' til " + option);
}

int PointCount(const std::string& text)
{
    int points = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), points);
    if (error != std::errc() || end != text.data() + text.size() || points < study::kMinPoints ||
        points > study::kMaxPoints)
        throw UsageError(std::string(study::kPointsOutOfRange.english), std::string(study::kPointsOutOfRange.danish));
    return points;
}

std::string ValueName(const study::Study& s) { return std::string(app::Info(study::FieldOf(s.range.quantity)).name); }

void WriteJson(std::ostream& out, const std::string& file, const study::Study& s)
{
    const auto messages = [&](const std::vector<std::string>& texts) {
        out << "[";
        for (size_t i = 0; i < texts.size(); ++i)
            out << (i ? ", " : "") << JsonString(texts[i]);
        out << "]";
    };
    out << "{\"file\": " << JsonString(file) << ", \"vary\": " << JsonString(ValueName(s))
        << ", \"status\": " << (s.ok() ? "\"ok\"" : "\"failed\"") << ", \"messages\": ";
    messages(s.failure);
    out << ", \"points\": [";
    for (size_t i = 0; i < s.points.size(); ++i) {
        const study::Point& p = s.points[i];
        out << (i ? ",\n" : "\n") << "  {\"value\": " << JsonString(study::ValueText(p.value, "."))
            << ", \"status\": " << (p.ok() ? "\"ok\"" : "\"failed\"") << ", \"messages\": ";
        messages(p.messages);
        out << ", \"results\": {";
        if (p.ok())
            for (size_t r = 0; r < study::kResultFields.size(); ++r)
                out << (r ? ", " : "") << JsonString(app::Info(study::kResultFields[r]).name) << ": "
                    << JsonString(study::PlainNumber(p.result->texts[r], s.format));
        out << "}}";
    }
    out << (s.points.empty() ? "]}\n" : "\n]}\n");
}

// The window's row captions over the columns, numbers as the window shows them.
void WriteTable(std::ostream& out, const std::string& file, const app::TForm1& form, const study::Study& s)
{
    out << file << '\n';
    std::vector<std::vector<std::string>> rows(1);
    rows.front().push_back(form.Caption(study::FieldOf(s.range.quantity)));
    for (app::Field f : study::kResultFields)
        rows.front().push_back(form.Caption(f));
    for (const study::Point& p : s.points) {
        std::vector<std::string>& row = rows.emplace_back(1, study::ValueText(p.value, s.format.decimal));
        if (p.ok())
            row.insert(row.end(), p.result->texts.begin(), p.result->texts.end());
        else
            row.push_back(Status(p.messages));
    }
    if (!s.points.empty())
        WriteAligned(out, rows, "  ");
    for (const std::string& m : s.failure)
        out << "  ! " << m << '\n';
}

}  // namespace

int RunStudy(const Options& o, const Host& host, std::ostream& out, std::ostream& err)
{
    // The arguments are checked before the case is read: a usage error.
    const study::Quantity quantity = study::QuantityNamed(o.vary.value_or("EQ")).value();
    study::Range range{quantity, 0, 0, o.points ? PointCount(*o.points) : study::kDefaultPoints};
    if (o.from)
        range.first = RangeValue("--from", *o.from, host.format);
    if (o.to)
        range.last = RangeValue("--to", *o.to, host.format);

    const std::string& file = o.cases.front();
    Rater rater(o.lang, host.format, Numbers::Locale);
    const RatedCase loaded = rater.Load(file);
    if (!loaded.loaded) {
        err << "tervol: " << file << ": " << Status(loaded.messages) << '\n';
        return kSomeFailed;
    }
    const app::TForm1& form = rater.Form();
    if (!o.from || !o.to) {
        const auto defaults = study::DefaultRange(form, quantity);
        if (!defaults) {
            err << "tervol: " << file << ": "
                << (o.lang == Lang::Danish ? "standardområdet kan ikke findes; angiv --from og --to"
                                           : "no default range; give --from and --to")
                << '\n';
            return kSomeFailed;
        }
        range.first = o.from ? range.first : defaults->first;
        range.last = o.to ? range.last : defaults->last;
    }

    const study::Study s = study::Run(form, range);
    bool allComputed = s.ok();
    if (!s.ok())
        err << "tervol: " << file << ": " << Status(s.failure) << '\n';
    for (const study::Point& p : s.points) {
        if (p.ok())
            continue;
        allComputed = false;
        err << "tervol: " << file << ": " << ValueName(s) << " " << study::ValueText(p.value, ".") << ": "
            << Status(p.messages) << '\n';
    }
    switch (o.format) {
    case Format::Csv: out << study::Csv(s); break;
    case Format::Json: WriteJson(out, file, s); break;
    case Format::Table: WriteTable(out, file, form, s); break;
    }
    out.flush();
    return allComputed ? kAllComputed : kSomeFailed;
}

}  // namespace cli
