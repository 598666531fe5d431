#include "app/TDailyGames.h"

#include <QTimer>
#include <QWidget>

#include "app/TGameSession.h"
#include "app/TRecordsKeeper.h"
#include "game/DailyGame.h"
#include "game/TLevelSettings.h"
#include "game/TLogic.h"
#include "records/TRecordsService.h"
#include "services/messages/TMessages.h"
#include "windows/daily/TfrmDailyResult.h"

namespace peglore {

namespace {
// Whether two games were played on one board in one variant and mode.
bool SameBoard(const TGameRecord& a, const TGameRecord& b)
{
    return a.Level == b.Level && a.Columns == b.Columns && a.Rows == b.Rows && a.Colours == b.Colours &&
           a.Repeats == b.Repeats && a.Mode == b.Mode;
}
}  // namespace

QString DailyResultText(const TGameRecord& result)
{
    TDailyResult daily;
    const QDate date = result.DailyDate.value_or(QDate());
    daily.Year = date.year();
    daily.Month = date.month();
    daily.Day = date.day();
    daily.Level = result.Level;
    daily.Columns = result.Columns;
    daily.Rows = result.Rows;
    daily.Colours = result.Colours;
    daily.Repeats = result.Repeats;
    daily.Won = result.Outcome == TGameOutcome::Won;
    daily.Answers = result.Answers;
    return QString::fromStdString(DailyShareText(daily));
}

TDailyGames::TDailyGames(TGameSession& session, TRecordsKeeper& keeper, TRecordsService& records, IHelpCommands& help,
                         QWidget& mainWindow)
    : QObject(&keeper), FSession(session), FKeeper(keeper), FRecords(records), FHelp(help), FMainWindow(mainWindow)
{
    connect(&FRecords, &TRecordsService::DailyLoaded, this, &TDailyGames::Learn);
    // Today's results are read once the records file is open.
    FReadFor = QDate::currentDate();
    QTimer::singleShot(0, this, [this] { FRecords.LoadDaily(FReadFor); });
}

TfrmDailyResult* TDailyGames::Window() const
{
    return FWindow;
}

void TDailyGames::Start()
{
    if (!FKeeper.LeaveGameInProgress())
        return;
    const QDate today = QDate::currentDate();
    // Past midnight another date's results are read.
    if (today != FReadFor) {
        FReadFor = today;
        FRecords.LoadDaily(today);
    }
    TLogic& logic = FSession.Logic();
    const TPlayConditions conditions = FKeeper.Conditions();
    logic.SetNextGameNumber(DailyGameNumber(today.year(), today.month(), today.day(), logic.BoardColumns(),
                                            logic.BoardRows(), conditions.Colours, conditions.Repeats));
    logic.NewGame(false, false);
    FInProgress = TInProgress{logic.GamesStarted(), today};
}

void TDailyGames::GameEnding(const TGameEnd& end, TGameRecord& record)
{
    if (!FInProgress || FInProgress->Game != FSession.Logic().GamesStarted())
        return;
    const QDate date = FInProgress->Date;
    FInProgress.reset();
    // A game left unfinished is no result; the computer's games are not
    // the player's.
    if (end.Outcome == TGameOutcome::Abandoned || record.Mode != TGameMode::Play)
        return;
    TGameRecord daily = record;
    daily.DailyDate = date;
    for (const TGameRecord& known : FResults)
        if (known.DailyDate == date && SameBoard(known, daily))
            return;  // played again the same day: an ordinary game
    daily.Answers = end.Answers;
    record = daily;
    FResults.push_back(daily);
    FToShow = daily;
}

void TDailyGames::GameStarted()
{
    if (!FToShow)
        return;
    // After the end's boxes and the new game's start, from the event loop.
    QTimer::singleShot(0, this, [this] {
        if (!FToShow)
            return;
        const TGameRecord result = *FToShow;
        FToShow.reset();
        Show(result, false);
    });
}

void TDailyGames::Learn(const QDate& date, const std::vector<TGameRecord>& games)
{
    for (const TGameRecord& game : games) {
        if (game.DailyDate != date)
            continue;
        bool known = false;
        for (const TGameRecord& result : FResults)
            known = known || (result.DailyDate == date && SameBoard(result, game));
        if (!known)
            FResults.push_back(game);
    }
}

const TGameRecord* TDailyGames::ResultOn(const QDate& date) const
{
    const TLogic& logic = FSession.Logic();
    TGameRecord board;
    board.Level = FSession.LevelSettings().DifficultyLevel();
    board.Columns = logic.BoardColumns();
    board.Rows = logic.BoardRows();
    const TPlayConditions conditions = FKeeper.Conditions();
    board.Colours = conditions.Colours;
    board.Repeats = conditions.Repeats;
    board.Mode = TGameMode::Play;
    for (const TGameRecord& result : FResults)
        if (result.DailyDate == date && SameBoard(result, board))
            return &result;
    return nullptr;
}

QString TDailyGames::TodaysResultText() const
{
    const TGameRecord* result = ResultOn(QDate::currentDate());
    return result ? DailyResultText(*result) : QString();
}

void TDailyGames::CopyResult()
{
    const TGameRecord* result = ResultOn(QDate::currentDate());
    if (!result) {
        //: An information box of Copy Daily Result; "Daily Game" and "Tools" name the menu item and the menu.
        TMessages::ShowNote(tr("Today's daily game on this board is not finished yet. Daily Game in the Tools menu "
                               "starts it."));
        return;
    }
    const TGameRecord copied = *result;
    Show(copied, true);
}

void TDailyGames::Show(const TGameRecord& result, bool copied)
{
    if (!FWindow)
        FWindow = new TfrmDailyResult(FHelp, &FMainWindow);
    FWindow->SetResult(DailyResultText(result), false);
    if (copied)
        FWindow->Copy();
    FWindow->exec();
}

}  // namespace peglore
