// The case-file dialogs as the user answers them: a name typed into the
// dialog's name box and Enter.
#include "tests/support/scratch_dir.h"
#include "tests/support/window_test.h"

#include <QApplication>
#include <QFileDialog>

namespace {

using support::WindowTest;

class FileDialogs : public WindowTest {
protected:
    // Runs a dialog and types `name` into it. The watchdog would take the
    // dialog for an unexpected window, so it rests while this answers it;
    // a dialog still open after 5 s is closed so that a fault cannot hang.
    std::optional<std::string> Answer(bool open, const QString& name)
    {
        watchdog_.stop();
        bool answered = false;
        QObject scope;  // takes both timers with it when this answer is over
        QTimer::singleShot(0, &scope, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (auto* edit = dialog ? dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr) {
                edit->setText(name);
                QTest::keyClick(edit, Qt::Key_Return);
                answered = true;
            }
        });
        QTimer::singleShot(5000, &scope, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        auto chosen = open ? platform.RunOpenDialog(dir.File("start")) : platform.RunSaveDialog(dir.File("start"));
        watchdog_.start(10);
        EXPECT_TRUE(answered) << "no file dialog to type into";
        return chosen;
    }

    support::ScratchDir dir;
};

TEST_F(FileDialogs, OpenTakesAnExistingNameAsTypedAndAddsTheSuffixOtherwise)
{
    dir.Write("case", "");
    dir.Write("case.tvl", "");
    dir.Write("other.tvl", "");
    // dialog, typed name, the name the program gets
    const std::tuple<bool, const char*, const char*> cases[] = {
        {true, "case", "case"},            // exists as typed
        {true, "other", "other.tvl"},      // only with the suffix
        {true, "missing", "missing.tvl"},  // neither: the suffix, and "File not found." later
        {true, "case.tvl", "case.tvl"},   {false, "case", "case.tvl"},  // saving always adds the suffix
        {false, "new", "new.tvl"},
    };
    for (const auto& [open, typed, expected] : cases) {
        SCOPED_TRACE(std::string(open ? "open " : "save ") + typed);
        EXPECT_EQ(Answer(open, QString::fromUtf8(typed)), dir.File(expected));
    }
}

}  // namespace
