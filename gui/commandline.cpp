#include "gui/commandline.h"

#include "cli/cli.h"
#include "cli/fd_output.h"
#include "cli/texts.h"
#include "gui/localeformat.h"
#include "report/qt/report_pdf.h"
#include "report/qt/report_print.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QPainter>

#include <csignal>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
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
// display and never shows a window. Windows' own platform needs no display
// (every session has a desktop) and is the one whose fonts are the system's.
// Only QPdfWriter is used, so no print system is ever asked for a printer.
void WritePdf(const report::Tquickrptpage& page, const std::string& path)
{
    qInstallMessageHandler(QuietQtMessages);
#ifndef Q_OS_WIN
    qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    int argc = 1;
    char name[] = "tervol";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    const QString date = report::TodayReportDateText();
    report::SavePagePdf(path, page.Page(), [&](QPainter& painter) { report::PaintReportPage(painter, page, date); });
}

}  // namespace

bool RefuseWithoutDisplay()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (const char* value = std::getenv(name); value && *value)
            return false;
    const char* language = std::getenv("LANG");
    const bool danish = language && std::string_view(language).starts_with("da");
    std::cerr << "tervol: " << cli::CliText(danish ? cli::Lang::Danish : cli::Lang::English).noDisplay << '\n';
    return true;
#else
    return false;
#endif
}

bool IsCommandLine(int argc, char* argv[]) { return cli::IsCommandLine(Arguments(argc, argv)); }

int RunCommandLine(int argc, char* argv[])
{
    std::ios::sync_with_stdio(false);
    // QLocale reads the locale settings without an application object, as
    // the window reads them.
    const cli::Host host{LocaleNumberFormat(), WritePdf};
#ifdef SIGPIPE
    // A reader that closes the pipe early (`| head`) shows up as a failed
    // write, which the command line ends quietly on, not as a signal.
    std::signal(SIGPIPE, SIG_IGN);
#endif
#ifdef SIGXFSZ
    // Past the file size limit a write fails with EFBIG and is reported.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    cli::FdOutput stdoutBuffer(1);
    std::ostream out(&stdoutBuffer);
    return cli::Run(Arguments(argc, argv), host, out, std::cerr);
}

}  // namespace app::qt
