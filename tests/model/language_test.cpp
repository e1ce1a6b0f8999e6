#include "model/form1.h"
#include "model/helpindex.h"
#include "study/studyform.h"
#include "tests/support/recording_platform.h"

#include <gtest/gtest.h>

#include <map>
#include <variant>

using app::Button;
using app::Field;
using app::Group;
using app::TForm1;

namespace {

// A flag restores the positions the last "Beregn Nominel" (nominal lists) or
// "Beregn Aktuel" (actual lists) recorded, even when that run then failed; a
// list restored to no selection shows no text rather than a medium.
TEST(Language, ListsReturnToTheirRecordedPositions)
{
    const auto nom = &TForm1::BitBtn1Click, act = &TForm1::BitBtn2Click;
    // the list, its text before the command and after it, what the flag shows
    const std::tuple<Field, const char*, void (TForm1::*)(), const char*, const char*> cases[] = {
        {Field::Sekundery, "Glykol", nullptr, nullptr, "Water"},  // chosen after start
        {Field::Primery, "Glykol", nom, nullptr, "antifreeze"},
        {Field::primery1, "Glykol", act, nullptr, "antifreeze"},
        {Field::Primery, "Glykol", act, nullptr, "Water"},  // Beregn Aktuel does not record the nominal lists
        {Field::Sekundery1, "brine", act, nullptr, ""},
        {Field::Primery, "x", nom, "Vand", ""},
    };
    for (const auto& [list, before, command, after, shown] : cases) {
        StartedForm s;
        s.form.SetText(Field::EPp_nom, "0");  // every run fails after recording
        s.form.SetText(list, before);
        if (command)
            s.Click(command);
        if (after)
            s.form.SetText(list, after);
        s.form.BitBtnUKClick();
        EXPECT_EQ(s.form.Text(list), shown) << app::Info(list).name << " " << before;
    }
}

// Every caption each flag writes on the window and the report page; the
// title and the unit labels keep theirs.
TEST(Language, EveryCaptionAfterEachFlag)
{
    const struct {
        Field nominal, actual;  // both rows carry the caption
        const char *danish, *english;
    } rows[] = {
        {Field::Primery, Field::primery1, "Primær flow", "Primary fluid (water or antifreeze 40 %)"},
        {Field::Sekundery, Field::Sekundery1, "Sekundær flow", "Secondary fluid (water or antifreeze)"},
        {Field::EQ_nom, Field::EQ, "Effekt [kW]", "Transferred heat (kW)"},
        {Field::Etpe_nom, Field::Etpe, "Primær temp. frem [°C]", "Primary inlet temperature °C"},
        {Field::Etpa_nom, Field::Etpa_beregn, "Primær temp. retur [°C]", "Primary outlet temperature °C"},
        {Field::Etsa_nom, Field::Etsa, "Kold sekundær ind [°C]", "Secondary inlet temperature °C"},
        {Field::Etse_nom, Field::Etse, "Varm sekundær ud [°C]", "Secondary outlet temperature °C"},
        {Field::EPp_nom, Field::EP_p, "Primær tryktab i  [bar]", "Pressure loss primary side (bars)"},
        {Field::EPs_nom, Field::EP_s, "Sekundær tryktab i  [bar]", "Pressure loss secondary side (bars)"},
        {Field::EAOp_nom, Field::EAOp, "Temp. differens primær [°C]", "Primary cooling off (K)"},
        {Field::EAOs_nom, Field::EAOs, "Temp. differens sekundær [°C]", "Secondary heating up (K)"},
        {Field::EV_p_nom, Field::EV_p, "Primær vandflow  [m3/h]", "Primary flow (m3/h)"},
        {Field::EV_s_nom, Field::EV_s, "Sekundær vandflow  [m3/h]", "Secondary flow (m3/h)"},
        {Field::Em_nom, Field::Em, "Logaritmisk middeltemp. [°C]", "Logaritmic temperature difference (K)"},
        {Field::EUA_nom, Field::EUA, "Varmeoverføringsevne [kW/°C]", "UA overall heat transfer coefficient (kW/K)"},
    };
    // As the window is created, its row captions are the Danish set but for these blanks.
    const std::map<Field, std::string> atStart = {
        {Field::Etsa_nom, "Kold sekundær ind [°C] "}, {Field::Etse_nom, "Varm sekundær ud [°C] "},
        {Field::Etsa, "Kold sekundær ind [°C] "},     {Field::Em_nom, "Logaritmisk middeltemp.  [°C]"},
        {Field::Em, "Logaritmisk middeltemp.  [°C]"},
    };
    const struct {
        std::variant<Group, Button> control;
        const char *danish, *english;
    } frames[] = {
        {Group::GroupBox1, "Beregning af nominel tilstand", "Definition of nominal conditions"},
        {Group::GroupBox2, "Beregning af aktuel tilstand", "Definition of actual conditions"},
        {Group::GroupBox3, "Resultat", "Calculation results"},
        {Group::GroupBox4, "Resultat", "Calculation results"},
        {Button::BitBtn1, "Beregn Nominel", "Calculate nominal"},
        {Button::BitBtn2, "Beregn Aktuel", "Calculate actual"},
        {Button::BitBtn3, "Udskriv", "Print"},
        {Button::BitBtn4, "Luk", "Close"},
        {Button::BitBtnHentSag, "Hent sag", "Open"},
        {Button::BitBtnGemSom, "Gem som", "Save as"},
        {Button::BitBtnHelp, "Hjælp", "Help"},
        {Button::BitBtnDellast, "Dellast", "Part load"},
    };
    const struct {
        const char *label, *danish, *english;
    } page[] = {
        {"QRLabel1", "Forklaring", "Explanation"},
        {"QRLabel45", "Nominelle", "Nominal"},
        {"QRLabel46", "Aktuelle", "Actual"},
        {"QRLbl1", "Primær flow", "Primary flow"},
        {"QRLabel2", "Sekundær flow", "Secondary flow"},
        {"QRLabel3", "Effekt", "Transferred heat"},
        {"QRLabel4", "Primær temp. frem", "Primary inlet temperature"},
        {"QRLabel5", "Primær temp. retur", "Primary outlet temperature"},
        {"QRLabel6", "Varm sekundær ud", "Secondary outlet temperature"},
        {"QRLabel7", "Kold sekundær ind", "Secondary inlet temperature"},
        {"QRLabel8", "Primær tryktab", "Pressure loss primary side"},
        {"QRLabel9", "Sekundær tryktab", "Pressure loss secondary side"},
        {"QRLabel10", "Temp. differens primær", "Primary cooling off"},
        {"QRLabel11", "Temp. differens sekundær", "Secondary heating up"},
        {"QRLabel12", "Primær vandflow", "Primary flow"},
        {"QRLabel13", "Sekundær vandflow", "Secondary flow"},
        {"QRLabel14", "Logaritmisk middeltemp.", "Logaritmic temperature difference"},
        {"QRLabel15", "Varmeoverføringsevne", "UA overall heat transfer coefficient"},
        {"QRLabel17", "Tervol Program version 1.2 for windows", "Tervol Program version 1.2 for windows"},
        {"QRLabel22", "°C  ", "°C  "},
        {"QRLabel39", "kW/°C ", "kW/°C "},
    };
    const StartedForm start;
    for (const auto& row : rows) {
        for (Field f : {row.nominal, row.actual})
            EXPECT_EQ(start.form.Caption(f), atStart.contains(f) ? atStart.at(f) : row.danish);
    }
    for (const bool english : {true, false}) {
        // The Danish set is seen after a switch away and back; a second press
        // of a flag changes no caption and resets the lists again.
        StartedForm s;
        s.form.BitBtnUKClick();
        s.form.SetItemIndex(Field::Sekundery, 1);
        s.form.BitBtnUKClick();
        if (!english)
            s.form.BitBtnDKClick();
        const auto pick = [&](const auto& row) { return std::string(english ? row.english : row.danish); };
        for (const auto& row : rows) {
            EXPECT_EQ(s.form.Caption(row.nominal), pick(row));
            EXPECT_EQ(s.form.Caption(row.actual), pick(row));
        }
        for (const auto& f : frames) {
            const auto* group = std::get_if<Group>(&f.control);
            EXPECT_EQ(group ? s.form.GroupCaption(*group) : s.form.ButtonCaption(std::get<Button>(f.control)), pick(f));
        }
        for (const auto& p : page)
            EXPECT_EQ(s.page.Caption(p.label), pick(p)) << p.label;
        for (Field list : {Field::Primery, Field::Sekundery, Field::primery1, Field::Sekundery1}) {
            EXPECT_EQ(s.form.Item(list, 0), english ? "Water" : "Vand");
            EXPECT_EQ(s.form.Item(list, 1), english ? "antifreeze" : "Glykol");
            EXPECT_EQ(s.form.Text(list), english ? "Water" : "Vand");
        }
        EXPECT_EQ(s.form.WindowCaption(), "Tervol Program ver. 1.2");
    }
}

// A message box speaks only "DK" or "UK" and shows nothing for any other
// code; the windows' own texts read the Danish table then.
TEST(Language, AnUnknownCodeShowsNoMessageAndDanishCaptions)
{
    const struct {
        const char* code;
        std::vector<std::string> missing, order;
    } cases[] = {
        {"DK",
         {"Alle tallene i nominelle tilstand kræves for en videreberegning"},
         {"Primær temp. frem [°C] skal være større end Primær temp. retur [°C]"}},
        {"UK",
         {"All inputs in nominal conditions are necessary for further calculation"},
         {"Primær temp. frem [°C] must be greater than Primær temp. retur [°C]"}},
        {"XX", {}, {}},
        {"uk", {}, {}},
    };
    for (const auto& c : cases) {
        StartedForm s;
        s.form.SetLanguage(c.code);
        s.form.SetText(Field::EQ_nom, "");
        s.Click(&TForm1::BitBtn1Click);
        EXPECT_EQ(s.platform.TakeTexts(), c.missing) << c.code;
        s.form.SetText(Field::EQ_nom, "55");
        s.form.SetText(Field::Etpa_nom, "80");
        s.Click(&TForm1::BitBtn1Click);
        EXPECT_EQ(s.platform.TakeTexts(), c.order) << c.code;
    }
    EXPECT_EQ(app::HelpTextsFor("XX").title, "Tervol – Hjælp");
    EXPECT_EQ(app::HelpTextsFor("UK").title, "Tervol – Help");
    EXPECT_EQ(study::CaptionsFor("XX").title, "Tervol – Dellast");
    EXPECT_EQ(study::CaptionsFor("UK").title, "Tervol – Part load");
}

}  // namespace
