#include "records/TPendingFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/files/ReplaceFile.h"
#include "platform/files/TReadOnlyFile.h"
#include "records/PendingGames.h"

namespace peglore {

bool TPendingFile::Exists() const
{
    return QFileInfo(FPath).exists() || QFileInfo(FPath).isSymLink();
}

std::vector<TGameRecord> TPendingFile::Read()
{
    FProblem.clear();
    FStrayLines = false;
    const TFileContents contents = ReadFileContents(QFile::encodeName(FPath).toStdString(), MaxPendingFileSize);
    if (contents.Error == TFileError::Missing)
        return {};
    if (contents.Error != TFileError::None) {
        //: What is wrong with the file of games waiting for the records: a predicate that follows "The file
        //: PATH". %1 is the system's reason, in English.
        SetAside(tr("cannot be read (%1)").arg(QString::fromStdString(contents.Reason)));
        return {};
    }
    const TPendingGames read = ParsePendingGames(contents.Bytes);
    if (!read.Recognised && !contents.Bytes.empty()) {
        //: What is wrong with the file of games waiting for the records: a predicate that follows "The file PATH".
        SetAside(tr("is not a file of games waiting for the records"));
        return {};
    }
    std::vector<TGameRecord> games;
    for (const TPendingGame& kept : read.Games) {
        const std::optional<TGameOutcome> outcome = OutcomeFromName(QString::fromStdString(kept.Outcome));
        const std::optional<TGameMode> mode = ModeFromName(QString::fromStdString(kept.Mode));
        if (!outcome || !mode) {
            FStrayLines = true;
            continue;
        }
        TGameRecord game;
        game.EndedAt = QDateTime::fromString(QString::fromStdString(kept.EndedAt), Qt::ISODate).toUTC();
        game.Level = kept.Level;
        game.Columns = kept.Columns;
        game.Rows = kept.Rows;
        game.GameNumber = kept.GameNumber;
        game.RowsUsed = kept.RowsUsed;
        game.Seconds = kept.Seconds;
        game.Outcome = *outcome;
        game.Hints = kept.Hints;
        if (const QDate date = QDate::fromString(QString::fromStdString(kept.DailyDate), Qt::ISODate); date.isValid())
            game.DailyDate = date;
        game.HardMode = kept.HardMode;
        game.Mode = *mode;
        game.Colours = kept.Colours;
        game.Repeats = kept.Repeats;
        game.Answers = AnswersFromText(QString::fromStdString(kept.Answers));
        games.push_back(game);
    }
    FStrayLines = FStrayLines || read.Skipped > 0;
    return games;
}

bool TPendingFile::Add(const std::vector<TGameRecord>& games)
{
    std::vector<TGameRecord> all = Read();
    // The lines that are no game stay in the old file, set aside.
    if (FStrayLines)
        //: What was wrong with the file of games waiting for the records: a predicate that follows "The file
        //: PATH".
        SetAside(tr("held lines that are no game"));
    all.insert(all.end(), games.begin(), games.end());
    std::vector<TPendingGame> kept;
    for (const TGameRecord& game : all) {
        const QString endedAt = game.EndedAt.toUTC().toString(Qt::ISODate);
        const QString answers = AnswersText(game.Answers);
        kept.push_back({endedAt.toStdString(), std::clamp(game.Level, 0, 3),
                        std::clamp(game.Columns, 1, MaxPendingBoardSide), std::clamp(game.Rows, 1, MaxPendingBoardSide),
                        game.GameNumber, std::clamp(game.RowsUsed, 0, MaxPendingBoardSide), std::max(game.Seconds, 0),
                        OutcomeName(game.Outcome).toStdString(), std::max(game.Hints, 0),
                        game.DailyDate ? game.DailyDate->toString(Qt::ISODate).toStdString() : std::string(),
                        game.HardMode, ModeName(game.Mode).toStdString(),
                        std::clamp(game.Colours, 1, MaxPendingColours), game.Repeats,
                        answers.size() <= qsizetype(MaxPendingAnswers) ? answers.toStdString() : std::string()});
    }
    const int error = ReplaceFile(QFile::encodeName(FPath).toStdString(), FormatPendingGames(kept));
    if (error == 0)
        return true;
    //: Why finished games could not be kept for later: a clause that follows "as". %2 is the system's reason.
    FProblem = tr("the file %1 cannot be written (%2)").arg(FPath, QString::fromLocal8Bit(std::strerror(error)));
    return false;
}

void TPendingFile::Remove()
{
    if (FStrayLines)
        SetAside(tr("held lines that are no game"));
    else
        QFile::remove(FPath);
}

void TPendingFile::SetAside(const QString& why)
{
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = FPath + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = FPath + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    // Whatever stands there, a folder too.
    FProblem = std::rename(QFile::encodeName(FPath).constData(), QFile::encodeName(aside).constData()) == 0
                   //: %1 the file of games waiting for the records, %2 what was wrong with it (a predicate such as
                   //: "held lines that are no game"), %3 the name it was kept under.
                   ? tr("The file %1 %2; it was kept as %3.").arg(FPath, why, aside)
                   //: %2 what is wrong with the file, a predicate such as "held lines that are no game".
                   : tr("The file %1 %2 and cannot be renamed aside.").arg(FPath, why);
}

}  // namespace peglore
