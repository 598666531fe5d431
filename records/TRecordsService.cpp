#include "records/TRecordsService.h"

#include "records/TRecordsFile.h"

#include <algorithm>
#include <chrono>
#include <iterator>

namespace peglore {

TRecordsService::TRecordsService(const QString& path, QObject* parent)
    : QObject(parent), FPath(path), FPendingFile(path + QStringLiteral(".pending"))
{
    FThread.setObjectName(QStringLiteral("Records"));
    FContext = new QObject;
    FContext->moveToThread(&FThread);
    connect(&FThread, &QThread::finished, FContext, &QObject::deleteLater);
    FThread.start(QThread::LowPriority);
}

TRecordsService::~TRecordsService()
{
    Close();
}

TRecordsService::TClosing TRecordsService::Close()
{
    TClosing closing;
    if (FClosed)
        return closing;
    FClosed = true;
    // Queued after every earlier call, so everything handed in is tried.
    QMetaObject::invokeMethod(
        FContext,
        [this, &closing] {
            // A write that failed a moment ago has just waited for the file
            // as long as a game does: the close does not wait as long again.
            if (std::chrono::steady_clock::now() - FFailedAt > std::chrono::seconds(1))
                WritePending();
            closing = KeepForLater();
            FFile.reset();
        },
        Qt::BlockingQueuedConnection);
    FThread.quit();
    FThread.wait();
    return closing;
}

void TRecordsService::Open()
{
    if (FClosed)
        return;
    QMetaObject::invokeMethod(FContext, [this] {
        if (!FFile) {
            FFile = std::make_unique<TRecordsFile>(FPath);
            FFile->Open();
        }
        // What an earlier run could not write goes in now.
        if (FPendingFile.Exists())
            WritePending();
        Report();
    });
}

void TRecordsService::Record(const TGameRecord& game)
{
    if (FClosed)
        return;
    QMetaObject::invokeMethod(FContext, [this, game] {
        FPending.push_back(game);
        WritePending();
        Report([this] { emit Recorded(); });
    });
}

void TRecordsService::Load()
{
    if (FClosed)
        return;
    QMetaObject::invokeMethod(FContext, [this] {
        WritePending();
        std::vector<TGameRecord> games = FFile->ReadAll().value_or(std::vector<TGameRecord>{});
        games.insert(games.end(), FKept.begin(), FKept.end());
        games.insert(games.end(), FPending.begin(), FPending.end());
        Report([this, games = std::move(games)] { emit Loaded(games, FProblem); });
    });
}

void TRecordsService::LoadDaily(const QDate& date)
{
    if (FClosed)
        return;
    QMetaObject::invokeMethod(FContext, [this, date] {
        WritePending();
        std::vector<TGameRecord> games = FFile->ReadAll(date).value_or(std::vector<TGameRecord>{});
        for (const std::vector<TGameRecord>* waiting : {&FKept, &FPending})
            std::copy_if(waiting->begin(), waiting->end(), std::back_inserter(games),
                         [&](const TGameRecord& game) { return game.DailyDate == date; });
        Report([this, date, games = std::move(games)] { emit DailyLoaded(date, games); });
    });
}

void TRecordsService::WritePending()
{
    if (!FFile) {
        FFile = std::make_unique<TRecordsFile>(FPath);
        FFile->Open();
    }
    // The games an earlier run kept come first: they ended before any of
    // this run's. All are written in one go, or none.
    const bool kept = FPendingFile.Exists();
    FKept = kept ? FPendingFile.Read() : std::vector<TGameRecord>{};
    std::vector<TGameRecord> games = FKept;
    games.insert(games.end(), FPending.begin(), FPending.end());
    if (!games.empty() && !FFile->AppendAll(games)) {
        FFailedAt = std::chrono::steady_clock::now();
        return;
    }
    if (kept && FPendingFile.Exists())
        FPendingFile.Remove();
    FKept.clear();
    FPending.clear();
}

TRecordsService::TClosing TRecordsService::KeepForLater()
{
    TClosing closing;
    closing.PendingPath = FPendingFile.Path();
    if (FPending.empty())
        return closing;
    const int count = static_cast<int>(FPending.size());
    if (FPendingFile.Add(FPending)) {
        closing.KeptForLater = count;
    } else {
        closing.Lost = count;
        closing.Problem = FPendingFile.Problem();
    }
    FPending.clear();
    return closing;
}

void TRecordsService::Report(std::function<void()> then)
{
    QString problem = FFile ? FFile->Problem() : QString();
    if (!FPendingFile.Problem().isEmpty())
        problem += (problem.isEmpty() ? QString() : QStringLiteral(" ")) + FPendingFile.Problem();
    if (!FPending.empty())
        problem += (problem.isEmpty() ? QString() : QStringLiteral(" ")) +
                   //: Shown in the Records window after the records file's problem.
                   tr("%n finished game(s) of this session are not in the file yet.", nullptr,
                      static_cast<int>(FPending.size()));
    QMetaObject::invokeMethod(this, [this, problem, then = std::move(then)] {
        const bool changed = problem != FProblem;
        FProblem = problem;
        if (changed)
            emit ProblemChanged(FProblem);
        if (then)
            then();
    });
}

}  // namespace peglore
