#include "records/TRecordsService.h"

#include "records/TRecordsFile.h"

namespace peglore {

TRecordsService::TRecordsService(const QString& path, QObject* parent) : QObject(parent), FPath(path)
{
    FThread.setObjectName(QStringLiteral("Records"));
    FContext = new QObject;
    FContext->moveToThread(&FThread);
    connect(&FThread, &QThread::finished, FContext, &QObject::deleteLater);
    FThread.start(QThread::LowPriority);
}

TRecordsService::~TRecordsService()
{
    // Queued after every earlier call, so everything handed in is tried.
    QMetaObject::invokeMethod(
        FContext,
        [this] {
            WritePending();
            FFile.reset();
        },
        Qt::BlockingQueuedConnection);
    FThread.quit();
    FThread.wait();
}

void TRecordsService::Open()
{
    QMetaObject::invokeMethod(FContext, [this] {
        if (!FFile) {
            FFile = std::make_unique<TRecordsFile>(FPath);
            FFile->Open();
        }
        Report();
    });
}

void TRecordsService::Record(const TGameRecord& game)
{
    QMetaObject::invokeMethod(FContext, [this, game] {
        FPending.push_back(game);
        WritePending();
        Report([this] { emit Recorded(); });
    });
}

void TRecordsService::Load()
{
    QMetaObject::invokeMethod(FContext, [this] {
        WritePending();
        std::vector<TGameRecord> games = FFile->ReadAll().value_or(std::vector<TGameRecord>{});
        games.insert(games.end(), FPending.begin(), FPending.end());
        Report([this, games = std::move(games)] { emit Loaded(games, FProblem); });
    });
}

void TRecordsService::WritePending()
{
    if (!FFile) {
        FFile = std::make_unique<TRecordsFile>(FPath);
        FFile->Open();
    }
    std::size_t written = 0;
    while (written < FPending.size() && FFile->Append(FPending[written]))
        ++written;
    FPending.erase(FPending.begin(), FPending.begin() + static_cast<std::ptrdiff_t>(written));
}

void TRecordsService::Report(std::function<void()> then)
{
    QString problem = FFile ? FFile->Problem() : QString();
    if (!FPending.empty())
        problem += QStringLiteral("%1%2 finished game(s) of this session are not in the file yet.")
                       .arg(problem.isEmpty() ? QString() : QStringLiteral(" "))
                       .arg(FPending.size());
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
