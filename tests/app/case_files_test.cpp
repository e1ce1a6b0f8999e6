#include "tests/support/recording_platform.h"

#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using app::Field;
using app::TForm1;
namespace fs = std::filesystem;

namespace {

class CaseFiles : public testing::Test {
protected:
    std::string Path(const char* name) const { return dir_.File(name); }
    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    support::ScratchDir dir_;
};

TEST_F(CaseFiles, DialogsOfferTheirLastNames)
{
    StartedForm s;
    s.platform.dialogAnswers = {Path("one.tvl"), std::nullopt, Path("one.tvl")};
    s.Click(&TForm1::BitBtnGemSomClick);
    s.Click(&TForm1::BitBtnGemSomClick);  // cancelled: nothing changes
    s.Click(&TForm1::BitBtnHentSagClick);
    EXPECT_EQ(s.platform.dialogOffers, (std::vector<std::string>{"", Path("one.tvl"), ""}));
    EXPECT_EQ(s.form.SaveDialogName(), Path("one.tvl"));
    EXPECT_EQ(s.form.OpenDialogName(), Path("one.tvl"));
}

TEST_F(CaseFiles, EnglishCaseLoadsWithTheRightMediaInADanishWindow)
{
    StartedForm english;
    english.form.BitBtnUKClick();
    english.form.SetItemIndex(Field::Sekundery1, 1);
    english.platform.dialogAnswers = {Path("uk.tvl")};
    english.Click(&TForm1::BitBtnGemSomClick);
    EXPECT_NE(Read(Path("uk.tvl")).find("\r\nWater\r\nantifreeze\r\n"), std::string::npos);

    StartedForm danish;
    danish.platform.dialogAnswers = {Path("uk.tvl")};
    danish.Click(&TForm1::BitBtnHentSagClick);
    EXPECT_EQ(danish.form.Text(Field::Sekundery1), "antifreeze");
    EXPECT_EQ(danish.form.ItemIndex(Field::Sekundery1), 1);
    EXPECT_EQ(danish.form.ItemIndex(Field::primery1), 0);
    danish.form.SetText(Field::Etpe, "100.5");  // water on the actual primary list: no 100 °C limit
    danish.Click(&TForm1::BitBtn2Click);
    EXPECT_TRUE(danish.platform.boxes.empty());
}

TEST_F(CaseFiles, MissingFileChangesNothing)
{
    StartedForm s;
    s.platform.dialogAnswers = {Path("nothing-here.tvl")};
    const auto before = s.form.CaseTexts();
    s.Click(&TForm1::BitBtnHentSagClick);
    EXPECT_EQ(s.platform.boxes, (std::vector<RecordingPlatform::Box>{{"errorbox", "File not found."}}));
    EXPECT_EQ(s.form.CaseTexts(), before);
}

}  // namespace
