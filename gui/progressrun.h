// Long runs off the window's thread: the part-load study and the heating
// season both run on a worker while the window repaints, with a progress box
// that appears after half a second and whose Cancel stops the run, keeping
// what is done.
#pragma once

#include "study/studyform.h"

#include <QString>

#include <chrono>
#include <functional>
#include <future>
#include <memory>

class QWidget;

namespace app::qt {

struct ProgressCaptions {
    QString title, label, cancel;
};

// Shows the progress box over `parent` while `done` is false, reading the
// counts from `shared` and setting its cancel when the user asks.
void WaitShowingProgress(QWidget* parent, const ProgressCaptions& captions, study::SharedProgress& shared,
                         const std::function<bool()>& done);

// Runs `work(shared)` on a worker and returns its result once it is there.
// The worker must see only its own copies and `shared`.
template <class Work>
auto RunShowingProgress(QWidget* parent, const ProgressCaptions& captions, Work work)
{
    auto shared = std::make_shared<study::SharedProgress>();
    auto result = std::async(std::launch::async, [work = std::move(work), shared] { return work(*shared); });
    WaitShowingProgress(parent, captions, *shared,
                        [&] { return result.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
    // The application may be quitting: what is done is kept.
    shared->cancel = true;
    return result.get();
}

}  // namespace app::qt
