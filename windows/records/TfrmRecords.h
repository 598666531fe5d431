#pragma once

#include <QWidget>

#include <functional>
#include <vector>

#include "records/RecordsFigures.h"
#include "records/TGameRecord.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace peglore {

class IHelpCommands;
class TWinsChart;

// The Records window (F4), not modal: the figures of every board played,
// its daily games once there are any, a chart of the rows the chosen
// board's wins took, and the last games; Play starts the chosen game again.
class TfrmRecords : public QWidget {
    Q_OBJECT
public:
    static constexpr int LastGamesShown = 100;
    static constexpr int HelpTopic = 23;

    explicit TfrmRecords(IHelpCommands& help, QWidget* parent = nullptr);

    // Every recorded game, oldest first, and what is wrong with the file
    // (empty when nothing is).
    void SetGames(const std::vector<TGameRecord>& games, const QString& problem);
    void SetProblem(const QString& problem);
    void SetFilePath(const QString& path);

    // The game chosen in the list of last games, if any.
    const TGameRecord* ChosenGame() const;
    // Which recorded games can be played again; Play is off for the
    // others (a row written by hand may name a board no game has).
    void SetPlayable(std::function<bool(const TGameRecord&)> playable);

signals:
    void PlayRequested(const TGameRecord& game);

private:
    void ShowBoard(int row);
    void UpdatePlayButton();

    IHelpCommands& FHelp;
    std::vector<TBoardFigures> FBoards;
    std::vector<TGameRecord> FLastGames;  // newest first
    QLabel* FProblem;
    QLabel* FFilePath;
    QTableWidget* FBoardTable;
    QLabel* FDailyLabel;
    QTableWidget* FDailyTable;
    TWinsChart* FChart;
    QTableWidget* FGameTable;
    QPushButton* FPlayButton;
    std::function<bool(const TGameRecord&)> FPlayable;
};

// "1:05" for 65 seconds.
QString ClockText(int seconds);

}  // namespace peglore
