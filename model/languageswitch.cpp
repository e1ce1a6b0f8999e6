// The flag buttons: write one language's table into the window and the
// report page. The catalogue holds the texts; the order of writing is here.
#include "lang/texts.h"
#include "model/form1.h"
#include "report/quickrptpage.h"

#include <string>
#include <utility>

namespace app {

namespace {

using enum Button;

// The window's buttons and the report's labels in the order a switch writes
// them, which is the order of their captions in the tables.
constexpr std::array<Button, kButtonCount> kButtonsWritten{
    BitBtn1, BitBtn2, BitBtn3, BitBtn4, BitBtnHentSag, BitBtnGemSom, BitBtnHelp, BitBtnDellast, BitBtnSeason};
constexpr std::array<std::string_view, 18> kReportLabelsWritten{
    "QRLabel1", "QRLabel45", "QRLabel46", "QRLbl1",    "QRLabel2",  "QRLabel3",  "QRLabel4",  "QRLabel5",  "QRLabel6",
    "QRLabel7", "QRLabel8",  "QRLabel9",  "QRLabel10", "QRLabel11", "QRLabel12", "QRLabel13", "QRLabel14", "QRLabel15"};

}  // namespace

// Language, row captions, list items, the recorded list positions, group and
// button captions, then the report's captions; always all of them, in this
// order.
void TForm1::SwitchLanguage(lang::Language language)
{
    const lang::Texts& t = lang::TextsOf(language);
    SetLanguage(std::string(t.code));
    for (const FieldInfo& info : CaseFields())
        SetCaption(info.field, std::string(t.window.rows[Index(info.field)]));
    constexpr Field lists[] = {Field::Primery, Field::Sekundery, Field::primery1, Field::Sekundery1};
    for (Field list : lists)
        for (int item = 0; item < 2; ++item)
            SetItem(list, item, std::string(t.window.items[item]));
    // After the items, so that each list shows its item in the new language.
    // A list restored to no selection shows no text: what it showed may name
    // water while the calculation, finding no position, takes the mixture;
    // empty, it makes the presence check ask for a medium.
    const std::pair<Field, int> restored[] = {{Field::Primery, PrimeryIndex()},
                                              {Field::Sekundery, SekunderyIndex()},
                                              {Field::primery1, Primery1Index()},
                                              {Field::Sekundery1, Sekundery1Index()}};
    for (const auto& [list, position] : restored) {
        SetItemIndex(list, position);
        if (position < 0)
            SetText(list, {});
    }
    for (const GroupInfo& g : Groups())
        SetGroupCaption(g.group, std::string(t.window.groups[Index(g.group)]));
    for (size_t i = 0; i < kButtonsWritten.size(); ++i)
        SetButtonCaption(kButtonsWritten[i], std::string(t.window.buttons[i]));
    if (report::Tquickrptpage* page = ReportPage())
        for (size_t i = 0; i < kReportLabelsWritten.size(); ++i)
            page->SetCaption(kReportLabelsWritten[i], std::string(t.report.captions[i]));
}

void TForm1::BitBtnDKClick() { SwitchLanguage(lang::Language::Danish); }
void TForm1::BitBtnUKClick() { SwitchLanguage(lang::Language::English); }

}  // namespace app
