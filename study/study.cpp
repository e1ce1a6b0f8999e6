#include "study/study.h"

#include "calc/fault.h"
#include "calc/numtext.h"
#include "lang/texts.h"
#include "model/headless_platform.h"
#include "study/safe_text.h"
#include "study/shown.h"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <system_error>

namespace study {

namespace {

using app::Field;

std::string Replaced(std::string text, std::string_view from, std::string_view to)
{
    if (from.empty() || from == to)
        return text;
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::optional<double> Number(const app::TForm1& form, Field f)
{
    try {
        return calc::StrToFloat(form.Text(f), form.Format().decimal);
    } catch (const calc::ConversionError&) {
        return std::nullopt;
    } catch (const calc::FloatingPointFault&) {
        return std::nullopt;
    }
}

}  // namespace

app::Field FieldOf(Quantity q)
{
    constexpr Field fields[] = {Field::EQ, Field::Etpe, Field::Etsa, Field::Etse};
    return fields[static_cast<int>(q)];
}

std::optional<Quantity> QuantityNamed(std::string_view name)
{
    for (Quantity q : kQuantities)
        if (app::Info(FieldOf(q)).name == name)
            return q;
    return std::nullopt;
}

std::optional<Range> DefaultRange(const app::TForm1& form, Quantity q)
{
    const auto value = [&](Field f) { return Number(form, f); };
    std::optional<double> first, last;
    switch (q) {
    case Quantity::EQ:
        if (const auto eq = value(Field::EQ))
            first = *eq / 10, last = *eq;
        break;
    case Quantity::Etpe:
        if (const auto tse = value(Field::Etse), tpe = value(Field::Etpe); tse && tpe)
            first = *tse + 2, last = *tpe + 20;
        break;
    case Quantity::Etsa:
        if (const auto tsa = value(Field::Etsa), tse = value(Field::Etse); tsa && tse)
            first = *tsa - 20, last = *tse - 5;
        break;
    case Quantity::Etse:
        if (const auto tsa = value(Field::Etsa), tpe = value(Field::Etpe); tsa && tpe)
            first = *tsa + 5, last = *tpe - 2;
        break;
    }
    if (!first || !last)
        return std::nullopt;
    return Range{q, *first, *last, kDefaultPoints};
}

double PointValue(const Range& range, int index)
{
    if (index <= 0)
        return range.first;
    if (index >= range.points - 1)
        return range.last;
    double v = range.first + (range.last - range.first) * index / (range.points - 1);
    // A span near the largest double overflows in the product; the fraction
    // first keeps it finite (kept second, so every other range is unchanged).
    if (!std::isfinite(v))
        v = range.first + (range.last - range.first) * (static_cast<double>(index) / (range.points - 1));
    // 0.1 + 0.2 would otherwise show as 0.30000000000000004 in the field.
    char buf[40];
    const auto written = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 12);
    double rounded = v;
    std::from_chars(buf, written.ptr, rounded);
    return rounded;
}

std::string ValueText(double value, std::string_view decimalSeparator)
{
    char buf[40];
    const auto written = std::to_chars(buf, buf + sizeof buf, value);
    return Replaced(std::string(buf, written.ptr), ".", decimalSeparator);
}

// The copy shows its boxes to the recorder; the window sees nothing.
struct PointRunner::Impl {
    app::HeadlessPlatform recorder;
    app::TForm1 work;
    explicit Impl(const app::TForm1& form) : work(form, recorder) {}
    void Write(const FieldTexts& texts)
    {
        for (const auto& [field, text] : texts)
            work.SetText(field, text);
        recorder.boxes.clear();
    }
};

PointRunner::PointRunner(const app::TForm1& form) : impl_(std::make_unique<Impl>(form)) {}
PointRunner::~PointRunner() = default;

std::vector<std::string> PointRunner::Start(const FieldTexts& texts)
{
    impl_->Write(texts);
    impl_->work.Dispatch([&] {
        if (impl_->work.InputsPresent(true))
            impl_->work.BeregnNominel();
    });
    return impl_->recorder.TakeTexts();
}

std::optional<calc::ActualResult> PointRunner::Compute(const FieldTexts& texts, std::vector<std::string>& messages)
{
    impl_->Write(texts);
    std::optional<calc::ActualResult> result;
    impl_->work.Dispatch([&] { result = impl_->work.ComputeActual(); });
    messages = impl_->recorder.TakeTexts();
    return result;
}

const app::TForm1& PointRunner::Form() const { return impl_->work; }

Study Run(const app::TForm1& form, const Range& range, const Progress& progress)
{
    Study study;
    study.range = range;
    study.format = form.Format();
    if (range.points < kMinPoints || range.points > kMaxPoints) {
        study.failure = {std::string(lang::TextsFor(form.Language()).messages.pointsOutOfRange)};
        return study;
    }

    PointRunner runner(form);
    const Field varied = FieldOf(range.quantity);
    const std::string& separator = study.format.decimal;
    study.failure = runner.Start({{varied, ValueText(PointValue(range, 0), separator)}});
    if (!study.failure.empty())
        return study;

    study.points.reserve(range.points);
    for (int i = 0; i < range.points; ++i) {
        Point& point = study.points.emplace_back();
        point.value = PointValue(range, i);
        point.text = ValueText(point.value, separator);
        point.result = runner.Compute({{varied, point.text}}, point.messages);
        if (progress && !progress(i + 1, range.points) && i + 1 < range.points) {
            study.cancelled = true;
            break;
        }
    }
    return study;
}

std::string CsvField(std::string_view text) { return CsvTextField(text); }

std::string Joined(const std::vector<std::string>& texts, std::string_view separator)
{
    std::string out;
    for (const std::string& t : texts) {
        if (!out.empty())
            out += separator;
        out += t;
    }
    return out;
}

std::string PlainNumber(const std::string& text, const calc::NumberFormat& format)
{
    std::string out = text;
    if (!format.thousands.empty() && format.thousands != format.decimal)
        out = Replaced(out, format.thousands, "");
    return Replaced(out, format.decimal, ".");
}

std::string CsvHeader(Quantity q)
{
    std::string out = std::string(app::Info(FieldOf(q)).name) + ",status";
    for (Field f : kResultFields)
        out += "," + std::string(app::Info(f).name);
    return out + "\r\n";
}

std::string CsvRow(const Point& point, const calc::NumberFormat& format)
{
    std::string out = ValueText(point.value, ".") + ",";
    out += point.ok() ? "ok" : CsvField(Joined(point.messages, " | "));
    for (size_t i = 0; i < kResultFields.size(); ++i)
        out += "," + (point.ok() ? PlainNumber(point.result->texts[i], format) : std::string());
    return out + "\r\n";
}

std::string Csv(const Study& study)
{
    std::string out = CsvHeader(study.range.quantity);
    for (const Point& point : study.points)
        out += CsvRow(point, study.format);
    return out;
}

std::string TabSeparated(const Study& study, const std::array<std::string, 10>& captions)
{
    std::string out = Joined({captions.begin(), captions.end()}, "\t") + "\n";
    const std::string& decimal = study.format.decimal;
    for (const Point& point : study.points) {
        // The value as the window shows a number of its kind, as the results are.
        out += Replaced(PlainNumber(ShownValue(point.value, study.range.quantity, study.format), study.format), ".",
                        decimal);
        if (point.ok())
            for (const std::string& text : point.result->texts)
                out += "\t" + Replaced(PlainNumber(text, study.format), ".", decimal);
        else
            out += "\t" + Joined(point.messages, " | ");
        out += "\n";
    }
    return out;
}

}  // namespace study
