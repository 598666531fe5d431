#pragma once

#include <array>

#include "dialogs/common/TGameDialog.h"

class QPushButton;

namespace peglore {

class TBevelPanel;
class TLogic;
class TRectShape;

// Shows the secret of the game that has just been lost or given up: one
// coloured shape per hole, from the left, for up to ten holes.
class TfrmCorrectAnswer : public TGameDialog {
    Q_OBJECT
    // Set by the main window, which knows the dialog only as a QDialog.
    Q_PROPERTY(bool pegSymbols READ PegSymbols WRITE SetPegSymbols)
public:
    static constexpr int ClientWidth = 323;
    static constexpr int ClientHeight = 111;
    static constexpr int ShapeCount = 10;

    explicit TfrmCorrectAnswer(IHelpCommands& help, QWidget* parent = nullptr);

    // The game whose secret is shown; created after the dialog.
    void Connect(const TLogic& logic) { FLogic = &logic; }

    // CorrectColor1 to CorrectColor10.
    TRectShape* CorrectColor(int index) const { return FShapes[index]; }

    // A symbol on every shape, as on the pegs of the main window.
    bool PegSymbols() const { return FPegSymbols; }
    void SetPegSymbols(bool shown);

protected:
    void FormShow() override;

private:
    const TLogic* FLogic = nullptr;
    bool FPegSymbols = false;
    QPushButton* FOkButton;
    TBevelPanel* FPanel1;
    std::array<TRectShape*, ShapeCount> FShapes{};
};

}  // namespace peglore
