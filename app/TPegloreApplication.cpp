#include "app/TPegloreApplication.h"

#include <exception>

#include "services/messages/TMessages.h"

namespace peglore {

TPegloreApplication::TPegloreApplication(int& Argc, char** Argv) : QApplication(Argc, Argv)
{
    // The title names the game in the captions of the standard boxes.
    setApplicationName(QStringLiteral("Peglore"));
}

bool TPegloreApplication::notify(QObject* Receiver, QEvent* Event)
{
    try {
        return QApplication::notify(Receiver, Event);
    } catch (const std::exception& Error) {
        TMessages::ShowError(QString::fromLocal8Bit(Error.what()));
    } catch (...) {
        TMessages::ShowError(QStringLiteral("An unexpected error occurred"));
    }
    return false;
}

}  // namespace peglore
