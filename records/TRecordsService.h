#pragma once

#include <QObject>
#include <QString>
#include <QThread>

#include <functional>

#include <memory>
#include <vector>

#include "records/TGameRecord.h"

namespace peglore {

class TRecordsFile;

// The records file on a thread of its own, so that a slow disk or a file
// locked by another running game never holds up play. Games are written in
// the order they are handed in; one that cannot be written yet is kept and
// tried again with the next game or the next read. Destroying the service
// writes what is still waiting (at most one busy timeout) and stops the
// thread.
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
    // The last problem the thread met; empty when all is well.
    const QString& Problem() const { return FProblem; }

signals:
    void Loaded(const std::vector<TGameRecord>& games, const QString& problem);
    // After each game handed to Record was written or kept waiting.
    void Recorded();
    // After every write, open or read, with what is wrong now (empty when
    // nothing is).
    void ProblemChanged(const QString& problem);

private:
    // Runs on the thread.
    void WritePending();
    // Hands the problem back to the user-interface thread.
    void Report(std::function<void()> then = {});

    QString FPath;
    QString FProblem;
    QThread FThread;
    QObject* FContext = nullptr;  // lives on FThread; the file's work runs in its events
    // Touched on FThread only.
    std::unique_ptr<TRecordsFile> FFile;
    std::vector<TGameRecord> FPending;
};

}  // namespace peglore
