// The main window's model: every text of a case, the captions, the language
// and the recorded list positions, and the handlers of the window's commands.
// It runs without a screen; the Qt binding shows it and feeds edits back.
#pragma once

#include "calc/actual.h"
#include "calc/nominal.h"
#include "calc/numtext.h"
#include "lang/language.h"
#include "model/casefields.h"
#include "model/platform.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace report {
class Tquickrptpage;
}

namespace app {

struct MediumList {
    std::array<std::string, 2> items;  // 0 water, 1 glycol mixture
    int position = -1;                 // -1: no item selected
};

// The inputs of each state, medium lists included, in screen order: what
// the presence check of a calculation reads.
inline constexpr std::array<Field, 9> kNominalInputs{Field::Primery,  Field::Sekundery, Field::EQ_nom,
                                                     Field::Etpe_nom, Field::Etpa_nom,  Field::Etsa_nom,
                                                     Field::Etse_nom, Field::EPp_nom,   Field::EPs_nom};
inline constexpr std::array<Field, 6> kActualInputs{Field::primery1, Field::Sekundery1, Field::EQ,
                                                    Field::Etpe,     Field::Etsa,       Field::Etse};

// Form1, the main window (TForm1 is its class).
class TForm1 {
public:
    explicit TForm1(Platform& platform, const calc::NumberFormat& format = {});
    // A copy of every text, caption and value that shows its boxes on another
    // platform and tells no listener: the part-load study computes on one.
    TForm1(const TForm1& other, Platform& platform);

    // ---- field texts (input fields, medium lists and result fields alike)
    const std::string& Text(Field f) const;
    // Writing a list's text selects the item that text names in either
    // language (case and trailing blanks ignored) and keeps the text as
    // written; any other text leaves the list without a selection.
    void SetText(Field f, const std::string& text);

    // ---- medium lists
    int ItemIndex(Field list) const;
    // Selects the item and shows its text; -1 selects none and empties the
    // text. Setting the position the list already has changes nothing.
    void SetItemIndex(Field list, int position);
    // The user picks an item from the drop-down: the list shows that item's
    // text, also when the item was selected already.
    void ChooseItem(Field list, int item);
    const std::string& Item(Field list, int item) const;
    // Replacing the selected item's text leaves the list without a selection
    // (the shown text stays), as the classic list control does.
    void SetItem(Field list, int item, const std::string& text);

    // ---- captions
    const std::string& Caption(Field rowOf) const;  // the row label beside the field
    void SetCaption(Field rowOf, const std::string& caption);
    const std::string& GroupCaption(Group g) const;
    void SetGroupCaption(Group g, const std::string& caption);
    const std::string& ButtonCaption(Button b) const;
    void SetButtonCaption(Button b, const std::string& caption);
    std::string_view WindowCaption() const { return kWindowCaption; }

    // ---- values kept beside the fields
    const std::string& Language() const { return language_; }
    void SetLanguage(const std::string& language);
    int PrimeryIndex() const { return primeryIndex_; }
    int SekunderyIndex() const { return sekunderyIndex_; }
    int Primery1Index() const { return primery1Index_; }
    int Sekundery1Index() const { return sekundery1Index_; }
    const calc::NominalState& NominalState() const { return nominal_; }
    const calc::NumberFormat& Format() const { return format_; }
    // The locale's separators, read at start and whenever the locale changes.
    void SetNumberFormat(const calc::NumberFormat& format);
    const std::string& OpenDialogName() const { return openName_; }
    const std::string& SaveDialogName() const { return saveName_; }
    const std::string& HelpFile() const { return helpFile_; }

    // The report page, created after the window; printing and language
    // switching use it.
    void AttachReportPage(report::Tquickrptpage* page) { reportPage_ = page; }
    report::Tquickrptpage* ReportPage() const { return reportPage_; }

    // ---- handlers; each may throw, Dispatch shows what it throws
    void FormCreate();
    void BitBtn1Click();     // "Beregn Nominel"
    void BitBtn2Click();     // "Beregn Aktuel"
    void BeregnNom1Click();  // the nominal command: presence check, then BeregnNominel
    void Aktuel1Click();     // the actual command: presence check, then BeregnAktuel
    void BeregnNominel();    // the nominal calculation ("beregn": calculate)
    void BeregnAktuel();     // the nominal, then the actual-state calculation
    // The actual-state half of BeregnAktuel, on the nominal state as it
    // stands: writes and returns the results, nothing when a check stopped it.
    std::optional<calc::ActualResult> ComputeActual();
    // The presence check of a calculation command; shows its message.
    bool InputsPresent(bool withActual);
    void BitBtn3Click();        // "Udskriv"
    void BitBtn4Click();        // "Luk"
    void BitBtnHelpClick();     // "Hjælp"
    void BitBtnHentSagClick();  // "Hent sag"
    void BitBtnGemSomClick();   // "Gem som"
    void BitBtnDKClick();       // the Danish flag
    void BitBtnUKClick();       // the British flag
    // What a flag does: that language's captions, list items and report
    // captions, the recorded list positions restored.
    void SwitchLanguage(lang::Language language);
    void BitBtnDellastClick();  // "Dellast": the part-load study
    void BitBtnSeasonClick();   // "Fyringssæson": the heating season
    // "Hent sag" without its dialog, for a case named when the program starts.
    void OpenCase(const std::string& path);
    // The key handler of an input field (EQ_nomKeyPress ... EtseKeyPress are
    // this one for their field): sets the key to 0 to drop it, or to the
    // character the field takes instead.
    void KeyPress(Field input, char32_t& key) const;

    // Runs a handler; a failure it leaves unhandled ends it there and is
    // shown in the error box, after which the window goes on.
    void Dispatch(const std::function<void()>& handler);

    // Called after every change of a text, list, caption or the language.
    void SetChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }
    // A second one, for the part-load study window, which follows the
    // language and captions while it is open.
    void SetStudyListener(std::function<void()> listener) { studyListener_ = std::move(listener); }

    // The texts of all thirty fields in case-file order.
    std::array<std::string, kFieldCount> CaseTexts() const;

private:
    MediumList& List(Field f);
    const MediumList& List(Field f) const;
    calc::Environment Env();
    void LoadCaseFile(const std::string& path);
    void Changed();

    Platform* platform_;  // never null
    calc::NumberFormat format_;
    std::array<std::string, kFieldCount> texts_;
    std::array<MediumList, kFieldCount> lists_;  // used for the four list fields only
    std::array<std::string, kFieldCount> captions_;
    std::array<std::string, kGroupCount> groupCaptions_;
    std::array<std::string, kButtonCount> buttonCaptions_;
    std::string language_ = "DK";
    int primeryIndex_ = 0, sekunderyIndex_ = 0, primery1Index_ = 0, sekundery1Index_ = 0;
    calc::NominalState nominal_;
    std::string openName_, saveName_, helpFile_;
    report::Tquickrptpage* reportPage_ = nullptr;
    std::function<void()> listener_, studyListener_;
};

// The error box's text: the message with a full stop added when its last
// character sorts above ".".
std::string WithFullStop(const std::string& message);

}  // namespace app
