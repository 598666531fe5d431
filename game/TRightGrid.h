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
    TRightGrid(const TBoardSize& size, IBoardSurface& surface);

    void DrawPeg(int col, int row, TColor color);
    void DrawEmpty(int col, int row);
    // Empties every cell in use, column by column.
    void ClearAll();
    // The stored colour of a cell; EmptyKeyHole outside the store.
    TColor Cell(int col, int row) const;

    // Paints one cell from the store (the grid's cell-drawing event).
    void DrawCell(int col, int row, ICanvas& canvas) const;

private:
    static bool InStore(int col, int row);

    const TBoardSize& FSize;
    IBoardSurface& FSurface;
    std::array<std::array<TColor, MaxStoreCells>, MaxStoreCells> FCells;  // [column][row]
};

}  // namespace peglore
