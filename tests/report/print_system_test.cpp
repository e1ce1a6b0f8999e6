// The preview's question to CUPS, and the two places of Qt's own print
// dialogs the program relies on to take over printing.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <exception>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>

#include "report/qt/print_job.h"
#include "report/qt/print_system.h"

namespace {

using Clock = std::chrono::steady_clock;

// A loopback port that takes connections and never answers; closed, one that
// refuses them.
class Listener {
public:
    explicit Listener(bool listening)
    {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(fd_, reinterpret_cast<sockaddr*>(&address), length);
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        if (listening)
            ::listen(fd_, 16);
        else
            ::close(std::exchange(fd_, -1));
        ::setenv("CUPS_SERVER", ("127.0.0.1:" + std::to_string(port_)).c_str(), 1);
    }
    ~Listener()
    {
        if (fd_ >= 0)
            ::close(fd_);
        ::unsetenv("CUPS_SERVER");
    }

private:
    int fd_ = -1;
    int port_ = 0;
};

long long MillisecondsOf(const std::function<void()>& call)
{
    const auto start = Clock::now();
    call();
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

TEST(PrintSystem, SilentServerIsGivenUpOnAtTheDeadlineRefusingOneAtOnce)
{
    const struct {
        bool listening;
        report::PrintSystem::State state;
    } cases[] = {{true, report::PrintSystem::State::kSilent}, {false, report::PrintSystem::State::kNone}};
    for (const auto& c : cases) {
        const Listener server(c.listening);
        report::PrintSystem answer;
        const long long ms = MillisecondsOf([&] { answer = report::AskPrintSystem(std::chrono::milliseconds(400)); });
        EXPECT_EQ(answer.state, c.state) << c.listening;
        EXPECT_LT(ms, 1000) << c.listening;
        EXPECT_TRUE(answer.withoutLanguageEncoding.empty());
    }
}

// Without these names Qt's preview would print by itself again: no checked
// PDF write, no refused job reported, every printer offered.
TEST(PrintSystem, QtPreviewPrintAndPrinterListAreFound)
{
    const Listener refusing(false);
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer);
    std::exception_ptr failure;
    const report::PageSettings settings;
    EXPECT_TRUE(report::TakeOverPrint(preview, printer, {settings, [](QPainter&) {}, {}, "DK"}, failure));
    QPrintDialog dialog(&printer);
    EXPECT_NE(dialog.findChild<QComboBox*>(QStringLiteral("printers")), nullptr);
}

// A printer the painter cannot start on (here a PDF file in a folder that
// does not exist) is reported in the window's language, never as printed.
TEST(PrintSystem, AJobThatCannotStartIsReported)
{
    const std::pair<const char*, const char*> rows[] = {
        {"DK", "Udskriften kunne ikke startes på printeren."},
        {"UK", "The print job could not be started on the printer."},
    };
    for (const auto& [language, message] : rows) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QStringLiteral("/no such folder/tervol.pdf"));
        bool painted = false;
        const report::PageSettings settings;
        try {
            report::PrintPage(printer, {settings, [&](QPainter&) { painted = true; }, {}, language});
            ADD_FAILURE() << "reported as printed in " << language;
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), message);
        }
        EXPECT_FALSE(painted) << language;
    }
}

}  // namespace
