#pragma once

#include <array>
#include <stdexcept>
#include <string>

#include "settings/configuration/IOptionEffects.h"

namespace peglore {

class TLevelSettings;
class TStatistics;

// The four statistics counters: total, won, lost, unfinished.
using TCounters = std::array<int, 4>;

// A write to the settings file that was refused.
class TSettingsWriteError : public std::runtime_error {
public:
    explicit TSettingsWriteError(const std::string& path);
    // The settings file that could not be written.
    const std::string& Path() const { return FPath; }

private:
    std::string FPath;
};

// The player options and the settings file "Peglore.ini" beside the
// executable, which keeps the options, the statistics, the level and the
// custom board size from one run to the next.
class TConfiguration {
public:
    static constexpr const char* FileName = "Peglore.ini";

    // folder: where the settings file lies, with its trailing "/".
    TConfiguration(IOptionEffects& effects, std::string folder);

    bool Music() const { return FMusic; }
    bool SmartHints() const { return FSmartHints; }
    bool AutoCheck() const { return FAutoCheck; }
    // A symbol on every peg. Its key is written only while it is on, or to
    // turn off a stored on, so a player who never uses it keeps exactly
    // the file's usual keys.
    bool PegSymbols() const { return FPegSymbols; }
    // The game in progress is kept at the exit and resumed at the next
    // start; written as PegSymbols is.
    bool KeepGame() const { return FKeepGame; }
    // Hard mode, kept in a section of its own, written as PegSymbols is.
    bool HardMode() const { return FHardMode; }

    // Each does nothing when the value is unchanged, and otherwise stores
    // it and applies it at once.
    void SetMusic(bool value);
    void SetSmartHints(bool value);
    void SetAutoCheck(bool value);
    void SetPegSymbols(bool value);
    // Takes effect at the next exit; nothing to apply now.
    void SetKeepGame(bool value) { FKeepGame = value; }
    void SetHardMode(bool value);

    std::string SettingsPath() const { return FFolder + FileName; }

    // Reads the file and applies every value: the options, the statistics,
    // the custom size and last the level, which starts the first game.
    void LoadSettings(TStatistics& statistics, TLevelSettings& levels);
    // Writes every value with one rewrite of the file; throws
    // TSettingsWriteError when the file cannot be written, leaving it as it
    // was. The counters written are the file's own at this moment plus what
    // this run counted since it last read or wrote them, so that two runs
    // sharing the file add up; every other key is this run's.
    void SaveSettings(const TStatistics& statistics, const TLevelSettings& levels);

private:
    IOptionEffects& FEffects;
    std::string FFolder;
    bool FMusic = false;
    bool FSmartHints = false;
    bool FAutoCheck = false;
    bool FPegSymbols = false;
    bool FKeepGame = false;
    bool FHardMode = false;
    // The counters as this run last read them from the file or wrote them.
    TCounters FCountersInFile{};
};

}  // namespace peglore
