#include "records/PendingGames.h"

#include <charconv>
#include <limits>
#include <optional>

namespace peglore {

namespace {

constexpr std::string_view FirstHeading = "Peglore games waiting for the records file, version 1";
constexpr std::string_view Heading = "Peglore games waiting for the records file, version 2";
constexpr std::size_t FirstFieldCount = 9;
constexpr std::size_t FieldCount = 15;
constexpr std::size_t MaxTextField = 40;

template <typename T>
std::optional<T> Number(std::string_view text, T limit)
{
    T value{};
    if (text.empty() || text.size() > 20 || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value > limit)
        return std::nullopt;
    return value;
}

bool TextOf(std::string_view text, std::string_view allowed, std::size_t minimum, std::size_t maximum = MaxTextField)
{
    return text.size() >= minimum && text.size() <= maximum &&
           text.find_first_not_of(allowed) == std::string_view::npos;
}

constexpr std::string_view DateCharacters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz:.+-";
constexpr std::string_view OutcomeCharacters = "abcdefghijklmnopqrstuvwxyz ";
constexpr std::string_view DailyDateCharacters = "0123456789-";
constexpr std::string_view AnswersCharacters = "0123456789, ";

// fieldCount: the fields a line of the file's version has.
std::optional<TPendingGame> GameOf(std::string_view line, std::size_t fieldCount)
{
    std::string_view fields[FieldCount];
    std::size_t count = 0;
    for (;;) {
        const std::size_t tab = line.find('\t');
        if (count == fieldCount)
            return std::nullopt;
        fields[count++] = line.substr(0, tab);
        if (tab == std::string_view::npos)
            break;
        line.remove_prefix(tab + 1);
    }
    if (count != fieldCount || !TextOf(fields[0], DateCharacters, 0) || !TextOf(fields[7], OutcomeCharacters, 1))
        return std::nullopt;
    constexpr int MaxInt = std::numeric_limits<int>::max();
    const auto level = Number(fields[1], 3);
    const auto columns = Number(fields[2], MaxPendingBoardSide);
    const auto rows = Number(fields[3], MaxPendingBoardSide);
    const auto number = Number(fields[4], std::numeric_limits<std::uint64_t>::max());
    const auto rowsUsed = Number(fields[5], MaxPendingBoardSide);
    const auto seconds = Number(fields[6], MaxInt);
    const auto hints = Number(fields[8], MaxInt);
    if (!level || !columns || !rows || !number || !rowsUsed || !seconds || !hints || *columns < 1 || *rows < 1)
        return std::nullopt;
    TPendingGame game;
    game.EndedAt = fields[0];
    game.Level = *level;
    game.Columns = *columns;
    game.Rows = *rows;
    game.GameNumber = *number;
    game.RowsUsed = *rowsUsed;
    game.Seconds = *seconds;
    game.Outcome = fields[7];
    game.Hints = *hints;
    if (fieldCount == FirstFieldCount)
        return game;
    const auto hardMode = Number(fields[10], 1);
    const auto colours = Number(fields[12], MaxPendingColours);
    const auto repeats = Number(fields[13], 1);
    if (!TextOf(fields[9], DailyDateCharacters, 0, 10) || !hardMode || !TextOf(fields[11], OutcomeCharacters, 1) ||
        !colours || *colours < 1 || !repeats || !TextOf(fields[14], AnswersCharacters, 0, MaxPendingAnswers))
        return std::nullopt;
    game.DailyDate = fields[9];
    game.HardMode = *hardMode == 1;
    game.Mode = fields[11];
    game.Colours = *colours;
    game.Repeats = *repeats == 1;
    game.Answers = fields[14];
    return game;
}

}  // namespace

TPendingGames ParsePendingGames(std::string_view text)
{
    TPendingGames read;
    bool first = true;
    std::size_t fieldCount = FieldCount;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        // A last line without its end was cut short: no game.
        const bool whole = end != std::string_view::npos;
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(whole ? end + 1 : text.size());
        if (first) {
            first = false;
            read.Recognised = whole && (line == Heading || line == FirstHeading);
            fieldCount = line == Heading ? FieldCount : FirstFieldCount;
            if (!read.Recognised) {
                read.Skipped = 1;
                return read;
            }
            continue;
        }
        const std::optional<TPendingGame> game = whole ? GameOf(line, fieldCount) : std::nullopt;
        if (game)
            read.Games.push_back(*game);
        else
            ++read.Skipped;
    }
    return read;
}

std::string FormatPendingGames(std::span<const TPendingGame> games)
{
    std::string text(Heading);
    text += '\n';
    for (const TPendingGame& game : games) {
        for (const std::string& field :
             {game.EndedAt, std::to_string(game.Level), std::to_string(game.Columns), std::to_string(game.Rows),
              std::to_string(game.GameNumber), std::to_string(game.RowsUsed), std::to_string(game.Seconds),
              game.Outcome, std::to_string(game.Hints), game.DailyDate, std::to_string(game.HardMode ? 1 : 0),
              game.Mode, std::to_string(game.Colours), std::to_string(game.Repeats ? 1 : 0), game.Answers}) {
            text += field;
            text += '\t';
        }
        text.back() = '\n';
    }
    return text;
}

}  // namespace peglore
