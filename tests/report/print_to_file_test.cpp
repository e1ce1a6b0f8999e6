// "Udskriv", the preview's Print, "Print to File (PDF)" in the print dialog:
// the whole way from the window to the disk, on disks that fail.
#include "report/quickrptpage.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/window_test.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

class PrintToFile : public support::WindowTest {
protected:
    // Presses the flag and "Udskriv", sends the preview's printer to `pdf`,
    // presses Print, the print dialog's OK and Qt's "overwrite?" Yes. Returns
    // the text of the error box that follows, "" when none came. The watchdog
    // rests meanwhile; a window still open after 20 s is closed, so a fault
    // cannot hang the run.
    QString PrintToPdf(const char* flag, const std::string& pdf)
    {
        form->AttachReportPage(&page);
        Button(flag)->click();
        watchdog_.stop();
        QString error;
        bool printed = false;
        QObject scope;
        QTimer poll(&scope);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible())
                return;
            if (auto* preview = qobject_cast<QPrintPreviewDialog*>(modal); preview && !printed) {
                printed = true;
                preview->printer()->setOutputFileName(QString::fromStdString(pdf));
                const QString print = QCoreApplication::translate("QPrintPreviewDialog", "Print");
                for (QAction* action : preview->findChildren<QAction*>())
                    if (action->text() == print)
                        QTimer::singleShot(0, action, &QAction::trigger);
            } else if (auto* dialog = qobject_cast<QPrintDialog*>(modal)) {
                dialog->accept();
            } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                if (QAbstractButton* yes = box->button(QMessageBox::Yes)) {
                    yes->click();
                } else {
                    error = box->text();
                    box->done(0);
                }
            }
        });
        poll.start(20);
        QTimer::singleShot(20000, &scope, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        Button("BitBtn3")->click();
        watchdog_.start(10);
        EXPECT_TRUE(printed) << "no print preview came";
        return error;
    }

    report::Tquickrptpage page;
    support::ScratchDir dir;
};

// The old PDF stays byte for byte, no temporary file is left, and the box
// names the cause, in the same words whichever language the window shows.
TEST_F(PrintToFile, AFailingDiskKeepsTheOldPdfAndSaysWhy)
{
    const std::string old = "%PDF-1.4 the old report\n";
    struct Disk {
        const char* name;
        const char* message;
    };
    for (const Disk disk : {Disk{"full", "Disk full."}, Disk{"limited", "I/O error 27."}}) {
        for (const char* flag : {"BitBtnDK", "BitBtnUK"}) {
            SCOPED_TRACE(std::string(disk.name) + " " + flag);
            const fs::path folder = dir.Path() / disk.name;
            fs::create_directory(folder);
            const bool full = disk.name == std::string("full");
            // A 64 KiB file system with the old PDF and a filler up to its brim.
            // Only root may mount it; the file size limit serves everyone.
            if (full && ::geteuid() != 0)
                continue;
            if (full && ::mount("tervol", folder.c_str(), "tmpfs", 0, "size=64k") != 0) {
                ADD_FAILURE() << "no tmpfs could be mounted";
                continue;
            }
            std::ofstream(folder / "report.pdf", std::ios::binary) << old;
            if (full) {
                std::ofstream filler(folder / "filler", std::ios::binary);
                const std::string block(4096, 'x');
                while (filler.write(block.data(), block.size()) && filler.flush()) {}
            }
            rlimit before{};
            ::getrlimit(RLIMIT_FSIZE, &before);
            rlimit small = before;
            small.rlim_cur = 4096;  // the report's PDF is tens of KiB
            const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
            if (!full)
                ::setrlimit(RLIMIT_FSIZE, &small);
            const QString error = PrintToPdf(flag, (folder / "report.pdf").string());
            ::setrlimit(RLIMIT_FSIZE, &before);
            std::signal(SIGXFSZ, oldSignal);

            EXPECT_EQ(error.toStdString(), disk.message);
            EXPECT_TRUE(support::ReadFile(folder / "report.pdf") == old) << "the old PDF was changed";
            EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), full ? 2 : 1);
            if (full)
                ::umount2(folder.c_str(), MNT_DETACH);
        }
    }
}

// The same way on a sound disk replaces the old file with the report.
TEST_F(PrintToFile, ASoundDiskTakesTheReport)
{
    const std::string pdf = dir.Write("report.pdf", "old");
    EXPECT_EQ(PrintToPdf("BitBtnUK", pdf), "");
    const std::string bytes = support::ReadFile(pdf);
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
    EXPECT_GT(bytes.size(), 4096u);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 1);
}

}  // namespace
