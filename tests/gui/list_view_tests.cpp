// What a medium list shows of a name longer than its field.
#include "tests/support/window_test.h"

#include <QComboBox>
#include <QImage>

using app::Field;

namespace {

using support::WindowTest;

// A text the program sets is seen from its first character, wherever the
// edit part's cursor was left: the field must look as it does with the
// cursor put at the start.
TEST_F(WindowTest, ANameSetByTheProgramShowsItsFirstCharacter)
{
    for (const std::string how : {"British flag", "loaded text", "picked item"}) {
        SCOPED_TRACE(how);
        OpenWindow();
        QComboBox& box = *window->controls().rows[app::Index(Field::Primery)].list;
        QLineEdit& edit = *box.lineEdit();
        if (how == "British flag") {
            form->ChooseItem(Field::Primery, 1);
            Button("BitBtn1")->click();
        }
        Button("BitBtnUK")->click();
        if (how == "loaded text")
            form->SetText(Field::Primery, "antifreeze");
        if (how == "picked item") {
            box.setFocus();
            QTest::keyClick(&box, Qt::Key_Down);
        }
        ASSERT_EQ(edit.text(), "antifreeze");
        ASSERT_GT(edit.fontMetrics().horizontalAdvance(edit.text()), edit.width());  // it does not fit
        Button("BitBtn1")->setFocus();  // no blinking cursor in the picture
        const QImage shown = edit.grab().toImage();
        edit.setCursorPosition(0);
        EXPECT_TRUE(shown == edit.grab().toImage()) << "the name is shown scrolled away from its first character";
    }
}

// While the user types, the view follows the cursor, also when the typed
// name selects its item.
TEST_F(WindowTest, TypingKeepsTheCursorAtTheTypedEnd)
{
    Button("BitBtnUK")->click();
    QLineEdit& edit = *window->controls().rows[app::Index(Field::Primery)].list->lineEdit();
    edit.setFocus();
    edit.selectAll();
    QTest::keyClicks(&edit, "antifreeze");
    EXPECT_EQ(form->ItemIndex(Field::Primery), 1);
    EXPECT_EQ(edit.cursorPosition(), 10);
}

}  // namespace
