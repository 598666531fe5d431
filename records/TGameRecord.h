#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>

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

    bool operator==(const TGameRecord&) const = default;
};

// The outcome's word in the file and the window: "won", "lost", "given up",
// "abandoned".
QString OutcomeName(TGameOutcome outcome);
std::optional<TGameOutcome> OutcomeFromName(const QString& name);

// "Beginner", "Intermediate", "Expert", "Custom".
QString LevelName(int level);

}  // namespace peglore
