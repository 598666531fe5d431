#include "records/TGameRecord.h"

#include <array>

namespace peglore {

namespace {
constexpr std::array<TGameOutcome, 4> Outcomes{TGameOutcome::Won, TGameOutcome::Lost, TGameOutcome::GivenUp,
                                               TGameOutcome::Abandoned};
constexpr std::array<const char*, 4> OutcomeNames{"won", "lost", "given up", "abandoned"};
constexpr std::array<const char*, 4> LevelNames{"Beginner", "Intermediate", "Expert", "Custom"};
}  // namespace

QString OutcomeName(TGameOutcome outcome)
{
    return QString::fromLatin1(OutcomeNames[static_cast<std::size_t>(outcome)]);
}

std::optional<TGameOutcome> OutcomeFromName(const QString& name)
{
    for (std::size_t i = 0; i < Outcomes.size(); ++i)
        if (name == QLatin1String(OutcomeNames[i]))
            return Outcomes[i];
    return std::nullopt;
}

QString LevelName(int level)
{
    if (level < 0 || level >= static_cast<int>(LevelNames.size()))
        return QStringLiteral("Level %1").arg(level);
    return QString::fromLatin1(LevelNames[static_cast<std::size_t>(level)]);
}

}  // namespace peglore
