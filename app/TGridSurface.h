#pragma once

#include "components/boardgrid/TBoardGrid.h"
#include "game/IBoardSurface.h"

namespace peglore {

// A board grid as the game core sees it.
class TGridSurface final : public IBoardSurface {
public:
    explicit TGridSurface(TBoardGrid& Grid) : FGrid(Grid) {}

    TRect CellRect(int Col, int Row) const override
    {
        const QRect r = FGrid.CellRect(Col, Row);
        return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    }
    TCell CellAt(int X, int Y) const override
    {
        const QPoint c = FGrid.CellAt(QPoint(X, Y));
        return {c.x(), c.y()};
    }
    void InvalidateCell(int Col, int Row) override { FGrid.InvalidateCell(Col, Row); }

private:
    TBoardGrid& FGrid;
};

}  // namespace peglore
