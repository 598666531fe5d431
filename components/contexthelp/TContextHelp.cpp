#include "components/contexthelp/TContextHelp.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QWhatsThis>
#include <QWidget>

#include "components/contexthelp/HelpContexts.h"
#include "platform/help/IHelpCommands.h"

namespace peglore {

void TContextHelp::SetContext(QObject* control, int context)
{
    control->setProperty(ContextProperty, context);
}

int TContextHelp::ContextOf(const QObject* control)
{
    return control ? control->property(ContextProperty).toInt() : 0;
}

int TContextHelp::ContextFrom(const QWidget* control)
{
    for (const QWidget* w = control; w; w = w->parentWidget()) {
        if (const int context = ContextOf(w))
            return context;
        if (w->isWindow())
            break;
    }
    return 0;
}

TContextHelp::TContextHelp(IHelpCommands& help, QWidget& window, TOptions options)
    : QObject(&window), FHelp(help), FWindow(window), FOptions(options)
{
    FWindow.installEventFilter(this);
}

void TContextHelp::AttachPopupMenu(QWidget* control)
{
    if (!FPopupMenu) {
        FPopupMenu = new QMenu(&FWindow);
        FPopupMenu->setObjectName(QStringLiteral("PopupMenu2"));
        //: The pop-up menu of a control (right click): shows the control's help.
        QAction* whatsThis = FPopupMenu->addAction(tr("&What's This?"));
        whatsThis->setObjectName(QStringLiteral("pmenuWhatsThis"));
        SetContext(whatsThis, HelpContexts::WhatsThis);
        connect(whatsThis, &QAction::triggered, this, &TContextHelp::pmenuWhatsThisClick);
        WatchMenu(FPopupMenu);
    }
    FPopupControls.insert(control);
    control->installEventFilter(this);
}

void TContextHelp::WatchMenu(QMenu* menu)
{
    FMenus.insert(menu);
    menu->installEventFilter(this);
}

void TContextHelp::pmenuWhatsThisClick()
{
    FHelp.HelpCommand(IHelpCommands::ContextPopup, ContextOf(FPopupComponent));
}

bool TContextHelp::eventFilter(QObject* watched, QEvent* event)
{
    if (FPopupControls.contains(watched) && event->type() == QEvent::ContextMenu) {
        FPopupComponent = static_cast<QWidget*>(watched);
        FPopupMenu->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    if (FMenus.contains(watched))
        return MenuKeyPress(static_cast<QMenu*>(watched), event);
    if (watched != &FWindow)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: return WindowKeyPress(event);
    case QEvent::QueryWhatsThis:
    case QEvent::WhatsThis: return FOptions.WhatsThisMode && WhatsThisEvent(event);
    default: return false;
    }
}

bool TContextHelp::MenuKeyPress(QMenu* menu, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1 ||
        !menu->activeAction())
        return false;
    if (const int context = ContextOf(menu->activeAction()))
        FHelp.HelpCommand(IHelpCommands::ContextPopup, context);
    return true;
}

bool TContextHelp::WindowKeyPress(QEvent* event)
{
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1)
        return false;
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier && FOptions.F1Command != 0) {
        const QWidget* focus = FWindow.focusWidget();
        if (const int context = ContextFrom(focus ? focus : &FWindow))
            FHelp.HelpCommand(FOptions.F1Command, context);
        event->accept();
        return true;
    }
    if (modifiers == Qt::ShiftModifier && FOptions.WhatsThisMode) {
        QWhatsThis::enterWhatsThisMode();
        event->accept();
        return true;
    }
    return false;
}

// A query (the pointer passing over a control in What's This mode) or a
// click in that mode reaches the window when no control took it: the help
// viewer's pop-up replaces Qt's own bubble, for the first context found
// outwards from the control under the pointer.
bool TContextHelp::WhatsThisEvent(QEvent* event)
{
    const auto* help = static_cast<QHelpEvent*>(event);
    QWidget* control = FWindow.childAt(help->pos());
    const int context = ContextFrom(control ? control : &FWindow);
    if (context == 0) {
        // Refused: the pointer shows that nothing is there, and a click
        // just ends the mode.
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::WhatsThis) {
        QWhatsThis::leaveWhatsThisMode();
        FHelp.HelpCommand(IHelpCommands::ContextPopup, context);
    }
    event->accept();
    return true;
}

}  // namespace peglore
