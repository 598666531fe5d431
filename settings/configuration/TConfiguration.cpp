#include "settings/configuration/TConfiguration.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/BoardGeometry.h"
#include "game/TLevelSettings.h"
#include "platform/files/TFolderLock.h"
#include "platform/profile/TProfileFile.h"
#include "settings/configuration/SettingsValue.h"
#include "settings/statistics/TStatistics.h"

namespace peglore {

namespace {
enum TKeyId {
    kMusic,
    kSmartHints,
    kAutoCheck,
    kPegSymbols,
    kTotalGames,
    kGamesWon,
    kGamesLost,
    kUnfinishedGames,
    kCustomColumns,
    kCustomRows,
    kDifficultyLevel,
    kKeepGame,
    kHardMode,
    kVariantColours,
    kVariantRepeats,
    kKeyCount
};

constexpr int AnyMin = std::numeric_limits<int>::min();
constexpr int AnyMax = std::numeric_limits<int>::max();

enum class TKind {
    Boolean,  // written "1" or "0"; any other number reads as 1
    Integer,  // a signed decimal
    Counter,  // a decimal from 0 on; see ParseSettingsCounter
};

struct TSettingsKey {
    std::string_view Section;
    std::string_view Key;
    TKind Kind;
    int Default;
    // A stored number outside Min..Max reads as Default. The custom size
    // is taken as stored, fitted to the board's limits when applied, and
    // written back as fitted.
    int Min = AnyMin;
    int Max = AnyMax;
    // Written only when on (other than Default), or when the file holds
    // the key already.
    bool OnlyWhenOn = false;
};

// Every key of the settings file, in the order the file is written.
constexpr std::array<TSettingsKey, kKeyCount> Keys{{
    {"Options", "Music", TKind::Boolean, 1},
    {"Options", "SmartHints", TKind::Boolean, 1},
    {"Options", "AutoCheck", TKind::Boolean, 1},
    {"Options", "PegSymbols", TKind::Boolean, 0, AnyMin, AnyMax, true},
    {"Statistics", "TotalGames", TKind::Counter, 0},
    {"Statistics", "GamesWon", TKind::Counter, 0},
    {"Statistics", "GamesLost", TKind::Counter, 0},
    {"Statistics", "UnfinishedGames", TKind::Counter, 0},
    {"Level Settings", "CustomColumns", TKind::Integer, TLevelSettings::DefaultCustomColumns},
    {"Level Settings", "CustomRows", TKind::Integer, TLevelSettings::DefaultCustomRows},
    {"Level Settings", "DifficultyLevel", TKind::Integer, Beginner, Beginner, Custom},
    {"Tools", "KeepGame", TKind::Boolean, 0, AnyMin, AnyMax, true},
    {"Tools", "HardMode", TKind::Boolean, 0, AnyMin, AnyMax, true},
    // The variant: a file without these keys plays the standard game.
    {"Variant", "Colours", TKind::Integer, TVariant::MaxColours, TVariant::MinColours, TVariant::MaxColours, true},
    {"Variant", "Repeats", TKind::Boolean, 1, AnyMin, AnyMax, true},
}};

// How long a save waits for another run's save of the same folder. A save
// takes far less, even of a file of many megabytes; a run stopped in the
// middle of one is not waited for beyond this.
constexpr std::chrono::milliseconds SaveLockTimeout(5000);

// Every key read with one pass over the file.
class TSettingsReader {
public:
    explicit TSettingsReader(const TProfileFile& file)
    {
        std::array<TProfileKey, kKeyCount> wanted;
        for (std::size_t i = 0; i < Keys.size(); ++i)
            wanted[i] = {Keys[i].Section, Keys[i].Key};
        FValues = file.ReadStrings(wanted);
    }

    // The stored number, or nothing when the key is missing or holds no
    // number in range.
    std::optional<int> Stored(TKeyId id) const
    {
        const TSettingsKey& k = Keys[id];
        const std::optional<std::string>& text = FValues[id];
        if (!text)
            return std::nullopt;
        const std::optional<int> value =
            k.Kind == TKind::Counter ? ParseSettingsCounter(*text) : ParseSettingsInteger(*text);
        return value && *value >= k.Min && *value <= k.Max ? value : std::nullopt;
    }
    int Integer(TKeyId id) const { return Stored(id).value_or(Keys[id].Default); }
    bool Boolean(TKeyId id) const { return Integer(id) != 0; }
    bool Holds(TKeyId id) const { return FValues[id] && !FValues[id]->empty(); }

private:
    std::vector<std::optional<std::string>> FValues;
};

TCounters CountersOf(const TStatistics& statistics)
{
    return {statistics.TotalGames(), statistics.GamesWon(), statistics.GamesLost(), statistics.UnfinishedGames()};
}

int Plus(int stored, std::int64_t change)
{
    return static_cast<int>(std::clamp<std::int64_t>(stored + change, 0, std::numeric_limits<int>::max()));
}

// The counters to write: what FILE holds now plus what this run counted
// since it last read or wrote them (NOW less BEFORE), so that runs sharing
// the file add up. A counter the file does not hold as a number keeps
// BEFORE as its stored value. The unfinished count is derived again when
// any other counter changed, as the statistics derive it, and is never
// written below 0, which a file counting more games won than played would
// give.
TCounters MergedCounters(const TSettingsReader& file, const TCounters& before, const TCounters& now)
{
    TCounters stored{};
    for (std::size_t i = 0; i < stored.size(); ++i)
        stored[i] = file.Stored(TKeyId(kTotalGames + i)).value_or(before[i]);
    const auto change = [&](std::size_t i) { return std::int64_t{now[i]} - before[i]; };
    TStatistics merged;
    merged.SetTotalGames(Plus(stored[0], change(0)));
    merged.SetGamesWon(Plus(stored[1], change(1)));
    merged.SetGamesLost(Plus(stored[2], change(2)));
    if (change(0) == 0 && change(1) == 0 && change(2) == 0)
        merged.SetUnfinishedGames(Plus(stored[3], change(3)));
    TCounters counters = CountersOf(merged);
    counters[3] = std::max(counters[3], 0);
    return counters;
}
}  // namespace

TSettingsWriteError::TSettingsWriteError(const std::string& path)
    : std::runtime_error("Unable to write to " + path), FPath(path)
{
}

TConfiguration::TConfiguration(IOptionEffects& effects, std::string folder)
    : FEffects(effects), FFolder(std::move(folder))
{
}

void TConfiguration::SetMusic(bool value)
{
    if (value == FMusic)
        return;
    FMusic = value;
    // Playing may fail and switch the option off again from inside Play.
    if (value)
        FEffects.PlayMusic();
    else
        FEffects.StopMusic();
}

void TConfiguration::SetSmartHints(bool value)
{
    if (value == FSmartHints)
        return;
    FSmartHints = value;
    FEffects.SetTooltipsEnabled(value);
}

void TConfiguration::SetAutoCheck(bool value)
{
    if (value == FAutoCheck)
        return;
    FAutoCheck = value;
    FEffects.SetCheckButtonEnabled(!value);
}

void TConfiguration::SetPegSymbols(bool value)
{
    if (value == FPegSymbols)
        return;
    FPegSymbols = value;
    FEffects.SetPegSymbolsShown(value);
}

void TConfiguration::SetHardMode(bool value)
{
    if (value == FHardMode)
        return;
    FHardMode = value;
    FEffects.SetHardModeOn(value);
}

void TConfiguration::LoadSettings(TStatistics& statistics, TLevelSettings& levels)
{
    const TSettingsReader file{TProfileFile(SettingsPath())};

    SetMusic(file.Boolean(kMusic));
    SetSmartHints(file.Boolean(kSmartHints));
    // The switch may have been on before loading, while the flag starts off.
    FEffects.SetTooltipsEnabled(FSmartHints);
    SetAutoCheck(file.Boolean(kAutoCheck));
    SetPegSymbols(file.Boolean(kPegSymbols));
    SetKeepGame(file.Boolean(kKeepGame));
    SetHardMode(file.Boolean(kHardMode));

    statistics.SetTotalGames(file.Integer(kTotalGames));
    statistics.SetGamesWon(file.Integer(kGamesWon));
    statistics.SetGamesLost(file.Integer(kGamesLost));
    statistics.SetUnfinishedGames(file.Integer(kUnfinishedGames));
    FCountersInFile = CountersOf(statistics);

    // The variant and the custom size first, so the first game plays them.
    levels.SetVariant({file.Integer(kVariantColours), file.Boolean(kVariantRepeats)});
    levels.SetCustomColumns(file.Integer(kCustomColumns));
    levels.SetCustomRows(file.Integer(kCustomRows));
    levels.SetLevel(TLevelSettings::LevelFromStored(file.Integer(kDifficultyLevel)));
}

void TConfiguration::SaveSettings(const TStatistics& statistics, const TLevelSettings& levels)
{
    TProfileFile file(SettingsPath());
    // Another run's save of the same file waits until this one has read the
    // counters and put the file back, and this one for it; one that takes
    // too long is not waited for.
    const TFolderLock lock(FFolder, SaveLockTimeout);
    const TSettingsReader stored(file);
    const TCounters now = CountersOf(statistics);
    const TCounters counters = MergedCounters(stored, FCountersInFile, now);
    const std::array<int, kKeyCount> values{
        FMusic,
        FSmartHints,
        FAutoCheck,
        FPegSymbols,
        counters[0],
        counters[1],
        counters[2],
        counters[3],
        // The custom board as the game plays it.
        std::clamp(levels.CustomColumns(), 1, MaxColumns),
        std::clamp(levels.CustomRows(), 1, MaxRows),
        levels.DifficultyLevel(),
        FKeepGame,
        FHardMode,
        levels.Variant().ColoursInPlay(),
        levels.Variant().Repeats,
    };
    std::array<std::string, kKeyCount> texts;
    std::vector<TProfileEntry> entries;
    for (std::size_t i = 0; i < Keys.size(); ++i) {
        // Switched off now but on in the file: the 0 keeps it off.
        if (Keys[i].OnlyWhenOn && values[i] == Keys[i].Default && !stored.Holds(TKeyId(i)))
            continue;
        texts[i] = Keys[i].Kind == TKind::Boolean ? (values[i] ? "1" : "0") : std::to_string(values[i]);
        entries.push_back({Keys[i].Section, Keys[i].Key, texts[i]});
    }
    // One rewrite of the file for all keys: they are all saved, or none is.
    if (!file.WriteStrings(entries))
        throw TSettingsWriteError(SettingsPath());
    FCountersInFile = now;
}

}  // namespace peglore
