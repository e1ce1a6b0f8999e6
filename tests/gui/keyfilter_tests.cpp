// The numeric key filter of the eleven input fields, fed as the keyboard
// feeds it.
#include "window_fixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using app::Field;

TEST_F(WindowTest, KeyFilterLetsDigitsBackspaceAndOneDecimalSeparatorThrough)
{
    struct Case {
        const char* decimal;
        const char* start;
        bool selectAll;
        const char* typed;
        const char* expected;
    };
    const Case cases[] = {
        {".", "", false, "12.5", "12.5"},
        {".", "12.5", false, ".", "12.5"},   // a second separator
        {".", "1", false, ",", "1"},         // the other mark
        {",", "1", false, ",5", "1,5"},      // roles swapped
        {",", "1", false, ".", "1"},
        {",", "1,5", false, ",", "1,5"},
        {".", "7", false, "-+eE ", "7"},     // no sign, exponent or blank
        {".", "7", false, "x", "7"},
        {".", "", false, ".", "."},          // the separator alone can be typed
        {".", "12.5", true, ".", "12.5"},    // judged on the whole text, selection or not
        {".", "12.5", true, "7", "7"},
    };
    for (const Field field : {Field::EQ_nom, Field::EPs_nom, Field::EQ, Field::Etse}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(app::Info(field).name) + " '" + c.start + "' + '" + c.typed + "' with " +
                         c.decimal);
            form->SetNumberFormat({c.decimal, ","});
            form->SetText(field, c.start);
            QLineEdit* edit = Edit(field);
            edit->setFocus();
            if (c.selectAll)
                edit->selectAll();
            else
                edit->end(false);
            QTest::keyClicks(edit, c.typed);
            EXPECT_EQ(edit->text(), c.expected);
            EXPECT_EQ(Text(field), c.expected);
        }
    }
}

TEST_F(WindowTest, NavigationAndDeletionKeysStillWork)
{
    // With the texts X11 sends: backspace 8, delete 127, arrows none.
    const auto backspace = [](QLineEdit* e) { QTest::sendKeyEvent(QTest::Click, e, Qt::Key_Backspace, "\b", {}); };
    QLineEdit* edit = Edit(Field::Etpe);
    form->SetText(Field::Etpe, "1234");
    edit->setFocus();
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_Left);
    backspace(edit);
    EXPECT_EQ(Text(Field::Etpe), "124");
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_Delete, "\x7f", {});
    EXPECT_EQ(Text(Field::Etpe), "24");
    QTest::keyClick(edit, Qt::Key_End);
    backspace(edit);
    backspace(edit);
    backspace(edit);  // also in an empty field
    EXPECT_EQ(Text(Field::Etpe), "");
}

TEST_F(WindowTest, ClipboardShortcutsThatArriveAsControlCharactersDoNothing)
{
    // X11 delivers Ctrl+C, V, X and Z with these characters as their text.
    const std::pair<Qt::Key, char> shortcuts[] = {
        {Qt::Key_C, '\x03'}, {Qt::Key_V, '\x16'}, {Qt::Key_X, '\x18'}, {Qt::Key_Z, '\x1a'}};
    QLineEdit* edit = Edit(Field::EQ_nom);
    edit->setFocus();
    QTest::keyClicks(edit, "1");  // something for undo to take back
    for (const auto& [key, control] : shortcuts) {
        SCOPED_TRACE(control + 0);
        QGuiApplication::clipboard()->setText("9");
        edit->selectAll();
        QTest::sendKeyEvent(QTest::Click, edit, key, QString(QChar(control)), Qt::ControlModifier);
        EXPECT_EQ(edit->text(), "551");
        EXPECT_EQ(Text(Field::EQ_nom), "551");
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "9");
    }
    // Where the platform sends no text with the shortcut, it is the field's.
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_V, QString(), Qt::ControlModifier);
    EXPECT_EQ(Text(Field::EQ_nom), "9");
}

TEST_F(WindowTest, InputMethodCommitsAreFilteredCharacterByCharacter)
{
    QLineEdit* edit = Edit(Field::EQ);
    form->SetText(Field::EQ, "");
    edit->setFocus();
    QInputMethodEvent commit;
    commit.setCommitString("1x.2.3");
    QCoreApplication::sendEvent(edit, &commit);
    EXPECT_EQ(Text(Field::EQ), "1.23");
    EXPECT_EQ(edit->text(), "1.23");
}

TEST_F(WindowTest, PastedTextIsNotFilteredAndTheNextCalculationShowsTheConversionFault)
{
    const std::string resultBefore = Text(Field::EV_p_nom);
    QGuiApplication::clipboard()->setText("7x");
    QLineEdit* edit = Edit(Field::EQ_nom);
    edit->setFocus();
    edit->selectAll();
    edit->paste();
    EXPECT_EQ(Text(Field::EQ_nom), "7x");

    ExpectBox();
    Button("BitBtn1")->click();
    ExpectModalAnswered();
    ASSERT_TRUE(seenBox);
    EXPECT_EQ(seenBox->title, "Tervol");
    EXPECT_EQ(seenBox->icon, QMessageBox::Critical);
    EXPECT_EQ(seenBox->buttons, QStringList{"OK"});
    EXPECT_EQ(seenBox->text, "'7x' is not a valid floating point value.");
    EXPECT_EQ(Text(Field::EV_p_nom), resultBefore);

    // The window goes on: it is active again and takes the next input.
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    edit->selectAll();
    QTest::keyClicks(edit, "110");
    Button("BitBtn1")->click();
    EXPECT_EQ(Text(Field::EQ_nom), "110");
    EXPECT_NE(Text(Field::EV_p_nom), resultBefore);
    EXPECT_EQ(Edit(Field::EV_p_nom)->text(), QString::fromStdString(Text(Field::EV_p_nom)));
}
