#include "settings/configuration/TConfiguration.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/TLevelSettings.h"
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
    // is taken as stored and fitted to the board's limits when applied.
    int Min = AnyMin;
    int Max = AnyMax;
    // Written only when on, or when the file holds the key already.
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
}};

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

private:
    std::vector<std::optional<std::string>> FValues;
};
}  // namespace

TSettingsWriteError::TSettingsWriteError(const std::string& path) : std::runtime_error("Unable to write to " + path) {}

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

void TConfiguration::LoadSettings(TStatistics& statistics, TLevelSettings& levels)
{
    const TSettingsReader file{TProfileFile(SettingsPath())};

    SetMusic(file.Boolean(kMusic));
    SetSmartHints(file.Boolean(kSmartHints));
    // The switch may have been on before loading, while the flag starts off.
    FEffects.SetTooltipsEnabled(FSmartHints);
    SetAutoCheck(file.Boolean(kAutoCheck));
    SetPegSymbols(file.Boolean(kPegSymbols));

    statistics.SetTotalGames(file.Integer(kTotalGames));
    statistics.SetGamesWon(file.Integer(kGamesWon));
    statistics.SetGamesLost(file.Integer(kGamesLost));
    statistics.SetUnfinishedGames(file.Integer(kUnfinishedGames));

    // The custom size first, so a stored Custom level opens with it.
    levels.SetCustomColumns(file.Integer(kCustomColumns));
    levels.SetCustomRows(file.Integer(kCustomRows));
    levels.SetLevel(TLevelSettings::LevelFromStored(file.Integer(kDifficultyLevel)));
}

void TConfiguration::SaveSettings(const TStatistics& statistics, const TLevelSettings& levels) const
{
    const std::array<int, kKeyCount> values{
        FMusic,
        FSmartHints,
        FAutoCheck,
        FPegSymbols,
        statistics.TotalGames(),
        statistics.GamesWon(),
        statistics.GamesLost(),
        // Derived from a file counting more games won than played, it
        // would be below 0.
        std::max(statistics.UnfinishedGames(), 0),
        levels.CustomColumns(),
        levels.CustomRows(),
        levels.DifficultyLevel(),
    };
    TProfileFile file(SettingsPath());
    std::array<std::string, kKeyCount> texts;
    std::vector<TProfileEntry> entries;
    for (std::size_t i = 0; i < Keys.size(); ++i) {
        // Switched off now but on in the file: the 0 keeps it off.
        if (Keys[i].OnlyWhenOn && !values[i]) {
            const TProfileKey key{Keys[i].Section, Keys[i].Key};
            const std::optional<std::string> stored = file.ReadStrings({&key, 1}).front();
            if (!stored || stored->empty())
                continue;
        }
        texts[i] = Keys[i].Kind == TKind::Boolean ? (values[i] ? "1" : "0") : std::to_string(values[i]);
        entries.push_back({Keys[i].Section, Keys[i].Key, texts[i]});
    }
    // One rewrite of the file for all keys: they are all saved, or none is.
    if (!file.WriteStrings(entries))
        throw TSettingsWriteError(SettingsPath());
}

}  // namespace peglore
