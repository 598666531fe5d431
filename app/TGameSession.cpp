#include "app/TGameSession.h"

#include "game/TLeftGrid.h"
#include "game/TLevelSettings.h"
#include "game/TLogic.h"
#include "game/TRightGrid.h"
#include "services/clock/TMyTimer.h"
#include "services/music/TMusic.h"
#include "settings/configuration/TConfiguration.h"
#include "settings/statistics/TStatistics.h"

namespace peglore {

TGameSession::TGameSession(TBoardSize& boardSize, const TSessionPorts& ports, const TGameFiles& files)
{
    FLeftGrid = std::make_unique<TLeftGrid>(boardSize, ports.LeftBoard);
    FRightGrid = std::make_unique<TRightGrid>(boardSize, ports.RightBoard);
    FLogic = std::make_unique<TLogic>(*FLeftGrid, *FRightGrid, boardSize);
    FConfiguration = std::make_unique<TConfiguration>(ports.Effects, files.SettingsFolder);
    FLevelSettings = std::make_unique<TLevelSettings>(*FLogic, ports.LevelMenu);
    FStatistics = std::make_unique<TStatistics>();
    FMusic = std::make_unique<TMusic>(ports.Player, *FConfiguration, files.DataFolder);
    FMyTimer = std::make_unique<TMyTimer>(ports.Hundreds, ports.Tens, ports.Units);
    FLogic->Connect(ports.Window, ports.Messages, ports.Clock, *FStatistics);
}

TGameSession::~TGameSession()
{
    FLeftGrid.reset();
    FRightGrid.reset();
    FLogic.reset();
    FConfiguration.reset();
    FLevelSettings.reset();
    FStatistics.reset();
    FMusic.reset();
    FMyTimer.reset();
}

void TGameSession::Randomize(std::uint32_t seed)
{
    FLogic->Randomize(seed);
}

void TGameSession::LoadSettings()
{
    FConfiguration->LoadSettings(*FStatistics, *FLevelSettings);
}

void TGameSession::SaveSettings() const
{
    FConfiguration->SaveSettings(*FStatistics, *FLevelSettings);
}

}  // namespace peglore
