// Fuzzes the reader of the file a game is kept in over arbitrary bytes.
// Every game it takes is within the bounds of the boards and the rules;
// written again, it reads back the same.

#include "settings/keptgame/KeptGameFile.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "game/BoardGeometry.h"

using namespace peglore;

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

bool InPlay(TColor color, int colours)
{
    for (int place = 0; place < colours; ++place)
        if (PegColors[static_cast<std::size_t>(ColorBarOrder[static_cast<std::size_t>(place)])] == color)
            return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<TKeptGame> game = ParseKeptGame(text);
    if (!game)
        return 0;
    Check(game->Level >= 0 && game->Level <= 3);
    Check(game->Columns >= 1 && game->Columns <= MaxColumns && game->Rows >= 1 && game->Rows <= MaxRows);
    Check(game->Colours >= 1 && game->Colours <= 8);
    Check(game->Seconds >= 0 && game->Seconds <= MaxKeptCount && game->Hints >= 0 && game->Hints <= MaxKeptCount);
    Check(std::ssize(game->Checked) < game->Rows && std::ssize(game->Current) == game->Columns);
    for (const TKeptRow& row : game->Checked) {
        Check(std::ssize(row.Guess) == game->Columns);
        Check(std::ranges::all_of(row.Guess, [&](TColor c) { return InPlay(c, game->Colours); }));
        Check(row.Blacks >= 0 && row.Whites >= 0 && row.Blacks < game->Columns &&
              row.Blacks + row.Whites <= game->Columns);
    }
    Check(std::ranges::all_of(game->Current, [&](TColor c) { return c == EmptyHole || InPlay(c, game->Colours); }));
    Check(ParseKeptGame(FormatKeptGame(*game)) == game);
    return 0;
}
