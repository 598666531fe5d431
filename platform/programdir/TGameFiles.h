#pragma once

#include <string>

namespace peglore {

// Where the game's files lie, each folder with its trailing "/".
struct TGameFiles {
    std::string SettingsFolder;  // Peglore.ini
    std::string DataFolder;  // Peglore.mid and Peglore.hlp
    std::string Executable;  // the game's own file, for its version information
};

// The player's folder for the game's settings, as the XDG base directories
// have it: XDG_CONFIG_HOME/peglore/, or HOME/.config/peglore/ when
// XDG_CONFIG_HOME is unset, empty or not an absolute path. Empty when
// neither names an absolute path.
std::string UserSettingsFolder(const char* xdgConfigHome, const char* home);

// Where the game keeps its files, fixed when the executable is built: the
// game made for installing uses the installed layout wherever it is run
// from, any other build keeps every file beside its executable. No file
// that is present or missing moves the player's settings and records.
enum class TFilesPlace { BesideTheProgram, Installed };

// Where an installed game whose executable lies in PROGRAMFOLDER finds its
// files: music and help in DATAFROMPROGRAM, a path relative to
// PROGRAMFOLDER ("../share/peglore/"), and the settings in
// USERSETTINGSFOLDER, or beside the executable when that is empty.
TGameFiles LocateGameFiles(const std::string& programFolder, const std::string& dataFromProgram,
                           const std::string& userSettingsFolder);

// Creates FOLDER and every missing folder above it, each readable by its
// owner only. True when FOLDER is a folder afterwards.
bool MakeFolders(const std::string& folder);

// The player's folder for the game's data, as the XDG base directories have
// it: XDG_DATA_HOME/peglore/, or HOME/.local/share/peglore/; empty when
// neither names an absolute path.
std::string UserDataFolder(const char* xdgDataHome, const char* home);

// Where the records of finished games lie: beside the settings when the game
// keeps all its files in one folder, else USERDATAFOLDER (or beside the
// settings when that is empty).
std::string LocateRecordsFolder(const TGameFiles& files, const std::string& userDataFolder);

// LocateRecordsFolder for this process's environment; an installed game's
// data folder is created when it is missing.
std::string RecordsFolderOfThisRun(const TGameFiles& files);

// The files of the running executable: all of them beside it, or, for
// PLACE Installed, LocateGameFiles for this process's environment (HOME
// from the password database when unset). An installed game's settings
// folder is created when it is missing; a failure shows later, as the
// settings file that cannot be written.
TGameFiles GameFilesOfThisRun(TFilesPlace place, const std::string& dataFromProgram);

}  // namespace peglore
