#pragma once

#include <QString>

namespace peglore {

// What a board grid's cells say to a screen reader. The grid only paints;
// whoever fills it knows what a cell holds. A read cell may cover several
// painted ones: a score board reads one cell per row.
class IGridReading {
public:
    virtual ~IGridReading() = default;

    virtual int ReadColumns() const = 0;
    virtual int ReadRows() const = 0;
    virtual QString CellText(int column, int row) const = 0;
    // The row being played, or -1.
    virtual int CurrentRow() const = 0;
    // The selected cell of the current row, or -1.
    virtual int SelectedColumn() const = 0;
    // Whether the selected cell has the keyboard's focus mark.
    virtual bool SelectionFocused() const = 0;
};

}  // namespace peglore
