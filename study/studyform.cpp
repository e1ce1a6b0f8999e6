#include "study/studyform.h"

#include "calc/fault.h"
#include "calc/funktion.h"
#include "calc/numtext.h"

#include <cmath>
#include <exception>

namespace study {

// clang-format off
const Captions kDanishCaptions{
    "Tervol – Dellast", "Varieret størrelse", "Første værdi", "Sidste værdi", "Antal punkter", "Beregn",
    "Kopiér tabel", "Gem som CSV", "Udskriv", "Luk",
    "Beregner dellast …", "Afbryd",
    "Afbrudt efter %1 af %2 punkter",
    "Gem dellast som CSV", "CSV-filer (*.csv);;Alle filer (*)", "Filen kunne ikke skrives",
    "Dellast", "%1 af %2 punkter vist",
    "Resultattabel", "Diagram",
};
const Captions kEnglishCaptions{
    "Tervol – Part load", "Varied quantity", "First value", "Last value", "Number of points", "Calculate",
    "Copy table", "Save as CSV", "Print", "Close",
    "Calculating part load …", "Cancel",
    "Cancelled after %1 of %2 points",
    "Save part load as CSV", "CSV files (*.csv);;All files (*)", "The file could not be written",
    "Part load", "%1 of %2 points shown",
    "Result table", "Chart",
};
// clang-format on

const Captions& CaptionsFor(const std::string& language)
{
    return language == "UK" ? kEnglishCaptions : kDanishCaptions;
}

namespace {

// Row captions carry trailing blanks in places; a column header does not.
std::string Trimmed(std::string s)
{
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

}  // namespace

std::array<std::string, 10> ColumnCaptions(const app::TForm1& form, Quantity q)
{
    std::array<std::string, 10> out;
    out[0] = Trimmed(form.Caption(FieldOf(q)));
    for (size_t i = 0; i < kResultFields.size(); ++i)
        out[i + 1] = Trimmed(form.Caption(kResultFields[i]));
    return out;
}

void StudyForm::Open(const app::TForm1& form) { ChooseQuantity(Quantity::EQ, form); }

void StudyForm::ChooseQuantity(Quantity q, const app::TForm1& form)
{
    quantity_ = q;
    const std::string& decimal = form.Format().decimal;
    if (const auto range = DefaultRange(form, q)) {
        SetText(Input::First, ValueText(range->first, decimal));
        SetText(Input::Last, ValueText(range->last, decimal));
    } else {
        SetText(Input::First, "");
        SetText(Input::Last, "");
    }
    SetText(Input::Points, std::to_string(kDefaultPoints));
}

void StudyForm::KeyPress(Input i, char32_t& key, const calc::NumberFormat& format) const
{
    funktion::FilterNumericKey(key, Text(i), format.decimal);
}

const Study& StudyForm::Calculate(const app::TForm1& form, const Progress& progress)
{
    const std::string& decimal = form.Format().decimal;
    Range range{quantity_, 0, 0, 0};
    try {
        range.first = calc::StrToFloat(Text(Input::First), decimal);
        range.last = calc::StrToFloat(Text(Input::Last), decimal);
    } catch (const std::exception& e) {
        last_ = Study{};
        last_.range = range;
        last_.format = form.Format();
        last_.failure = {app::WithFullStop(e.what())};
        return last_;
    }
    // A count that is no whole number gets the range message, as one outside it.
    double points = 0;
    try {
        points = calc::StrToFloat(Text(Input::Points), decimal);
    } catch (const std::exception&) {
    }
    range.points = points == std::floor(points) && points >= kMinPoints && points <= kMaxPoints ? int(points) : 0;
    last_ = Run(form, range, progress);
    return last_;
}

}  // namespace study
