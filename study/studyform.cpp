#include "study/studyform.h"

#include "calc/fault.h"
#include "calc/funktion.h"
#include "calc/numtext.h"

#include <cmath>
#include <exception>

namespace study {

const Captions& CaptionsFor(const std::string& language) { return lang::TextsFor(language).study; }

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
