#pragma once

#include <cstdint>

#include "game/ILevelMenuPort.h"
#include "game/TVariant.h"

namespace peglore {

class TLogic;

enum TDifficultyLevel : std::uint8_t { Beginner = 0, Intermediate = 1, Expert = 2, Custom = 3 };

// The chosen level and the custom board size. A level fixes only the
// board's dimensions; every level plays with all eight colours.
class TLevelSettings {
public:
    static constexpr int DefaultCustomColumns = 4;
    static constexpr int DefaultCustomRows = 10;

    TLevelSettings(TLogic& logic, ILevelMenuPort& menu);

    std::uint8_t DifficultyLevel() const { return FDifficultyLevel; }
    // The custom size is kept exactly as given, even outside the sizes the
    // board is built for; SetBoardSize clamps when it is applied.
    int CustomColumns() const { return FCustomColumns; }
    int CustomRows() const { return FCustomRows; }
    void SetCustomColumns(int columns) { FCustomColumns = columns; }
    void SetCustomRows(int rows) { FCustomRows = rows; }
    // The colours every level plays with, until changed; the logic keeps
    // them. A change takes effect with the next game.
    const TVariant& Variant() const;
    void SetVariant(const TVariant& variant);

    // Applies a level 0 to 3: the game in progress is left (told to the
    // observers, not counted), then the check mark, the board size and a
    // new game. Any other value does nothing.
    void SetLevel(int level);

    // The level a stored value selects: 1, 2 and 3 their levels, anything
    // else Beginner.
    static std::uint8_t LevelFromStored(long long stored);

    // columns and rows of a level; Custom gives the custom size.
    int ColumnsOf(int level) const;
    int RowsOf(int level) const;

private:
    TLogic& FLogic;
    ILevelMenuPort& FMenu;
    std::uint8_t FDifficultyLevel = Beginner;
    int FCustomColumns = DefaultCustomColumns;
    int FCustomRows = DefaultCustomRows;
};

}  // namespace peglore
