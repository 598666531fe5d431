#pragma once

namespace peglore {

// Games counted, won, lost and unfinished over every run. The setters of
// the first three keep UnfinishedGames = TotalGames - GamesWon - GamesLost
// (stopping at the limits of an int); only loading stores a different
// unfinished figure, which lasts until the next change of one of the
// others.
class TStatistics {
public:
    int TotalGames() const { return FTotalGames; }
    int GamesWon() const { return FGamesWon; }
    int GamesLost() const { return FGamesLost; }
    int UnfinishedGames() const { return FUnfinishedGames; }

    void SetTotalGames(int value);
    void SetGamesWon(int value);
    void SetGamesLost(int value);
    void SetUnfinishedGames(int value);

private:
    void DeriveUnfinished();

    int FTotalGames = 0;
    int FGamesWon = 0;
    int FGamesLost = 0;
    int FUnfinishedGames = 0;
};

}  // namespace peglore
