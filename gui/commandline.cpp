#include "gui/commandline.h"

#include "cli/cli.h"
#include "gui/localeformat.h"
#include "report/qt/report_pdf.h"
#include "report/qt/report_print.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QPainter>

#include <iostream>
#include <string>
#include <vector>

namespace app::qt {
namespace {

std::vector<std::string> Arguments(int argc, char* argv[]) { return {argv + 1, argv + argc}; }

// Qt's own notes on its set-up ("XDG_RUNTIME_DIR not set" on a server, a
// painter that could not open the file) would mix into the command's
// diagnostics, which it writes itself; only Qt's fatal messages get through.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << message.toLocal8Bit().constData() << '\n';
}

// Fonts need a GUI application; the offscreen platform gives one without a
// display and never shows a window. Only QPdfWriter is used, so no print
// system is ever asked for a printer.
void WritePdf(const report::Tquickrptpage& page, const std::string& path)
{
    qInstallMessageHandler(QuietQtMessages);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "tervol";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    const QString date = report::TodayReportDateText();
    report::SavePagePdf(path, page.Page(), [&](QPainter& painter) { report::PaintReportPage(painter, page, date); });
}

}  // namespace

bool IsCommandLine(int argc, char* argv[]) { return cli::IsCommandLine(Arguments(argc, argv)); }

int RunCommandLine(int argc, char* argv[])
{
    std::ios::sync_with_stdio(false);
    // QLocale reads the locale settings without an application object, as
    // the window reads them.
    const cli::Host host{LocaleNumberFormat(), WritePdf};
    return cli::Run(Arguments(argc, argv), host, std::cout, std::cerr);
}

}  // namespace app::qt
