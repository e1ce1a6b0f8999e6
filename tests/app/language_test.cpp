#include "app/language.h"
#include "tests/support/recording_platform.h"

#include <gtest/gtest.h>

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

TEST(Language, ReportAfterTheBritishFlag)
{
    StartedForm s;
    s.form.BitBtnUKClick();
    s.Click(&TForm1::BitBtn3Click);
    EXPECT_EQ(s.page.Caption("QRLabel1"), "Explanation");
    EXPECT_EQ(s.page.Caption("QRLabel14"), "Logaritmic temperature difference");
    EXPECT_EQ(s.page.Caption("QRLabel27"), "kW/°C ");
    EXPECT_EQ(s.page.Caption("Primery"), "Water");
}

}  // namespace
