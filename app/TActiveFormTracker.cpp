#include "app/TActiveFormTracker.h"

#include <QApplication>
#include <QEvent>

namespace peglore {

TActiveFormTracker::TActiveFormTracker(QObject* Parent) : QObject(Parent)
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
    if (QWidget* active = QApplication::activeWindow())
        return active;
    // Another program has the focus: the last of ours that held it.
    return FLast && FLast->isVisible() ? FLast.data() : nullptr;
}

void TActiveFormTracker::Activated(QWidget* Window)
{
    FLast = Window;
}

bool TActiveFormTracker::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Event->type() == QEvent::WindowActivate && Watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(Watched);
        if (widget->isWindow() && widget->windowType() != Qt::ToolTip && widget->windowType() != Qt::Popup)
            Activated(widget);
    }
    return QObject::eventFilter(Watched, Event);
}

}  // namespace peglore
