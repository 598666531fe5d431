#pragma once

#include <QObject>

#include "platform/files/TFileDescriptor.h"

class QGuiApplication;
class QSocketNotifier;

namespace peglore {

// The requests to end the game that come from outside its window, as one
// signal on the user-interface thread: SIGTERM, SIGINT and SIGHUP (a
// shutdown, Ctrl+C, the terminal closing), which the handler only writes to
// a pipe that the event loop reads, and the session manager's request to
// save at logout. From the first request on, the three signals take their
// default action again, so a second one ends the game at once, wherever its
// close stands. One object at a time.
class TCloseRequests : public QObject {
    Q_OBJECT
public:
    explicit TCloseRequests(QGuiApplication& application);
    // The default actions come back.
    ~TCloseRequests() override;

signals:
    void Requested();

private:
    void ReadSignals();
    void Request();

    TFileDescriptor FReadEnd;
    TFileDescriptor FWriteEnd;
    QSocketNotifier* FNotifier = nullptr;
    bool FRequested = false;
};

}  // namespace peglore
