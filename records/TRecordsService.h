#pragma once

#include <QObject>
#include <QString>
#include <QThread>

#include <chrono>
#include <functional>

#include <memory>
#include <vector>

#include "records/TGameRecord.h"
#include "records/TPendingFile.h"

namespace peglore {

class TRecordsFile;

// The records file on a thread of its own, so that a slow disk or a file
// locked by another running game never holds up play. Games are written in
// the order they are handed in; one that cannot be written yet is kept and
// tried again with the next game or the next read. Closing writes what is
// still waiting, waiting for the file as long as a game does (its busy
// timeout); what still cannot be written is kept in the pending file beside
// it (the records file's name with ".pending"), whose games go into the
// records, before any of the run's own, as soon as the file can be written,
// at the next start at the latest.
class TRecordsService : public QObject {
    Q_OBJECT
public:
    explicit TRecordsService(const QString& path, QObject* parent = nullptr);
    ~TRecordsService() override;

    const QString& Path() const { return FPath; }
    // Opens the file; nothing else needs to wait for it.
    void Open();
    void Record(const TGameRecord& game);
    // Reads every game, oldest first, and answers with Loaded. Games not
    // written yet are part of the answer.
    void Load();
    // Reads the daily games of date, waiting ones too, and answers with
    // DailyLoaded.
    void LoadDaily(const QDate& date);
    // The last problem the thread met; empty when all is well.
    const QString& Problem() const { return FProblem; }

    // What the close did with the games of this run it could not write.
    struct TClosing {
        int KeptForLater = 0;  // written to the pending file
        int Lost = 0;  // not even that could be written
        QString PendingPath;
        QString Problem;  // why they are lost
    };
    // Writes what waits, keeps the rest for later and stops the thread;
    // nothing is recorded afterwards. Once: the destructor closes when
    // nobody did, and a second close reports nothing.
    TClosing Close();

signals:
    void Loaded(const std::vector<TGameRecord>& games, const QString& problem);
    void DailyLoaded(const QDate& date, const std::vector<TGameRecord>& games);
    // After each game handed to Record was written or kept waiting.
    void Recorded();
    // After every write, open or read, with what is wrong now (empty when
    // nothing is).
    void ProblemChanged(const QString& problem);

private:
    // Run on the thread.
    void WritePending();
    TClosing KeepForLater();
    // Hands the problem back to the user-interface thread.
    void Report(std::function<void()> then = {});

    QString FPath;
    QString FProblem;
    QThread FThread;
    QObject* FContext = nullptr;  // lives on FThread; the file's work runs in its events
    // Touched on FThread only.
    std::unique_ptr<TRecordsFile> FFile;
    std::vector<TGameRecord> FPending;
    TPendingFile FPendingFile;
    std::vector<TGameRecord> FKept;  // the pending file's games, as last read
    std::chrono::steady_clock::time_point FFailedAt;  // of the last write that failed
    bool FClosed = false;  // touched on the user-interface thread
};

}  // namespace peglore
