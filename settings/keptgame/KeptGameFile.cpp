#include "settings/keptgame/KeptGameFile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

#include <unistd.h>

#include "game/BoardGeometry.h"
#include "platform/files/ReplaceFile.h"
#include "platform/files/TReadOnlyFile.h"

namespace peglore {

namespace {

constexpr std::string_view Heading = "Peglore kept game, version 1";
constexpr char EmptyMark = '-';

// The text of the next line, which must end with its newline; nothing at
// the end of text or when the last line was cut short.
std::optional<std::string_view> NextLine(std::string_view& text)
{
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos)
        return std::nullopt;
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end + 1);
    return line;
}

// The value of "key=value", or nothing when line is not of key.
std::optional<std::string_view> ValueOf(std::string_view line, std::string_view key)
{
    if (line.size() <= key.size() || !line.starts_with(key) || line[key.size()] != '=')
        return std::nullopt;
    return line.substr(key.size() + 1);
}

template <typename T>
std::optional<T> Number(std::optional<std::string_view> text, T lowest, T highest)
{
    T value{};
    if (!text || text->empty() || text->size() > 20 || text->find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (error != std::errc() || end != text->data() + text->size() || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

// The holes of a row written as digits of the colour bar, with "-" for an
// empty hole where allowEmpty.
std::optional<std::vector<TColor>> Holes(std::string_view text, const TKeptGame& game, bool allowEmpty)
{
    if (std::ssize(text) != game.Columns)
        return std::nullopt;
    std::vector<TColor> holes;
    for (const char c : text) {
        if (allowEmpty && c == EmptyMark)
            holes.push_back(EmptyHole);
        else if (c >= '1' && c < '1' + game.Colours)
            holes.push_back(PegColors[static_cast<std::size_t>(ColorBarOrder[static_cast<std::size_t>(c - '1')])]);
        else
            return std::nullopt;
    }
    return holes;
}

char MarkOf(TColor color)
{
    for (std::size_t place = 0; place < ColorBarOrder.size(); ++place)
        if (PegColors[static_cast<std::size_t>(ColorBarOrder[place])] == color)
            return static_cast<char>('1' + place);
    return EmptyMark;
}

std::optional<TKeptRow> CheckedRow(std::string_view text, const TKeptGame& game)
{
    const std::size_t space = text.find(' ');
    const std::size_t comma = text.find(',');
    if (space == std::string_view::npos || comma == std::string_view::npos || comma < space)
        return std::nullopt;
    const auto guess = Holes(text.substr(0, space), game, false);
    const auto blacks = Number(text.substr(space + 1, comma - space - 1), 0, game.Columns - 1);
    const auto whites = Number(text.substr(comma + 1), 0, game.Columns);
    if (!guess || !blacks || !whites || *blacks + *whites > game.Columns)
        return std::nullopt;
    return TKeptRow{*guess, *blacks, *whites};
}

}  // namespace

std::optional<TKeptGame> ParseKeptGame(std::string_view text)
{
    if (NextLine(text) != Heading)
        return std::nullopt;
    const auto next = [&](std::string_view key) {
        const auto line = NextLine(text);
        return line ? ValueOf(*line, key) : std::nullopt;
    };
    TKeptGame game;
    const auto level = Number(next("Level"), 0, 3);
    const auto columns = Number(next("Columns"), 1, MaxColumns);
    const auto rows = Number(next("Rows"), 1, MaxRows);
    const auto colours = Number(next("Colours"), 1, static_cast<int>(PegColors.size()));
    const auto repeats = Number(next("Repeats"), 0, 1);
    const auto number = Number(next("GameNumber"), std::uint64_t{0}, std::numeric_limits<std::uint64_t>::max());
    const auto seconds = Number(next("Seconds"), 0, MaxKeptCount);
    const auto hints = Number(next("Hints"), 0, MaxKeptCount);
    if (!level || !columns || !rows || !colours || !repeats || !number || !seconds || !hints)
        return std::nullopt;
    game = {*level, *columns, *rows, *colours, *repeats == 1, *number, *seconds, *hints, {}, {}};
    for (;;) {
        const auto line = NextLine(text);
        if (!line)
            return std::nullopt;
        if (const auto current = ValueOf(*line, "Current")) {
            const auto holes = Holes(*current, game, true);
            if (!holes || !text.empty())
                return std::nullopt;
            game.Current = *holes;
            return game;
        }
        const auto row = CheckedRow(ValueOf(*line, "Row").value_or(std::string_view()), game);
        if (!row || std::ssize(game.Checked) + 1 >= game.Rows)
            return std::nullopt;
        game.Checked.push_back(*row);
    }
}

std::string FormatKeptGame(const TKeptGame& kept)
{
    const auto holes = [](const std::vector<TColor>& colors) {
        std::string marks;
        for (const TColor color : colors)
            marks += MarkOf(color);
        return marks;
    };
    std::string text(Heading);
    text += "\nLevel=" + std::to_string(kept.Level) + "\nColumns=" + std::to_string(kept.Columns) +
            "\nRows=" + std::to_string(kept.Rows) + "\nColours=" + std::to_string(kept.Colours) +
            "\nRepeats=" + (kept.Repeats ? "1" : "0") + "\nGameNumber=" + std::to_string(kept.GameNumber) +
            "\nSeconds=" + std::to_string(kept.Seconds) + "\nHints=" + std::to_string(kept.Hints) + "\n";
    for (const TKeptRow& row : kept.Checked)
        text += "Row=" + holes(row.Guess) + " " + std::to_string(row.Blacks) + "," + std::to_string(row.Whites) + "\n";
    text += "Current=" + holes(kept.Current) + "\n";
    return text;
}

std::optional<TKeptGame> TakeKeptGame(const std::string& path)
{
    const TFileContents file = ReadFileContents(path, MaxKeptGameFileSize);
    if (file.Error == TFileError::None || file.Error == TFileError::TooLarge)
        ::unlink(path.c_str());
    if (file.Error != TFileError::None)
        return std::nullopt;
    return ParseKeptGame(file.Bytes);
}

int KeepGame(const std::string& path, const TKeptGame& kept)
{
    return ReplaceFile(path, FormatKeptGame(kept));
}

}  // namespace peglore
