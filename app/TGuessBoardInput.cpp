#include "app/TGuessBoardInput.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>
#include <utility>

#include "app/TAnalyst.h"
#include "app/TColorSwatch.h"
#include "app/TGameSession.h"
#include "components/boardgrid/TBoardGrid.h"
#include "components/contexthelp/HelpContexts.h"
#include "components/contexthelp/TContextHelp.h"
#include "game/TLeftGrid.h"
#include "game/TLogic.h"
#include "services/messages/TMessages.h"
#include "settings/configuration/TConfiguration.h"

namespace peglore {

TGuessBoardInput::TGuessBoardInput(TBoardGrid& board, QWidget& window, const TKeyColors& keyColors, QAction& hint)
    : QObject(&board), FBoard(board), FWindow(window), FKeyColors(keyColors), FHintItem(&hint)
{
    FPopupMenu1 = new QMenu(&window);
    FPopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    //: The guess board's right-click menu: copies the peg of the same hole in the row above.
    FRepeatItem = FPopupMenu1->addAction(tr("&Repeat"));
    FRepeatItem->setObjectName(QStringLiteral("pmenuRepeat"));
    QFont bold = FRepeatItem->font();
    bold.setBold(true);
    FRepeatItem->setFont(bold);
    FPopupMenu1->setDefaultAction(FRepeatItem);
    //: The guess board's right-click menu: empties the hole clicked.
    FClearItem = FPopupMenu1->addAction(tr("&Clear"));
    FClearItem->setObjectName(QStringLiteral("pmenuClear"));
    //: The guess board's right-click menu: empties every hole of the current row.
    FClearRowItem = FPopupMenu1->addAction(tr("Clear &Row"));
    FClearRowItem->setObjectName(QStringLiteral("pmenuClearRow"));
    FPopupMenu1->addSeparator()->setObjectName(QStringLiteral("N5"));
    //: The guess board's right-click menu: ends the game as lost, after a question.
    FGiveUpItem = FPopupMenu1->addAction(tr("&Give Up!"));
    FGiveUpItem->setObjectName(QStringLiteral("pmenuGiveUp"));
    FPopupMenu1->addSeparator()->setObjectName(QStringLiteral("N6"));
    FPopupMenu1->addAction(FHintItem);
    using namespace HelpContexts;
    for (const auto& [item, context] : {std::pair{FRepeatItem, Repeat}, std::pair{FClearItem, Clear},
                                        std::pair{FClearRowItem, ClearRow}, std::pair{FGiveUpItem, AskGiveUp}})
        TContextHelp::SetContext(item, context);
    connect(FRepeatItem, &QAction::triggered, this, &TGuessBoardInput::pmenuRepeatClick);
    connect(FClearItem, &QAction::triggered, this, &TGuessBoardInput::pmenuClearClick);
    connect(FClearRowItem, &QAction::triggered, this, &TGuessBoardInput::pmenuClearRowClick);
    connect(FGiveUpItem, &QAction::triggered, this, &TGuessBoardInput::pmenuGiveUpClick);
    connect(FPopupMenu1, &QMenu::aboutToShow, this, &TGuessBoardInput::PopupMenu1Popup);

    FBoard.setAcceptDrops(true);
    FBoard.installEventFilter(this);
    FWindow.installEventFilter(this);
}

void TGuessBoardInput::PlaceColor(TColor color)
{
    if (!FSession)
        return;
    FSession->LeftGrid().SetSelectionShown(true);
    FSession->Logic().PlaceInSelectedHole(color, FSession->Configuration().AutoCheck());
}

void TGuessBoardInput::PopupMenu1Popup()
{
    if (!FSession)
        return;
    const int row = FSession->Logic().CurrentRow();
    const TLeftGrid& grid = FSession->LeftGrid();
    FRepeatItem->setEnabled(grid.CanRepeat(row));
    FClearItem->setEnabled(grid.CanClear(row));
    FClearRowItem->setEnabled(grid.CanClearRow(row));
    FGiveUpItem->setEnabled(true);
    // The current row always takes pegs while a game is on; not while the
    // last hint is still on its way.
    FHintItem->setEnabled(FAnalyst && !FAnalyst->HintPending());
}

void TGuessBoardInput::pmenuRepeatClick()
{
    if (FSession)
        FSession->Logic().RepeatFromAbove(FSession->Configuration().AutoCheck());
}

void TGuessBoardInput::pmenuClearClick()
{
    if (FSession)
        FSession->LeftGrid().Clear(FSession->Logic().CurrentRow());
}

void TGuessBoardInput::pmenuClearRowClick()
{
    if (FSession)
        FSession->LeftGrid().ClearRow(FSession->Logic().CurrentRow());
}

void TGuessBoardInput::pmenuGiveUpClick()
{
    if (TMessages::AskGiveUp() == TAnswer::Yes && FSession)
        FSession->Logic().GiveUp();
}

bool TGuessBoardInput::IsOverCurrentRow(const QPoint& pos) const
{
    return FSession && FSession->LeftGrid().IsOnCurrentRow(pos.x(), pos.y(), FSession->Logic().CurrentRow());
}

bool TGuessBoardInput::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &FWindow && event->type() == QEvent::KeyPress)
        return KeyPress(*static_cast<QKeyEvent*>(event));
    return watched == &FBoard && BoardEvent(event);
}

bool TGuessBoardInput::KeyPress(const QKeyEvent& key)
{
    if (!FSession || (key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    TLogic& logic = FSession->Logic();
    const bool autoCheck = FSession->Configuration().AutoCheck();
    const int code = key.key();
    // Keys 1 to N for the colours in play.
    const int colourKeys = std::min(int(FKeyColors.size()), FSession->Logic().PlayedVariant().ColoursInPlay());
    const bool colourKey = code >= Qt::Key_1 && code < Qt::Key_1 + colourKeys;
    const bool checkKey = (code == Qt::Key_Return || code == Qt::Key_Enter) && !autoCheck;
    const bool moveKey = code == Qt::Key_Left || code == Qt::Key_Right || code == Qt::Key_Home || code == Qt::Key_End ||
                         code == Qt::Key_Backspace || code == Qt::Key_Delete;
    if (!colourKey && !checkKey && !moveKey)
        return false;
    // A held key places or checks once: repeats would fill and check rows
    // by themselves.
    if ((colourKey || checkKey) && key.isAutoRepeat())
        return true;
    FSession->LeftGrid().SetSelectionShown(true);
    if (colourKey)
        PlaceColor(FKeyColors[std::size_t(code - Qt::Key_1)]);
    else if (checkKey)
        logic.CheckCurrentRow();
    else if (code == Qt::Key_Left)
        logic.SelectHole(logic.SelectedHole() - 1);
    else if (code == Qt::Key_Right)
        logic.SelectHole(logic.SelectedHole() + 1);
    else if (code == Qt::Key_Home)
        logic.SelectHole(0);
    else if (code == Qt::Key_End)
        logic.SelectHole(logic.BoardColumns() - 1);
    else if (code == Qt::Key_Backspace)
        logic.ClearBeforeSelectedHole();
    else
        logic.ClearSelectedHole();
    return true;
}

bool TGuessBoardInput::BoardEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton && FSession) {
            const QPoint p = mouse->position().toPoint();
            FSession->LeftGrid().SetMousePos(p.x(), p.y());
        }
        return false;
    }
    case QEvent::ContextMenu:
        if (FSession)
            FPopupMenu1->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    case QEvent::DragEnter: {
        auto* drag = static_cast<QDragEnterEvent*>(event);
        TColor colour;
        if (TColorSwatch::ColorFromMimeData(drag->mimeData(), colour))
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        TColor colour;
        if (TColorSwatch::ColorFromMimeData(drag->mimeData(), colour) && IsOverCurrentRow(drag->position().toPoint()))
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        TColor colour;
        const QPoint p = drop->position().toPoint();
        if (!TColorSwatch::ColorFromMimeData(drop->mimeData(), colour) || !IsOverCurrentRow(p)) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        FSession->Logic().DropPeg(p.x(), p.y(), colour, FSession->Configuration().AutoCheck());
        return true;
    }
    default: return false;
    }
}

}  // namespace peglore
