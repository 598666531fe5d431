#include "app/GameKeeper.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>

#include "app/TAnalyst.h"
#include "app/TGameSession.h"
#include "game/TLevelSettings.h"
#include "game/TLogic.h"
#include "services/clock/TMyTimer.h"
#include "settings/keptgame/KeptGameFile.h"

namespace peglore::GameKeeper {

void Resume(TGameSession& session, TAnalyst& analyst, const std::string& path,
            std::optional<std::uint64_t> firstGameNumber)
{
    const std::optional<TKeptGame> kept = TakeKeptGame(path);
    TLogic& logic = session.Logic();
    TLevelSettings& levels = session.LevelSettings();
    if (!kept || !logic.CanResume(*kept))
        return;
    // A level plays the board of its own size only.
    if (kept->Level != Custom &&
        (kept->Columns != levels.ColumnsOf(kept->Level) || kept->Rows != levels.RowsOf(kept->Level)))
        return;
    if (kept->Level == Custom) {
        levels.SetCustomColumns(kept->Columns);
        levels.SetCustomRows(kept->Rows);
    }
    if (kept->Level != levels.DifficultyLevel() || logic.BoardColumns() != kept->Columns ||
        logic.BoardRows() != kept->Rows)
        levels.SetLevel(kept->Level);
    if (!logic.Resume(*kept))
        return;
    session.Clock().SetSeconds(kept->Seconds);
    analyst.ResumeHints(kept->Hints);
    if (firstGameNumber) {
        logic.SetNextGameNumber(*firstGameNumber);
        logic.NewGame(false, false);
    }
}

bool Keep(const TGameSession& session, const TAnalyst& analyst, const std::string& path, QString& problem)
{
    const TLogic& logic = session.Logic();
    if (logic.IsBoardEmpty())
        return true;
    TKeptGame kept = logic.KeptGame();
    kept.Level = session.LevelSettings().DifficultyLevel();
    kept.Seconds = std::clamp(session.Clock().Seconds(), 0, MaxKeptCount);
    kept.Hints = std::clamp(analyst.HintsUsed(), 0, MaxKeptCount);
    const int error = KeepGame(path, kept);
    if (error == 0)
        return true;
    //: Told at the exit in an error box (a full stop follows): the game in progress could not be written for
    //: the next start. %1 is the file, %2 the system's reason.
    problem = QCoreApplication::translate("peglore::GameKeeper", "Unable to keep the game in %1: %2")
                  .arg(QString::fromStdString(path), QString::fromLocal8Bit(std::strerror(error)));
    return false;
}

}  // namespace peglore::GameKeeper
