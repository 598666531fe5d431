#pragma once

#include <QObject>

class QAction;
class QEvent;
class QMenu;
class QPoint;

namespace peglore {

class TBoardGrid;
class TGameSession;

// What the player does on the guess board: dropping a dragged colour on a
// hole of the current row, and the right-click menu PopupMenu1 (Repeat,
// Clear, Clear Row, Give Up!).
class TGuessBoardInput : public QObject {
    Q_OBJECT
public:
    // Watches board's events; PopupMenu1 belongs to menuParent.
    TGuessBoardInput(TBoardGrid& board, QWidget& menuParent);

    // The session the board plays in; null while there is none.
    void SetSession(TGameSession* session) { FSession = session; }

    void PopupMenu1Popup();
    void pmenuRepeatClick();
    void pmenuClearClick();
    void pmenuClearRowClick();
    void pmenuGiveUpClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool IsOverCurrentRow(const QPoint& pos) const;

    TBoardGrid& FBoard;
    TGameSession* FSession = nullptr;
    QMenu* FPopupMenu1;
    QAction* FRepeatItem;
    QAction* FClearItem;
    QAction* FClearRowItem;
    QAction* FGiveUpItem;
};

}  // namespace peglore
