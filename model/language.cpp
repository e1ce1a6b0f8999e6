#include "model/language.h"

#include "model/form1.h"
#include "report/quickrptpage.h"

#include <string>
#include <utility>

namespace app {

using enum Button;

// Laid out as tables, row captions in screen order.
// clang-format off
const LanguageTable kDanish{
    "DK",
    {"Primær flow", "Sekundær flow", "Effekt [kW]", "Primær temp. frem [°C]", "Primær temp. retur [°C]",
     "Kold sekundær ind [°C]", "Varm sekundær ud [°C]", "Primær tryktab i  [bar]", "Sekundær tryktab i  [bar]",
     "Temp. differens primær [°C]", "Temp. differens sekundær [°C]", "Primær vandflow  [m3/h]",
     "Sekundær vandflow  [m3/h]", "Logaritmisk middeltemp. [°C]", "Varmeoverføringsevne [kW/°C]",
     "Primær flow", "Sekundær flow", "Effekt [kW]", "Primær temp. frem [°C]", "Kold sekundær ind [°C]",
     "Varm sekundær ud [°C]", "Primær temp. retur [°C]", "Temp. differens primær [°C]",
     "Temp. differens sekundær [°C]", "Primær tryktab i  [bar]", "Sekundær tryktab i  [bar]",
     "Primær vandflow  [m3/h]", "Sekundær vandflow  [m3/h]", "Logaritmisk middeltemp. [°C]",
     "Varmeoverføringsevne [kW/°C]"},
    {"Vand", "Glykol"},
    {"Beregning af nominel tilstand", "Beregning af aktuel tilstand", "Resultat", "Resultat"},
    {{{BitBtn1, "Beregn Nominel"}, {BitBtn2, "Beregn Aktuel"}, {BitBtn3, "Udskriv"}, {BitBtn4, "Luk"},
      {BitBtnHentSag, "Hent sag"}, {BitBtnGemSom, "Gem som"}, {BitBtnHelp, "Hjælp"},
      {BitBtnDellast, "Dellast"}}},
    {{{"QRLabel1", "Forklaring"}, {"QRLabel45", "Nominelle"}, {"QRLabel46", "Aktuelle"},
      {"QRLbl1", "Primær flow"}, {"QRLabel2", "Sekundær flow"}, {"QRLabel3", "Effekt"},
      {"QRLabel4", "Primær temp. frem"}, {"QRLabel5", "Primær temp. retur"}, {"QRLabel6", "Varm sekundær ud"},
      {"QRLabel7", "Kold sekundær ind"}, {"QRLabel8", "Primær tryktab"}, {"QRLabel9", "Sekundær tryktab"},
      {"QRLabel10", "Temp. differens primær"}, {"QRLabel11", "Temp. differens sekundær"},
      {"QRLabel12", "Primær vandflow"}, {"QRLabel13", "Sekundær vandflow"},
      {"QRLabel14", "Logaritmisk middeltemp."}, {"QRLabel15", "Varmeoverføringsevne"}}},
};

const LanguageTable kEnglish{
    "UK",
    {"Primary fluid (water or antifreeze 40 %)", "Secondary fluid (water or antifreeze)", "Transferred heat (kW)",
     "Primary inlet temperature °C", "Primary outlet temperature °C", "Secondary inlet temperature °C",
     "Secondary outlet temperature °C", "Pressure loss primary side (bars)", "Pressure loss secondary side (bars)",
     "Primary cooling off (K)", "Secondary heating up (K)", "Primary flow (m3/h)", "Secondary flow (m3/h)",
     "Logaritmic temperature difference (K)", "UA overall heat transfer coefficient (kW/K)",
     "Primary fluid (water or antifreeze 40 %)", "Secondary fluid (water or antifreeze)", "Transferred heat (kW)",
     "Primary inlet temperature °C", "Secondary inlet temperature °C", "Secondary outlet temperature °C",
     "Primary outlet temperature °C", "Primary cooling off (K)", "Secondary heating up (K)",
     "Pressure loss primary side (bars)", "Pressure loss secondary side (bars)", "Primary flow (m3/h)",
     "Secondary flow (m3/h)", "Logaritmic temperature difference (K)",
     "UA overall heat transfer coefficient (kW/K)"},
    {"Water", "antifreeze"},
    {"Definition of nominal conditions", "Definition of actual conditions", "Calculation results",
     "Calculation results"},
    {{{BitBtn1, "Calculate nominal"}, {BitBtn2, "Calculate actual"}, {BitBtn3, "Print"}, {BitBtn4, "Close"},
      {BitBtnHentSag, "Open"}, {BitBtnGemSom, "Save as"}, {BitBtnHelp, "Help"},
      {BitBtnDellast, "Part load"}}},
    {{{"QRLabel1", "Explanation"}, {"QRLabel45", "Nominal"}, {"QRLabel46", "Actual"},
      {"QRLbl1", "Primary flow"}, {"QRLabel2", "Secondary flow"}, {"QRLabel3", "Transferred heat"},
      {"QRLabel4", "Primary inlet temperature"}, {"QRLabel5", "Primary outlet temperature"},
      {"QRLabel6", "Secondary outlet temperature"}, {"QRLabel7", "Secondary inlet temperature"},
      {"QRLabel8", "Pressure loss primary side"}, {"QRLabel9", "Pressure loss secondary side"},
      {"QRLabel10", "Primary cooling off"}, {"QRLabel11", "Secondary heating up"}, {"QRLabel12", "Primary flow"},
      {"QRLabel13", "Secondary flow"}, {"QRLabel14", "Logaritmic temperature difference"},
      {"QRLabel15", "UA overall heat transfer coefficient"}}},
};
// clang-format on

void SwitchLanguage(TForm1& form, const LanguageTable& t)
{
    form.SetLanguage(std::string(t.language));
    for (const FieldInfo& info : CaseFields())
        form.SetCaption(info.field, std::string(t.rowCaptions[Index(info.field)]));
    constexpr Field lists[] = {Field::Primery, Field::Sekundery, Field::primery1, Field::Sekundery1};
    for (Field list : lists)
        for (int item = 0; item < 2; ++item)
            form.SetItem(list, item, std::string(t.items[item]));
    // After the items, so that each list shows its item in the new language.
    // A list restored to no selection shows no text: what it showed may name
    // water while the calculation, finding no position, takes the mixture;
    // empty, it makes the presence check ask for a medium.
    const std::pair<Field, int> restored[] = {{Field::Primery, form.PrimeryIndex()},
                                              {Field::Sekundery, form.SekunderyIndex()},
                                              {Field::primery1, form.Primery1Index()},
                                              {Field::Sekundery1, form.Sekundery1Index()}};
    for (const auto& [list, position] : restored) {
        form.SetItemIndex(list, position);
        if (position < 0)
            form.SetText(list, {});
    }
    for (const GroupInfo& g : Groups())
        form.SetGroupCaption(g.group, std::string(t.groups[Index(g.group)]));
    for (const auto& [button, caption] : t.buttons)
        form.SetButtonCaption(button, std::string(caption));
    if (report::Tquickrptpage* page = form.ReportPage())
        for (const auto& [label, caption] : t.report)
            page->SetCaption(label, std::string(caption));
}

}  // namespace app
