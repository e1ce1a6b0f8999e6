// The message boxes and file dialogs the model asks the platform for.
#include "window_fixture.h"

#include <QFileDialog>
#include <QScreen>
#include <QTemporaryDir>

using calc::MessageKind;

TEST_F(WindowTest, EachKindOfBoxHasItsTitleIconAndOneButtonAndStandsMidScreen)
{
    struct Case {
        const char* kind;
        std::function<void(app::qt::QtPlatform&)> show;
        const char* title;
        QMessageBox::Icon icon;
        const char* button;
    };
    const std::string text = "Primær temp. frem [°C] skal være større end Primær temp. retur [°C]";
    const Case cases[] = {
        {"information", [&](auto& p) { p.ShowMessageBox(text, MessageKind::Information); }, "Information",
         QMessageBox::Information, "OK"},
        {"error", [&](auto& p) { p.ShowMessageBox(text, MessageKind::Error); }, "Error", QMessageBox::Critical,
         "&Yes"},
        {"plain", [&](auto& p) { p.ShowMessageBox(text, MessageKind::Plain); }, "Tervol", QMessageBox::NoIcon, "OK"},
        {"error box", [&](auto& p) { p.ShowErrorBox(text); }, "Tervol", QMessageBox::Critical, "OK"},
    };
    // Away from the middle, so that centring on the window would show.
    window->move(0, 0);
    const QPoint screenMiddle = window->screen()->availableGeometry().center();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        ExpectBox();
        c.show(*platform);
        ExpectModalAnswered();
        ASSERT_TRUE(seenBox);
        EXPECT_EQ(seenBox->title, c.title);
        EXPECT_EQ(seenBox->icon, c.icon);
        EXPECT_EQ(seenBox->buttons, QStringList{c.button});
        EXPECT_TRUE(seenBox->oneButtonForEnterAndEscape);
        EXPECT_TRUE(seenBox->enterClosedIt);
        EXPECT_EQ(seenBox->text, QString::fromStdString(text));
        EXPECT_LE((seenBox->centre - screenMiddle).manhattanLength(), 2);
    }
}

TEST_F(WindowTest, OpenDialogOffersCaseFilesAndLetsAMissingNameThrough)
{
    QTemporaryDir dir;
    ExpectModal([&](QWidget* modal) {
        auto* d = qobject_cast<QFileDialog*>(modal);
        if (!d) {
            modal->close();
            return;
        }
        EXPECT_EQ(d->nameFilters(), (QStringList{"veksler (*.tvl)", "alle (*)"}));
        EXPECT_EQ(d->selectedNameFilter(), "veksler (*.tvl)");
        EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptOpen);
        d->selectFile(dir.filePath("missing"));
        static_cast<QDialog*>(d)->accept();  // as its Open or Save button does
    });
    const auto name = platform->RunOpenDialog("");
    ASSERT_TRUE(name);
    EXPECT_EQ(*name, dir.filePath("missing.tvl").toStdString());
}

TEST_F(WindowTest, SaveDialogOffersTheLastNameAndReplacesWithoutAsking)
{
    QTemporaryDir dir;
    const QString existing = dir.filePath("case.tvl");
    QFile(existing).open(QIODevice::WriteOnly);
    QStringList offered;
    ExpectModal([&](QWidget* modal) {
        auto* d = qobject_cast<QFileDialog*>(modal);
        if (!d) {
            modal->close();
            return;
        }
        EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptSave);
        offered = d->selectedFiles();
        // An overwrite question would be an unexpected modal box.
        static_cast<QDialog*>(d)->accept();
    });
    const auto name = platform->RunSaveDialog(existing.toStdString());
    EXPECT_EQ(offered, QStringList{existing});
    ASSERT_TRUE(name);
    EXPECT_EQ(*name, existing.toStdString());

    ExpectModal([](QWidget* modal) { modal->close(); });
    EXPECT_FALSE(platform->RunSaveDialog(existing.toStdString()));
}
