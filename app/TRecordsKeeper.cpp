#include "app/TRecordsKeeper.h"

#include <QDateTime>
#include <QPointer>
#include <QTimer>

#include "app/TDailyGames.h"
#include "app/TGameSession.h"
#include "game/BoardGeometry.h"
#include "game/TLevelSettings.h"
#include "game/TLogic.h"
#include "records/TGameRecord.h"
#include "records/TRecordsService.h"
#include "services/clock/TMyTimer.h"
#include "services/messages/TMessages.h"
#include "windows/records/TfrmRecords.h"

namespace peglore {

TRecordsKeeper::TRecordsKeeper(TGameSession& session, IHelpCommands& help, QWidget& mainWindow, const QString& path)
    : FSession(session), FHelp(help), FMainWindow(mainWindow), FService(new TRecordsService(path, this))
{
    QTimer::singleShot(0, FService, &TRecordsService::Open);
    FDaily = new TDailyGames(session, *this, *FService, help, mainWindow);
}

// The service's thread writes what waits before the window's controls go.
TRecordsKeeper::~TRecordsKeeper()
{
    delete FService;
}

TGameRecord TRecordsKeeper::EndedNow(int columns, int rows, int rowsUsed, TGameOutcome outcome) const
{
    TGameRecord record;
    record.EndedAt = QDateTime::currentDateTimeUtc();
    record.Level = FSession.LevelSettings().DifficultyLevel();
    record.Columns = columns;
    record.Rows = rows;
    record.RowsUsed = rowsUsed;
    record.Outcome = outcome;
    return record;
}

void TRecordsKeeper::GameEnded(const TGameEnd& game)
{
    if (game.RowsUsed == 0)
        return;  // given up before a peg was placed
    TGameRecord record = EndedNow(game.Columns, game.Rows, game.RowsUsed, game.Outcome);
    record.GameNumber = game.GameNumber;
    record.Seconds = FSession.Clock().Seconds();
    record.Hints = FHintsUsed ? FHintsUsed() : 0;
    // The game's own conditions, as it ended: the variant it was drawn
    // under and whether every row was checked in hard mode.
    record.Colours = game.Variant.ColoursInPlay();
    record.Repeats = game.Variant.Repeats;
    record.HardMode = game.HardMode;
    record.Mode = TGameMode::Play;
    FDaily->GameEnding(game, record);
    FService->Record(record);
}

void TRecordsKeeper::GameStarted()
{
    FDaily->GameStarted();
}

void TRecordsKeeper::CodeBroken(const TCodeBreakEnd& end, const TRules& rules)
{
    TGameRecord record =
        EndedNow(end.Width, end.Rows, end.RowsUsed, end.Found ? TGameOutcome::Won : TGameOutcome::Lost);
    record.Mode = TGameMode::CodeBreaker;
    record.Colours = rules.ColoursInPlay();
    record.Repeats = rules.Repeats;
    FService->Record(record);
}

// The conditions of the game in progress: the variant its secret was drawn
// under and whether it is being played in hard mode.
TPlayConditions TRecordsKeeper::Conditions() const
{
    const TLogic& logic = FSession.Logic();
    TPlayConditions conditions;
    conditions.Colours = logic.PlayedVariant().ColoursInPlay();
    conditions.Repeats = logic.PlayedVariant().Repeats;
    conditions.HardMode = logic.PlayedInHardMode();
    return conditions;
}

bool TRecordsKeeper::LeaveGameInProgress()
{
    TLogic& logic = FSession.Logic();
    if (logic.IsBoardEmpty())
        return true;
    if (TMessages::AskNewGame() != TAnswer::Yes)
        return false;
    logic.NewGame(false, true);
    return true;
}

TRecordsKeeper::TClosingNote TRecordsKeeper::Close()
{
    const TRecordsService::TClosing closing = FService->Close();
    const int count = closing.KeptForLater + closing.Lost;
    // One game has a text of its own; the others a plural of the count.
    if (closing.Lost > 0)
        return {(count == 1
                     //: Told at the exit, in an error box (a full stop follows): %1 the records file, %2 why not
                     //: (a clause such as "the disk of the file is full").
                     ? tr("1 finished game could not be written to the records file %1, nor kept for later, as %2, "
                          "so it is not recorded")
                     //: Told at the exit, in an error box (a full stop follows): %n games, %1 the records file,
                     //: %2 why not (a clause such as "the disk of the file is full").
                     : tr("%n finished games could not be written to the records file %1, nor kept for later, as "
                          "%2, so they are not recorded",
                          nullptr, count))
                    .arg(FService->Path(), closing.Problem),
                true};
    if (closing.KeptForLater > 0)
        return {(count == 1
                     //: Told at the exit, in an information box: %1 the records file, %2 the file that keeps the game.
                     ? tr("1 finished game could not be written to the records file %1. It is kept in %2 and will "
                          "be added to the records the next time Peglore starts.")
                     //: Told at the exit, in an information box: %n games, %1 the records file, %2 the file that
                     //: keeps them.
                     : tr("%n finished games could not be written to the records file %1. They are kept in %2 and "
                          "will be added to the records the next time Peglore starts.",
                          nullptr, count))
                    .arg(FService->Path(), closing.PendingPath),
                false};
    return {};
}

void TRecordsKeeper::ShowWindow()
{
    if (!FWindow) {
        FWindow = new TfrmRecords(FHelp, &FMainWindow);
        FWindow->SetFilePath(FService->Path());
        connect(FService, &TRecordsService::Loaded, FWindow, &TfrmRecords::SetGames);
        connect(FService, &TRecordsService::ProblemChanged, FWindow, &TfrmRecords::SetProblem);
        connect(FWindow, &TfrmRecords::PlayRequested, this, &TRecordsKeeper::Replay);
        // The window outlives the keeper when the main window closes: then
        // nothing can be played from it.
        FWindow->SetPlayable(
            [keeper = QPointer(this)](const TGameRecord& game) { return keeper && keeper->IsPlayable(game); });
        // A game that ends while the window is open shows up in it.
        connect(FService, &TRecordsService::Recorded, FWindow, [this] {
            if (FWindow->isVisible())
                FService->Load();
        });
    }
    FService->Load();
    FWindow->show();
    FWindow->raise();
    FWindow->activateWindow();
}

bool TRecordsKeeper::IsPlayable(const TGameRecord& game) const
{
    if (game.Level < Beginner || game.Level > Custom)
        return false;
    if (game.Level == Custom)
        return game.Columns >= 1 && game.Columns <= MaxColumns && game.Rows >= 1 && game.Rows <= MaxRows;
    const TLevelSettings& levels = FSession.LevelSettings();
    return game.Columns == levels.ColumnsOf(game.Level) && game.Rows == levels.RowsOf(game.Level);
}

void TRecordsKeeper::Replay(const TGameRecord& game)
{
    // A row from a file written by hand may name a board no game has.
    if (!IsPlayable(game))
        return;
    if (!LeaveGameInProgress())
        return;
    TLogic& logic = FSession.Logic();
    TLevelSettings& levels = FSession.LevelSettings();
    logic.SetNextGameNumber(game.GameNumber);
    if (game.Level == Custom) {
        levels.SetCustomColumns(game.Columns);
        levels.SetCustomRows(game.Rows);
    }
    if (game.Level != levels.DifficultyLevel() || logic.BoardColumns() != levels.ColumnsOf(game.Level) ||
        logic.BoardRows() != levels.RowsOf(game.Level))
        levels.SetLevel(game.Level);
    else
        logic.NewGame(false, false);
    FMainWindow.activateWindow();
}

}  // namespace peglore
