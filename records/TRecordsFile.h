#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QSet>
#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "records/TGameRecord.h"

class QSqlError;

namespace peglore {

// The records file over one connection, used on one thread only. A file
// that is not a records database (damaged, or some other file) is renamed
// aside, never deleted, and a new one started; any other failure (a folder
// or file that may not be written, a file locked by another running game
// for longer than the busy timeout, a full disk) leaves the file as it is
// and is told by Problem().
class TRecordsFile {
    Q_DECLARE_TR_FUNCTIONS(peglore::TRecordsFile)

public:
    // The version of the table layout, kept as the file's user_version. A
    // file of an older version is upgraded in place when opened, keeping
    // every game; one of a newer version is read, never written.
    static constexpr int SchemaVersion = 2;

    explicit TRecordsFile(QString path, int busyTimeoutMs = 2000);
    ~TRecordsFile();
    TRecordsFile(const TRecordsFile&) = delete;
    TRecordsFile& operator=(const TRecordsFile&) = delete;

    const QString& Path() const { return FPath; }
    // Opens the file, creating it and its table when missing. False with a
    // Problem() when it cannot be read.
    bool Open();
    bool IsOpen() const { return FOpen; }
    // One game, in one transaction.
    bool Append(const TGameRecord& game);
    // Every game or none, in one transaction.
    bool AppendAll(std::span<const TGameRecord> games);
    // Every game, oldest first, or only the daily games of the date
    // dailyOn; nullopt with a Problem() when unreadable.
    std::optional<std::vector<TGameRecord>> ReadAll(const std::optional<QDate>& dailyOn = std::nullopt);

    // What went wrong last, in a sentence for the player, else what was
    // set aside; empty when all is well.
    QString Problem() const { return FProblem.isEmpty() ? FSetAsideNotice : FProblem; }
    // Where a damaged file was moved; empty when none was.
    const QString& SetAsidePath() const { return FSetAsidePath; }

private:
    bool OpenConnection();
    void CloseConnection();
    enum class TCheck { Ready, Damaged, Foreign, Failed };
    TCheck Inspect();
    bool CheckAndPrepare();
    bool SetAside(const QString& why);
    bool Fail(const QString& action, const QSqlError& error);
    // The device and inode of what the path names now; zeros when nothing.
    struct TIdentity {
        std::uint64_t Device = 0;
        std::uint64_t Inode = 0;
        bool operator==(const TIdentity&) const = default;
    };
    TIdentity IdentityAtPath() const;
    // Closes the connection when the path no longer names its file (deleted
    // or moved away while open), so that the next use opens a new one.
    void LeaveFileTakenAway();

    QString FPath;
    QString FConnection;
    int FBusyTimeoutMs;
    bool FOpen = false;
    bool FWritable = false;
    bool FMayWrite = false;
    TIdentity FOpenIdentity;
    QSet<QString> FColumns;  // of the table games, as the file has them
    QString FProblem;
    QString FSetAsidePath;
    QString FSetAsideNotice;
};

}  // namespace peglore
