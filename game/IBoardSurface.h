#pragma once

#include "game/GameTypes.h"

namespace peglore {

// The grid control a board is shown on.
class IBoardSurface {
public:
    virtual TRect CellRect(int col, int row) const = 0;
    // The cell under a client point, or NoCell over no cell.
    virtual TCell CellAt(int x, int y) const = 0;
    // Ask for this one cell to be painted again soon; the paint comes back
    // through the board's DrawCell.
    virtual void InvalidateCell(int col, int row) = 0;

protected:
    ~IBoardSurface() = default;
};

}  // namespace peglore
