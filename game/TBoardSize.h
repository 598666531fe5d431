#pragma once

namespace peglore {

class TLogic;

// The board dimensions: holes per row (also the secret's length) and
// guess rows. Everyone reads them; only TLogic::SetBoardSize writes them.
class TBoardSize {
public:
    int BoardColumns() const { return FBoardColumns; }
    int BoardRows() const { return FBoardRows; }

private:
    friend class TLogic;
    void Set(int columns, int rows)
    {
        FBoardColumns = columns;
        FBoardRows = rows;
    }

    int FBoardColumns = 4;
    int FBoardRows = 10;
};

}  // namespace peglore
