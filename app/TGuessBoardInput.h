#pragma once

#include <QObject>

#include <array>

#include "game/PegColors.h"

class QAction;
class QEvent;
class QKeyEvent;
class QMenu;
class QPoint;

namespace peglore {

class TAnalyst;
class TBoardGrid;
class TGameSession;

// What the player does on the guess board: dropping a dragged colour on a
// hole of the current row, the right-click menu PopupMenu1 (Repeat, Clear,
// Clear Row, Give Up!, Hint), and playing the current row with the keyboard.
//
// The board takes no focus, so the keys are taken where they reach the
// window: 1 to 8 put the colours of the colour bar's swatches, left to
// right, in the selected hole; Left, Right, Home and End move the
// selection; Backspace and Delete clear; Return checks the row while
// automatic checking is off. The first of them shows the focus mark.
class TGuessBoardInput : public QObject {
    Q_OBJECT
public:
    using TKeyColors = std::array<TColor, 8>;

    // Watches board's events and window's keys; PopupMenu1 belongs to
    // window. keyColors: the colours of keys 1 to 8. hint: the Hint
    // command, which the popup menu shows as its last item.
    TGuessBoardInput(TBoardGrid& board, QWidget& window, const TKeyColors& keyColors, QAction& hint);

    // The session the board plays in; null while there is none.
    void SetSession(TGameSession* session) { FSession = session; }
    // Whose hint the popup menu's Hint item waits for; null while none.
    void SetAnalyst(TAnalyst* analyst) { FAnalyst = analyst; }

    // Puts color in the selected hole, as its number key does.
    void PlaceColor(TColor color);

    // PopupMenu1, the guess board's right-click menu.
    QMenu* PopupMenu() const { return FPopupMenu1; }
    void PopupMenu1Popup();
    void pmenuRepeatClick();
    void pmenuClearClick();
    void pmenuClearRowClick();
    void pmenuGiveUpClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool IsOverCurrentRow(const QPoint& pos) const;
    bool BoardEvent(QEvent* event);
    bool KeyPress(const QKeyEvent& key);

    TBoardGrid& FBoard;
    QWidget& FWindow;
    TKeyColors FKeyColors;
    TGameSession* FSession = nullptr;
    QMenu* FPopupMenu1;
    QAction* FRepeatItem;
    QAction* FClearItem;
    QAction* FClearRowItem;
    QAction* FGiveUpItem;
    QAction* FHintItem;
    TAnalyst* FAnalyst = nullptr;
};

}  // namespace peglore
