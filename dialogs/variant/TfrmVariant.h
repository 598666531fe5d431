#pragma once

#include "dialogs/common/TGameDialog.h"
#include "game/TVariant.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;

namespace peglore {

class TAutoSizeLabel;
class TLevelSettings;

// The variant every level plays: the number of colours in play (2 to 8,
// the first of the colour bar, shown beneath the trackbar) and whether a
// colour may repeat, with a note when the board in play has more holes
// than colours to go without repeats (it then plays with them). OK with a
// change starts a new game at the level in play; Classic plays the classic
// board, 4 x 10 with 6 colours and repeats, as the Custom level; Cancel,
// Escape and the close box change nothing.
class TfrmVariant : public TGameDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 303;
    static constexpr int ClientHeight = 198;
    static constexpr int ClassicColumns = 4;
    static constexpr int ClassicRows = 10;
    static constexpr TVariant Classic{6, true};

    explicit TfrmVariant(IHelpCommands& help, QWidget* parent = nullptr);

    // The level object the dialog reads and writes; created after the dialog.
    void Connect(TLevelSettings& levelSettings) { FLevelSettings = &levelSettings; }

    // The variant the controls show.
    TVariant Chosen() const;

protected:
    void FormShow() override;
    void FormClose(int result) override;

private:
    void ShowChoice();

    TLevelSettings* FLevelSettings = nullptr;
    bool FClassicChosen = false;
    QSlider* FColoursTrackBar;
    QWidget* FColoursPreview;
    TAutoSizeLabel* FColoursLabel;
    QCheckBox* FRepeatsCheckBox;
    QLabel* FNoteLabel;
    QPushButton* FClassicButton;
    QPushButton* FOkButton;
    QPushButton* FCancelButton;
};

}  // namespace peglore
