#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QPointer>

#include <memory>

#include "app/TGridSurface.h"
#include "components/versioninfo/TVersionResource.h"
#include "game/IClockPort.h"
#include "game/ILevelMenuPort.h"
#include "game/IMainWindowPort.h"
#include "game/IMessagesPort.h"
#include "game/TBoardSize.h"
#include "platform/help/IHelpCommands.h"
#include "platform/programdir/TGameFiles.h"
#include "settings/configuration/IOptionEffects.h"

class QAction;
class QActionGroup;
class QDialog;
class QLabel;
class QMenu;
class QTimer;
class QToolButton;

namespace peglore {

class IMediaPlayer;
class TActiveFormTracker;
class TBevelPanel;
class TBoardGrid;
class TColorSwatch;
class TConfiguration;
class TDigit;
class TLeftGrid;
class TLevelSettings;
class TLogic;
class TMessages;
class TMusic;
class TMyTimer;
class TRightGrid;
class TStatistics;
class TStatusPanels;
class TTooltipSwitch;

// The game's main window. It owns the nine service objects, creates them
// when first shown and destroys them when closed, and forwards every
// command and event to them.
class TMainForm : public QMainWindow,
                  public IMainWindowPort,
                  public IMessagesPort,
                  public IClockPort,
                  public ILevelMenuPort,
                  public IOptionEffects {
    Q_OBJECT
public:
    static constexpr int DesignedClientWidth = 288;
    static constexpr int DesignedClientHeight = 373;

    // files: where the settings and the music lie. player: plays the music.
    TMainForm(IHelpCommands& help, IMediaPlayer& player, TGameFiles files, QWidget* parent = nullptr);
    ~TMainForm() override;

    // The four dialogs, created after the main window.
    void SetDialogs(QDialog* correctAnswer, QDialog* properties, QDialog* customBoard, QDialog* about);

    // The service objects; null before the first show and after closing.
    TLogic* Logic() const { return FLogic.get(); }
    TConfiguration* Configuration() const { return FConfiguration.get(); }
    TLevelSettings* LevelSettings() const { return FLevelSettings.get(); }
    TStatistics* Statistics() const { return FStatistics.get(); }
    TMusic* Music() const { return FMusic.get(); }
    TMyTimer* Clock() const { return FMyTimer.get(); }
    TLeftGrid* LeftGrid() const { return FLeftGrid.get(); }
    TRightGrid* RightGrid() const { return FRightGrid.get(); }
    const TBoardSize& BoardSize() const { return FBoardSize; }
    // The version information of the game's own file; nothing shows it.
    const TVersionResource& VersionResource() const { return FVersionResource; }

    TBoardGrid* LeftBoard() const { return FLeftBoard; }
    TBoardGrid* RightBoard() const { return FRightBoard; }
    TStatusPanels* StatusBar() const { return FStatusBar; }
    QWidget* Hand() const { return FHand; }
    QWidget* ClientArea() const { return FClient; }
    TTooltipSwitch& TooltipSwitch() const { return *FTooltips; }
    TActiveFormTracker& ActiveForms() const { return *FActiveForms; }
    TDigit* TimerDigit(int index) const { return FDigits[index]; }
    QMenu* PopupMenu1() const { return FPopupMenu1; }
    QMenu* PopupMenu2() const { return FPopupMenu2; }

    // The handlers, public so that each command can be driven on its own.
    void FormShow();
    void mmenuNewGameClick();
    void mmenuGiveUpClick();
    void mmenuPropertiesClick();
    void ExitMenuClick();
    void BeginnerMenuClick();
    void IntermediateMenuClick();
    void mmenuExpertClick();
    void CustomMenuClick();
    void HelpTopicsMenuClick();
    void WhatsNewMenuClick();
    void mmenuAboutClick();
    void sbtnCheckClick();
    void PopupMenu1Popup();
    void pmenuRepeatClick();
    void pmenuClearClick();
    void pmenuClearRowClick();
    void pmenuGiveUpClick();
    void pmenuWhatsThisClick();
    void SecondsTimerTimer();
    // The media player's completion report; true when it ended successfully.
    void MediaPlayerNotify(bool successful);

    // Opens PopupMenu2 as over control, as a right click there does.
    void SetPopupComponent(QWidget* control) { FPopupComponent = control; }

    // IMainWindowPort
    void SetRowMarkerTop(int top) override;
    void SetStatusRowText(const std::string& text) override;
    void SetLeftBoardLayout(const TGridLayout& layout) override;
    void SetRightBoardLayout(const TGridLayout& layout) override;
    int InitialClientWidth() const override { return FInitialClientWidth; }
    int StatusBarHeight() const override;
    void SetClientSize(int width, int height) override;
    TSize OuterSize() const override;
    TSize ScreenSize() const override;
    void MoveTo(int left, int top) override;

    // IMessagesPort
    void ShowRowNotFull() override;
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

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();
    void CreateComponents();
    QAction* AddMenuItem(QMenu* menu, const char* name, const QString& caption, const QString& hint, int helpContext,
                         void (TMainForm::*handler)());
    QToolButton* AddToolButton(const char* name, const QString& hint, const QString& glyph, bool disabledGlyph,
                               int left, void (TMainForm::*handler)());
    void FormClose();
    void SetStatusHint(const QString& hint);
    bool LeftBoardEvent(QEvent* event);
    bool IsOverCurrentRow(const QPoint& pos) const;
    static int HelpContextOf(const QObject* object);

    IHelpCommands& FHelp;
    IMediaPlayer& FPlayer;
    TGameFiles FFiles;
    QDialog* FCorrectAnswerDialog = nullptr;
    QDialog* FPropertiesDialog = nullptr;
    QDialog* FCustomBoardDialog = nullptr;
    QDialog* FAboutDialog = nullptr;

    // The nine service objects, in their order of creation.
    std::unique_ptr<TLeftGrid> FLeftGrid;
    std::unique_ptr<TRightGrid> FRightGrid;
    std::unique_ptr<TLogic> FLogic;
    std::unique_ptr<TConfiguration> FConfiguration;
    std::unique_ptr<TLevelSettings> FLevelSettings;
    std::unique_ptr<TStatistics> FStatistics;
    std::unique_ptr<TMusic> FMusic;
    std::unique_ptr<TMessages> FMessages;
    std::unique_ptr<TMyTimer> FMyTimer;

    TBoardSize FBoardSize;
    TVersionResource FVersionResource;
    int FInitialClientWidth = DesignedClientWidth;
    bool FShown = false;
    bool FClosed = false;

    QWidget* FClient = nullptr;
    TBevelPanel* FPanel1 = nullptr;
    TBevelPanel* FPanel2 = nullptr;
    TBevelPanel* FColorsBarPanel = nullptr;
    QToolButton* FNewButton = nullptr;
    QToolButton* FPropertiesButton = nullptr;
    QToolButton* FCheckButton = nullptr;
    TDigit* FDigits[3] = {};
    QLabel* FHand = nullptr;
    TBoardGrid* FLeftBoard = nullptr;
    TBoardGrid* FRightBoard = nullptr;
    std::unique_ptr<TGridSurface> FLeftSurface;
    std::unique_ptr<TGridSurface> FRightSurface;
    TStatusPanels* FStatusBar = nullptr;
    QTimer* FSecondsTimer = nullptr;
    TTooltipSwitch* FTooltips = nullptr;
    TActiveFormTracker* FActiveForms = nullptr;

    QActionGroup* FLevelGroup = nullptr;
    QAction* FLevelItems[4] = {};
    QMenu* FPopupMenu1 = nullptr;
    QMenu* FPopupMenu2 = nullptr;
    QAction* FRepeatItem = nullptr;
    QAction* FClearItem = nullptr;
    QAction* FClearRowItem = nullptr;
    QAction* FGiveUpItem = nullptr;
    QPointer<QWidget> FPopupComponent;
};

}  // namespace peglore
