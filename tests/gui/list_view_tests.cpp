// What a medium list shows of a name longer than its field.
#include "tests/support/window_test.h"

#include <QComboBox>
#include <QImage>

#include <functional>
#include <utility>

using app::Field;

namespace {

using support::WindowTest;

// A text the program sets is seen from its first character, wherever the
// edit part's cursor was left; the drawn field must equal the field drawn
// with the cursor put at the start.
TEST_F(WindowTest, ANameSetByTheProgramShowsItsFirstCharacter)
{
    const std::pair<const char*, std::function<void(QComboBox&)>> cases[] = {
        {"British flag",
         [this](QComboBox&) {
             form->ChooseItem(Field::Primery, 1);
             Button("BitBtn1")->click();
             Button("BitBtnUK")->click();
         }},
        {"loaded text",
         [this](QComboBox&) {
             Button("BitBtnUK")->click();
             form->SetText(Field::Primery, "antifreeze");
         }},
        {"picked item",
         [this](QComboBox& box) {
             Button("BitBtnUK")->click();
             box.setFocus();
             QTest::keyClick(&box, Qt::Key_Down);
         }},
    };
    for (const auto& [how, setText] : cases) {
        SCOPED_TRACE(how);
        OpenWindow();
        QComboBox& box = *window->controls().rows[app::Index(Field::Primery)].list;
        QLineEdit& edit = *box.lineEdit();
        setText(box);
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
