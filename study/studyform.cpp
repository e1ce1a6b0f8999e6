#include "study/studyform.h"

#include "calc/fault.h"
#include "calc/funktion.h"
#include "calc/numtext.h"
#include "model/headless_platform.h"

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

struct StudyJob::Case {
    app::HeadlessPlatform recorder;
    app::TForm1 form;
    explicit Case(const app::TForm1& window) : form(window, recorder) {}
};

StudyJob StudyForm::Prepare(const app::TForm1& form) const
{
    StudyJob job;
    job.range_.quantity = quantity_;
    const std::string& decimal = form.Format().decimal;
    try {
        job.range_.first = calc::StrToFloat(Text(Input::First), decimal);
        job.range_.last = calc::StrToFloat(Text(Input::Last), decimal);
    } catch (const std::exception& e) {
        job.range_.points = 0;
        job.failure_ = {app::WithFullStop(e.what())};
    }
    // A count that is no whole number gets the range message, as one outside it.
    double points = 0;
    try {
        points = calc::StrToFloat(Text(Input::Points), decimal);
    } catch (const std::exception&) {
    }
    if (job.failure_.empty())
        job.range_.points =
            points == std::floor(points) && points >= kMinPoints && points <= kMaxPoints ? int(points) : 0;
    job.case_ = std::make_shared<const StudyJob::Case>(form);
    return job;
}

Study StudyJob::Run(const Progress& progress) const
{
    if (failure_.empty())
        return study::Run(case_->form, range_, progress);
    Study failed;
    failed.range = range_;
    failed.format = case_->form.Format();
    failed.failure = failure_;
    return failed;
}

Study StudyJob::Run(SharedProgress& shared) const
{
    return Run([&shared](int done, int total) {
        shared.total = total;
        shared.done = done;
        return !shared.cancel;
    });
}

const Study& StudyForm::Finish(Study study)
{
    last_ = std::move(study);
    return last_;
}

const Study& StudyForm::Calculate(const app::TForm1& form, const Progress& progress)
{
    return Finish(Prepare(form).Run(progress));
}

ShownTexts StudyForm::Shown(const app::TForm1& form) const
{
    ShownTexts shown{form.Language(), {}, ColumnCaptions(form, last_.range.quantity)};
    for (size_t i = 0; i < kQuantities.size(); ++i)
        shown.quantities[i] = ColumnCaptions(form, kQuantities[i])[0];
    return shown;
}

CaseInputs InputsOf(const app::TForm1& form)
{
    CaseInputs inputs;
    for (app::Field f : app::kNominalInputs)
        inputs.nominal.emplace_back(form.Caption(f), form.Text(f));
    for (app::Field f : app::kActualInputs)
        inputs.actual.emplace_back(form.Caption(f), form.Text(f));
    return inputs;
}

}  // namespace study
