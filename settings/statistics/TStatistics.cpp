#include "settings/statistics/TStatistics.h"

namespace peglore {

namespace {
// Counters read from the settings file are taken as they are; the
// difference is formed without signed overflow.
int Difference(int Total, int Won, int Lost)
{
    return static_cast<int>(static_cast<unsigned>(Total) - static_cast<unsigned>(Won) -
                            static_cast<unsigned>(Lost));
}
}  // namespace

void TStatistics::SetTotalGames(int Value)
{
    FTotalGames = Value;
    DeriveUnfinished();
}

void TStatistics::SetGamesWon(int Value)
{
    FGamesWon = Value;
    DeriveUnfinished();
}

void TStatistics::SetGamesLost(int Value)
{
    FGamesLost = Value;
    DeriveUnfinished();
}

void TStatistics::SetUnfinishedGames(int Value)
{
    FUnfinishedGames = Value;
}

void TStatistics::DeriveUnfinished()
{
    FUnfinishedGames = Difference(FTotalGames, FGamesWon, FGamesLost);
}

}  // namespace peglore
