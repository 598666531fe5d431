#pragma once

#include <QDialog>
#include <QPoint>
#include <QPointer>
#include <QPushButton>
#include <QSet>

#include "platform/help/IHelpCommands.h"

class QMenu;

namespace peglore {

class TDialogBackground;

// The frame every dialog of the game shares: a fixed client size with the
// marble background behind the controls, centring on the first showing and
// the player's place afterwards, help contexts on the controls, F1 and
// What's This help, and the "&What's This?" context menu.
//
// FormShow runs at every showing, before the dialog is placed; FormClose
// runs whenever the dialog closes, with its result (Rejected for Cancel,
// Escape on a Cancel button and the close box).
class TGameDialog : public QDialog {
    Q_OBJECT
public:
    // The property that holds a control's help context; 0 or none is no
    // context. The main window uses the same name.
    static constexpr const char* HelpContextProperty = "helpContext";

    enum class TTitleHelp { None, ContextHelpButton };

    // f1Command: the help command F1 sends for the context found from the
    // focused control outwards. ContextHelpButton also offers Shift+F1 for
    // the What's This mode, which window managers without the title-bar
    // button cannot start.
    TGameDialog(IHelpCommands& help, const QSize& clientSize, TTitleHelp titleHelp, int f1Command,
                QWidget* parent = nullptr);

    static void SetHelpContext(QObject* control, int context);
    static int HelpContextOf(const QObject* control);
    // The first non-zero context from control outwards through the controls
    // that enclose it, up to this dialog; 0 when there is none.
    int HelpContextFrom(const QWidget* control) const;

    TDialogBackground* Background() const { return FBackground; }
    QMenu* PopupMenu2() const { return FPopupMenu2; }
    QWidget* PopupComponent() const { return FPopupComponent; }
    // As a right click on control does before the menu opens.
    void SetPopupComponent(QWidget* control) { FPopupComponent = control; }
    // The "&What's This?" item: the pop-up of the control's own context,
    // without any search outwards, 0 included.
    void pmenuWhatsThisClick();

    // True once the dialog has been placed by its first showing.
    bool Placed() const { return FPlaced; }

protected:
    virtual void FormShow() {}
    virtual void FormClose(int result) { Q_UNUSED(result); }

    // Right clicks on control (and on controls inside it without a menu of
    // their own) open PopupMenu2 for control.
    void AttachPopupMenu(QWidget* control);
    // Escape presses button, as the button that answers Escape.
    void SetEscapeButton(QPushButton* button) { FEscapeButton = button; }
    // The "OK" button of a dialog that only informs: default button and
    // Escape's button alike, help context 1, closing with OK.
    QPushButton* AddCloseButton(const QRect& geometry);

    void done(int result) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Place();
    QSize OuterSize() const;
    bool WhatsThisEvent(QEvent* event);

    IHelpCommands& FHelp;
    TTitleHelp FTitleHelp;
    int FF1Command;
    TDialogBackground* FBackground;
    QMenu* FPopupMenu2;
    QPointer<QWidget> FPopupComponent;
    QSet<QWidget*> FPopupControls;
    QPointer<QPushButton> FEscapeButton;
    bool FPlaced = false;
    QPoint FLastPlace;
};

}  // namespace peglore
