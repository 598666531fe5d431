#pragma once

#include <QApplication>

namespace peglore {

// The application object. An exception that escapes an event handler is
// reported in an error box and the event loop goes on, so one failed
// command never takes the game down with it.
class TPegloreApplication : public QApplication {
public:
    TPegloreApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace peglore
