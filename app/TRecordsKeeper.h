#pragma once

#include <QObject>
#include <QString>

#include <functional>

#include "game/GameNames.h"
#include "game/IGameObserver.h"
#include "solver/TCodeBreaker.h"
#include "solver/TRules.h"

class QWidget;

namespace peglore {

class IHelpCommands;
class TDailyGames;
class TGameSession;
class TRecordsService;
class TfrmRecords;
struct TGameRecord;

// How the session's games are played beyond their board: the variant the
// secret is drawn in, hard mode, and whose game it is.
struct TPlayConditions {
    int Colours = WrittenColours;
    bool Repeats = WrittenRepeats;
    bool HardMode = false;
    TGameMode Mode = TGameMode::Play;
};

// Keeps a record of every game of the session that ends, shows the Records
// window and plays a recorded game again. The file is opened once the event
// loop runs, after the window's first show.
class TRecordsKeeper final : public QObject, public IGameObserver {
    Q_OBJECT
public:
    TRecordsKeeper(TGameSession& session, IHelpCommands& help, QWidget& mainWindow, const QString& path);
    ~TRecordsKeeper() override;

    // Where the hints placed in the game in progress are counted.
    void SetHintsUsed(std::function<int()> count) { FHintsUsed = std::move(count); }

    void GameStarted() override;
    void RowChecked(int) override {}
    // Every game that ends with pegs on the board: won, lost, given up, or
    // left for a new game, another level or board, or the exit.
    void GameEnded(const TGameEnd& game) override;
    // A code of the player's that the computer broke, or failed to, kept
    // apart from the player's own games by its mode.
    void CodeBroken(const TCodeBreakEnd& end, const TRules& rules);
    // F4: shows the window and reads the file again.
    void ShowWindow();
    // The game again: the same board and number, after the new-game
    // question when a game with pegs would be thrown away.
    void Replay(const TGameRecord& game);
    // Before a game of the player's choice: a game with pegs on the board
    // is thrown away after the new-game question (and counted as the
    // written New counts it); false when the player keeps it.
    bool LeaveGameInProgress();
    // The conditions of the game in progress, as its record keeps them.
    TPlayConditions Conditions() const;
    // The daily game and its result.
    TDailyGames& Daily() const { return *FDaily; }
    // Whether game names a board a game can have: a level at its own size,
    // or a custom size the boards can hold.
    bool IsPlayable(const TGameRecord& game) const;

    // What the player is told once the records are closed: the games of
    // the run that wait in the pending file, or that are lost; empty when
    // every game is in the records file.
    struct TClosingNote {
        QString Text;
        bool Error = false;  // the games are lost
    };
    // Writes what waits, keeps the rest for later; nothing is recorded
    // afterwards.
    TClosingNote Close();

    TRecordsService& Service() const { return *FService; }
    // Null until first shown.
    TfrmRecords* Window() const { return FWindow; }

private:
    // A record of a game on this board ending now, at the level in use.
    TGameRecord EndedNow(int columns, int rows, int rowsUsed, TGameOutcome outcome) const;
    TGameSession& FSession;
    IHelpCommands& FHelp;
    QWidget& FMainWindow;
    TRecordsService* FService;
    TfrmRecords* FWindow = nullptr;
    TDailyGames* FDaily;  // a child of the keeper
    std::function<int()> FHintsUsed;
};

}  // namespace peglore
