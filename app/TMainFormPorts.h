#pragma once

#include <QPointer>

#include <array>

#include "game/IClockPort.h"
#include "game/ILevelMenuPort.h"
#include "game/IMainWindowPort.h"
#include "game/IMessagesPort.h"
#include "settings/configuration/IOptionEffects.h"

class QAction;
class QDialog;
class QLabel;
class QMainWindow;
class QToolButton;
class QWidget;

namespace peglore {

class TBoardGrid;
class TColorSwatch;
class TGameSession;
class TStatusPanels;
class TWindowPlacement;
class TTooltipSwitch;

// The main window's controls that the game core and the options change.
struct TMainFormParts {
    QMainWindow* Window = nullptr;
    QWidget* Client = nullptr;
    QLabel* Hand = nullptr;
    TStatusPanels* StatusBar = nullptr;
    TBoardGrid* LeftBoard = nullptr;
    TBoardGrid* RightBoard = nullptr;
    QToolButton* CheckButton = nullptr;
    std::array<QAction*, 4> LevelItems{};
    TTooltipSwitch* Tooltips = nullptr;
    std::array<TColorSwatch*, 8> Swatches{};
    QWidget* ClockPanel = nullptr;
};

// The main window as the game core, the level object and the settings see
// it: the row marker, the status bar, the boards' layout, the window's size
// and place, the message boxes, the clock, the level menu and the effects
// of the options.
class TMainFormPorts final : public IMainWindowPort,
                             public IMessagesPort,
                             public IClockPort,
                             public ILevelMenuPort,
                             public IOptionEffects {
public:
    static constexpr int StatusHeight = 19;

    TMainFormPorts(const TMainFormParts& parts, int initialClientWidth);

    // The session whose clock and music the ports drive; null while there
    // is none.
    void SetSession(TGameSession* session) { FSession = session; }
    // The dialog takes the peg symbols' state as its "pegSymbols" property.
    void SetCorrectAnswerDialog(QDialog* dialog);

    // IMainWindowPort
    void SetRowMarkerTop(int top) override;
    void SetStatusRowText(const std::string& text) override;
    void SetStatusRow(int row) override;
    void SetLeftBoardLayout(const TGridLayout& layout) override;
    void SetRightBoardLayout(const TGridLayout& layout) override;
    int InitialClientWidth() const override { return FInitialClientWidth; }
    int StatusBarHeight() const override { return StatusHeight; }
    void SetClientSize(int width, int height) override;
    void ShowVariant(const TVariant& played, const TVariant& chosen) override;
    TSize OuterSize() const override;
    TSize ScreenSize() const override;
    void MoveTo(int left, int top) override;

    // IMessagesPort
    void ShowRowNotFull() override;
    void ShowRowBreaksVariant(TVariantBreach breach, int colours) override;
    void ShowRowContradicts(int row, int blacks, int whites) override;
    void ShowWon() override;
    void ShowLost() override;
    void ShowCorrectAnswer() override;
    TAnswer AskNewGame() override;

    // IClockPort
    void ResetClock() override;

    // ILevelMenuPort
    void CheckLevelItem(int level) override;

    // IOptionEffects
    void PlayMusic() override;
    void StopMusic() override;
    void SetTooltipsEnabled(bool enabled) override;
    void SetCheckButtonEnabled(bool enabled) override;
    void SetPegSymbolsShown(bool shown) override;
    void SetHardModeOn(bool on) override;

    // What the status bar's hint panel shows while no hint is shown: the
    // variant of the game in play, nothing in the standard game.
    QString IdleStatusText() const { return FVariantText; }

private:
    // Panel 0 shows TEXT, and the boards read their rows anew.
    void ShowStatusRow(const QString& text);
    TMainFormParts FParts;
    int FInitialClientWidth;
    TGameSession* FSession = nullptr;
    QPointer<QDialog> FCorrectAnswerDialog;
    TWindowPlacement* FPlacement;
    bool FPegSymbols = false;
    QString FVariantText;
};

}  // namespace peglore
