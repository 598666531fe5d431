#include "app/DisplayCheck.h"

#include <QGuiApplication>
#include <QScreen>

namespace peglore {

int DisplayDepth()
{
    bool overridden = false;
    const int forced = qEnvironmentVariableIntValue("PEGLORE_DISPLAY_DEPTH", &overridden);
    if (overridden)
        return forced;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 0;
}

}  // namespace peglore
