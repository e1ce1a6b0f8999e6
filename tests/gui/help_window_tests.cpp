// The help window: "Hjælp" and F1 open one window, titled in the interface
// language, at its keyword index; a flag switches it while it is open. The
// Danish start and the British flag are also driven end to end.
#include "gui/helpwindow.h"
#include "tests/support/window_test.h"

#include <QApplication>
#include <QListWidget>
#include <QTextBrowser>

namespace {

using support::WindowTest;

TEST_F(WindowTest, HjaelpAndF1OpenOneHelpWindowInTheWindowsLanguage)
{
    // The help must have the focus, so that its Enter is not the main window's default button.
    const auto focused = [](const QWidget* w) {
        return QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == w->windowHandle(); });
    };
    const QString keyword = "Transferred heat (kW)";
    Button("BitBtnUK")->click();
    Button("BitBtnHelp")->click();
    app::qt::HelpWindow* help = platform.helpWindow();
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), "Tervol – Help");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(help->filter()->text().isEmpty());  // at the keyword index, the start page beside it
    EXPECT_EQ(help->browser()->source().fileName(), "index.html");
    EXPECT_TRUE(help->browser()->toPlainText().contains("Tervol"));

    // A keyword typed into the filter and Enter show its topic.
    const auto showTopic = [&] {
        ASSERT_TRUE(focused(help));
        help->filter()->setText(keyword);
        QTest::keyClick(help->filter(), Qt::Key_Return);
        EXPECT_EQ(help->browser()->source().fileName(), "heat.html");
    };
    showTopic();
    // F1 from a field of the main window brings back the same window.
    help->close();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(Edit(app::Field::EQ), Qt::Key_F1);
    EXPECT_EQ(platform.helpWindow(), help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->filter()->text().isEmpty());
    showTopic();
    // A flag switches the open help: its title and the topic shown.
    Button("BitBtnDK")->click();
    EXPECT_EQ(help->windowTitle(), "Tervol – Hjælp");
    EXPECT_EQ(help->filter()->accessibleName(), "Stikordsfilter");
    EXPECT_EQ(help->browser()->source().fileName(), "heat.html");
    EXPECT_TRUE(help->browser()->source().path().contains("/da/"));
}

}  // namespace
