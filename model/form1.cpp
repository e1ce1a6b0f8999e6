#include "model/form1.h"

#include "calc/actual.h"
#include "calc/funktion.h"
#include "casefile/casefile.h"
#include "lang/texts.h"
#include "report/quickrptpage.h"

#include <algorithm>
#include <cctype>
#include <exception>

namespace app {

namespace {

bool IsList(Field f) { return Info(f).kind == FieldKind::MediumList; }

std::string Normalized(std::string_view text)
{
    std::string s(text);
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// The item a list text names, in either language: a case saved in English
// loads with the right media in a Danish window.
int PositionNamedBy(const std::string& text)
{
    const std::string key = Normalized(text);
    for (int item = 0; item < 2; ++item)
        for (lang::Language language : lang::kLanguages)
            if (Normalized(lang::TextsOf(language).window.items[item]) == key)
                return item;
    return -1;
}

}  // namespace

std::string WithFullStop(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}

TForm1::TForm1(Platform& platform, const calc::NumberFormat& format) : platform_(&platform)
{
    SetNumberFormat(format);
    for (const FieldInfo& info : CaseFields()) {
        texts_[Index(info.field)] = std::string(info.startText);
        captions_[Index(info.field)] = std::string(info.startCaption);
        if (info.kind == FieldKind::MediumList) {
            MediumList& list = lists_[Index(info.field)];
            list.items = {"Vand", "Glykol"};
            list.position = -1;
        }
    }
    // The primary nominal list starts with a trailing blank on its glycol item.
    lists_[Index(Field::Primery)].items[1] = "Glykol ";
    for (const GroupInfo& g : Groups())
        groupCaptions_[Index(g.group)] = std::string(g.startCaption);
    for (const ButtonInfo& b : Buttons())
        buttonCaptions_[Index(b.button)] = std::string(b.startCaption);
}

TForm1::TForm1(const TForm1& other, Platform& platform) : TForm1(other)
{
    platform_ = &platform;
    listener_ = nullptr;
    studyListener_ = nullptr;
    reportPage_ = nullptr;
}

void TForm1::Changed()
{
    if (listener_)
        listener_();
    if (studyListener_)
        studyListener_();
}

const std::string& TForm1::Text(Field f) const { return texts_[Index(f)]; }

void TForm1::SetText(Field f, const std::string& text)
{
    texts_[Index(f)] = text;
    if (IsList(f))
        List(f).position = PositionNamedBy(text);
    Changed();
}

MediumList& TForm1::List(Field f)
{
    if (!IsList(f))
        throw std::logic_error(std::string(Info(f).name) + " is not a medium list");
    return lists_[Index(f)];
}

const MediumList& TForm1::List(Field f) const { return const_cast<TForm1*>(this)->List(f); }

int TForm1::ItemIndex(Field list) const { return List(list).position; }

void TForm1::SetItemIndex(Field list, int position)
{
    MediumList& l = List(list);
    if (position < -1 || position > 1)
        throw std::out_of_range("list position out of range");
    if (l.position == position)
        return;
    l.position = position;
    texts_[Index(list)] = position >= 0 ? l.items[position] : std::string();
    Changed();
}

void TForm1::ChooseItem(Field list, int item)
{
    MediumList& l = List(list);
    texts_[Index(list)] = l.items.at(item);
    l.position = item;
    Changed();
}

const std::string& TForm1::Item(Field list, int item) const { return List(list).items.at(item); }

void TForm1::SetItem(Field list, int item, const std::string& text)
{
    MediumList& l = List(list);
    l.items.at(item) = text;
    if (l.position == item)
        l.position = -1;
    Changed();
}

const std::string& TForm1::Caption(Field rowOf) const { return captions_[Index(rowOf)]; }

void TForm1::SetCaption(Field rowOf, const std::string& caption)
{
    captions_[Index(rowOf)] = caption;
    Changed();
}

const std::string& TForm1::GroupCaption(Group g) const { return groupCaptions_[Index(g)]; }

void TForm1::SetGroupCaption(Group g, const std::string& caption)
{
    groupCaptions_[Index(g)] = caption;
    Changed();
}

const std::string& TForm1::ButtonCaption(Button b) const { return buttonCaptions_[Index(b)]; }

void TForm1::SetButtonCaption(Button b, const std::string& caption)
{
    buttonCaptions_[Index(b)] = caption;
    Changed();
}

void TForm1::SetLanguage(const std::string& language)
{
    language_ = language;
    Changed();
}

void TForm1::SetNumberFormat(const calc::NumberFormat& format)
{
    format_ = format;
    // A locale without a decimal separator gets ".".
    if (format_.decimal.empty())
        format_.decimal = ".";
}

calc::Environment TForm1::Env() { return calc::Environment{language_, format_, *platform_}; }

std::array<std::string, kFieldCount> TForm1::CaseTexts() const
{
    std::array<std::string, kFieldCount> out;
    for (int i = 0; i < kFieldCount; ++i)
        out[i] = Text(kCaseFileOrder[i]);
    return out;
}

// ---- start-up and the two calculation commands

void TForm1::FormCreate()
{
    language_ = "DK";
    for (Field list : {Field::Primery, Field::primery1, Field::Sekundery, Field::Sekundery1})
        SetItemIndex(list, 0);
    Aktuel1Click();
}

void TForm1::BitBtn1Click()
{
    // Recorded before the calculation, whether or not it then succeeds.
    primeryIndex_ = ItemIndex(Field::Primery);
    sekunderyIndex_ = ItemIndex(Field::Sekundery);
    BeregnNom1Click();
}

void TForm1::BitBtn2Click()
{
    primery1Index_ = ItemIndex(Field::primery1);
    sekundery1Index_ = ItemIndex(Field::Sekundery1);
    Aktuel1Click();
}

namespace {

template <size_t N>
bool AnyEmpty(const TForm1& form, const std::array<Field, N>& fields)
{
    return std::any_of(std::begin(fields), std::end(fields), [&](Field f) { return form.Text(f).empty(); });
}

}  // namespace

bool TForm1::InputsPresent(bool withActual)
{
    // Only emptiness is tested: a text of blanks passes here.
    if (AnyEmpty(*this, kNominalInputs)) {
        calc::ShowInLanguage(Env(), calc::MessageKind::Information, &lang::MessageTexts::nominalInputsMissing);
        return false;
    }
    if (withActual && AnyEmpty(*this, kActualInputs)) {
        calc::ShowInLanguage(Env(), calc::MessageKind::Information, &lang::MessageTexts::actualInputsMissing);
        return false;
    }
    return true;
}

void TForm1::BeregnNom1Click()
{
    if (InputsPresent(false))
        BeregnNominel();
}

void TForm1::Aktuel1Click()
{
    if (InputsPresent(true))
        BeregnAktuel();
}

void TForm1::BeregnNominel()
{
    using enum Field;
    const calc::NominalInput in{Text(EQ_nom),         Text(Etpe_nom),    Text(Etpa_nom),    Text(Etsa_nom),
                                Text(Etse_nom),       Text(EPp_nom),     Text(EPs_nom),     ItemIndex(Primery),
                                ItemIndex(Sekundery), Caption(Etpe_nom), Caption(Etpa_nom), Caption(Etsa_nom),
                                Caption(Etse_nom)};
    const auto result = calc::BeregnNominel(in, nominal_, Env());
    if (!result)
        return;
    constexpr Field outputs[] = {EAOp_nom, EAOs_nom, EV_p_nom, EV_s_nom, Em_nom, EUA_nom};
    for (size_t i = 0; i < std::size(outputs); ++i)
        texts_[Index(outputs[i])] = (*result)[i];
    Changed();
}

void TForm1::BeregnAktuel()
{
    // Always a fresh nominal run first; when its own checks stop it, the
    // actual state builds on the last completed one.
    BeregnNominel();
    ComputeActual();
}

std::optional<calc::ActualResult> TForm1::ComputeActual()
{
    using enum Field;
    const calc::ActualInput in{Text(EQ),      Text(Etpe),          Text(Etsa),
                               Text(Etse),    ItemIndex(primery1), ItemIndex(Sekundery1),
                               Caption(Etpe), Caption(Etse),       Caption(Etsa)};
    auto result = calc::BeregnAktuel(in, nominal_, Env());
    if (!result)
        return result;
    constexpr Field outputs[] = {Etpa_beregn, EAOp, EAOs, EP_p, EP_s, EV_p, EV_s, Em, EUA};
    for (size_t i = 0; i < std::size(outputs); ++i)
        texts_[Index(outputs[i])] = result->texts[i];
    Changed();
    return result;
}

// ---- the remaining commands

void TForm1::BitBtn3Click()
{
    if (!reportPage_)
        return;
    report::FillReport(*reportPage_, CaseTexts());
    platform_->ShowReportPreview(*reportPage_);
}

void TForm1::BitBtn4Click() { platform_->CloseWindow(); }

void TForm1::BitBtnHelpClick()
{
    // Named anew at every press. It is a path from the root of the current
    // drive, which on this platform is the root of the file system.
    helpFile_ = "\\TERVOL1.2.HLP";
    std::string path = helpFile_;
    std::replace(path.begin(), path.end(), '\\', '/');
    platform_->OpenHelpFile(path);
}

void TForm1::BitBtnGemSomClick()
{
    const auto name = platform_->RunSaveDialog(saveName_);
    if (!name)
        return;
    saveName_ = *name;
    casefile::SaveCase(*name, CaseTexts());
}

void TForm1::BitBtnHentSagClick()
{
    const auto name = platform_->RunOpenDialog(openName_);
    if (!name)
        return;
    LoadCaseFile(*name);
}

void TForm1::OpenCase(const std::string& path)
{
    // Opened from outside (the desktop, the command line): saving offers the
    // same name, even when the file could not be read.
    saveName_ = path;
    LoadCaseFile(path);
}

void TForm1::LoadCaseFile(const std::string& path)
{
    openName_ = path;
    // Each line goes into its field as soon as it is read; no calculation.
    casefile::LoadCase(path, [this](int line, const std::string& text) { SetText(kCaseFileOrder[line], text); });
}

void TForm1::BitBtnDellastClick() { platform_->ShowPartLoadStudy(); }
void TForm1::BitBtnSeasonClick() { platform_->ShowHeatingSeason(); }

void TForm1::KeyPress(Field input, char32_t& key) const
{
    funktion::FilterNumericKey(key, Text(input), format_.decimal);
}

void TForm1::Dispatch(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& e) {
        platform_->ShowErrorBox(WithFullStop(e.what()));
    } catch (...) {
        platform_->ShowErrorBox(WithFullStop("Unknown failure"));
    }
}

}  // namespace app
