#include "records/TRecordsFile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <climits>
#include <cmath>

#include <sys/stat.h>

namespace peglore {

namespace {

// SQLite's primary result codes, as the driver gives them in
// QSqlError::nativeErrorCode().
constexpr int SqliteBusy = 5;
constexpr int SqliteLocked = 6;
constexpr int SqliteReadOnly = 8;
constexpr int SqliteCorrupt = 11;
constexpr int SqliteFull = 13;
constexpr int SqliteCantOpen = 14;
constexpr int SqliteNotADatabase = 26;

// A whole number of the file as the game holds it. A column takes any
// 64-bit number, or a real, from a file written by hand: beyond the range of
// int it is the nearest int, never its low 32 bits.
int StoredInt(const QVariant& value)
{
    if (value.typeId() == QMetaType::Double) {
        const double real = value.toDouble();
        return std::isnan(real) ? 0 : static_cast<int>(std::clamp(real, double(INT_MIN), double(INT_MAX)));
    }
    return static_cast<int>(std::clamp<qlonglong>(value.toLongLong(), INT_MIN, INT_MAX));
}

int PrimaryCode(const QSqlError& error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

bool IsDamage(const QSqlError& error)
{
    const int code = PrimaryCode(error);
    return code == SqliteCorrupt || code == SqliteNotADatabase;
}

// Root passes every access check, so a file or folder whose mode has no
// write bit at all counts as read-only too, as it does for the settings.
bool MayWrite(const QFileInfo& info)
{
    constexpr QFileDevice::Permissions AnyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return (info.permissions() & AnyWrite) != 0 && info.isWritable();
}

QString NewConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("peglore-records-%1").arg(counter.fetch_add(1));
}

// The columns of the table games. Version 1 had the first nine; version 2
// added the rest, each with the value it has for a game of version 1.
struct TColumn {
    const char* Name;
    const char* Definition;
    const char* OfOlderGames;  // nullptr: a column version 1 already had
};
constexpr TColumn Columns[] = {
    {"ended_at", "TEXT NOT NULL", nullptr},
    {"level", "INTEGER NOT NULL", nullptr},
    {"width", "INTEGER NOT NULL", nullptr},
    {"rows", "INTEGER NOT NULL", nullptr},
    {"game_number", "INTEGER NOT NULL", nullptr},
    {"rows_used", "INTEGER NOT NULL", nullptr},
    {"seconds", "INTEGER NOT NULL", nullptr},
    {"outcome", "TEXT NOT NULL", nullptr},
    {"hints", "INTEGER NOT NULL DEFAULT 0", nullptr},
    // The local date (yyyy-MM-dd) of the daily game it was; NULL for any
    // other game.
    {"daily_date", "TEXT", "NULL"},
    {"hard_mode", "INTEGER NOT NULL DEFAULT 0", "0"},
    // 'play' for the player's own games, 'codebreaker' for the computer
    // breaking the player's code.
    {"mode", "TEXT NOT NULL DEFAULT 'play'", "'play'"},
    {"colours", "INTEGER NOT NULL DEFAULT 8", "8"},
    {"repeats", "INTEGER NOT NULL DEFAULT 1", "1"},
    // The key pegs of the checked rows, as AnswersText writes them.
    {"answers", "TEXT NOT NULL DEFAULT ''", "''"},
};
constexpr int ColumnCount = static_cast<int>(std::size(Columns));

QString CreateTable()
{
    QString sql = QStringLiteral("CREATE TABLE IF NOT EXISTS games (id INTEGER PRIMARY KEY");
    for (const TColumn& column : Columns)
        sql += QStringLiteral(", %1 %2").arg(QLatin1String(column.Name), QLatin1String(column.Definition));
    return sql + QLatin1Char(')');
}

}  // namespace

TRecordsFile::TRecordsFile(QString path, int busyTimeoutMs)
    : FPath(std::move(path)), FConnection(NewConnectionName()), FBusyTimeoutMs(busyTimeoutMs)
{
}

TRecordsFile::~TRecordsFile()
{
    CloseConnection();
}

bool TRecordsFile::Fail(const QString& action, const QSqlError& error)
{
    const QString detail = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    switch (PrimaryCode(error)) {
    case SqliteBusy:
    case SqliteLocked:
        //: The records file's problem, shown in the Records window and at the exit. %2 is what follows
        //: from it, a clause that goes after "so", such as "no games are recorded".
        FProblem = tr("The records file %1 is locked by another program, so %2. Peglore tries again after the next "
                      "game.")
                       .arg(FPath, action);
        break;
    case SqliteReadOnly:
        //: The records file's problem. %2 is a clause that goes after "so", such as "no games are recorded".
        FProblem = tr("The records file %1 may not be written, so %2.").arg(FPath, action);
        break;
    case SqliteFull:
        //: The records file's problem. %2 is a clause that goes after "so", such as "no games are recorded".
        FProblem = tr("The disk of the records file %1 is full, so %2.").arg(FPath, action);
        break;
    case SqliteCantOpen:
        //: The records file's problem. %2 is a clause that goes after "so", such as "no games are recorded".
        FProblem =
            tr("The records file %1 cannot be opened or created (is its folder missing or read-only?), so %2.")
                .arg(FPath, action);
        break;
    default:
        //: The records file's problem: %2 is the database's own message (in English), %3 a clause that goes
        //: after "so", such as "no games are recorded".
        FProblem = tr("The records file %1 cannot be used (%2), so %3.").arg(FPath, detail, action);
    }
    return false;
}

bool TRecordsFile::OpenConnection()
{
    CloseConnection();
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        FProblem =
            tr("Qt's SQLite driver (Debian package libqt6sql6-sqlite) is not installed, so no games are recorded.");
        return false;
    }
    // A FIFO or a device would block or mislead SQLite; only a plain file or
    // none at all is opened.
    const QFileInfo info(FPath);
    if (info.exists() && !info.isFile()) {
        //: %1 is the records file's path, which is a folder or another thing that is no file.
        FProblem = tr("%1 is not a file, so no games are recorded.").arg(FPath);
        return false;
    }
    // The journal lies beside the file, so writing needs the folder too.
    FMayWrite = MayWrite(QFileInfo(info.absolutePath())) && (!info.exists() || MayWrite(info));
    if (!info.exists() && !FMayWrite) {
        FProblem =
            tr("The records file %1 cannot be created, as its folder may not be written, so no games are recorded.")
                .arg(FPath);
        return false;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), FConnection);
    db.setDatabaseName(FPath);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1%2")
                             .arg(FBusyTimeoutMs)
                             .arg(FMayWrite ? QString() : QStringLiteral(";QSQLITE_OPEN_READONLY")));
    if (!db.open())
        //: What follows from a problem of the records file: a clause that goes after "so".
        return Fail(tr("no games are recorded"), db.lastError());
    FOpen = true;
    return true;
}

void TRecordsFile::CloseConnection()
{
    if (QSqlDatabase::contains(FConnection)) {
        QSqlDatabase::database(FConnection, false).close();
        QSqlDatabase::removeDatabase(FConnection);
    }
    FOpen = false;
}

bool TRecordsFile::Open()
{
    FProblem.clear();
    return OpenConnection() && CheckAndPrepare();
}

// Makes sure the open file is a records database of a version this program
// knows, sets a damaged or foreign file aside, and creates the table.
TRecordsFile::TCheck TRecordsFile::Inspect()
{
    QSqlDatabase db = QSqlDatabase::database(FConnection, false);
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next()) {
        if (IsDamage(query.lastError()))
            return TCheck::Damaged;
        Fail(tr("no games are recorded"), query.lastError());
        return TCheck::Failed;
    }
    if (query.value(0).toString() != QLatin1String("ok"))
        return TCheck::Damaged;

    // Inside one immediate transaction when the file may be written, so that
    // a second game starting at the same moment waits and then finds the
    // table the first one made.
    const bool locked = FMayWrite && query.exec(QStringLiteral("BEGIN IMMEDIATE"));
    if (FMayWrite && !locked) {
        Fail(tr("no games are recorded"), query.lastError());
        return TCheck::Failed;
    }
    const auto failInside = [&] {
        const QSqlError error = query.lastError();
        if (locked)
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        Fail(tr("no games are recorded"), error);
        return TCheck::Failed;
    };
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return failInside();
    const int version = query.value(0).toInt();
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !query.next())
        return failInside();
    const int objects = query.value(0).toInt();
    if (version == 0 && objects == 0 && locked) {
        if (!query.exec(CreateTable()) || !query.exec(QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion)))
            return failInside();
    }
    FColumns.clear();
    if (version != 0) {
        if (!query.exec(QStringLiteral("SELECT name FROM pragma_table_info('games')")))
            return failInside();
        while (query.next())
            FColumns.insert(query.value(0).toString());
    }
    const auto has = [this](const TColumn& column) { return FColumns.contains(QLatin1String(column.Name)); };
    const bool ours = std::all_of(std::begin(Columns), std::end(Columns),
                                  [&](const TColumn& column) { return column.OfOlderGames || has(column); });
    if (version != 0 && version <= SchemaVersion && ours && locked) {
        // An older file takes the columns it lacks, each game the value it
        // had before they were kept, all in this transaction: the file is
        // upgraded whole or not at all.
        for (const TColumn& column : Columns) {
            if (has(column))
                continue;
            if (!query.exec(QStringLiteral("ALTER TABLE games ADD COLUMN %1 %2")
                                .arg(QLatin1String(column.Name), QLatin1String(column.Definition))))
                return failInside();
            FColumns.insert(QLatin1String(column.Name));
        }
        if (version < SchemaVersion && !query.exec(QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion)))
            return failInside();
    }
    if (locked && !query.exec(QStringLiteral("COMMIT")))
        return failInside();
    if (version > SchemaVersion) {
        // A later release's file: read what can be read, write nothing.
        FWritable = false;
        FProblem =
            tr("The records file %1 comes from a newer version of Peglore, so this one records no games in it.")
                .arg(FPath);
        return TCheck::Ready;
    }
    if (version == 0 && objects != 0)
        return TCheck::Foreign;
    if (version == 0 && !locked) {
        // An empty file that may not be written: nothing to read either.
        FWritable = false;
        FProblem = tr("The records file %1 or its folder may not be written, so no games are recorded.").arg(FPath);
        return TCheck::Ready;
    }
    if (version != 0 && !ours)
        return TCheck::Foreign;
    if (version == 0) {
        for (const TColumn& column : Columns)
            FColumns.insert(QLatin1String(column.Name));
    }
    FWritable = FMayWrite;
    if (!FWritable)
        FProblem = tr("The records file %1 or its folder may not be written, so no games are recorded.").arg(FPath);
    return TCheck::Ready;
}

TRecordsFile::TIdentity TRecordsFile::IdentityAtPath() const
{
    struct stat info {};
    if (::stat(QFile::encodeName(FPath).constData(), &info) != 0)
        return {};
    return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
}

void TRecordsFile::LeaveFileTakenAway()
{
    if (FOpen && IdentityAtPath() != FOpenIdentity)
        CloseConnection();
}

bool TRecordsFile::CheckAndPrepare()
{
    switch (Inspect()) {
    case TCheck::Ready: FOpenIdentity = IdentityAtPath(); return true;
    //: What is wrong with the records file: a predicate that follows "The records file PATH".
    case TCheck::Damaged: return SetAside(tr("is damaged"));
    //: What is wrong with the records file: a predicate that follows "The records file PATH".
    case TCheck::Foreign: return SetAside(tr("is not a Peglore records file"));
    case TCheck::Failed: break;
    }
    CloseConnection();
    return false;
}

bool TRecordsFile::SetAside(const QString& why)
{
    CloseConnection();
    if (!MayWrite(QFileInfo(QFileInfo(FPath).absolutePath()))) {
        //: %2 is what is wrong with the file, a predicate such as "is damaged".
        FProblem =
            tr("The records file %1 %2 and its folder may not be written, so no games are recorded.").arg(FPath, why);
        return false;
    }
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = FPath + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = FPath + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    if (!QFile::rename(FPath, aside)) {
        //: %2 is what is wrong with the file, a predicate such as "is damaged".
        FProblem =
            tr("The records file %1 %2 and cannot be renamed aside, so no games are recorded.").arg(FPath, why);
        return false;
    }
    // A journal left beside it belongs to the old file.
    const QString journal = FPath + QStringLiteral("-journal");
    if (QFileInfo::exists(journal))
        QFile::rename(journal, aside + QStringLiteral("-journal"));
    FSetAsidePath = aside;
    if (!OpenConnection())
        return false;
    const bool ready = CheckAndPrepare();
    //: %2 is what was wrong with the file, a predicate such as "is damaged"; %3 the name it was kept under.
    FSetAsideNotice = tr("The records file %1 %2; it was kept as %3 and a new one started.").arg(FPath, why, aside);
    return ready;
}

bool TRecordsFile::Append(const TGameRecord& game)
{
    return AppendAll({&game, 1});
}

bool TRecordsFile::AppendAll(std::span<const TGameRecord> games)
{
    LeaveFileTakenAway();
    if (!FOpen && !Open())
        return false;
    if (!FWritable) {
        // Maybe the cause is gone (a lock released, a permission given back).
        if (!Open() || !FWritable)
            return false;
    }
    QSqlError error;
    {
        QSqlDatabase db = QSqlDatabase::database(FConnection, false);
        QSqlQuery query(db);
        const bool together = games.size() > 1;
        if (together && !query.exec(QStringLiteral("BEGIN IMMEDIATE")))
            error = query.lastError();
        if (!error.isValid()) {
            QStringList names;
            for (const TColumn& column : Columns)
                names << QLatin1String(column.Name);
            query.prepare(QStringLiteral("INSERT INTO games (%1) VALUES (?%2)")
                              .arg(names.join(QStringLiteral(", ")), QStringLiteral(", ?").repeated(ColumnCount - 1)));
        }
        for (std::size_t i = 0; i < games.size() && !error.isValid(); ++i) {
            const TGameRecord& game = games[i];
            const QVariant values[] = {game.EndedAt.toUTC().toString(Qt::ISODate),
                                       game.Level,
                                       game.Columns,
                                       game.Rows,
                                       static_cast<qint64>(game.GameNumber),
                                       game.RowsUsed,
                                       game.Seconds,
                                       OutcomeName(game.Outcome),
                                       game.Hints,
                                       game.DailyDate ? QVariant(game.DailyDate->toString(Qt::ISODate))
                                                      : QVariant(QMetaType(QMetaType::QString)),
                                       game.HardMode ? 1 : 0,
                                       ModeName(game.Mode),
                                       game.Colours,
                                       game.Repeats ? 1 : 0,
                                       AnswersText(game.Answers)};
            static_assert(static_cast<int>(std::size(values)) == ColumnCount);
            for (int v = 0; v < static_cast<int>(std::size(values)); ++v)
                query.bindValue(v, values[v]);
            if (!query.exec())
                error = query.lastError();
        }
        if (together && !error.isValid() && !query.exec(QStringLiteral("COMMIT")))
            error = query.lastError();
        if (together && error.isValid())
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
    }
    if (error.isValid()) {
        // Damaged while open: set it aside and write the games to the new file.
        if (IsDamage(error))
            return SetAside(tr("is damaged")) && AppendAll(games);
        //: What follows from a problem of the records file: a clause that goes after "so".
        return Fail(tr("the last games are not recorded yet"), error);
    }
    FProblem.clear();
    return true;
}

std::optional<std::vector<TGameRecord>> TRecordsFile::ReadAll(const std::optional<QDate>& dailyOn)
{
    LeaveFileTakenAway();
    if (!FOpen && !Open())
        return std::nullopt;
    // A file that may not be upgraded gives its games the values of the
    // columns it lacks.
    QStringList selected;
    for (const TColumn& column : Columns)
        selected << (FColumns.contains(QLatin1String(column.Name)) || !column.OfOlderGames
                         ? QLatin1String(column.Name)
                         : QLatin1String(column.OfOlderGames));
    if (dailyOn && !FColumns.contains(QStringLiteral("daily_date")))
        return std::vector<TGameRecord>{};
    QSqlQuery query(QSqlDatabase::database(FConnection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 FROM games %2 ORDER BY id")
                      .arg(selected.join(QStringLiteral(", ")),
                           dailyOn ? QStringLiteral("WHERE daily_date = ?") : QString()));
    if (dailyOn)
        query.addBindValue(dailyOn->toString(Qt::ISODate));
    if (!query.exec()) {
        //: What follows from a problem of the records file: a clause that goes after "so".
        Fail(tr("the records cannot be read"), query.lastError());
        return std::nullopt;
    }
    std::vector<TGameRecord> games;
    while (query.next()) {
        TGameRecord game;
        game.EndedAt = QDateTime::fromString(query.value(0).toString(), Qt::ISODate);
        game.Level = StoredInt(query.value(1));
        game.Columns = StoredInt(query.value(2));
        game.Rows = StoredInt(query.value(3));
        game.GameNumber = static_cast<std::uint64_t>(query.value(4).toLongLong());
        game.RowsUsed = StoredInt(query.value(5));
        game.Seconds = StoredInt(query.value(6));
        const std::optional<TGameOutcome> outcome = OutcomeFromName(query.value(7).toString());
        const std::optional<TGameMode> mode = ModeFromName(query.value(11).toString());
        if (!outcome || !mode)
            continue;  // a row this version does not know
        game.Outcome = *outcome;
        game.Hints = StoredInt(query.value(8));
        if (const QDate date = QDate::fromString(query.value(9).toString(), Qt::ISODate); date.isValid())
            game.DailyDate = date;
        game.HardMode = StoredInt(query.value(10)) != 0;
        game.Mode = *mode;
        game.Colours = StoredInt(query.value(12));
        game.Repeats = StoredInt(query.value(13)) != 0;
        game.Answers = AnswersFromText(query.value(14).toString());
        games.push_back(game);
    }
    return games;
}

}  // namespace peglore
