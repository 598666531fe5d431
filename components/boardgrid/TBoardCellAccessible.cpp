#include "components/boardgrid/TBoardCellAccessible.h"

#include "components/boardgrid/TBoardGridAccessible.h"

namespace peglore {

TBoardCellAccessible::TBoardCellAccessible(const TBoardGridAccessible& table, int index)
    : TAccessiblePart(table, index), FTable(table)
{
}

void* TBoardCellAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
}

bool TBoardCellAccessible::isSelected() const
{
    return isValid() && FTable.SelectedIndex() == Index();
}

int TBoardCellAccessible::columnIndex() const
{
    const int columns = FTable.columnCount();
    return columns > 0 ? Index() % columns : 0;
}

int TBoardCellAccessible::rowIndex() const
{
    const int columns = FTable.columnCount();
    return columns > 0 ? Index() / columns : 0;
}

}  // namespace peglore
