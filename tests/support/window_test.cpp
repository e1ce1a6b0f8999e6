#include "tests/support/window_test.h"

#include "report/qt/report_print.h"

#include <QApplication>
#include <QTest>

#include <utility>

namespace support {

void WindowTest::Watch()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box || !std::exchange(boxExpected_, false)) {
        ADD_FAILURE() << "unexpected modal window \"" << modal->windowTitle().toStdString() << "\" "
                      << (box ? box->text().toStdString() : "");
        modal->close();
        return;
    }
    seenBox = SeenBox{box->windowTitle(), box->text(), box->icon(), {}};
    for (QAbstractButton* b : box->buttons())
        seenBox->buttons << b->text();
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(box->isVisible()) << "Enter did not close the box";
    box->done(0);
}

}  // namespace support

// Every window test program runs on the offscreen platform unless told
// otherwise, with the fonts the program itself installs.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    report::RegisterReportFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
