#include "model/casefields.h"

namespace app {

namespace {

using enum Field;
using enum FieldKind;
using enum Group;

// Blanks in the captions are as the window carries them at creation.
constexpr std::array<FieldInfo, kFieldCount> kFields{{
    {Primery, "Primery", MediumList, GroupBox1, 0, "Label1", "Primær flow", "Vand"},
    {Sekundery, "Sekundery", MediumList, GroupBox1, 1, "Label2", "Sekundær flow", "Vand"},
    {EQ_nom, "EQ_nom", Input, GroupBox1, 2, "Label3", "Effekt [kW]", "55"},
    {Etpe_nom, "Etpe_nom", Input, GroupBox1, 3, "Label4", "Primær temp. frem [°C]", "70"},
    {Etpa_nom, "Etpa_nom", Input, GroupBox1, 4, "Label5", "Primær temp. retur [°C]", "40"},
    {Etsa_nom, "Etsa_nom", Input, GroupBox1, 5, "Label6", "Kold sekundær ind [°C] ", "35"},
    {Etse_nom, "Etse_nom", Input, GroupBox1, 6, "Label7", "Varm sekundær ud [°C] ", "65"},
    {EPp_nom, "EPp_nom", Input, GroupBox1, 7, "Label8", "Primær tryktab i  [bar]", "1"},
    {EPs_nom, "EPs_nom", Input, GroupBox1, 8, "Label9", "Sekundær tryktab i  [bar]", "1"},
    {EAOp_nom, "EAOp_nom", Result, GroupBox3, 0, "Label10", "Temp. differens primær [°C]", ""},
    {EAOs_nom, "EAOs_nom", Result, GroupBox3, 1, "Label11", "Temp. differens sekundær [°C]", ""},
    {EV_p_nom, "EV_p_nom", Result, GroupBox3, 2, "Label12", "Primær vandflow  [m3/h]", ""},
    {EV_s_nom, "EV_s_nom", Result, GroupBox3, 3, "Label13", "Sekundær vandflow  [m3/h]", ""},
    {Em_nom, "Em_nom", Result, GroupBox3, 4, "Label14", "Logaritmisk middeltemp.  [°C]", ""},
    {EUA_nom, "EUA_nom", Result, GroupBox3, 5, "Label15", "Varmeoverføringsevne [kW/°C]", ""},
    {primery1, "primery1", MediumList, GroupBox2, 0, "Label16", "Primær flow", "Vand"},
    {Sekundery1, "Sekundery1", MediumList, GroupBox2, 1, "Label17", "Sekundær flow", "Vand"},
    {EQ, "EQ", Input, GroupBox2, 2, "Label18", "Effekt [kW]", "55"},
    {Etpe, "Etpe", Input, GroupBox2, 3, "Label19", "Primær temp. frem [°C]", "73"},
    {Etsa, "Etsa", Input, GroupBox2, 4, "Label21", "Kold sekundær ind [°C] ", "30"},
    {Etse, "Etse", Input, GroupBox2, 5, "Label20", "Varm sekundær ud [°C]", "63"},
    {Etpa_beregn, "Etpa_beregn", Result, GroupBox4, 0, "Label22", "Primær temp. retur [°C]", ""},
    {EAOp, "EAOp", Result, GroupBox4, 1, "Label23", "Temp. differens primær [°C]", ""},
    {EAOs, "EAOs", Result, GroupBox4, 2, "Label24", "Temp. differens sekundær [°C]", ""},
    {EP_p, "EP_p", Result, GroupBox4, 3, "Label25", "Primær tryktab i  [bar]", ""},
    {EP_s, "EP_s", Result, GroupBox4, 4, "Label26", "Sekundær tryktab i  [bar]", ""},
    {EV_p, "EV_p", Result, GroupBox4, 5, "Label27", "Primær vandflow  [m3/h]", ""},
    {EV_s, "EV_s", Result, GroupBox4, 6, "Label28", "Sekundær vandflow  [m3/h]", ""},
    {Em, "Em", Result, GroupBox4, 7, "Label29", "Logaritmisk middeltemp.  [°C]", ""},
    {EUA, "EUA", Result, GroupBox4, 8, "Label30", "Varmeoverføringsevne [kW/°C]", ""},
}};

constexpr std::array<GroupInfo, kGroupCount> kGroups{{
    {GroupBox1, "GroupBox1", "Beregning af nominel tilstand"},
    {GroupBox2, "GroupBox2", "Beregning af aktuel tilstand"},
    {GroupBox3, "GroupBox3", "Resultat"},
    {GroupBox4, "GroupBox4", "Resultat"},
}};

constexpr std::array<ButtonInfo, kButtonCount> kButtons{{
    {Button::BitBtn1, "BitBtn1", "Beregn Nominel"},
    {Button::BitBtn2, "BitBtn2", "Beregn Aktuel"},
    {Button::BitBtnHentSag, "BitBtnHentSag", "Hent sag"},
    {Button::BitBtnGemSom, "BitBtnGemSom", "Gem som"},
    {Button::BitBtn3, "BitBtn3", "Udskriv"},
    {Button::BitBtnHelp, "BitBtnHelp", "Hjælp"},
    {Button::BitBtn4, "BitBtn4", "Luk"},
    {Button::BitBtnDellast, "BitBtnDellast", "Dellast"},
    {Button::BitBtnSeason, "BitBtnSeason", "Fyringssæson"},
}};

}  // namespace

// Outlet before inlet in both states, and the computed return temperature
// after the actual inputs: the order files have always had.
const std::array<Field, kFieldCount> kCaseFileOrder{
    Primery,  Sekundery,   EQ_nom,   Etpe_nom, Etpa_nom, Etse_nom, Etsa_nom,   EPp_nom, EPs_nom, EAOp_nom,
    EAOs_nom, EV_p_nom,    EV_s_nom, Em_nom,   EUA_nom,  primery1, Sekundery1, EQ,      Etpe,    Etse,
    Etsa,     Etpa_beregn, EAOp,     EAOs,     EP_p,     EP_s,     EV_p,       EV_s,    Em,      EUA,
};

const std::array<FieldInfo, kFieldCount>& CaseFields() { return kFields; }
const FieldInfo& Info(Field f) { return kFields[Index(f)]; }
const std::array<GroupInfo, kGroupCount>& Groups() { return kGroups; }
const std::array<ButtonInfo, kButtonCount>& Buttons() { return kButtons; }

}  // namespace app
