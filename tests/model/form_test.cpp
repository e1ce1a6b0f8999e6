#include "tests/support/recording_platform.h"
#include "tests/support/scratch_dir.h"

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
    EXPECT_EQ(StartedForm({"", ""}).form.Text(Field::EV_p_nom), "1.602");  // a locale without a decimal separator
}

// Every message of both calculations in both languages. The Danish rows
// switch with the flag first, so the captions are the table's, without the
// start captions' trailing blanks (one row keeps those). Each run leaves every
// field as it was: the stops come before any result is written, and a
// refreshed nominal state shows what it showed before.
TEST(Messages, EveryTextInBothLanguages)
{
    const auto dk = &TForm1::BitBtnDKClick, uk = &TForm1::BitBtnUKClick;
    const auto nom = &TForm1::BitBtn1Click, act = &TForm1::BitBtn2Click;
    const std::string nomDK = "Alle tallene i nominelle tilstand kræves for en videreberegning";
    const std::string nomUK = "All inputs in nominal conditions are necessary for further calculation";
    const std::string actDK = "Alle tallene i aktuelle tilstand kræves for en videreberegning";
    const std::string actUK = "All inputs in actual conditions are necessary for further calculation";
    const std::string l100DK = "Primær temperaturer skal være mindre end 100°C!";
    const std::string l100UK = "Primary inlet temperature°C must be less than 100°C!";
    const std::string l180DK = "Primær temperaturer skal være mindre end 180°C!";
    const std::string l180UK = "Primary inlet temperature°C must be less than 180°C!";
    // supply/return, warm/cold, supply/warm
    const std::string srDK = "Primær temp. frem [°C] skal være større end Primær temp. retur [°C]";
    const std::string srUK = "Primary inlet temperature °C must be greater than Primary outlet temperature °C";
    const std::string wcDK = "Varm sekundær ud [°C] skal være større end Kold sekundær ind [°C]";
    const std::string wcUK = "Secondary outlet temperature °C must be greater than Secondary inlet temperature °C";
    const std::string swDK = "Primær temp. frem [°C] skal være større end Varm sekundær ud [°C]";
    const std::string swUK = "Primary inlet temperature °C must be greater than Secondary outlet temperature °C";
    const std::string wcStart = "Varm sekundær ud [°C]  skal være større end Kold sekundær ind [°C] ";
    const std::vector<std::pair<Field, const char*>> nomOrder = {
        {Field::Etpe_nom, "40"}, {Field::Etpa_nom, "70"}, {Field::Etsa_nom, "65"}, {Field::Etse_nom, "50"}};
    const std::vector<std::pair<Field, const char*>> actOrder = {
        {Field::Etpe, "50"}, {Field::Etsa, "70"}, {Field::Etse, "60"}};
    const struct {
        void (TForm1::*flag)();  // none: the captions as the window is created
        std::vector<std::pair<Field, const char*>> edits;
        void (TForm1::*command)();
        const char* kind;
        std::vector<std::string> texts;
    } cases[] = {
        // Both groups incomplete: only the nominal group is named.
        {dk, {{Field::EQ_nom, ""}, {Field::Etse, ""}}, act, "information", {nomDK}},
        {uk, {{Field::Sekundery, ""}, {Field::EQ, ""}}, act, "information", {nomUK}},
        {dk, {{Field::EPs_nom, ""}}, nom, "information", {nomDK}},
        // EQ_nom 100 would change the nominal results if anything ran.
        {dk, {{Field::EQ_nom, "100"}, {Field::Etse, ""}}, act, "information", {actDK}},
        {uk, {{Field::EQ_nom, "100"}, {Field::Sekundery1, ""}}, act, "information", {actUK}},
        {dk, {{Field::Primery, "Glykol"}, {Field::Etpe_nom, "100.5"}}, nom, "information", {l100DK}},
        {uk, {{Field::Primery, "antifreeze"}, {Field::Etpe_nom, "100.5"}}, nom, "information", {l100UK}},
        {dk, {{Field::Etpe_nom, "180.5"}}, nom, "information", {l180DK}},
        {uk, {{Field::Etpe_nom, "180.5"}}, nom, "information", {l180UK}},
        {dk, {{Field::primery1, "Glykol"}, {Field::Etpe, "100.5"}}, act, "information", {l100DK}},
        {uk, {{Field::primery1, "antifreeze"}, {Field::Etpe, "100.5"}}, act, "information", {l100UK}},
        {dk, {{Field::Etpe, "180.5"}}, act, "information", {l180DK}},
        {uk, {{Field::Etpe, "180.5"}}, act, "information", {l180UK}},
        {dk, nomOrder, nom, "error", {srDK, wcDK, swDK}},
        {uk, nomOrder, nom, "error", {srUK, wcUK, swUK}},
        {nullptr, {{Field::Etsa_nom, "65"}, {Field::Etse_nom, "35"}}, nom, "error", {wcStart}},
        {dk, actOrder, act, "error", {swDK, wcDK}},
        {uk, actOrder, act, "error", {swUK, wcUK}},
        {dk, {{Field::Etpe, "63.001"}}, act, "plain", {"Iterration konvergerer ikke !"}},
        {uk, {{Field::Etpe, "63.001"}}, act, "plain", {"Iterration konvergerer ikke !"}},
    };
    for (const auto& c : cases) {
        StartedForm s;
        if (c.flag)
            (s.form.*c.flag)();
        for (const auto& [field, text] : c.edits)
            s.form.SetText(field, text);
        const auto before = s.form.CaseTexts();
        s.Click(c.command);
        std::vector<Box> expected;
        for (const std::string& text : c.texts)
            expected.push_back({c.kind, text});
        EXPECT_EQ(s.platform.boxes, expected);
        EXPECT_EQ(s.form.CaseTexts(), before) << c.texts.front();
    }
}

// EQ_nom 60 changes the nominal results wherever the nominal run completes.
TEST(Commands, FailedRunsLeaveResultFieldsAsTheyWere)
{
    const auto nom = &TForm1::BitBtn1Click, act = &TForm1::BitBtn2Click;
    const struct {
        Field field;
        const char* text;
        void (TForm1::*command)();
        Box box;
        bool nominalRefreshed;
    } cases[] = {
        {Field::EPp_nom, "0", act, {"errorbox", "Floating point division by zero."}, false},
        {Field::Etpa_nom, "4x", nom, {"errorbox", "'4x' is not a valid floating point value."}, false},
        {Field::EQ, ".", act, {"errorbox", "Invalid floating point operation."}, true},
        {Field::Etpe, "63.001", act, {"plain", "Iterration konvergerer ikke !"}, true},
    };
    for (const auto& c : cases) {
        StartedForm s;
        s.form.SetText(Field::EQ_nom, "60");
        s.form.SetText(c.field, c.text);
        const auto before = s.form.CaseTexts();
        s.Click(c.command);
        ASSERT_FALSE(s.platform.boxes.empty()) << c.box.text;
        EXPECT_EQ(s.platform.boxes.front(), c.box);
        // Case-file order: the nominal results are lines 10 to 15, the actual ones 22 to 30.
        const auto after = s.form.CaseTexts();
        for (int i = 9; i < 30; ++i)
            EXPECT_TRUE(after[i] == before[i] || (c.nominalRefreshed && i < 15)) << c.box.text << " line " << i + 1;
        EXPECT_EQ(after[14] == "12.00", c.nominalRefreshed) << c.box.text;  // EUA_nom: 60 kW over 5 K
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

// A full stop is added after a letter, digit or slash only.
TEST(ErrorBox, FullStopRule)
{
    for (const std::string m : {"File not found", "Slash/", "Digit 5", "Ends in æ"})
        EXPECT_EQ(app::WithFullStop(m), m + ".");
    for (const std::string m : {"Disk full.", "Quote'", "Blank ", ""})
        EXPECT_EQ(app::WithFullStop(m), m);
    StartedForm s;
    s.form.Dispatch([] { throw 42; });  // a failure of any kind reaches the box
    EXPECT_EQ(s.platform.boxes, (std::vector<Box>{{"errorbox", "Unknown failure."}}));
}

TEST(MediumList, WrittenTextSelectsTheItemItNames)
{
    const std::pair<const char*, int> cases[] = {
        {"Vand", 0},       {"water", 0},      {"WATER  ", 0}, {"Glykol", 1}, {"Glykol ", 1}, {"glykol   ", 1},
        {"antifreeze", 1}, {"Antifreeze", 1}, {"", -1},       {"Vandx", -1}, {" Vand", -1},  {"Glycol", -1},
    };
    for (const auto& [text, position] : cases) {
        StartedForm s;
        s.form.SetText(Field::Sekundery1, text);
        EXPECT_EQ(s.form.ItemIndex(Field::Sekundery1), position) << "'" << text << "'";
        EXPECT_EQ(s.form.Text(Field::Sekundery1), text);  // shown as written
    }
    StartedForm s;  // an item chosen shows its own text, even when already selected
    s.form.SetText(Field::Primery, "vand");
    ASSERT_EQ(s.form.ItemIndex(Field::Primery), 0);
    s.form.ChooseItem(Field::Primery, 0);
    EXPECT_EQ(s.form.Text(Field::Primery), "Vand");
    s.form.ChooseItem(Field::Primery, 1);
    EXPECT_EQ(s.form.Text(Field::Primery), "Glykol ");
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

// An English window writes the English medium names; read back, any
// language's name selects its item (see the medium list rows).
TEST(CaseFiles, DialogsOfferTheirLastNames)
{
    const support::ScratchDir dir;
    StartedForm s;
    s.form.BitBtnUKClick();
    s.form.SetItemIndex(Field::Sekundery1, 1);
    s.platform.dialogAnswers = {dir.File("one.tvl"), std::nullopt, dir.File("one.tvl")};
    s.Click(&TForm1::BitBtnGemSomClick);
    EXPECT_NE(dir.Read("one.tvl").find("\r\nWater\r\nantifreeze\r\n"), std::string::npos);
    s.Click(&TForm1::BitBtnGemSomClick);  // cancelled: nothing changes
    s.Click(&TForm1::BitBtnHentSagClick);
    EXPECT_EQ(s.platform.dialogOffers, (std::vector<std::string>{"", dir.File("one.tvl"), ""}));
    EXPECT_EQ(s.form.SaveDialogName(), dir.File("one.tvl"));
    EXPECT_EQ(s.form.OpenDialogName(), dir.File("one.tvl"));
}

}  // namespace
