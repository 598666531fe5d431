#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "game/TKeptGame.h"

namespace peglore {

// The file a game is kept in across an exit, beside the settings file: a
// first line that names it, then one "Key=value" a line in a fixed order,
// the checked rows as "Row=GUESS BLACKS,WHITES" and last the current row
// as "Current=HOLES", each hole a digit of the colour bar (1 is its first
// colour) or "-" when empty. Only the game writes it, but anything may
// stand there: whatever is not such a file, whole, is no game.
inline constexpr const char* KeptGameFileName = "Peglore.kept";
// Far more than the largest board takes; a larger file is not read.
inline constexpr std::size_t MaxKeptGameFileSize = 16 * 1024;
// The most seconds, and hints, a kept game may count; the clock goes on
// from there without running over.
inline constexpr int MaxKeptCount = 1'000'000'000;

// A game within the bounds of the boards and the rules, or nothing. Whether
// its answers are those of its secret is for the rules to tell.
std::optional<TKeptGame> ParseKeptGame(std::string_view text);
// kept must be as ParseKeptGame accepts it.
std::string FormatKeptGame(const TKeptGame& kept);

// The game kept at path, if a readable one stands there. A file there, a
// game or not, is removed, so that a game is resumed once and a damaged
// file tried once; anything else (a folder, a pipe) is left alone.
std::optional<TKeptGame> TakeKeptGame(const std::string& path);
// Writes kept to path whole or not at all, as ReplaceFile does; 0, or the
// errno of the step that failed.
int KeepGame(const std::string& path, const TKeptGame& kept);

}  // namespace peglore
