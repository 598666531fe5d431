#include "settings/configuration/TConfiguration.h"

#include <array>
#include <string_view>

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

class TSettingsReader {
public:
    explicit TSettingsReader(const std::string& Path) : FText(TProfileFile(Path).Load()) {}

    int Integer(TKeyId Id) const
    {
        const TSettingsKey& k = Keys[Id];
        const std::string text = FText.ReadString(k.Section, k.Key, "");
        return ParseSettingsInteger(text).value_or(k.Default);
    }
    bool Boolean(TKeyId Id) const { return Integer(Id) != 0; }

private:
    TProfileText FText;
};
}  // namespace

TSettingsWriteError::TSettingsWriteError(const std::string& Path)
    : std::runtime_error("Unable to write to " + Path)
{
}

TConfiguration::TConfiguration(IOptionEffects& Effects, std::string Folder)
    : FEffects(Effects), FFolder(std::move(Folder))
{
}

void TConfiguration::SetMusic(bool Value)
{
    if (Value == FMusic)
        return;
    FMusic = Value;
    // Playing may fail and switch the option off again from inside Play.
    if (Value)
        FEffects.PlayMusic();
    else
        FEffects.StopMusic();
}

void TConfiguration::SetSmartHints(bool Value)
{
    if (Value == FSmartHints)
        return;
    FSmartHints = Value;
    FEffects.SetTooltipsEnabled(Value);
}

void TConfiguration::SetAutoCheck(bool Value)
{
    if (Value == FAutoCheck)
        return;
    FAutoCheck = Value;
    FEffects.SetCheckButtonEnabled(!Value);
}

void TConfiguration::LoadSettings(TStatistics& Statistics, TLevelSettings& Levels)
{
    const TSettingsReader file(SettingsPath());

    SetMusic(file.Boolean(kMusic));
    SetSmartHints(file.Boolean(kSmartHints));
    // The switch may have been on before loading, while the flag starts off.
    FEffects.SetTooltipsEnabled(FSmartHints);
    SetAutoCheck(file.Boolean(kAutoCheck));

    Statistics.SetTotalGames(file.Integer(kTotalGames));
    Statistics.SetGamesWon(file.Integer(kGamesWon));
    Statistics.SetGamesLost(file.Integer(kGamesLost));
    Statistics.SetUnfinishedGames(file.Integer(kUnfinishedGames));

    // The custom size first, so a stored Custom level opens with it.
    Levels.SetCustomColumns(file.Integer(kCustomColumns));
    Levels.SetCustomRows(file.Integer(kCustomRows));
    Levels.SetLevel(TLevelSettings::LevelFromStored(file.Integer(kDifficultyLevel)));
}

void TConfiguration::SaveSettings(const TStatistics& Statistics, const TLevelSettings& Levels) const
{
    const std::array<int, kKeyCount> values{
        FMusic, FSmartHints, FAutoCheck,
        Statistics.TotalGames(), Statistics.GamesWon(), Statistics.GamesLost(), Statistics.UnfinishedGames(),
        Levels.CustomColumns(), Levels.CustomRows(), Levels.DifficultyLevel(),
    };
    TProfileFile file(SettingsPath());
    for (std::size_t i = 0; i < Keys.size(); ++i) {
        const std::string text = Keys[i].Boolean ? (values[i] ? "1" : "0") : std::to_string(values[i]);
        if (!file.WriteString(Keys[i].Section, Keys[i].Key, text))
            throw TSettingsWriteError(SettingsPath());
    }
}

}  // namespace peglore
