#pragma once

#include <memory>

#include <QCoreApplication>
#include "components/boardgrid/IGridReading.h"

namespace peglore {

class TGameSession;

// The score board read aloud, one cell a row: "Row 3: 2 black, 1 white",
// "Row 5: not checked".
class TScoreBoardReading final : public IGridReading {
    Q_DECLARE_TR_FUNCTIONS(peglore::TScoreBoardReading)

public:
    // session: the window's session, empty while there is none.
    explicit TScoreBoardReading(const std::unique_ptr<TGameSession>& session) : FSession(session) {}

    int ReadColumns() const override { return FSession ? 1 : 0; }
    int ReadRows() const override;
    QString CellText(int column, int row) const override;
    int CurrentRow() const override;
    int SelectedColumn() const override { return -1; }
    bool SelectionFocused() const override { return false; }

private:
    const std::unique_ptr<TGameSession>& FSession;
};

}  // namespace peglore
