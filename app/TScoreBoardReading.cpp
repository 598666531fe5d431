#include "app/TScoreBoardReading.h"

#include "app/TGameSession.h"
#include "game/TLogic.h"
#include "game/TRightGrid.h"

namespace peglore {

int TScoreBoardReading::ReadRows() const
{
    return FSession ? FSession->Logic().BoardRows() : 0;
}

QString TScoreBoardReading::CellText(int, int row) const
{
    const TLogic& logic = FSession->Logic();
    int blacks = 0;
    int whites = 0;
    for (int col = 0; col < logic.BoardColumns(); ++col) {
        const TColor key = FSession->RightGrid().Cell(col, row);
        blacks += key == BlackKeyPeg;
        whites += key == WhiteKeyPeg;
    }
    // A row above the current one was checked even when nothing in it
    // scored; the winning row is checked while it is still the current one.
    if (row >= logic.CurrentRow() && blacks + whites == 0)
        //: Read by screen readers for a row of the score board that has no answer yet.
        return tr("Row %1: not checked").arg(row + 1);
    //: Read by screen readers for a row of the score board: the numbers of black and white key pegs.
    return tr("Row %1: %2 black, %3 white").arg(row + 1).arg(blacks).arg(whites);
}

int TScoreBoardReading::CurrentRow() const
{
    return FSession ? FSession->Logic().CurrentRow() : -1;
}

}  // namespace peglore
