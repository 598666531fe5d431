#include "settings/statistics/TStatistics.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace peglore {

namespace {
// Games counted but neither won nor lost, formed without overflow: a
// difference beyond what an int holds stops at its limit instead of
// wrapping to the other end.
int Difference(int total, int won, int lost)
{
    const std::int64_t difference = std::int64_t{total} - won - lost;
    return static_cast<int>(
        std::clamp<std::int64_t>(difference, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
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
