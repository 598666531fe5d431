// Writes COUNT games into the records file PATH, one at a time, as a game
// does; exits 0 when every write succeeded.
#include <QCoreApplication>

#include <cstdlib>

#include "records/TRecordsFile.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    peglore::TRecordsFile file(QString::fromLocal8Bit(argv[1]), 10000);
    const int count = std::atoi(argv[2]);
    const int first = std::atoi(argv[3]);
    for (int i = 0; i < count; ++i) {
        peglore::TGameRecord game;
        game.EndedAt = QDateTime::currentDateTimeUtc();
        game.Columns = 4;
        game.Rows = 10;
        game.GameNumber = static_cast<std::uint64_t>(first + i);
        game.RowsUsed = 1 + i % 10;
        game.Outcome = peglore::TGameOutcome::Won;
        if (!file.Append(game)) {
            std::fputs(qPrintable(file.Problem() + QLatin1Char('\n')), stderr);
            return 1;
        }
    }
    return 0;
}
