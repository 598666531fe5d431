#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "game/GameNames.h"
#include "game/IGameObserver.h"

namespace peglore {

// One finished game as the records file keeps it.
struct TGameRecord {
    QDateTime EndedAt;  // UTC
    int Level = 0;  // 0 Beginner, 1 Intermediate, 2 Expert, 3 Custom
    int Columns = 0;
    int Rows = 0;
    std::uint64_t GameNumber = 0;
    int RowsUsed = 0;
    int Seconds = 0;
    TGameOutcome Outcome = TGameOutcome::Abandoned;
    int Hints = 0;
    // The local date whose daily game this is, when it is the first daily
    // game finished on that date on its board and variant; none for every
    // other game, a daily game played again that day too.
    std::optional<QDate> DailyDate;
    bool HardMode = false;
    TGameMode Mode = TGameMode::Play;
    // The variant: the colours the secret is drawn from, and whether one
    // may repeat.
    int Colours = WrittenColours;
    bool Repeats = WrittenRepeats;
    // The key pegs of every checked row, top first; kept for the daily
    // game, whose result is shared from them, and empty for other games.
    std::vector<TRowAnswer> Answers;

    bool operator==(const TGameRecord&) const = default;
};

// The outcome's word in the file: "won", "lost", "given up", "abandoned".
QString OutcomeName(TGameOutcome outcome);
// The outcome's word in the window: OutcomeName in the player's language.
QString OutcomeText(TGameOutcome outcome);
std::optional<TGameOutcome> OutcomeFromName(const QString& name);

// The mode's word in the file: "play", "codebreaker".
QString ModeName(TGameMode mode);
std::optional<TGameMode> ModeFromName(const QString& name);

// "Beginner", "Intermediate", "Expert", "Custom", in the player's language.
QString LevelName(int level);

// The variant in the player's language, as a window shows it: "6 colours,
// no repeats", "6 colours"; empty for the written game's eight colours with
// repeats.
QString VariantText(int colours, bool repeats);

// The answers as the file keeps them: "2,1 0,3 4,0", blacks before whites,
// a row after another. What is read is bounded: at most MaxRows rows of at
// most MaxColumns key pegs each; a text that is not such a list reads as
// no answers.
QString AnswersText(std::span<const TRowAnswer> answers);
std::vector<TRowAnswer> AnswersFromText(const QString& text);

}  // namespace peglore
