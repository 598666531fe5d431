#include "app/TActiveFormTracker.h"

#include <QApplication>
#include <QEvent>

namespace peglore {

namespace {
// The help viewer's windows and the game's tool windows stand outside the
// game, as another program's would: reading them does not stop the clock.
bool IsHelpWindow(const QWidget* window)
{
    return window->property("pegloreHelpWindow").toBool() || window->property("pegloreToolWindow").toBool();
}
}  // namespace

TActiveFormTracker::TActiveFormTracker(QObject* parent) : QObject(parent)
{
    qApp->installEventFilter(this);
}

TActiveFormTracker::~TActiveFormTracker()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

QWidget* TActiveFormTracker::ActiveForm() const
{
    // A modal window holds the input whether or not the window manager
    // has told us it is active yet.
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow(); active && active->isVisible() && !IsHelpWindow(active))
        return active;
    // Another program has the focus: the last of ours that held it.
    return FLast && FLast->isVisible() ? FLast.data() : nullptr;
}

void TActiveFormTracker::Activated(QWidget* window)
{
    FLast = window;
}

bool TActiveFormTracker::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        // A late activation of a window already closed again changes nothing.
        if (widget->isWindow() && widget->isVisible() && widget->windowType() != Qt::ToolTip &&
            widget->windowType() != Qt::Popup && !IsHelpWindow(widget))
            Activated(widget);
    } else if (event->type() == QEvent::Hide && !event->spontaneous() && watched == FLast && FLast->isWindow()) {
        // A closed dialog hands the focus back to the window it belongs to.
        // A window the window system hides (minimised) stays the active
        // form, as it was when another program took the focus.
        QWidget* owner = FLast->parentWidget();
        FLast = owner ? owner->window() : nullptr;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace peglore
