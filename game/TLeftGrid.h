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
    TLeftGrid(const TBoardSize& size, IBoardSurface& surface);

    void DrawPeg(int col, int row, TColor color);
    void DrawEmpty(int col, int row);
    void PlacePegAt(int x, int y, TColor color);
    void ClearAt(int x, int y);
    // Empties every cell in use, column by column.
    void ClearAll();

    bool IsEmpty(int col, int row) const;
    bool IsEmptyAt(int x, int y) const;
    bool IsRowEmpty(int row) const;
    bool IsOnCurrentRow(int x, int y, int currentRow) const;
    // The stored colour of a cell; EmptyHole outside the store.
    TColor Cell(int col, int row) const;

    // Paints one cell from the store (the grid's cell-drawing event).
    void DrawCell(int col, int row, ICanvas& canvas) const;

    // Keeps the last right-button press on the board, in client pixels.
    void SetMousePos(int x, int y);

    // Popup commands on the cell under the last right-button press.
    void RepeatFromAbove(int currentRow);
    void Clear(int currentRow);
    void ClearRow(int currentRow);

    // When each popup command is enabled.
    bool CanRepeat(int currentRow) const;
    bool CanClear(int currentRow) const;
    bool CanClearRow(int currentRow) const;

    // The hole the keyboard plays on. Its focus mark is drawn only once
    // shown, so a board played with the mouse alone never has one.
    TCell Selection() const { return FSelection; }
    void Select(int col, int row);
    bool SelectionShown() const { return FSelectionShown; }
    void SetSelectionShown(bool shown);

    // A symbol on every peg, for players who cannot tell the colours apart.
    bool SymbolsShown() const { return FSymbolsShown; }
    void SetSymbolsShown(bool shown);

private:
    static bool InStore(int col, int row);
    bool InUse(int col, int row) const;
    TCell PressedCell() const;

    const TBoardSize& FSize;
    IBoardSurface& FSurface;
    std::array<std::array<TColor, MaxStoreCells>, MaxStoreCells> FCells;  // [column][row]
    int FMouseX = 0;
    int FMouseY = 0;
    TCell FSelection{0, 0};
    bool FSelectionShown = false;
    bool FSymbolsShown = false;
};

}  // namespace peglore
