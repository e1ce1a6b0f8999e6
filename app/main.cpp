// Tervol: rating of a liquid-to-liquid heat exchanger.
#include "form1.h"
#include "qt/icons.h"
#include "qt/localeformat.h"
#include "qt/mainwindow.h"
#include "qt/qtplatform.h"
#include "qt/style.h"
#include "report/quickrptpage.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // The name only: a display name would be appended to every window title.
    QApplication::setApplicationName(QString::fromUtf8(app::kApplicationTitle.data(),
                                                       qsizetype(app::kApplicationTitle.size())));
    QApplication::setWindowIcon(app::qt::WindowIcon());
    app::qt::InstallFontSubstitutes();
    // Set before any widget exists, so no other default font is ever loaded.
    QApplication::setFont(app::qt::WindowFont());
    QGuiApplication::setDesktopFileName("tervol");

    app::qt::QtPlatform platform;
    app::TForm1 form(platform, app::qt::LocaleNumberFormat());
    app::qt::MainWindow window(form, platform);

    // After the window, so the start-up calculation cannot reach it.
    report::Tquickrptpage quickrptpage;
    form.AttachReportPage(&quickrptpage);

    window.show();
    return application.exec();
}
