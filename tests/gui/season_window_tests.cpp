// The heating season window on the offscreen platform, opened by its button,
// in both languages.
#include "gui/seasonwindow.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/window_test.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

namespace {

using app::qt::SeasonField;

class SeasonWindowTest : public support::WindowTest {
protected:
    app::qt::SeasonWindow* OpenSeason()
    {
        QTest::mouseClick(Button("BitBtnSeason"), Qt::LeftButton);
        app::qt::SeasonWindow* season = platform.seasonWindow();
        EXPECT_TRUE(season && season->isVisible());
        return season;
    }
    support::ScratchDir dir;
};

// Three bins below the limit of the start case: the table as the window
// shows numbers, the summary, in Danish, then the captions in English.
TEST_F(SeasonWindowTest, ComputesTheBinsAndFollowsTheFlags)
{
    EXPECT_EQ(Button("BitBtnSeason")->geometry(), QRect(624, 432, 121, 25));
    EXPECT_EQ(Button("BitBtnSeason")->text(), "Fyringssæson");
    app::qt::SeasonWindow* season = OpenSeason();
    ASSERT_TRUE(season);
    EXPECT_EQ(season->windowTitle(), "Tervol – Fyringssæson");
    season->field(SeasonField::Weather)
        ->setText(QString::fromStdString(dir.Write("bins.txt", "-10;100\n0;200\n10;300\n20;50\n")));
    season->Calculate();
    QTableWidget* table = season->table();
    ASSERT_EQ(table->rowCount(), 3);
    QStringList first;
    for (int c = 0; c < 7; ++c)
        first << table->item(0, c)->text();
    EXPECT_EQ(first.join(" "), "-10 100 51.56 73.0 29.7 60.7 31.7");
    EXPECT_TRUE(season->summary()->text().contains("17.19")) << season->summary()->text().toStdString();
    season->CopyTable();
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("Ude [°C]\tTimer\tEffekt [kW]"));

    QTest::mouseClick(Button("BitBtnUK"), Qt::LeftButton);
    EXPECT_EQ(Button("BitBtnSeason")->text(), "Heating season");
    EXPECT_EQ(season->windowTitle(), "Tervol – Heating season");
    EXPECT_EQ(table->horizontalHeaderItem(0)->text(), "Outdoor [°C]");
    // One instance: the button raises the window already open.
    QTest::mouseClick(Button("BitBtnSeason"), Qt::LeftButton);
    EXPECT_EQ(platform.seasonWindow(), season);
}

}  // namespace
