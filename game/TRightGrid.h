#pragma once

#include <array>

#include "game/BoardGeometry.h"
#include "game/IBoardSurface.h"
#include "game/ICanvas.h"
#include "game/PegColors.h"
#include "game/TBoardSize.h"

namespace peglore {

// The score board: black and white key pegs, blacks first, answering the
// guess row of the same index.
class TRightGrid {
public:
    TRightGrid(const TBoardSize& Size, IBoardSurface& Surface);

    void DrawPeg(int Col, int Row, TColor Color);
    void DrawEmpty(int Col, int Row);
    // Empties every cell in use, column by column.
    void ClearAll();
    // The stored colour of a cell; EmptyKeyHole outside the store.
    TColor Cell(int Col, int Row) const;

    // Paints one cell from the store (the grid's cell-drawing event).
    void DrawCell(int Col, int Row, ICanvas& Canvas) const;

private:
    static bool InStore(int Col, int Row);

    const TBoardSize& FSize;
    IBoardSurface& FSurface;
    std::array<std::array<TColor, MaxStoreCells>, MaxStoreCells> FCells;  // [column][row]
};

}  // namespace peglore
