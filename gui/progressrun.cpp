#include "gui/progressrun.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

namespace app::qt {

void WaitShowingProgress(QWidget* parent, const ProgressCaptions& captions, study::SharedProgress& shared,
                         const std::function<bool()>& done)
{
    QProgressDialog progress(captions.label, captions.cancel, 0, study::kMaxPoints, parent);
    progress.setWindowTitle(captions.title);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(500);
    progress.setAutoReset(false);
    progress.setValue(0);
    QObject::connect(&progress, &QProgressDialog::canceled, &progress, [&shared] { shared.cancel = true; });
    QEventLoop loop;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
        else if (const int total = shared.total; total > 0)
            progress.setMaximum(total), progress.setValue(shared.done);
    });
    if (!done()) {
        tick.start(20);
        loop.exec();
    }
}

}  // namespace app::qt
