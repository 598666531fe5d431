#include "app/TBackgroundJob.h"

namespace peglore {

void TBackgroundJob::Start(TWork work)
{
    Stop();
    const unsigned run = ++FRun;
    FBusy = true;
    // The job outlives its thread (Stop joins it), and an event queued to
    // a job already destroyed is dropped with it.
    FThread = std::jthread([this, run, work = std::move(work)](std::stop_token stop) {
        TDelivery delivery = work(stop);
        if (stop.stop_requested())
            return;
        QMetaObject::invokeMethod(
            this,
            [this, run, delivery = std::move(delivery)] {
                if (FRun != run)
                    return;
                FBusy = false;
                if (delivery)
                    delivery();
            },
            Qt::QueuedConnection);
    });
}

void TBackgroundJob::Stop()
{
    ++FRun;
    FBusy = false;
    if (FThread.joinable()) {
        FThread.request_stop();
        FThread.join();
    }
}

}  // namespace peglore
