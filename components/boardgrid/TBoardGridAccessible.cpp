#include "components/boardgrid/TBoardGridAccessible.h"

#include "components/boardgrid/IGridReading.h"
#include "components/boardgrid/TBoardCellAccessible.h"
#include "components/boardgrid/TBoardGrid.h"

namespace peglore {

TBoardGridAccessible::TBoardGridAccessible(TBoardGrid* grid) : TPartedAccessible(grid, QAccessible::Table) {}

TBoardGrid* TBoardGridAccessible::Grid() const
{
    return static_cast<TBoardGrid*>(widget());
}

const IGridReading* TBoardGridAccessible::Reading() const
{
    return Grid()->Reading();
}

QAccessible::Role TBoardGridAccessible::role() const
{
    return Reading() ? QAccessible::Table : QAccessible::Graphic;
}

void* TBoardGridAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface && Reading())
        return static_cast<QAccessibleTableInterface*>(this);
    return TPartedAccessible::interface_cast(type);
}

int TBoardGridAccessible::columnCount() const
{
    return Reading() ? std::max(0, Reading()->ReadColumns()) : 0;
}

int TBoardGridAccessible::rowCount() const
{
    return Reading() ? std::max(0, Reading()->ReadRows()) : 0;
}

int TBoardGridAccessible::PartCount() const
{
    return columnCount() * rowCount();
}

QAccessible::Role TBoardGridAccessible::PartRole(int) const
{
    return QAccessible::Cell;
}

QString TBoardGridAccessible::PartText(int index, QAccessible::Text text) const
{
    if (text != QAccessible::Name || index < 0 || index >= PartCount())
        return {};
    const int columns = columnCount();
    return Reading()->CellText(index % columns, index / columns);
}

int TBoardGridAccessible::SelectedIndex() const
{
    const IGridReading* reading = Reading();
    if (!reading)
        return -1;
    const int row = reading->CurrentRow();
    const int column = reading->SelectedColumn();
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return -1;
    return row * columnCount() + column;
}

QAccessible::State TBoardGridAccessible::PartState(int index) const
{
    QAccessible::State state = TPartedAccessible::PartState(index);
    state.readOnly = true;
    const int columns = columnCount();
    if (columns == 0)
        return state;
    // The cells of a row that takes pegs can take the selection; the
    // selected one has it, and the keyboard's focus with the focus mark.
    const int selected = SelectedIndex();
    state.selectable = selected >= 0 && index / columns == selected / columns;
    state.focusable = state.selectable;
    state.selected = index == selected;
    state.focused = state.selected && Reading()->SelectionFocused();
    return state;
}

QRect TBoardGridAccessible::PartRect(int index) const
{
    const int columns = columnCount();
    if (columns == 0)
        return {};
    // A read cell covers as many painted columns as the board has per read
    // column: the score board's row covers all its key holes.
    const int span = std::max(1, Grid()->FixedCols() / columns);
    const int column = index % columns * span;
    const int row = index / columns;
    return Grid()->CellRect(column, row).united(Grid()->CellRect(column + span - 1, row));
}

int TBoardGridAccessible::PartAt(const QPoint& pos) const
{
    const QPoint cell = Grid()->CellAt(pos);
    const int columns = columnCount();
    if (cell.x() < 0 || columns == 0)
        return -1;
    const int span = std::max(1, Grid()->FixedCols() / columns);
    const int column = cell.x() / span;
    if (column >= columns || cell.y() >= rowCount())
        return -1;
    return cell.y() * columns + column;
}

QAccessibleInterface* TBoardGridAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    return child(row * columnCount() + column);
}

int TBoardGridAccessible::selectedCellCount() const
{
    return SelectedIndex() < 0 ? 0 : 1;
}

QList<QAccessibleInterface*> TBoardGridAccessible::selectedCells() const
{
    const int selected = SelectedIndex();
    if (selected < 0)
        return {};
    return {child(selected)};
}

QString TBoardGridAccessible::columnDescription(int column) const
{
    //: Read by screen readers for a column of a board: %1 is the hole's number in the row.
    return columnCount() > 1 ? tr("Hole %1").arg(column + 1) : QString();
}

QString TBoardGridAccessible::rowDescription(int row) const
{
    //: Read by screen readers for a row of a board: %1 is the row's number.
    return tr("Row %1").arg(row + 1);
}

int TBoardGridAccessible::selectedRowCount() const
{
    return int(selectedRows().size());
}

QList<int> TBoardGridAccessible::selectedRows() const
{
    const int row = Reading() ? Reading()->CurrentRow() : -1;
    if (row < 0 || row >= rowCount())
        return {};
    return {row};
}

bool TBoardGridAccessible::isRowSelected(int row) const
{
    return selectedRows().contains(row);
}

void TBoardGridAccessible::modelChange(QAccessibleTableModelChangeEvent*)
{
    ResetParts();
}

TAccessiblePart* TBoardGridAccessible::MakePart(int index) const
{
    return new TBoardCellAccessible(*this, index);
}

}  // namespace peglore
