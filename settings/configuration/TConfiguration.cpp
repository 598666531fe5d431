#include "settings/configuration/TConfiguration.h"

#include <array>
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
    kTotalGames,
    kGamesWon,
    kGamesLost,
    kUnfinishedGames,
    kCustomColumns,
    kCustomRows,
    kDifficultyLevel,
    kKeyCount
};

struct TSettingsKey {
    std::string_view Section;
    std::string_view Key;
    bool Boolean;  // written "1" or "0"; otherwise a signed decimal
    int Default;
};

// Every key of the settings file, in the order the file is written.
constexpr std::array<TSettingsKey, kKeyCount> Keys{{
    {"Options", "Music", true, 1},
    {"Options", "SmartHints", true, 1},
    {"Options", "AutoCheck", true, 1},
    {"Statistics", "TotalGames", false, 0},
    {"Statistics", "GamesWon", false, 0},
    {"Statistics", "GamesLost", false, 0},
    {"Statistics", "UnfinishedGames", false, 0},
    {"Level Settings", "CustomColumns", false, TLevelSettings::DefaultCustomColumns},
    {"Level Settings", "CustomRows", false, TLevelSettings::DefaultCustomRows},
    {"Level Settings", "DifficultyLevel", false, 0},
}};

// Every key read with one pass over the file.
class TSettingsReader {
public:
    explicit TSettingsReader(const std::string& path)
    {
        std::array<TProfileKey, kKeyCount> wanted;
        for (std::size_t i = 0; i < Keys.size(); ++i)
            wanted[i] = {Keys[i].Section, Keys[i].Key};
        FValues = TProfileFile(path).ReadStrings(wanted);
    }

    int Integer(TKeyId id) const
    {
        const std::optional<std::string>& text = FValues[id];
        return (text ? ParseSettingsInteger(*text) : std::nullopt).value_or(Keys[id].Default);
    }
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

void TConfiguration::LoadSettings(TStatistics& statistics, TLevelSettings& levels)
{
    const TSettingsReader file(SettingsPath());

    SetMusic(file.Boolean(kMusic));
    SetSmartHints(file.Boolean(kSmartHints));
    // The switch may have been on before loading, while the flag starts off.
    FEffects.SetTooltipsEnabled(FSmartHints);
    SetAutoCheck(file.Boolean(kAutoCheck));

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
        statistics.TotalGames(),
        statistics.GamesWon(),
        statistics.GamesLost(),
        statistics.UnfinishedGames(),
        levels.CustomColumns(),
        levels.CustomRows(),
        levels.DifficultyLevel(),
    };
    std::array<std::string, kKeyCount> texts;
    std::array<TProfileEntry, kKeyCount> entries;
    for (std::size_t i = 0; i < Keys.size(); ++i) {
        texts[i] = Keys[i].Boolean ? (values[i] ? "1" : "0") : std::to_string(values[i]);
        entries[i] = {Keys[i].Section, Keys[i].Key, texts[i]};
    }
    // One rewrite of the file for all keys: they are all saved, or none is.
    if (!TProfileFile(SettingsPath()).WriteStrings(entries))
        throw TSettingsWriteError(SettingsPath());
}

}  // namespace peglore
