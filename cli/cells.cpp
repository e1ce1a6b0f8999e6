#include "cli/cells.h"

#include "study/study.h"

#include <charconv>

namespace cli {

std::string Shortest(double value)
{
    char buf[40];
    const auto written = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, written.ptr);
}

Cell InputCell(const std::string& text, const calc::NumberFormat& locale, Precision precision)
{
    if (text.empty())
        return Cell::Empty();
    double value = 0;
    try {
        value = calc::StrToFloat(text, locale.decimal);
    } catch (const std::exception&) {
        return Cell::Text(text);
    }
    if (precision == Precision::Full)
        return Cell::Number(Shortest(value));
    // As typed, with "." for the separator; a text the window reads but a
    // program may not ("1,5E", " 2") becomes its value.
    std::string plain = study::PlainNumber(text, {locale.decimal, ""});
    double check = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), check);
    if (error != std::errc() || end != plain.data() + plain.size() || plain.front() == '+')
        return Cell::Number(Shortest(value));
    return Cell::Number(plain);
}

Cell ResultCell(const std::string& text, std::optional<double> value, const calc::NumberFormat& locale,
                Precision precision)
{
    if (text.empty())
        return Cell::Empty();
    if (precision == Precision::Full && value)
        return Cell::Number(Shortest(*value));
    return Cell::Number(study::PlainNumber(text, locale));
}

void AddResults(Record& record, std::vector<std::string>& row, const std::optional<calc::ActualResult>& result,
                const std::vector<std::string>& messages, const calc::NumberFormat& locale, Precision precision)
{
    if (!result) {
        record.cells.insert(record.cells.end(), study::kResultFields.size(), Cell::Empty());
        row.push_back(study::Joined(messages, " | "));
        return;
    }
    const std::array<double, 9> values = study::ResultValues(result->values);
    for (size_t i = 0; i < study::kResultFields.size(); ++i)
        record.cells.push_back(ResultCell(result->texts[i], values[i], locale, precision));
    row.insert(row.end(), result->texts.begin(), result->texts.end());
}

}  // namespace cli

namespace cli {

std::string_view UnitOf(app::Field f)
{
    using enum app::Field;
    switch (f) {
    case Primery:
    case Sekundery:
    case primery1:
    case Sekundery1: return {};
    case EQ_nom:
    case EQ: return "kW";
    case EPp_nom:
    case EPs_nom:
    case EP_p:
    case EP_s: return "bar";
    case EV_p_nom:
    case EV_s_nom:
    case EV_p:
    case EV_s: return "m3/h";
    case EUA_nom:
    case EUA: return "kW/°C";
    default: return "°C";  // the temperatures, their differences and the mean
    }
}

}  // namespace cli
