#pragma once

#include "components/boardgrid/TBoardGrid.h"
#include "game/IBoardSurface.h"

namespace peglore {

// A board grid as the game core sees it.
class TGridSurface final : public IBoardSurface {
public:
    explicit TGridSurface(TBoardGrid& grid) : FGrid(grid) {}

    TRect CellRect(int col, int row) const override
    {
        const QRect r = FGrid.CellRect(col, row);
        return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    }
    TCell CellAt(int x, int y) const override
    {
        const QPoint c = FGrid.CellAt(QPoint(x, y));
        return {c.x(), c.y()};
    }
    void InvalidateCell(int col, int row) override { FGrid.InvalidateCell(col, row); }

private:
    TBoardGrid& FGrid;
};

}  // namespace peglore
