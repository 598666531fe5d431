#pragma once

#include "components/accessible/TPartedAccessible.h"

namespace peglore {

class IGridReading;
class TBoardGrid;

// A board grid as a screen reader sees it: with a reading, a table of
// named cells, the current row selected and the selected cell selected
// and, in keyboard play, focused; without one, a picture.
class TBoardGridAccessible : public TPartedAccessible, public QAccessibleTableInterface {
    Q_DECLARE_TR_FUNCTIONS(peglore::TBoardGridAccessible)

public:
    explicit TBoardGridAccessible(TBoardGrid* grid);

    QAccessible::Role role() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    int PartCount() const override;
    QAccessible::Role PartRole(int index) const override;
    QString PartText(int index, QAccessible::Text text) const override;
    QAccessible::State PartState(int index) const override;
    QRect PartRect(int index) const override;
    int PartAt(const QPoint& pos) const override;

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override;
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override;
    // The player chooses by playing, not through the reader.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

    // The index of the selected cell, or -1.
    int SelectedIndex() const;

protected:
    TAccessiblePart* MakePart(int index) const override;

private:
    TBoardGrid* Grid() const;
    const IGridReading* Reading() const;
};

}  // namespace peglore
