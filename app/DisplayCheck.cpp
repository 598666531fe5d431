#include "app/DisplayCheck.h"

#include <QDir>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QPluginLoader>
#include <QScreen>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <optional>
#include <string_view>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include "platform/files/TFileDescriptor.h"
#include "platform/programdir/ProgramDir.h"

namespace peglore {

int DisplayDepth()
{
    bool overridden = false;
    const int forced = qEnvironmentVariableIntValue("PEGLORE_DISPLAY_DEPTH", &overridden);
    if (overridden)
        return forced;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 0;
}

namespace {

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::string Variable(const TEnvironment& environment, const char* name)
{
    const char* value = environment(name);
    return value ? std::string(value) : std::string();
}

// The value of one of Qt's own options (-name VALUE, or --name VALUE), the
// last one given; empty when there is none.
std::string QtOption(std::span<char* const> arguments, std::string_view name)
{
    std::string value;
    for (std::size_t i = 1; i + 1 < arguments.size(); ++i) {
        std::string_view argument = arguments[i];
        if (argument.starts_with("--"))
            argument.remove_prefix(1);
        if (argument.starts_with('-') && argument.substr(1) == name)
            value = arguments[++i];
    }
    return value;
}

std::vector<std::string> Split(std::string_view text, char separator)
{
    std::vector<std::string> parts;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find(separator), text.size());
        if (end > 0)
            parts.emplace_back(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return parts;
}

bool XDisplayAnswers(const std::string& display)
{
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

bool SocketAnswers(const std::string& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const TFileDescriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    return socket.Valid() && ::connect(socket.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
}

// Why the platform named cannot show a window; empty when it can.
std::string WhyNot(const std::string& name, const TEnvironment& environment, std::span<char* const> arguments,
                   const TInstalledPlatforms& installed)
{
    // Read only when a name needs it: Qt reads the plugins again itself.
    const auto notInstalled = [&] {
        const std::vector<std::string> names = installed();
        return !names.empty() && std::find(names.begin(), names.end(), name) == names.end();
    };
    const std::string notFound = "Qt has no platform plugin named '" + name + "'";
    if (name == "xcb") {
        // The X platform comes with the game's Qt packages.
        std::string display = QtOption(arguments, "display");
        if (display.empty())
            display = Variable(environment, "DISPLAY");
        if (display.empty())
            return "DISPLAY is not set";
        return XDisplayAnswers(display) ? std::string() : "the X display '" + display + "' cannot be reached";
    }
    if (name.starts_with("wayland")) {
        std::string socket = Variable(environment, "WAYLAND_DISPLAY");
        if (socket.empty())
            socket = "wayland-0";
        if (environment("WAYLAND_SOCKET")) {
            // A connection handed over by whoever started the game.
        } else if (!socket.starts_with('/') && Variable(environment, "XDG_RUNTIME_DIR").empty()) {
            return "XDG_RUNTIME_DIR is not set, so there is no Wayland display";
        } else {
            if (!socket.starts_with('/'))
                socket = Variable(environment, "XDG_RUNTIME_DIR") + "/" + socket;
            if (!SocketAnswers(socket))
                return "no Wayland display answers at " + socket;
        }
        return notInstalled() ? notFound : std::string();
    }
    // A platform without a display of its own: offscreen, vnc, eglfs, ...
    return notInstalled() ? notFound : std::string();
}

}  // namespace

std::vector<std::string> InstalledPlatforms(const TEnvironment& environment, std::span<char* const> arguments)
{
    QStringList folders;
    for (const std::string& extra :
         {QtOption(arguments, "platformpluginpath"), Variable(environment, "QT_QPA_PLATFORM_PLUGIN_PATH")})
        if (!extra.empty())
            folders << QString::fromLocal8Bit(extra);
    for (const std::string& path : Split(Variable(environment, "QT_PLUGIN_PATH"), ':'))
        folders << QString::fromLocal8Bit(path) + QStringLiteral("/platforms");
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms")
            << QString::fromStdString(ProgramDir()) + QStringLiteral("platforms");

    std::vector<std::string> names;
    const auto take = [&names](const QJsonObject& description) {
        if (description.value(QStringLiteral("IID"))
                .toString()
                .startsWith(QLatin1String("org.qt-project.Qt.QPA.QPlatformIntegrationFactoryInterface")))
            for (const QJsonValue key :
                 description.value(QStringLiteral("MetaData")).toObject().value(QStringLiteral("Keys")).toArray())
                names.push_back(Lower(key.toString().toStdString()));
    };
    for (const QStaticPlugin& plugin : QPluginLoader::staticPlugins())
        take(plugin.metaData());
    for (const QString& folder : folders) {
        const QDir dir(folder);
        for (const QString& file : dir.entryList(QDir::Files))
            take(QPluginLoader(dir.filePath(file)).metaData());
    }
    return names;
}

std::string UnreachableDisplay(const TEnvironment& environment, std::span<char* const> arguments,
                               const TInstalledPlatforms& installed)
{
    std::optional<std::vector<std::string>> read;
    const TInstalledPlatforms once = [&] {
        if (!read)
            read = installed();
        return *read;
    };
    std::string chosen = QtOption(arguments, "platform");
    if (chosen.empty())
        chosen = Variable(environment, "QT_QPA_PLATFORM");
    if (chosen.empty())
        chosen = Variable(environment, "XDG_SESSION_TYPE") == "wayland" ? "wayland;xcb" : "xcb";
    std::string why;
    for (const std::string& entry : Split(chosen, ';')) {
        // A name may carry the plugin's own options: "offscreen:size=800x600".
        const std::string name = Lower(entry.substr(0, entry.find(':')));
        const std::string reason = WhyNot(name, environment, arguments, once);
        if (reason.empty())
            return {};
        why += (why.empty() ? "" : "; ") + reason;
    }
    if (why.empty())
        why = "no platform is named";
    return "the game's window cannot be shown: " + why + ".";
}

}  // namespace peglore
