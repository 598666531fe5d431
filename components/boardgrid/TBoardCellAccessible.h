#pragma once

#include "components/accessible/TAccessiblePart.h"

namespace peglore {

class TBoardGridAccessible;

// One cell of a board's table.
class TBoardCellAccessible : public TAccessiblePart, public QAccessibleTableCellInterface {
public:
    TBoardCellAccessible(const TBoardGridAccessible& table, int index);

    void* interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    const TBoardGridAccessible& FTable;
};

}  // namespace peglore
