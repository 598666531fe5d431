#pragma once

#include "dialogs/common/TGameDialog.h"

class QPushButton;
class QSlider;

namespace peglore {

class TAutoSizeLabel;
class TBevelPanel;
class TBoardGrid;
class TLevelSettings;

// The custom board size: two trackbars for columns (1..10) and rows
// (1..15), a navy miniature board that follows them and the size as text.
// OK stores the size and selects the Custom level, which lays the board
// out anew and starts a new game; Cancel, Escape and the close box change
// nothing.
class TfrmCustomBoard : public TGameDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 303;
    static constexpr int ClientHeight = 198;
    static constexpr int PreviewCellSize = 8;

    explicit TfrmCustomBoard(IHelpCommands& help, QWidget* parent = nullptr);

    // The level object the dialog reads and writes; created after the dialog.
    void Connect(TLevelSettings& levelSettings) { FLevelSettings = &levelSettings; }

    // The trackbars' change handlers; they run on every step the player
    // makes, never when a position is set from code.
    void ColumnsTrackBarChange();
    void RowsTrackBarChange();

protected:
    void FormShow() override;
    void FormClose(int result) override;

private:
    QSlider* AddTrackBar(const char* name, Qt::Orientation orientation, const QRect& geometry, int maximum,
                         int helpContext);
    void ShowDimensions();
    // "5 x 10": holes by rows.
    static QString BoardSizeText(int columns, int rows);

    TLevelSettings* FLevelSettings = nullptr;
    bool FSettingPositions = false;
    TBoardGrid* FPreviewGrid;
    QSlider* FColumnsTrackBar;
    QSlider* FRowsTrackBar;
    QPushButton* FOkButton;
    QPushButton* FCancelButton;
    TBevelPanel* FPanel1;
    TAutoSizeLabel* FGameDimensionsLabel;
};

}  // namespace peglore
