#pragma once

#include <QMainWindow>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "game/TBoardSize.h"
#include "platform/programdir/TGameFiles.h"
#include "platform/versioninfo/TVersionResource.h"

class QAction;
class QDialog;
class QTimer;
class QToolButton;

namespace peglore {

class IHelpCommands;
class TAnalyst;
class IMediaPlayer;
class TActiveFormTracker;
class TBoardGrid;
class TCodeBreakerRun;
class TColorSwatch;
class TContextHelp;
class TDigit;
class TGameSession;
class TGridSurface;
class TGuessBoardInput;
class TGuessBoardReading;
class TScoreBoardReading;
class TMainFormPorts;
class TRecordsKeeper;
class TStatusPanels;
class TToolActions;
class TTooltipSwitch;

// The game's main window: it builds its controls and menus and connects
// them. The services live in the game session, created at the first show
// and destroyed at the close; the game core reaches the window through its
// ports, and the guess board's input has a handler of its own.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int DesignedClientWidth = 288;
    static constexpr int DesignedClientHeight = 373;

    // files: where the settings and the music lie. player: plays the music.
    TMainForm(IHelpCommands& help, IMediaPlayer& player, TGameFiles files, QWidget* parent = nullptr);
    ~TMainForm() override;

    // The four dialogs, created after the main window.
    void SetDialogs(QDialog* correctAnswer, QDialog* properties, QDialog* customBoard, QDialog* about);
    // The Variant dialog of the Tools menu, created after the main window.
    void SetVariantDialog(QDialog* variant) { FVariantDialog = variant; }

    // The services; null before the first show and after closing.
    TGameSession* Session() const { return FSession.get(); }
    const TBoardSize& BoardSize() const { return FBoardSize; }
    // The version information of the game's own file; nothing shows it.
    const TVersionResource& VersionResource() const { return FVersionResource; }

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
    void SecondsTimerTimer();
    // The media player's completion report; true when it ended successfully.
    void MediaPlayerNotify(bool successful);

    // Peg symbols on or off, as the player's option, remembered in the
    // settings file. Needs the session: call it after the first show, as
    // the start-up does for "--symbols".
    void SetPegSymbols(bool shown);
    // The first game is game number instead of a drawn one; before the
    // first show.
    void SetFirstGameNumber(std::uint64_t number) { FFirstGameNumber = number; }
    // The Tools menu's commands.
    TToolActions& Tools() const { return *FTools; }
    // Break My Code's computer side, with its window.
    TCodeBreakerRun& CodeBreaker() const { return *FCodeBreaker; }
    // F4: the Records window. The records live from the first show to the
    // close; null outside.
    void ShowRecords();
    // A close asked from outside the window (a signal, the logout): every
    // modal box and dialog open is cancelled and the event loop ends; the
    // close that follows (close() once the loop has returned) saves as the
    // player's Exit does, and tells what it would show in a box on the
    // standard error instead.
    void CloseOnRequest();
    TRecordsKeeper* Records() const { return FRecords.get(); }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateComponents();
    void CreateMenus();
    void ConnectTools();
    QAction* AddMenuItem(QMenu* menu, const char* name, const QString& caption, const QString& hint, int helpContext,
                         void (TMainForm::*handler)());
    QToolButton* AddToolButton(QWidget* panel, const char* name, const QString& hint, const char* glyph,
                               const char* disabledGlyph, int left, void (TMainForm::*handler)());
    void FormClose();
    // A problem met by the close, in an error box, or on the standard error
    // when the close was asked from outside.
    void TellAtClose(const QString& problem, bool error);
    void SetStatusHint(const QString& hint);

    IHelpCommands& FHelp;
    IMediaPlayer& FPlayer;
    TGameFiles FFiles;
    QDialog* FPropertiesDialog = nullptr;
    QDialog* FCustomBoardDialog = nullptr;
    QDialog* FAboutDialog = nullptr;
    QDialog* FVariantDialog = nullptr;

    TBoardSize FBoardSize;
    TVersionResource FVersionResource;
    std::unique_ptr<TGameSession> FSession;
    TAnalyst* FAnalyst = nullptr;  // a child of the window, while the session lasts
    std::unique_ptr<TMainFormPorts> FPorts;
    std::unique_ptr<TRecordsKeeper> FRecords;
    std::unique_ptr<TGridSurface> FLeftSurface;
    std::unique_ptr<TGridSurface> FRightSurface;
    std::unique_ptr<TGuessBoardReading> FLeftReading;
    std::unique_ptr<TScoreBoardReading> FRightReading;
    bool FShown = false;
    std::optional<std::uint64_t> FFirstGameNumber;
    bool FClosed = false;
    bool FClosingOnRequest = false;

    QWidget* FClient = nullptr;
    TBoardGrid* FLeftBoard = nullptr;
    TBoardGrid* FRightBoard = nullptr;
    QToolButton* FCheckButton = nullptr;
    TStatusPanels* FStatusBar = nullptr;
    std::array<TDigit*, 3> FDigits{};
    std::array<TColorSwatch*, 8> FSwatches{};
    std::array<QAction*, 4> FLevelItems{};
    TGuessBoardInput* FGuessBoardInput = nullptr;
    TContextHelp* FContextHelp = nullptr;
    TTooltipSwitch* FTooltips = nullptr;
    TToolActions* FTools = nullptr;
    TCodeBreakerRun* FCodeBreaker = nullptr;  // a child of the window
    TActiveFormTracker* FActiveForms = nullptr;
    QTimer* FSecondsTimer = nullptr;
};

}  // namespace peglore
