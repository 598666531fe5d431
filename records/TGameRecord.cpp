#include "records/TGameRecord.h"

#include <QCoreApplication>

#include <array>

#include "game/BoardGeometry.h"

namespace peglore {

namespace {
constexpr std::array<TGameOutcome, 4> Outcomes{TGameOutcome::Won, TGameOutcome::Lost, TGameOutcome::GivenUp,
                                               TGameOutcome::Abandoned};
// The file's words, which the Records window shows translated.
constexpr std::array<const char*, 4> OutcomeNames{
    //: How a game ended, in the Records window's list of games.
    QT_TRANSLATE_NOOP("peglore::TGameRecord", "won"),
    //: How a game ended, in the Records window's list of games: every row used.
    QT_TRANSLATE_NOOP("peglore::TGameRecord", "lost"),
    //: How a game ended, in the Records window's list of games: the player gave up.
    QT_TRANSLATE_NOOP("peglore::TGameRecord", "given up"),
    //: How a game ended, in the Records window's list of games: left unfinished for a new game or at the exit.
    QT_TRANSLATE_NOOP("peglore::TGameRecord", "abandoned"),
};
constexpr std::array<TGameMode, 2> Modes{TGameMode::Play, TGameMode::CodeBreaker};
constexpr std::array<const char*, 2> ModeNames{"play", "codebreaker"};
}  // namespace

QString OutcomeName(TGameOutcome outcome)
{
    return QString::fromLatin1(OutcomeNames[static_cast<std::size_t>(outcome)]);
}

QString OutcomeText(TGameOutcome outcome)
{
    return QCoreApplication::translate("peglore::TGameRecord", OutcomeNames[static_cast<std::size_t>(outcome)]);
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
        //: The name of a level the game does not know, read from a records file written elsewhere; %1 is its number.
        return QCoreApplication::translate("peglore::TGameRecord", "Level %1").arg(level);
    return QCoreApplication::translate("peglore::GameNames", std::string(name).c_str());
}

QString VariantText(int colours, bool repeats)
{
    const std::string words(VariantWords(colours, repeats));
    // The words of one colour have no count, and no plural forms either.
    const bool counted = words.find("%n") != std::string::npos;
    QString text = QCoreApplication::translate("peglore::GameNames", words.c_str(), nullptr,
                                               counted && colours >= 0 ? colours : -1);
    // Qt puts in no count below 0, which a records file written by hand may
    // hold.
    if (counted && colours < 0)
        text.replace(QLatin1String("%n"), QString::number(colours));
    return text;
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
