// The widgets feed every edit to the model at once, and show what it holds.
#include "window_fixture.h"

#include "localeformat.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using app::Field;
using app::FieldKind;

TEST_F(WindowTest, TypingInAnInputFieldReachesTheModelAtOnce)
{
    for (const app::FieldInfo& info : app::CaseFields()) {
        if (info.kind != FieldKind::Input)
            continue;
        SCOPED_TRACE(std::string(info.name));
        Type(Edit(info.field), "1");
        EXPECT_EQ(Text(info.field), std::string(info.startText) + "1");
    }
}

TEST_F(WindowTest, ChoosingAnItemSetsTheListsPositionAndText)
{
    const std::pair<Field, const char*> lists[] = {
        {Field::Primery, "Glykol "}, {Field::Sekundery, "Glykol"}, {Field::primery1, "Glykol"},
        {Field::Sekundery1, "Glykol"}};
    for (const auto& [list, glycol] : lists) {
        SCOPED_TRACE(std::string(app::Info(list).name));
        List(list)->setFocus();
        QTest::keyClick(List(list), Qt::Key_Down);
        EXPECT_EQ(form->ItemIndex(list), 1);
        EXPECT_EQ(Text(list), glycol);
        QTest::keyClick(List(list), Qt::Key_Up);
        EXPECT_EQ(form->ItemIndex(list), 0);
        EXPECT_EQ(Text(list), "Vand");
    }
}

TEST_F(WindowTest, TypingOverAListsTextFollowsTheModelsListRule)
{
    struct Step {
        const char* typed;
        bool replace;
        const char* text;
        int position;
    };
    const Step steps[] = {
        {"Gl", true, "Gl", -1},          // no inline completion to "Glykol"
        {"glykol", true, "glykol", 1},   // names an item: selected, typed text kept
        {"x", false, "glykolx", -1},     // names none
        {"VAND", true, "VAND", 0},
        {"Water", true, "Water", 0},     // either language
    };
    QComboBox* box = List(Field::Sekundery);
    box->setFocus();
    for (const Step& s : steps) {
        SCOPED_TRACE(s.typed);
        if (s.replace)
            box->lineEdit()->selectAll();
        QTest::keyClicks(box, s.typed);
        EXPECT_EQ(Text(Field::Sekundery), s.text);
        EXPECT_EQ(form->ItemIndex(Field::Sekundery), s.position);
        EXPECT_EQ(box->currentText(), s.text);
        EXPECT_EQ(box->currentIndex(), s.position);
        EXPECT_EQ(box->count(), 2);
    }
    // Typing inside the text that then names an item keeps the cursor there.
    box->lineEdit()->selectAll();
    QTest::keyClicks(box, "gykol");
    box->lineEdit()->setCursorPosition(1);
    QTest::keyClicks(box, "l");
    EXPECT_EQ(form->ItemIndex(Field::Sekundery), 1);
    EXPECT_EQ(box->currentText(), "glykol");
    EXPECT_EQ(box->lineEdit()->cursorPosition(), 2);
}

TEST_F(WindowTest, ChoosingTheItemAListAlreadyHasShowsThatItemsText)
{
    QComboBox* box = List(Field::Sekundery);
    box->setFocus();
    box->lineEdit()->selectAll();
    QTest::keyClicks(box, "GLYKOL");
    ASSERT_EQ(form->ItemIndex(Field::Sekundery), 1);

    box->showPopup();
    QAbstractItemView* view = box->view();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(1, 0)).center());
    EXPECT_FALSE(view->isVisible());
    EXPECT_EQ(Text(Field::Sekundery), "Glykol");
    EXPECT_EQ(box->currentText(), "Glykol");
}

TEST_F(WindowTest, LocaleSeparatorsAreReadAgainWhenTheLocaleChanges)
{
    const calc::NumberFormat danish = app::qt::LocaleNumberFormat(QLocale(QLocale::Danish, QLocale::Denmark));
    EXPECT_EQ(danish.decimal, ",");
    EXPECT_EQ(danish.thousands, ".");

    const calc::NumberFormat system = app::qt::LocaleNumberFormat();
    form->SetNumberFormat({system.decimal == "," ? "." : ",", ""});
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(window.get(), &change);
    EXPECT_EQ(form->Format().decimal, system.decimal);
    EXPECT_EQ(form->Format().thousands, system.thousands);
}

TEST_F(WindowTest, HelpOpensTheHelpFileAtEveryPressAndShowsNothingWhenItFails)
{
    Button("BitBtnHelp")->click();
    Button("BitBtnHelp")->click();
    const QList<QUrl> expected(2, QUrl::fromLocalFile("/TERVOL1.2.HLP"));
    EXPECT_EQ(helpRequests, expected);
}
