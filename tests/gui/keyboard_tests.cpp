// Enter, Escape and the tab order.
#include "window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using app::Field;

namespace {

// Glycol in both primary lists, so each calculation button leaves its mark:
// "Beregn Nominel" records 1 in PrimeryIndex, "Beregn Aktuel" in Primery1Index.
void ChooseGlycolInBothPrimaryLists(app::TForm1& form)
{
    form.SetItemIndex(Field::Primery, 1);
    form.SetItemIndex(Field::primery1, 1);
}

}  // namespace

TEST_F(WindowTest, EnterAnywhereButOnAButtonRunsBeregnNominelNeverBeregnAktuel)
{
    const Field focusable[] = {Field::Primery, Field::Sekundery, Field::EQ_nom, Field::Etpe_nom, Field::Etpa_nom,
                               Field::Etsa_nom, Field::Etse_nom, Field::EPp_nom, Field::EPs_nom, Field::primery1,
                               Field::Sekundery1, Field::EQ, Field::Etpe, Field::Etsa, Field::Etse};
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        for (const Field field : focusable) {
            SCOPED_TRACE(std::string(app::Info(field).name) + (key == Qt::Key_Enter ? " keypad" : ""));
            OpenWindow();
            ChooseGlycolInBothPrimaryLists(*form);
            const std::string before = Text(field);
            QWidget* target = List(field) ? static_cast<QWidget*>(List(field)) : Edit(field);
            target->setFocus();
            QTest::keyClick(target, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            EXPECT_EQ(form->PrimeryIndex(), 1);
            EXPECT_EQ(form->Primery1Index(), 0);
            EXPECT_EQ(Text(field), before);
        }
    }
}

TEST_F(WindowTest, EnterOnAFocusedButtonRunsThatButton)
{
    ChooseGlycolInBothPrimaryLists(*form);
    Button("BitBtn2")->setFocus();
    QTest::keyClick(Button("BitBtn2"), Qt::Key_Return);
    EXPECT_EQ(form->Primery1Index(), 1);
    EXPECT_EQ(form->PrimeryIndex(), 0);

    bool openDialogShown = false;
    ExpectModal([&](QWidget* modal) {
        openDialogShown = qobject_cast<QFileDialog*>(modal) != nullptr;
        modal->close();
    });
    Button("BitBtnHentSag")->setFocus();
    QTest::keyClick(Button("BitBtnHentSag"), Qt::Key_Return);
    EXPECT_TRUE(openDialogShown);
    EXPECT_EQ(form->PrimeryIndex(), 0);
}

TEST_F(WindowTest, EscapeLukAndTheCloseBoxAllEndTheProgramAskingNothing)
{
    const auto escapeIn = [](QWidget* w) {
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Escape);
    };
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"Escape in an input field", [&] { escapeIn(Edit(Field::EQ_nom)); }},
        {"Escape in a list", [&] { escapeIn(List(Field::Sekundery1)); }},
        {"Escape on a button", [&] { escapeIn(Button("BitBtn2")); }},
        {"Luk", [this] { Button("BitBtn4")->click(); }},
        {"close box", [this] { window->close(); }},
    };
    for (const auto& [way, close] : ways) {
        SCOPED_TRACE(way);
        OpenWindow();
        // The event loop must end by itself; the guard only stops a hang.
        QTimer::singleShot(0, close);
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        guard.start(5000);
        EXPECT_EQ(QApplication::exec(), 0);
        EXPECT_FALSE(window->isVisible());
    }
}

TEST_F(WindowTest, TabWalksTheWindowsChildrenInOrder)
{
    const char* order[] = {"primery1", "Sekundery1", "EQ", "Etpe", "Etsa", "Etse",
                           "BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4",
                           "Primery", "Sekundery", "EQ_nom", "Etpe_nom", "Etpa_nom", "Etsa_nom", "Etse_nom",
                           "EPp_nom", "EPs_nom",
                           "BitBtnDK", "BitBtnUK", "BitBtnHentSag", "BitBtnGemSom", "BitBtnHelp", "primery1"};
    EXPECT_EQ(QApplication::focusWidget()->objectName(), order[0]);
    for (size_t i = 1; i < std::size(order); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), order[i]) << "after " << order[i - 1];
    }
}
