#include "app/language.h"
#include "tests/support/recording_platform.h"

#include <gtest/gtest.h>

#include <map>
#include <variant>

using app::Button;
using app::Field;
using app::Group;
using app::TForm1;

namespace {

std::vector<std::string> AllCaptions(const StartedForm& s)
{
    std::vector<std::string> out{s.form.Language()};
    for (const auto& info : app::CaseFields())
        out.push_back(s.form.Caption(info.field));
    for (int g = 0; g < app::kGroupCount; ++g)
        out.push_back(s.form.GroupCaption(app::Groups()[g].group));
    for (int b = 0; b < app::kButtonCount; ++b)
        out.push_back(s.form.ButtonCaption(app::Buttons()[b].button));
    for (Field list : {Field::Primery, Field::Sekundery, Field::primery1, Field::Sekundery1}) {
        out.push_back(s.form.Item(list, 0));
        out.push_back(s.form.Item(list, 1));
        out.push_back(s.form.Text(list));
        out.push_back(std::to_string(s.form.ItemIndex(list)));
    }
    for (const auto& [label, caption] : app::kEnglish.report)
        out.push_back(s.page.Caption(label));
    return out;
}

TEST(Language, ListsReturnToTheirRecordedPositions)
{
    struct Case {
        const char* name;
        std::function<void(StartedForm&)> before;
        void (TForm1::*flag)();
        std::vector<std::pair<Field, std::string>> shown;
    } cases[] = {
        {"chosen after start",
         [](StartedForm& s) { s.form.SetItemIndex(Field::Sekundery, 1); },
         &TForm1::BitBtnUKClick,
         {{Field::Sekundery, "Water"}}},
        {"glycol after Beregn Nominel",
         [](StartedForm& s) {
             s.form.SetItemIndex(Field::Primery, 1);
             s.Click(&TForm1::BitBtn1Click);
             s.form.BitBtnUKClick();
         },
         &TForm1::BitBtnDKClick,
         {{Field::Primery, "Glykol"}}},
        {"actual lists keep their own record",
         [](StartedForm& s) {
             s.form.SetItemIndex(Field::primery1, 1);
             s.Click(&TForm1::BitBtn2Click);
         },
         &TForm1::BitBtnUKClick,
         {{Field::primery1, "antifreeze"}, {Field::Primery, "Water"}}},
        {"Beregn Aktuel does not record the nominal lists",
         [](StartedForm& s) {
             s.form.SetItemIndex(Field::Primery, 1);
             s.Click(&TForm1::BitBtn2Click);
         },
         &TForm1::BitBtnUKClick,
         {{Field::Primery, "Water"}}},
        {"typed-over list shows no text",
         [](StartedForm& s) {
             s.form.SetText(Field::Sekundery1, "brine");
             s.Click(&TForm1::BitBtn2Click);
         },
         &TForm1::BitBtnUKClick,
         {{Field::Sekundery1, ""}}},
    };
    for (const Case& c : cases) {
        StartedForm s;
        c.before(s);
        (s.form.*c.flag)();
        for (const auto& [field, text] : c.shown)
            EXPECT_EQ(s.form.Text(field), text) << c.name << " " << app::Info(field).name;
    }
    StartedForm s;
    s.form.SetItemIndex(Field::Primery, 1);
    s.Click(&TForm1::BitBtn1Click);
    s.form.BitBtnUKClick();
    EXPECT_EQ(s.form.Text(Field::Primery), "antifreeze");
    EXPECT_EQ(s.form.ItemIndex(Field::Primery), 1);
}

// A list restored to no selection must not keep showing water while the
// calculation, finding no position, takes the glycol mixture.
TEST(Language, ListRestoredToNoSelectionAsksForAMedium)
{
    const std::pair<const char*, std::function<void(TForm1&)>> backToWater[] = {
        {"typed", [](TForm1& f) { f.SetText(Field::Primery, "Vand"); }},
        {"picked", [](TForm1& f) { f.ChooseItem(Field::Primery, 0); }},
    };
    for (const auto& [how, water] : backToWater) {
        SCOPED_TRACE(how);
        StartedForm s;
        s.form.SetText(Field::Primery, "x");
        s.Click(&TForm1::BitBtn1Click);
        ASSERT_EQ(s.form.PrimeryIndex(), -1);
        water(s.form);
        s.form.BitBtnUKClick();
        EXPECT_EQ(s.form.Text(Field::Primery), "");
        s.form.SetText(Field::EQ_nom, "110");  // would change the flows if it ran
        const auto before = s.form.CaseTexts();
        s.platform.boxes.clear();
        s.Click(&TForm1::BitBtn1Click);
        EXPECT_EQ(s.platform.boxes,
                  (std::vector<RecordingPlatform::Box>{
                      {"information", "All inputs in nominal conditions are necessary for further calculation"}}));
        EXPECT_EQ(s.form.CaseTexts(), before);
    }
}

TEST(Language, SameFlagTwiceEqualsOnce)
{
    for (auto flag : {&TForm1::BitBtnUKClick, &TForm1::BitBtnDKClick}) {
        StartedForm once, twice;
        (once.form.*flag)();
        (twice.form.*flag)();
        twice.form.SetItemIndex(Field::Sekundery, 1);  // reset again by the second press
        (twice.form.*flag)();
        EXPECT_EQ(AllCaptions(once), AllCaptions(twice));
    }
}

// Every caption each flag writes, as written out for the window and the
// report page; the title and the unit labels keep theirs.
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
    for (const bool english : {true, false}) {
        StartedForm s;
        s.form.BitBtnUKClick();  // the Danish set is seen after a switch away and back
        if (!english)
            s.form.BitBtnDKClick();
        const auto pick = [&](const auto& row) { return std::string(english ? row.english : row.danish); };
        for (const auto& row : rows) {
            EXPECT_EQ(s.form.Caption(row.nominal), pick(row));
            EXPECT_EQ(s.form.Caption(row.actual), pick(row));
        }
        for (const auto& f : frames) {
            const std::string shown = std::holds_alternative<Group>(f.control)
                                          ? s.form.GroupCaption(std::get<Group>(f.control))
                                          : s.form.ButtonCaption(std::get<Button>(f.control));
            EXPECT_EQ(shown, pick(f));
        }
        for (const auto& p : page)
            EXPECT_EQ(s.page.Caption(p.label), pick(p)) << p.label;
        for (Field list : {Field::Primery, Field::Sekundery, Field::primery1, Field::Sekundery1}) {
            EXPECT_EQ(s.form.Item(list, 0), english ? "Water" : "Vand");
            EXPECT_EQ(s.form.Item(list, 1), english ? "antifreeze" : "Glykol");
        }
        EXPECT_EQ(s.form.WindowCaption(), "Tervol Program ver. 1.2");
        if (!english) {
            // As the window is created, its row captions are the Danish set but
            // for these blanks.
            StartedForm start;
            const std::map<Field, std::string> differs = {
                {Field::Etsa_nom, "Kold sekundær ind [°C] "}, {Field::Etse_nom, "Varm sekundær ud [°C] "},
                {Field::Etsa, "Kold sekundær ind [°C] "},     {Field::Em_nom, "Logaritmisk middeltemp.  [°C]"},
                {Field::Em, "Logaritmisk middeltemp.  [°C]"},
            };
            for (const auto& info : app::CaseFields()) {
                const auto other = differs.find(info.field);
                EXPECT_EQ(start.form.Caption(info.field),
                          other == differs.end() ? s.form.Caption(info.field) : other->second);
            }
        }
    }
}

}  // namespace
