#include "records/TGameRecord.h"

#include <array>

#include "game/BoardGeometry.h"

namespace peglore {

namespace {
constexpr std::array<TGameOutcome, 4> Outcomes{TGameOutcome::Won, TGameOutcome::Lost, TGameOutcome::GivenUp,
                                               TGameOutcome::Abandoned};
constexpr std::array<const char*, 4> OutcomeNames{"won", "lost", "given up", "abandoned"};
constexpr std::array<TGameMode, 2> Modes{TGameMode::Play, TGameMode::CodeBreaker};
constexpr std::array<const char*, 2> ModeNames{"play", "codebreaker"};
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

QString ModeName(TGameMode mode)
{
    return QString::fromLatin1(ModeNames[static_cast<std::size_t>(mode)]);
}

std::optional<TGameMode> ModeFromName(const QString& name)
{
    for (std::size_t i = 0; i < Modes.size(); ++i)
        if (name == QLatin1String(ModeNames[i]))
            return Modes[i];
    return std::nullopt;
}

QString LevelName(int level)
{
    const std::string_view name = NameOfLevel(level);
    if (name.empty())
        return QStringLiteral("Level %1").arg(level);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QString AnswersText(std::span<const TRowAnswer> answers)
{
    QStringList rows;
    for (const TRowAnswer& answer : answers)
        rows << QStringLiteral("%1,%2").arg(answer.Blacks).arg(answer.Whites);
    // Never a null string, which the file would keep as NULL.
    return rows.isEmpty() ? QStringLiteral("") : rows.join(QLatin1Char(' '));
}

std::vector<TRowAnswer> AnswersFromText(const QString& text)
{
    if (text.size() > MaxRows * 12)
        return {};
    std::vector<TRowAnswer> answers;
    for (const QString& row : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList pegs = row.split(QLatin1Char(','));
        bool blacksRead = false;
        bool whitesRead = false;
        const int blacks = pegs.size() == 2 ? pegs[0].toInt(&blacksRead) : 0;
        const int whites = pegs.size() == 2 ? pegs[1].toInt(&whitesRead) : 0;
        if (!blacksRead || !whitesRead || blacks < 0 || whites < 0 || blacks > MaxColumns || whites > MaxColumns - blacks ||
            answers.size() == static_cast<std::size_t>(MaxRows))
            return {};
        answers.push_back({blacks, whites});
    }
    return answers;
}

}  // namespace peglore
