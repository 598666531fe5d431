#pragma once

#include <array>

#include "game/BoardGeometry.h"
#include "game/IBoardSurface.h"
#include "game/ICanvas.h"
#include "game/PegColors.h"
#include "game/TBoardSize.h"

namespace peglore {

// The guess board: the colour of every hole, its painting, and the
// editing commands of its popup menu on the row being filled.
//
// Placing or clearing a peg stores the colour and asks the surface to
// repaint that one cell; the paint comes back through DrawCell, which
// draws from the store.
class TLeftGrid {
public:
    TLeftGrid(const TBoardSize& Size, IBoardSurface& Surface);

    void DrawPeg(int Col, int Row, TColor Color);
    void DrawEmpty(int Col, int Row);
    void PlacePegAt(int X, int Y, TColor Color);
    void ClearAt(int X, int Y);
    // Empties every cell in use, column by column.
    void ClearAll();

    bool IsEmpty(int Col, int Row) const;
    bool IsEmptyAt(int X, int Y) const;
    bool IsRowEmpty(int Row) const;
    bool IsOnCurrentRow(int X, int Y, int CurrentRow) const;
    // The stored colour of a cell; EmptyHole outside the store.
    TColor Cell(int Col, int Row) const;

    // Paints one cell from the store (the grid's cell-drawing event).
    void DrawCell(int Col, int Row, ICanvas& Canvas) const;

    // The last right-button press on the board, in client pixels.
    int MouseX() const { return FMouseX; }
    int MouseY() const { return FMouseY; }
    void SetMousePos(int X, int Y);

    // Popup commands on the cell under the last right-button press.
    void RepeatFromAbove(int CurrentRow);
    void Clear(int CurrentRow);
    void ClearRow(int CurrentRow);

    // When each popup command is enabled.
    bool CanRepeat(int CurrentRow) const;
    bool CanClear(int CurrentRow) const;
    bool CanClearRow(int CurrentRow) const;

private:
    static bool InStore(int Col, int Row);
    bool InUse(int Col, int Row) const;
    TCell PressedCell() const;

    const TBoardSize& FSize;
    IBoardSurface& FSurface;
    std::array<std::array<TColor, MaxStoreCells>, MaxStoreCells> FCells;  // [column][row]
    int FMouseX = 0;
    int FMouseY = 0;
};

}  // namespace peglore
