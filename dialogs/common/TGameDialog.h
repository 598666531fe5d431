#pragma once

#include <QDialog>
#include <QPoint>
#include <QPointer>
#include <QPushButton>

#include "platform/help/IHelpCommands.h"

namespace peglore {

class TContextHelp;
class TWindowPlacement;

// The frame every dialog of the game shares: a fixed client size with the
// marble background behind the controls, centring on the first showing and
// the player's place afterwards, and context help (help contexts on the
// controls, F1, What's This and the "&What's This?" menu).
//
// FormShow runs at every showing, before the dialog is placed; FormClose
// runs whenever the dialog closes, with its result (Rejected for Cancel,
// Escape on a Cancel button and the close box).
class TGameDialog : public QDialog {
    Q_OBJECT
public:
    enum class TTitleHelp { None, ContextHelpButton };

    // f1Command: the help command F1 sends for the context found from the
    // focused control outwards. ContextHelpButton also offers Shift+F1 for
    // the What's This mode, which window managers without the title-bar
    // button cannot start.
    TGameDialog(IHelpCommands& help, const QSize& clientSize, TTitleHelp titleHelp, int f1Command,
                QWidget* parent = nullptr);

    // True once the dialog has been placed by its first showing.
    bool Placed() const { return FPlaced; }

protected:
    virtual void FormShow() {}
    virtual void FormClose(int result) { Q_UNUSED(result); }

    TContextHelp& ContextHelp() const { return *FContextHelp; }
    // Escape presses button, as the button that answers Escape.
    void SetEscapeButton(QPushButton* button) { FEscapeButton = button; }
    // The "OK" button of a dialog that only informs: default button and
    // Escape's button alike, help context 1, closing with OK.
    QPushButton* AddCloseButton(const QRect& geometry);

    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Place();
    void PlaceFirst();

    TContextHelp* FContextHelp;
    TWindowPlacement* FPlacement;
    QPointer<QPushButton> FEscapeButton;
    bool FPlaced = false;
    QPoint FLastPlace;
};

}  // namespace peglore
