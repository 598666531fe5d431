#include "app/TPegloreApplication.h"

#include <exception>

#include "services/messages/TMessages.h"

namespace peglore {

TPegloreApplication::TPegloreApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // The title names the game in the captions of the standard boxes.
    setApplicationName(QStringLiteral("Peglore"));
}

bool TPegloreApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        TMessages::ShowError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        //: An error box's text; a full stop follows.
        TMessages::ShowError(QCoreApplication::translate("peglore::TPegloreApplication", "An unexpected error occurred"));
    }
    return false;
}

}  // namespace peglore
