// The help window: "Hjælp" and F1 open one window, titled in the interface
// language, at its keyword index; a flag switches it while it is open.
#include "app/qt/helpwindow.h"
#include "tests/support/window_test.h"

#include <QApplication>
#include <QListWidget>
#include <QTextBrowser>

namespace {

using support::WindowTest;

// The help window has the focus, so its Enter is its own, not the main
// window's default button.
bool Focused(const QWidget* window)
{
    return QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == window->windowHandle(); });
}

struct HelpLanguage {
    const char* flag;  // pressed before the help is opened; nullptr: as started
    const char* title;
    const char* caption;  // a row caption that must be a keyword
    const char* otherFlag;
    const char* otherTitle;
    const char* otherFilterName;  // what a screen reader announces after the switch
};

TEST_F(WindowTest, HjaelpAndF1OpenOneHelpWindowInTheWindowsLanguage)
{
    const HelpLanguage cases[] = {
        {nullptr, "Tervol – Hjælp", "Effekt [kW]", "BitBtnUK", "Tervol – Help", "Keyword filter"},
        {"BitBtnUK", "Tervol – Help", "Transferred heat (kW)", "BitBtnDK", "Tervol – Hjælp", "Stikordsfilter"},
    };
    for (const HelpLanguage& c : cases) {
        SCOPED_TRACE(c.title);
        OpenWindow();
        if (c.flag)
            Button(c.flag)->click();
        Button("BitBtnHelp")->click();
        app::qt::HelpWindow* help = platform.helpWindow();
        ASSERT_TRUE(help);
        EXPECT_TRUE(help->isVisible());
        EXPECT_EQ(help->windowTitle(), QString::fromUtf8(c.title));
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        // At the keyword index with an empty keyword, the start page beside it.
        EXPECT_TRUE(help->filter()->text().isEmpty());
        EXPECT_FALSE(help->keywordList()->findItems(QString::fromUtf8(c.caption), Qt::MatchExactly).isEmpty());
        EXPECT_EQ(help->browser()->source().fileName(), "index.html");
        EXPECT_TRUE(help->browser()->toPlainText().contains("Tervol"));

        // A keyword typed into the filter and Enter show its topic.
        ASSERT_TRUE(Focused(help));
        help->filter()->setText(QString::fromUtf8(c.caption));
        QTest::keyClick(help->filter(), Qt::Key_Return);
        EXPECT_EQ(help->browser()->source().fileName(), "heat.html");

        // F1 from a field of the main window brings back the same window.
        help->close();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(Edit(app::Field::EQ), Qt::Key_F1);
        EXPECT_EQ(platform.helpWindow(), help);
        EXPECT_TRUE(help->isVisible());
        EXPECT_TRUE(help->filter()->text().isEmpty());

        // A flag switches the open help: title and the topic shown.
        ASSERT_TRUE(Focused(help));
        help->filter()->setText(QString::fromUtf8(c.caption));
        QTest::keyClick(help->filter(), Qt::Key_Return);
        Button(c.otherFlag)->click();
        EXPECT_EQ(help->windowTitle(), QString::fromUtf8(c.otherTitle));
        EXPECT_EQ(help->filter()->accessibleName(), QString::fromUtf8(c.otherFilterName));
        EXPECT_EQ(help->browser()->source().fileName(), "heat.html");
        EXPECT_FALSE(help->browser()->source().path().contains(c.flag ? "/en/" : "/da/"));
    }
}

}  // namespace
