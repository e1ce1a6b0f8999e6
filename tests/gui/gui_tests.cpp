// The window on the offscreen platform, driven as the keyboard drives it.
#include "tests/support/window_test.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>

#include <optional>

using app::Field;

namespace {

using support::Q;
using support::WindowTest;

TEST_F(WindowTest, StartUpShowsTheModelsTextsAndCaptions)
{
    EXPECT_EQ(window->windowTitle(), "Tervol Program ver. 1.2");
    for (const app::FieldInfo& info : app::CaseFields()) {
        SCOPED_TRACE(std::string(info.name));
        const app::qt::Row& row = window->controls().rows[app::Index(info.field)];
        EXPECT_EQ(row.label->text(), Q(form->Caption(info.field)));
        const QString shown = row.list ? row.list->currentText() : row.edit->text();
        EXPECT_EQ(shown, Q(Text(info.field)));
        EXPECT_FALSE(shown.isEmpty());
    }
    for (const app::ButtonInfo& b : app::Buttons())
        EXPECT_EQ(Button(b.name.data())->text(), Q(form->ButtonCaption(b.button)));
}

// Glycol in both primary lists: "Beregn Nominel" then records 1 in
// PrimeryIndex, "Beregn Aktuel" 1 in Primery1Index.
TEST_F(WindowTest, EnterRunsBeregnNominelExceptOnAFocusedButton)
{
    const std::tuple<const char*, Qt::Key, int, int> cases[] = {{"Etse", Qt::Key_Return, 1, 0},
                                                                {"EQ_nom", Qt::Key_Enter, 1, 0},
                                                                {"Sekundery1", Qt::Key_Return, 1, 0},
                                                                {"BitBtn2", Qt::Key_Return, 0, 1}};
    for (const auto& [name, key, nominel, aktuel] : cases) {
        SCOPED_TRACE(name);
        OpenWindow();
        form->SetItemIndex(Field::Primery, 1);
        form->SetItemIndex(Field::primery1, 1);
        QWidget* target = window->findChild<QWidget*>(name);
        target->setFocus();
        QTest::keyClick(target, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        EXPECT_EQ(form->PrimeryIndex(), nominel);
        EXPECT_EQ(form->Primery1Index(), aktuel);
    }
}

// The window's children in their order, each group's controls where the
// group stands; Tab runs through all of them and back to the first.
TEST_F(WindowTest, TabOrderOfEveryControl)
{
    const QStringList order = {
        "primery1",      "Sekundery1",   "EQ",         "Etpe",          "Etsa",         "Etse",     "BitBtn1",
        "BitBtn2",       "BitBtn3",      "BitBtn4",    "Primery",       "Sekundery",    "EQ_nom",   "Etpe_nom",
        "Etpa_nom",      "Etsa_nom",     "Etse_nom",   "EPp_nom",       "EPs_nom",      "BitBtnDK", "BitBtnUK",
        "BitBtnHentSag", "BitBtnGemSom", "BitBtnHelp", "BitBtnDellast", "BitBtnSeason", "primery1",
    };
    QWidget* first = window->findChild<QWidget*>("primery1");
    first->setFocus();
    QStringList visited = {QApplication::focusWidget()->objectName()};
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        while (focus && focus->objectName().isEmpty())  // an editable list's own line edit
            focus = focus->parentWidget();
        visited << (focus ? focus->objectName() : "<none>");
    }
    EXPECT_EQ(visited.join(", ").toStdString(), order.join(", ").toStdString());
}

TEST_F(WindowTest, KeyFilter)
{
    // decimal separator, start text, key (none: typed as text, one key per
    // character), its text, result
    const std::tuple<const char*, const char*, Qt::Key, const char*, const char*> cases[] = {
        {".", "", {}, "12.5", "12.5"},
        {".", "", {}, "0,25", "025"},  // the other mark groups thousands and is dropped
        {".", "", {}, "1,500", "1500"},
        {",", "", {}, "1.500", "1500"},  // the Danish way to write fifteen hundred
        {".", "1.5", {}, ",", "1.5"},
        {",", "1", {}, ",5", "1,5"},
        {",", "1,5", {}, ".", "1,5"},
        {"\u066b", "1\u066b", {}, "5,.2", "1\u066b52"},  // a separator of two bytes
        {".", "12", Qt::Key_V, "\x16", "12"},
        {".", "12", Qt::Key_Backspace, "\b", "1"},  // as X11 sends them
        // One event carrying several characters (key compression): each is
        // judged against the text the ones before it left.
        {".", "", Qt::Key_unknown, "1.5.x2", "1.52"},
        {".", "", Qt::Key_unknown, "0,2.5", "02.5"},
        {",", "7", Qt::Key_unknown, "-1e3 ", "713"},
    };
    QGuiApplication::clipboard()->setText("9");
    QLineEdit* edit = Edit(Field::EQ_nom);
    edit->setFocus();
    for (const auto& [decimal, start, key, typed, expected] : cases) {
        SCOPED_TRACE(std::string(start) + " + " + typed + " with " + decimal);
        form->SetNumberFormat({decimal, ","});
        form->SetText(Field::EQ_nom, start);
        edit->end(false);
        if (key)
            QTest::sendKeyEvent(QTest::Click, edit, key, typed,
                                key == Qt::Key_V ? Qt::ControlModifier : Qt::NoModifier);
        else
            QTest::keyClicks(edit, typed);
        EXPECT_EQ(edit->text(), expected);
        EXPECT_EQ(Text(Field::EQ_nom), expected);
    }
    // Pasting passes no key filter: the next calculation's conversion shows the fault.
    QGuiApplication::clipboard()->setText("7x");
    edit->selectAll();
    edit->paste();
    EXPECT_EQ(Text(Field::EQ_nom), "7x");
}

TEST_F(WindowTest, EachKindOfBoxHasItsTitleIconAndOneButton)
{
    using calc::MessageKind;
    // the kind of message box (none: the error box), its title, icon and button
    const std::tuple<std::optional<MessageKind>, const char*, QMessageBox::Icon, const char*> cases[] = {
        {MessageKind::Information, "Information", QMessageBox::Information, "OK"},
        {MessageKind::Error, "Error", QMessageBox::Critical, "&Yes"},
        {MessageKind::Plain, "Tervol", QMessageBox::NoIcon, "OK"},
        {std::nullopt, "Tervol", QMessageBox::Critical, "OK"},
    };
    for (const auto& [kind, title, icon, button] : cases) {
        SCOPED_TRACE(title);
        ExpectBox();
        kind ? platform.ShowMessageBox("m", *kind) : platform.ShowErrorBox("m");
        ASSERT_TRUE(seenBox);
        EXPECT_EQ(seenBox->title, title);
        EXPECT_EQ(seenBox->icon, icon);
        EXPECT_EQ(seenBox->buttons, QStringList{button});
        EXPECT_EQ(seenBox->text, "m");
    }
}

}  // namespace
