// Qt's own dialogs speak the language of the flags; the program's own boxes
// keep their fixed titles and buttons in both.
#include "tests/support/window_test.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>

#include <ostream>

// Failures show the texts, not their code units.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

using support::WindowTest;

class DialogLanguage : public WindowTest {
protected:
    void Press(bool danish)
    {
        (danish ? window->controls().danishFlag : window->controls().unionFlag)->click();
        QApplication::processEvents();  // the language change reaches open widgets as a posted event
    }

    // The texts of the case-file save dialog as it opens: its accept and
    // reject buttons and the label of the name box. Cancelled at once.
    QStringList SaveDialogTexts()
    {
        watchdog_.stop();
        QStringList texts;
        QObject scope;
        QTimer::singleShot(0, &scope, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            const auto* buttons = dialog->findChild<QDialogButtonBox*>();
            for (const QDialogButtonBox::StandardButton b :
                 {QDialogButtonBox::Save, QDialogButtonBox::Open, QDialogButtonBox::Cancel})
                if (const QPushButton* button = buttons ? buttons->button(b) : nullptr)
                    texts << button->text();
            if (const auto* label = dialog->findChild<QLabel*>(QStringLiteral("fileNameLabel")))
                texts << label->text();
            dialog->reject();
        });
        QTimer::singleShot(5000, &scope, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        EXPECT_EQ(platform.RunSaveDialog("start"), std::nullopt);
        watchdog_.start(10);
        return texts;
    }
};

TEST_F(DialogLanguage, QtsOwnButtonsAndFileDialogFollowEveryFlagPress)
{
    // flag pressed, then a message box's standard buttons and the save dialog's texts
    const std::tuple<bool, QStringList, QStringList> cases[] = {
        {false, {"&Yes", "&No", "Cancel", "Close"}, {"&Save", "Cancel", "File &name:"}},
        {true, {"&Ja", "&Nej", "Annuller", "Luk"}, {"Gem", "Annuller", "&Filnavn:"}},
        // Retranslated, the dialog's button takes the button box's own text.
        {false, {"&Yes", "&No", "Cancel", "Close"}, {"Save", "Cancel", "File &name:"}},
        {true, {"&Ja", "&Nej", "Annuller", "Luk"}, {"Gem", "Annuller", "&Filnavn:"}},
    };
    for (const auto& [danish, boxButtons, saveDialog] : cases) {
        SCOPED_TRACE(danish ? "Danish flag" : "British flag");
        Press(danish);
        QMessageBox box;
        QStringList shown;
        for (const QMessageBox::StandardButton b :
             {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel, QMessageBox::Close})
            shown << box.addButton(b)->text();
        EXPECT_EQ(shown, boxButtons);
        EXPECT_EQ(SaveDialogTexts(), saveDialog);
    }
}

// A Danish catalogue would make "&Yes" "&Ja" if the button were a standard one.
TEST_F(DialogLanguage, TheProgramsBoxesKeepTheirTitlesAndButtonsInBothLanguages)
{
    using calc::MessageKind;
    const std::tuple<std::optional<MessageKind>, const char*, const char*> boxes[] = {
        {MessageKind::Information, "Information", "OK"},
        {MessageKind::Error, "Error", "&Yes"},
        {MessageKind::Plain, "Tervol", "OK"},
        {std::nullopt, "Tervol", "OK"},
    };
    for (const bool danish : {true, false}) {
        Press(danish);
        for (const auto& [kind, title, button] : boxes) {
            SCOPED_TRACE(std::string(danish ? "Danish " : "English ") + title);
            ExpectBox();
            kind ? platform.ShowMessageBox("m", *kind) : platform.ShowErrorBox("m");
            ASSERT_TRUE(seenBox);
            EXPECT_EQ(seenBox->title, title);
            EXPECT_EQ(seenBox->buttons, QStringList{button});
        }
    }
}

}  // namespace
