#include "tests/support/recording_platform.h"
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

using app::Field;
using app::TForm1;

namespace {

TEST(CaseFiles, DialogsOfferTheirLastNames)
{
    const support::ScratchDir dir;
    StartedForm s;
    s.platform.dialogAnswers = {dir.File("one.tvl"), std::nullopt, dir.File("one.tvl")};
    s.Click(&TForm1::BitBtnGemSomClick);
    s.Click(&TForm1::BitBtnGemSomClick);  // cancelled: nothing changes
    s.Click(&TForm1::BitBtnHentSagClick);
    EXPECT_EQ(s.platform.dialogOffers, (std::vector<std::string>{"", dir.File("one.tvl"), ""}));
    EXPECT_EQ(s.form.SaveDialogName(), dir.File("one.tvl"));
    EXPECT_EQ(s.form.OpenDialogName(), dir.File("one.tvl"));
}

TEST(CaseFiles, EnglishCaseLoadsWithTheRightMediaInADanishWindow)
{
    const support::ScratchDir dir;
    StartedForm english;
    english.form.BitBtnUKClick();
    english.form.SetItemIndex(Field::Sekundery1, 1);
    english.platform.dialogAnswers = {dir.File("uk.tvl")};
    english.Click(&TForm1::BitBtnGemSomClick);
    EXPECT_NE(dir.Read("uk.tvl").find("\r\nWater\r\nantifreeze\r\n"), std::string::npos);

    StartedForm danish;
    danish.platform.dialogAnswers = {dir.File("uk.tvl")};
    danish.Click(&TForm1::BitBtnHentSagClick);
    EXPECT_EQ(danish.form.Text(Field::Sekundery1), "antifreeze");
    EXPECT_EQ(danish.form.ItemIndex(Field::Sekundery1), 1);
    EXPECT_EQ(danish.form.ItemIndex(Field::primery1), 0);
    danish.form.SetText(Field::Etpe, "100.5");  // water on the actual primary list: no 100 °C limit
    danish.Click(&TForm1::BitBtn2Click);
    EXPECT_TRUE(danish.platform.boxes.empty());
}

}  // namespace
