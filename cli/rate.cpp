#include "cli/rate.h"

#include "casefile/casefile.h"
#include "cli/texts.h"
#include "study/study.h"

#include <cerrno>
#include <exception>

namespace cli {
namespace {

constexpr app::Field kMediumLists[] = {app::Field::Primery, app::Field::Sekundery, app::Field::primery1,
                                       app::Field::Sekundery1};

// The cause the box's text leaves out, for the errors whose text is only a
// number ("I/O error 27").
std::string Cause(const std::exception_ptr& fault, Lang lang)
{
    try {
        std::rethrow_exception(fault);
    } catch (const casefile::FileError& e) {
        if (e.cause() == EFBIG)
            return std::string(CliText(lang).largerThanLimit);
        if (e.cause() == EIO)
            return std::string(CliText(lang).inputOutputError);
    } catch (...) {
    }
    return {};
}

}  // namespace

void StartWindow(app::TForm1& form, report::Tquickrptpage& page, Lang lang)
{
    form.FormCreate();
    form.AttachReportPage(&page);
    // The window starts in Danish; another language is its flag's press.
    if (lang != Lang::Danish)
        form.Dispatch([&] { form.SwitchLanguage(lang); });
}

Rater::Rater(Lang lang, const calc::NumberFormat& locale) : lang_(lang), format_(locale)
{
    if (format_.decimal.empty())  // as the window takes it
        format_.decimal = ".";
}

RatedCase Rater::Load(const std::string& path)
{
    RatedCase rated;
    rated.file = path;
    form_.emplace(platform_, format_);
    app::TForm1& form = *form_;
    StartWindow(form, page_, lang_);
    platform_.boxes.clear();

    platform_.dialogAnswers = {path};
    // The fault still goes to the form's one handler, which shows its box;
    // only its cause is noted on the way.
    std::exception_ptr fault;
    form.Dispatch([&] {
        try {
            form.BitBtnHentSagClick();
        } catch (...) {
            fault = std::current_exception();
            throw;
        }
    });
    rated.messages = platform_.TakeTexts();
    if (fault)
        rated.cause = Cause(fault, lang_);
    if (!rated.cause.empty() && !rated.messages.empty())
        rated.messages.back() += " (" + rated.cause + ")";
    rated.loaded = rated.messages.empty();
    if (!rated.loaded)
        return rated;
    rated.fields = form.CaseTexts();
    for (app::Field list : kMediumLists)
        if (form.ItemIndex(list) < 0)
            rated.warnings.push_back(
                Filled(CliText(lang_).mediumNotKnown, {app::Info(list).name, "'" + form.Text(list) + "'"}));
    return rated;
}

RatedCase Rater::Rate(const std::string& path)
{
    RatedCase rated = Load(path);
    if (!rated.loaded)
        return rated;
    app::TForm1& form = *form_;
    form.Dispatch([&] { form.BitBtn2Click(); });
    rated.messages = platform_.TakeTexts();
    rated.fields = form.CaseTexts();
    std::optional<calc::ActualResult> actual;
    if (rated.ok())
        // The same run again, for the values behind the texts it wrote.
        form.Dispatch([&] { actual = form.ComputeActual(); });
    if (!rated.ok() || !actual || !platform_.boxes.empty()) {
        platform_.boxes.clear();
        for (int i = 0; i < app::kFieldCount; ++i)
            if (app::Info(app::kCaseFileOrder[i]).kind == app::FieldKind::Result)
                rated.fields[i].clear();
        return rated;
    }
    const auto set = [&rated](app::Field field, double value) {
        for (int i = 0; i < app::kFieldCount; ++i)
            if (app::kCaseFileOrder[i] == field)
                rated.values[i] = value;
    };
    const calc::NominalState& n = form.NominalState();
    using enum app::Field;
    for (const auto& [field, value] : {std::pair{EAOp_nom, n.AOp_nom},
                                       {EAOs_nom, n.AOs_nom},
                                       {EV_p_nom, n.V_p_nom},
                                       {EV_s_nom, n.V_s_nom},
                                       {Em_nom, n.m_nom},
                                       {EUA_nom, n.UA_nom}})
        set(field, value);
    const std::array<double, 9> actualValues = study::ResultValues(actual->values);
    for (size_t i = 0; i < study::kResultFields.size(); ++i)
        set(study::kResultFields[i], actualValues[i]);
    return rated;
}

}  // namespace cli
