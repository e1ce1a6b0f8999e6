#include "tests/support/recording_platform.h"

#include <gtest/gtest.h>

using app::Field;
using app::TForm1;
using Box = RecordingPlatform::Box;

namespace {

TEST(StartUp, StateRightAfterStart)
{
    StartedForm s;
    EXPECT_EQ(s.form.Language(), "DK");
    EXPECT_EQ(s.form.CaseTexts(),
              (std::array<std::string, app::kFieldCount>{
                  "Vand", "Vand",  "55",    "70",   "40",    "65",    "35",    "1",     "1",    "30.0",
                  "30.0", "1.602", "1.599", "5.00", "11.00", "Vand",  "Vand",  "55",    "73",   "63",
                  "30",   "33.0",  "40.0",  "33.0", "0.560", "0.824", "1.199", "1.451", "5.78", "9.52"}));
    for (Field list : {Field::Primery, Field::Sekundery, Field::primery1, Field::Sekundery1}) {
        EXPECT_EQ(s.form.ItemIndex(list), 0);
        EXPECT_EQ(s.form.Item(list, 1), list == Field::Primery ? "Glykol " : "Glykol");
    }
    EXPECT_EQ(s.form.PrimeryIndex() | s.form.SekunderyIndex() | s.form.Primery1Index() | s.form.Sekundery1Index(), 0);
    EXPECT_TRUE(s.platform.boxes.empty());
}

TEST(StartUp, LocaleWithoutDecimalSeparatorGetsAPoint)
{
    StartedForm s({"", ""});
    EXPECT_EQ(s.form.Text(Field::EV_p_nom), "1.602");
}

TEST(Presence, EmptyInputsStopBeforeAnything)
{
    struct Case {
        Field emptied;
        void (TForm1::*command)();
        const char* danish;
        const char* english;
    } cases[] = {
        {Field::Sekundery, &TForm1::BitBtn1Click, "Alle tallene i nominelle tilstand kræves for en videreberegning",
         "All inputs in nominal conditions are necessary for further calculation"},
        {Field::EPs_nom, &TForm1::BitBtn2Click, "Alle tallene i nominelle tilstand kræves for en videreberegning",
         "All inputs in nominal conditions are necessary for further calculation"},
        {Field::Sekundery1, &TForm1::BitBtn2Click, "Alle tallene i aktuelle tilstand kræves for en videreberegning",
         "All inputs in actual conditions are necessary for further calculation"},
        {Field::Etse, &TForm1::BitBtn2Click, "Alle tallene i aktuelle tilstand kræves for en videreberegning",
         "All inputs in actual conditions are necessary for further calculation"},
    };
    for (const Case& c : cases) {
        for (bool english : {false, true}) {
            StartedForm s;
            if (english)
                s.form.BitBtnUKClick();
            s.form.SetText(Field::EQ_nom, "100");  // would change the nominal results if it ran
            s.form.SetText(c.emptied, "");
            const auto before = s.form.CaseTexts();
            s.Click(c.command);
            EXPECT_EQ(s.platform.boxes, (std::vector<Box>{{"information", english ? c.english : c.danish}}));
            EXPECT_EQ(s.form.CaseTexts(), before);
        }
    }
}

TEST(Commands, RecordedPositions)
{
    StartedForm s;
    s.form.SetItemIndex(Field::primery1, 1);
    s.form.SetItemIndex(Field::Primery, 1);
    s.Click(&TForm1::BitBtn2Click);
    EXPECT_EQ(s.form.Primery1Index(), 1);
    EXPECT_EQ(s.form.PrimeryIndex(), 0);  // only "Beregn Nominel" records the nominal lists
    s.form.SetItemIndex(Field::Sekundery, 1);
    s.form.SetText(Field::EPp_nom, "0");  // recorded even when the run then fails
    s.Click(&TForm1::BitBtn1Click);
    EXPECT_EQ(s.form.PrimeryIndex(), 1);
    EXPECT_EQ(s.form.SekunderyIndex(), 1);
}

TEST(Commands, FailedRunsLeaveResultFieldsAsTheyWere)
{
    struct Case {
        const char* name;
        std::vector<std::pair<Field, const char*>> edits;
        void (TForm1::*command)();
        std::vector<Box> boxes;
        bool nominalRefreshed;
    } cases[] = {
        {"pressure 0",
         {{Field::EQ_nom, "60"}, {Field::EPp_nom, "0"}},
         &TForm1::BitBtn2Click,
         {{"errorbox", "Floating point division by zero."}},
         false},
        {"letter",
         {{Field::EQ_nom, "60"}, {Field::Etpa_nom, "4x"}},
         &TForm1::BitBtn1Click,
         {{"errorbox", "'4x' is not a valid floating point value."}},
         false},
        {"heat 0",
         {{Field::EQ_nom, "60"}, {Field::EQ, "."}},
         &TForm1::BitBtn2Click,
         {{"errorbox", "Invalid floating point operation."}},
         true},
        {"no convergence",
         {{Field::EQ_nom, "60"}, {Field::Etpe, "63.001"}},
         &TForm1::BitBtn2Click,
         {{"plain", "Iterration konvergerer ikke !"}},
         true},
        {"both orders",
         {{Field::EQ_nom, "60"}, {Field::Etpe, "50"}, {Field::Etsa, "70"}, {Field::Etse, "60"}},
         &TForm1::BitBtn2Click,
         {{"error", "Primær temp. frem [°C] skal være større end Varm sekundær ud [°C]"},
          {"error", "Varm sekundær ud [°C] skal være større end Kold sekundær ind [°C] "}},
         true},
        {"glycol limit",
         {{Field::EQ_nom, "60"}, {Field::Etpe, "100.5"}},
         &TForm1::BitBtn2Click,
         {{"information", "Primær temperaturer skal være mindre end 100°C!"}},
         true},
    };
    for (const Case& c : cases) {
        StartedForm s;
        if (std::string(c.name) == "glycol limit")
            s.form.SetItemIndex(Field::primery1, 1);
        for (const auto& [field, text] : c.edits)
            s.form.SetText(field, text);
        const auto before = s.form.CaseTexts();
        s.Click(c.command);
        EXPECT_EQ(s.platform.boxes, c.boxes) << c.name;
        for (int i = 0; i < app::kFieldCount; ++i) {
            const app::FieldInfo& info = app::Info(app::kCaseFileOrder[i]);
            if (info.kind != app::FieldKind::Result)
                continue;
            const bool nominalResult = info.group == app::Group::GroupBox3;
            if (nominalResult && c.nominalRefreshed) {
                EXPECT_EQ(s.form.Text(Field::EUA_nom), "12.00") << c.name;  // 60 kW over 5 K
            } else {
                EXPECT_EQ(s.form.Text(info.field), before[i]) << c.name << " " << info.name;
            }
        }
    }
}

TEST(Commands, NominalOutOfOrderThenActualFromThePreviousNominalState)
{
    StartedForm s;
    s.form.SetText(Field::Etpa_nom, "75");
    s.form.SetText(Field::EQ, "100");
    s.Click(&TForm1::BitBtn2Click);
    ASSERT_EQ(s.platform.boxes.size(), 1u);
    EXPECT_EQ(s.platform.boxes[0].text, "Primær temp. frem [°C] skal være større end Primær temp. retur [°C]");
    EXPECT_EQ(s.form.Text(Field::EAOp_nom), "30.0");  // nominal results untouched
    EXPECT_EQ(s.form.Text(Field::Etpa_beregn), "34.7");
    EXPECT_EQ(s.form.Text(Field::EUA), "14.29");
}

TEST(ErrorBox, FullStopRule)
{
    const std::pair<std::string, std::string> cases[] = {
        {"File not found", "File not found."},
        {"Disk full.", "Disk full."},
        {"Ends in a quote'", "Ends in a quote'"},
        {"Ends in a blank ", "Ends in a blank "},
        {"Ends in a slash/", "Ends in a slash/."},
        {"Ends in a digit 5", "Ends in a digit 5."},
        {"Ends in æ", "Ends in æ."},
        {"", ""},
    };
    for (const auto& [message, shown] : cases)
        EXPECT_EQ(app::WithFullStop(message), shown);
}

struct ListTextCase {
    const char* text;
    int position;
};

TEST(MediumList, WrittenTextSelectsTheItemItNames)
{
    const ListTextCase cases[] = {
        {"Vand", 0},       {"water", 0},      {"WATER  ", 0}, {"Glykol", 1}, {"Glykol ", 1}, {"glykol   ", 1},
        {"antifreeze", 1}, {"Antifreeze", 1}, {"", -1},       {"Vandx", -1}, {" Vand", -1},  {"Glycol", -1},
    };
    for (const ListTextCase& c : cases) {
        StartedForm s;
        s.form.SetText(Field::Sekundery1, c.text);
        EXPECT_EQ(s.form.ItemIndex(Field::Sekundery1), c.position) << "'" << c.text << "'";
        EXPECT_EQ(s.form.Text(Field::Sekundery1), c.text);  // shown as written
    }
}

TEST(Commands, CloseAndHelp)
{
    StartedForm s;
    s.Click(&TForm1::BitBtnHelpClick);
    s.Click(&TForm1::BitBtnHelpClick);
    EXPECT_EQ(s.platform.helpFiles, (std::vector<std::string>{"/TERVOL1.2.HLP", "/TERVOL1.2.HLP"}));
    EXPECT_EQ(s.form.HelpFile(), "\\TERVOL1.2.HLP");
    EXPECT_TRUE(s.platform.boxes.empty());
    s.Click(&TForm1::BitBtn4Click);
    EXPECT_EQ(s.platform.closes, 1);
}

TEST(Commands, PrintShowsTheFieldsOfThePressOnly)
{
    StartedForm s;
    s.Click(&TForm1::BitBtn3Click);
    s.Click(&TForm1::BitBtn3Click);
    ASSERT_EQ(s.platform.previews.size(), 2u);
    EXPECT_EQ(s.platform.previews[0], s.platform.previews[1]);
    EXPECT_EQ(s.platform.previews[0][0], "Vand");
    EXPECT_EQ(s.platform.previews[0][21], "33.0");  // Etpa_beregn, after the actual inputs
    s.form.SetText(Field::EQ, "77");
    EXPECT_EQ(s.page.Caption("EQ"), "55");
    s.Click(&TForm1::BitBtn3Click);
    EXPECT_EQ(s.platform.previews[2][17], "77");
}

}  // namespace

namespace {

TEST(MediumList, ChoosingAnItemShowsItsTextEvenWhenSelected)
{
    StartedForm s;
    s.form.SetText(Field::Primery, "vand");
    ASSERT_EQ(s.form.ItemIndex(Field::Primery), 0);
    s.form.ChooseItem(Field::Primery, 0);
    EXPECT_EQ(s.form.Text(Field::Primery), "Vand");
    s.form.ChooseItem(Field::Primery, 1);
    EXPECT_EQ(s.form.Text(Field::Primery), "Glykol ");
}

TEST(ErrorBox, AFailureOfAnyKindReachesTheBox)
{
    StartedForm s;
    s.form.Dispatch([] { throw 42; });
    EXPECT_EQ(s.platform.boxes, (std::vector<Box>{{"errorbox", "Unknown failure."}}));
}

}  // namespace
