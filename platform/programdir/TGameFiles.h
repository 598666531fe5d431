#pragma once

#include <string>

namespace peglore {

// Where the game's files lie, each folder with its trailing "/".
struct TGameFiles {
    std::string SettingsFolder;  // Peglore.ini
    std::string DataFolder;      // Peglore.mid and Peglore.hlp
    std::string Executable;      // the game's own file, for its version information
};

// Everything beside the running executable.
TGameFiles GameFilesBesideProgram();

}  // namespace peglore
