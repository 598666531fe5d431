#include "settings/statistics/TStatistics.h"

namespace peglore {

namespace {
// Counters read from the settings file are taken as they are; the
// difference is formed without signed overflow.
int Difference(int total, int won, int lost)
{
    return static_cast<int>(static_cast<unsigned>(total) - static_cast<unsigned>(won) - static_cast<unsigned>(lost));
}
}  // namespace

void TStatistics::SetTotalGames(int value)
{
    FTotalGames = value;
    DeriveUnfinished();
}

void TStatistics::SetGamesWon(int value)
{
    FGamesWon = value;
    DeriveUnfinished();
}

void TStatistics::SetGamesLost(int value)
{
    FGamesLost = value;
    DeriveUnfinished();
}

void TStatistics::SetUnfinishedGames(int value)
{
    FUnfinishedGames = value;
}

void TStatistics::DeriveUnfinished()
{
    FUnfinishedGames = Difference(FTotalGames, FGamesWon, FGamesLost);
}

}  // namespace peglore
