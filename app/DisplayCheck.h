#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

namespace peglore {

// The game draws with more colours than a 16-colour display can show.
constexpr int MinimumDisplayDepth = 8;

// True when a display of depth bits per pixel can show the game.
constexpr bool DisplayDepthSufficient(int depth)
{
    return depth >= MinimumDisplayDepth;
}

// The bits per pixel of the primary screen; PEGLORE_DISPLAY_DEPTH, when
// set to a number, stands in for it so the refusal can be tried on any
// display.
int DisplayDepth();

// The value of an environment variable, null when it is not set (as
// std::getenv answers).
using TEnvironment = std::function<const char*(const char* name)>;

// The platform plugins Qt will find for this run, by their names in lower
// case ("xcb", "offscreen", ...): those of Qt's plugin folder, of
// QT_PLUGIN_PATH, QT_QPA_PLATFORM_PLUGIN_PATH and -platformpluginpath. Read
// from the plugins' descriptions, none of them loaded.
std::vector<std::string> InstalledPlatforms(const TEnvironment& environment, std::span<char* const> arguments);
using TInstalledPlatforms = std::function<std::vector<std::string>()>;

// Why none of the platforms that Qt will try for this run (-platform, else
// QT_QPA_PLATFORM, else the session's: xcb, and wayland first in a Wayland
// session) can show a window, in words for the standard error; empty when
// one can. An X display is tried by connecting to it (-display, else
// DISPLAY), a Wayland display by its socket; any other platform, such as
// offscreen, needs only its plugin. Qt ends the program with an abort when
// none can, so this is asked before the application object is made.
// installed: as InstalledPlatforms answers, asked only when a name needs
// it; when it answers none, any name is taken as installed.
std::string UnreachableDisplay(const TEnvironment& environment, std::span<char* const> arguments,
                               const TInstalledPlatforms& installed);

}  // namespace peglore
