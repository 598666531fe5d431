#include "game/TLevelSettings.h"

#include "game/TLogic.h"

namespace peglore {

namespace {
struct TLevelSize {
    int Columns;
    int Rows;
};
constexpr TLevelSize FixedLevels[] = {
    {3, 10},  // Beginner
    {5, 9},  // Intermediate
    {8, 12},  // Expert
};
}  // namespace

TLevelSettings::TLevelSettings(TLogic& logic, ILevelMenuPort& menu) : FLogic(logic), FMenu(menu) {}

int TLevelSettings::ColumnsOf(int level) const
{
    return level == Custom ? FCustomColumns : FixedLevels[level].Columns;
}

int TLevelSettings::RowsOf(int level) const
{
    return level == Custom ? FCustomRows : FixedLevels[level].Rows;
}

const TVariant& TLevelSettings::Variant() const
{
    return FLogic.Variant();
}

void TLevelSettings::SetVariant(const TVariant& variant)
{
    FLogic.SetVariant(variant);
}

void TLevelSettings::SetLevel(int level)
{
    if (level < Beginner || level > Custom)
        return;
    // The game left ends while the level it was played at is still the
    // level in use.
    FLogic.AbandonGame();
    FDifficultyLevel = static_cast<std::uint8_t>(level);
    FMenu.CheckLevelItem(level);
    FLogic.SetBoardSize(ColumnsOf(level), RowsOf(level));
}

std::uint8_t TLevelSettings::LevelFromStored(long long stored)
{
    if (stored == Intermediate || stored == Expert || stored == Custom)
        return static_cast<std::uint8_t>(stored);
    return Beginner;
}

}  // namespace peglore
