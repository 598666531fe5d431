#pragma once

#include <memory>

#include <QCoreApplication>
#include "components/boardgrid/IGridReading.h"

namespace peglore {

class TGameSession;

// The guess board read aloud: "Row 3, hole 2: red", "Row 3, hole 4:
// empty", the current row and the hole the keyboard plays on.
class TGuessBoardReading final : public IGridReading {
    Q_DECLARE_TR_FUNCTIONS(peglore::TGuessBoardReading)

public:
    // session: the window's session, empty while there is none.
    explicit TGuessBoardReading(const std::unique_ptr<TGameSession>& session) : FSession(session) {}

    int ReadColumns() const override;
    int ReadRows() const override;
    QString CellText(int column, int row) const override;
    int CurrentRow() const override;
    int SelectedColumn() const override;
    bool SelectionFocused() const override;

private:
    const std::unique_ptr<TGameSession>& FSession;
};

}  // namespace peglore
