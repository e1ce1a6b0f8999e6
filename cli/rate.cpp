#include "cli/rate.h"

#include "study/study.h"

namespace cli {

void StartWindow(app::TForm1& form, report::Tquickrptpage& page, Lang lang)
{
    form.FormCreate();
    form.AttachReportPage(&page);
    if (lang == Lang::English)
        form.Dispatch([&] { form.BitBtnUKClick(); });
}

Rater::Rater(Lang lang, const calc::NumberFormat& locale, Numbers numbers)
    : lang_(lang), format_(locale), numbers_(numbers)
{
    // Read with the locale's decimal separator; written without grouping, so
    // that swapping the separator for "." below is all it takes.
    if (numbers_ == Numbers::Plain)
        format_.thousands.clear();
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

    platform_.caseToOpen = path;
    form.Dispatch([&] { form.BitBtnHentSagClick(); });
    rated.messages = std::move(platform_.boxes);
    platform_.boxes.clear();
    rated.loaded = rated.messages.empty();
    if (rated.loaded)
        rated.fields = form.CaseTexts();
    return rated;
}

RatedCase Rater::Rate(const std::string& path)
{
    RatedCase rated = Load(path);
    if (!rated.loaded)
        return rated;
    app::TForm1& form = *form_;

    // An emptied result field that is still empty afterwards was not written
    // by the calculation (it never writes an empty text) and gets the file's
    // text back; every other one is the calculation's.
    const std::array<std::string, app::kFieldCount> loaded = rated.fields;
    if (numbers_ == Numbers::Plain)
        for (const app::FieldInfo& info : app::CaseFields())
            if (info.kind == app::FieldKind::Result)
                form.SetText(info.field, {});

    form.Dispatch([&] { form.BitBtn2Click(); });
    rated.messages = std::move(platform_.boxes);
    platform_.boxes.clear();

    rated.fields = form.CaseTexts();
    if (numbers_ == Numbers::Plain) {
        for (int i = 0; i < app::kFieldCount; ++i) {
            if (app::Info(app::kCaseFileOrder[i]).kind != app::FieldKind::Result)
                continue;
            std::string& text = rated.fields[i];
            text = text.empty() ? loaded[i] : study::PlainNumber(text, format_);
        }
    }
    return rated;
}

}  // namespace cli
