#include "app/TGuessBoardReading.h"

#include "app/TGameSession.h"
#include "components/accessible/PegNames.h"
#include "game/TLeftGrid.h"
#include "game/TLogic.h"

namespace peglore {

int TGuessBoardReading::ReadColumns() const
{
    return FSession ? FSession->Logic().BoardColumns() : 0;
}

int TGuessBoardReading::ReadRows() const
{
    return FSession ? FSession->Logic().BoardRows() : 0;
}

QString TGuessBoardReading::CellText(int column, int row) const
{
    const TLeftGrid& grid = FSession->LeftGrid();
    //: Read by screen readers for a hole of the guess board without a peg.
    const QString peg = grid.IsEmpty(column, row) ? tr("empty") : PegReading(grid.Cell(column, row), grid.SymbolsShown());
    //: Read by screen readers for a hole of the guess board: row, hole, and the peg's colour or "empty".
    return tr("Row %1, hole %2: %3").arg(row + 1).arg(column + 1).arg(peg);
}

int TGuessBoardReading::CurrentRow() const
{
    return FSession ? FSession->Logic().CurrentRow() : -1;
}

int TGuessBoardReading::SelectedColumn() const
{
    if (!FSession)
        return -1;
    const TCell selection = FSession->LeftGrid().Selection();
    return selection.Row == FSession->Logic().CurrentRow() ? selection.Col : -1;
}

bool TGuessBoardReading::SelectionFocused() const
{
    return FSession && FSession->LeftGrid().SelectionShown();
}

}  // namespace peglore
