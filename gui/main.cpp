// Tervol: rating of a liquid-to-liquid heat exchanger.
#include "gui/commandline.h"
#include "gui/icons.h"
#include "gui/localeformat.h"
#include "gui/mainwindow.h"
#include "gui/qtplatform.h"
#include "gui/style.h"
#include "model/form1.h"
#include "report/qt/report_print.h"
#include "report/quickrptpage.h"

#include <QApplication>
#include <QTimer>

#include <optional>
#include <string>

int main(int argc, char* argv[])
{
    // rate, study, report, --help, --version: no window, no display needed.
    if (app::qt::IsCommandLine(argc, argv))
        return app::qt::RunCommandLine(argc, argv);
    // Else at most one argument: a case to open, e.g. double-clicked.
    const std::optional<std::string> caseFile = argc == 2 ? std::optional<std::string>(argv[1]) : std::nullopt;
    if (app::qt::RefuseWithoutDisplay())
        return 1;

    QApplication application(argc, argv);
    // The name only: a display name would be appended to every window title.
    QApplication::setApplicationName(
        QString::fromUtf8(app::kApplicationTitle.data(), qsizetype(app::kApplicationTitle.size())));
    QApplication::setWindowIcon(app::qt::WindowIcon());
    // The window and the report name the same Windows fonts; one table maps
    // them to their metric-compatible stand-ins.
    report::RegisterReportFontSubstitutes();
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
    // Once the window shows, so that a failed load's error box stands over it.
    if (caseFile)
        QTimer::singleShot(0, &window, [&form, &caseFile] { form.Dispatch([&] { form.OpenCase(*caseFile); }); });
    return application.exec();
}
