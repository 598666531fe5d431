#pragma once

#include <QObject>

#include <functional>
#include <stop_token>
#include <thread>

namespace peglore {

// Long work on a thread of its own, so the window never waits for it. The
// work returns what to do with its result, which runs later on the
// user-interface thread, unless the job was stopped or started again in
// the meantime: a result nobody waits for any more is dropped.
class TBackgroundJob : public QObject {
    Q_OBJECT
public:
    using TDelivery = std::function<void()>;
    using TWork = std::function<TDelivery(std::stop_token)>;

    explicit TBackgroundJob(QObject* parent = nullptr) : QObject(parent) {}
    ~TBackgroundJob() override
    {
        blockSignals(true);
        Stop();
    }

    // Stops any work under way and starts work.
    void Start(TWork work);
    // Stops the work under way; its result is dropped.
    void Stop();
    // Started and not yet delivered or stopped.
    bool Busy() const { return FBusy; }

signals:
    // Busy() has changed.
    void BusyChanged(bool busy);

private:
    void SetBusy(bool busy);

    std::jthread FThread;
    unsigned FRun = 0;  // tells the current run's result from a stale one
    bool FBusy = false;
};

}  // namespace peglore
