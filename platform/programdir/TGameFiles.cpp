#include "platform/programdir/TGameFiles.h"
#include "platform/programdir/ProgramDir.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace peglore {

namespace {

bool IsAbsoluteFolder(const char* path)
{
    return path && path[0] == '/';
}

std::string WithSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

bool IsFolder(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// FOLDER followed by RELATIVE, each leading "../" of RELATIVE taking off the
// last name of FOLDER while it has one, so the paths the game shows in its
// messages read plainly ("/usr/share/peglore/", not "/usr/bin/../share/...").
std::string JoinFolders(std::string folder, std::string relative)
{
    while (relative.rfind("../", 0) == 0) {
        if (folder != "/") {  // the root is its own parent
            const std::size_t slash = folder.size() > 1 ? folder.rfind('/', folder.size() - 2) : std::string::npos;
            const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
            const std::string last = folder.substr(start);
            if (last.empty() || last == "./" || last == "../")
                break;
            folder.erase(start);
        }
        relative.erase(0, 3);
    }
    return WithSlash(folder + relative);
}

// The game's folder under an XDG base directory: XDGHOME/peglore/, or
// HOME/DEFAULTBELOWHOME/peglore/; empty when neither is an absolute path.
std::string XdgFolder(const char* xdgHome, const char* home, const char* defaultBelowHome)
{
    if (IsAbsoluteFolder(xdgHome))
        return WithSlash(xdgHome) + "peglore/";
    if (IsAbsoluteFolder(home))
        return WithSlash(home) + defaultBelowHome + "peglore/";
    return {};
}

const char* HomeOfThisRun()
{
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        const passwd* user = ::getpwuid(::getuid());
        home = user ? user->pw_dir : nullptr;
    }
    return home;
}

}  // namespace

std::string UserSettingsFolder(const char* xdgConfigHome, const char* home)
{
    return XdgFolder(xdgConfigHome, home, ".config/");
}

std::string UserDataFolder(const char* xdgDataHome, const char* home)
{
    return XdgFolder(xdgDataHome, home, ".local/share/");
}

std::string LocateRecordsFolder(const TGameFiles& files, const std::string& userDataFolder)
{
    if (files.SettingsFolder == files.DataFolder || userDataFolder.empty())
        return files.SettingsFolder;
    return userDataFolder;
}

std::string RecordsFolderOfThisRun(const TGameFiles& files)
{
    const std::string folder =
        LocateRecordsFolder(files, UserDataFolder(std::getenv("XDG_DATA_HOME"), HomeOfThisRun()));
    if (folder != files.SettingsFolder)
        MakeFolders(folder);
    return folder;
}

TGameFiles LocateGameFiles(const std::string& programFolder, const std::string& dataFromProgram,
                           const std::string& userSettingsFolder)
{
    const std::string executable = programFolder + "peglore";
    const std::string settings = userSettingsFolder.empty() ? programFolder : userSettingsFolder;
    return {settings, JoinFolders(programFolder, WithSlash(dataFromProgram)), executable};
}

bool MakeFolders(const std::string& folder)
{
    if (folder.empty())
        return false;
    // Each folder on the way, from the top down; one made meanwhile by
    // another process will do as well.
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos; slash = folder.find('/', slash + 1)) {
        const std::string step = folder.substr(0, slash);
        if (!IsFolder(step) && ::mkdir(step.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    if (!IsFolder(folder) && ::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    return IsFolder(folder);
}

TGameFiles GameFilesOfThisRun(TFilesPlace place, const std::string& dataFromProgram)
{
    const std::string programFolder = ProgramDir();
    if (place == TFilesPlace::BesideTheProgram)
        return {programFolder, programFolder, programFolder + "peglore"};
    const char* home = HomeOfThisRun();
    const std::string userFolder = UserSettingsFolder(std::getenv("XDG_CONFIG_HOME"), home);
    TGameFiles files = LocateGameFiles(programFolder, dataFromProgram, userFolder);
    if (files.SettingsFolder != programFolder)
        MakeFolders(files.SettingsFolder);
    return files;
}

}  // namespace peglore
