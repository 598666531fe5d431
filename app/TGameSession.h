#pragma once

#include <cstdint>
#include <memory>

#include "platform/programdir/TGameFiles.h"

namespace peglore {

class IBoardSurface;
class IClockPort;
class IMainWindowPort;
class IMediaPlayer;
class IMessagesPort;
class ILevelMenuPort;
class IOptionEffects;
class TBoardSize;
class TConfiguration;
class TDigit;
class TLeftGrid;
class TLevelSettings;
class TLogic;
class TMusic;
class TMyTimer;
class TRightGrid;
class TStatistics;

// What a session of the game needs from the main window.
struct TSessionPorts {
    IBoardSurface& LeftBoard;
    IBoardSurface& RightBoard;
    IMainWindowPort& Window;
    IMessagesPort& Messages;
    IClockPort& Clock;
    ILevelMenuPort& LevelMenu;
    IOptionEffects& Effects;
    IMediaPlayer& Player;
    TDigit& Hundreds;
    TDigit& Tens;
    TDigit& Units;
};

// The service objects of one run of the game, from the main window's first
// show to its close. They are created in their written order and destroyed
// in the same order, and each is handed the others it uses. The messages
// need no object: TMessages' routines are static.
class TGameSession {
public:
    TGameSession(TBoardSize& boardSize, const TSessionPorts& ports, const TGameFiles& files);
    ~TGameSession();

    TGameSession(const TGameSession&) = delete;
    TGameSession& operator=(const TGameSession&) = delete;

    TLeftGrid& LeftGrid() const { return *FLeftGrid; }
    TRightGrid& RightGrid() const { return *FRightGrid; }
    TLogic& Logic() const { return *FLogic; }
    TConfiguration& Configuration() const { return *FConfiguration; }
    TLevelSettings& LevelSettings() const { return *FLevelSettings; }
    TStatistics& Statistics() const { return *FStatistics; }
    TMusic& Music() const { return *FMusic; }
    TMyTimer& Clock() const { return *FMyTimer; }

    void Randomize(std::uint32_t seed);
    // Options, statistics, custom size and last the level, which starts
    // the first game.
    void LoadSettings();
    // Throws the settings file's error; the services stay as they were.
    void SaveSettings() const;

private:
    std::unique_ptr<TLeftGrid> FLeftGrid;
    std::unique_ptr<TRightGrid> FRightGrid;
    std::unique_ptr<TLogic> FLogic;
    std::unique_ptr<TConfiguration> FConfiguration;
    std::unique_ptr<TLevelSettings> FLevelSettings;
    std::unique_ptr<TStatistics> FStatistics;
    std::unique_ptr<TMusic> FMusic;
    std::unique_ptr<TMyTimer> FMyTimer;
};

}  // namespace peglore
