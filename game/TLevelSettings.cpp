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
    {5, 9},   // Intermediate
    {8, 12},  // Expert
};
}  // namespace

TLevelSettings::TLevelSettings(TLogic& Logic, ILevelMenuPort& Menu) : FLogic(Logic), FMenu(Menu)
{
}

int TLevelSettings::ColumnsOf(int Level) const
{
    return Level == Custom ? FCustomColumns : FixedLevels[Level].Columns;
}

int TLevelSettings::RowsOf(int Level) const
{
    return Level == Custom ? FCustomRows : FixedLevels[Level].Rows;
}

void TLevelSettings::SetLevel(int Level)
{
    if (Level < Beginner || Level > Custom)
        return;
    FDifficultyLevel = static_cast<std::uint8_t>(Level);
    FMenu.CheckLevelItem(Level);
    FLogic.SetBoardSize(ColumnsOf(Level), RowsOf(Level));
}

std::uint8_t TLevelSettings::LevelFromStored(long long Stored)
{
    if (Stored == Intermediate || Stored == Expert || Stored == Custom)
        return static_cast<std::uint8_t>(Stored);
    return Beginner;
}

}  // namespace peglore
