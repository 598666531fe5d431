#include "app/TBackgroundJob.h"

namespace peglore {

void TBackgroundJob::Start(TWork work)
{
    Stop();
    const unsigned run = ++FRun;
    SetBusy(true);
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
                SetBusy(false);
                if (delivery)
                    delivery();
            },
            Qt::QueuedConnection);
    });
}

void TBackgroundJob::Stop()
{
    ++FRun;
    SetBusy(false);
    if (FThread.joinable()) {
        FThread.request_stop();
        FThread.join();
    }
}

void TBackgroundJob::SetBusy(bool busy)
{
    if (FBusy == busy)
        return;
    FBusy = busy;
    emit BusyChanged(busy);
}

}  // namespace peglore
