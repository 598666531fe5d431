#pragma once

#include <QObject>
#include <QPointer>
#include <QSet>

class QMenu;
class QWidget;

namespace peglore {

class IHelpCommands;

// Context help for one window of the game: help contexts on its controls
// and menu items, the "&What's This?" pop-up menu, F1, and the What's This
// mode (Shift+F1, or the title bar's help button where the window manager
// offers one). The main window and every dialog use it alike.
class TContextHelp : public QObject {
    Q_OBJECT
public:
    struct TOptions {
        // The help command F1 sends for the first context found from the
        // focused control outwards; 0 leaves F1 to the window.
        int F1Command = 0;
        // Shift+F1 starts the What's This mode, and a click in it asks for
        // the pop-up of the first context from the control clicked outwards.
        bool WhatsThisMode = true;
    };

    // The property that holds a control's help context.
    static constexpr const char* ContextProperty = "helpContext";

    static void SetContext(QObject* control, int context);
    static int ContextOf(const QObject* control);
    // The first non-zero context from control outwards through the controls
    // that enclose it, up to its window; 0 when there is none.
    static int ContextFrom(const QWidget* control);

    // Watches window's events; lives as window's child.
    TContextHelp(IHelpCommands& help, QWidget& window, TOptions options);

    // Right clicks on control (and on controls inside it without a menu of
    // their own) open the "&What's This?" menu for control.
    void AttachPopupMenu(QWidget* control);
    // F1 on a highlighted item of menu asks for the item's context pop-up.
    void WatchMenu(QMenu* menu);

    // Null until a control has been attached.
    QMenu* PopupMenu() const { return FPopupMenu; }
    QWidget* PopupComponent() const { return FPopupComponent; }
    // As a right click on control does before the menu opens.
    void SetPopupComponent(QWidget* control) { FPopupComponent = control; }
    // The "&What's This?" item: the pop-up of the control's own context,
    // without any search outwards, 0 included.
    void pmenuWhatsThisClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool WindowKeyPress(QEvent* event);
    bool WhatsThisEvent(QEvent* event);
    bool MenuKeyPress(QMenu* menu, QEvent* event);

    IHelpCommands& FHelp;
    QWidget& FWindow;
    TOptions FOptions;
    QMenu* FPopupMenu = nullptr;
    QPointer<QWidget> FPopupComponent;
    QSet<QObject*> FPopupControls;
    QSet<QObject*> FMenus;
};

}  // namespace peglore
