#pragma once

#include <QCoreApplication>
#include <QString>

#include <vector>

#include "records/TGameRecord.h"

namespace peglore {

// The finished games that could not be written to the records file when
// the game closed (the file locked by another program, its disk full), kept
// in a small file beside it until a later run adds them. Used on the
// records' thread only. A file there that cannot be read, or that is no
// such file, is renamed aside, never deleted, as a damaged records file is.
class TPendingFile {
    Q_DECLARE_TR_FUNCTIONS(peglore::TPendingFile)

public:
    explicit TPendingFile(QString path) : FPath(std::move(path)) {}

    const QString& Path() const { return FPath; }
    // Whether anything stands at the path.
    bool Exists() const;
    // The games kept, oldest first; none, with Problem() telling, when the
    // file had to be set aside.
    std::vector<TGameRecord> Read();
    // Adds games after those kept, writing the file anew through a
    // temporary one; false, with Problem() telling, when it could not be
    // written.
    bool Add(const std::vector<TGameRecord>& games);
    // The games read last are in the records now: the file goes, or is
    // set aside when it also held lines that were no game.
    void Remove();
    // What went wrong last, in a sentence; empty when all is well.
    const QString& Problem() const { return FProblem; }

private:
    void SetAside(const QString& why);

    QString FPath;
    QString FProblem;
    bool FStrayLines = false;
};

}  // namespace peglore
