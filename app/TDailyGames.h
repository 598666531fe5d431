#pragma once

#include <QDate>
#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

#include "records/TGameRecord.h"

class QWidget;

namespace peglore {

class IHelpCommands;
class TGameSession;
class TRecordsKeeper;
class TRecordsService;
class TfrmDailyResult;

// The daily game: one secret a local date and board for every player, of
// which the first game finished on a date counts for that date; its result
// can be copied, without the secret, for as long as the date lasts, also
// after a restart, as the records keep it.
class TDailyGames final : public QObject {
    Q_OBJECT
public:
    TDailyGames(TGameSession& session, TRecordsKeeper& keeper, TRecordsService& records, IHelpCommands& help,
                QWidget& mainWindow);

    // Tools > Daily Game: today's game on the current board, after the
    // new-game question when a game with pegs would be thrown away.
    void Start();
    // Tools > Copy Daily Result: today's result on the current board on the
    // clipboard and in the result window; a note while there is none.
    void CopyResult();
    // The text of today's result on the current board; empty while there
    // is none.
    QString TodaysResultText() const;

    // As a game ends, before it is recorded: a daily game that is the first
    // finished on its date, board and variant gets its date and answers and
    // is the date's result; any other game stays as it is.
    void GameEnding(const TGameEnd& end, TGameRecord& record);
    // A new game has begun: after a daily game's end, once the written
    // boxes of that end are closed, the result window follows.
    void GameStarted();

    // Null until first shown.
    TfrmDailyResult* Window() const;

private:
    void Learn(const QDate& date, const std::vector<TGameRecord>& games);
    const TGameRecord* ResultOn(const QDate& date) const;
    void Show(const TGameRecord& result, bool copied);

    TGameSession& FSession;
    TRecordsKeeper& FKeeper;
    TRecordsService& FRecords;
    IHelpCommands& FHelp;
    QWidget& FMainWindow;
    QPointer<TfrmDailyResult> FWindow;  // a child of the main window
    // The daily game on the board: which game it is and whose date.
    struct TInProgress {
        std::uint64_t Game = 0;
        QDate Date;
    };
    std::optional<TInProgress> FInProgress;
    // The first daily game of each date and board known: from the records
    // file for the date they were read for, and every one of this run.
    std::vector<TGameRecord> FResults;
    QDate FReadFor;
    std::optional<TGameRecord> FToShow;
};

// The text a daily game's record is shared as.
QString DailyResultText(const TGameRecord& result);

}  // namespace peglore
