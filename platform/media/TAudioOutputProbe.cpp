#include "platform/media/TAudioOutputProbe.h"

#include "platform/files/TReadOnlyFile.h"

#include <alsa/asoundlib.h>
#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <set>

namespace peglore {

namespace {

namespace fs = std::filesystem;

// A client configuration larger than this is not read, and taken for one
// that may name a server.
constexpr std::size_t MaxConfigSize = 1024 * 1024;
// .include directives followed, at most.
constexpr std::size_t MaxConfigFiles = 32;

std::string Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool Exists(const std::string& path)
{
    std::error_code error;
    return !path.empty() && fs::exists(fs::symlink_status(path, error));
}

std::string Trimmed(const std::string& text)
{
    const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    const auto begin = std::find_if_not(text.begin(), text.end(), blank);
    const auto end = std::find_if_not(text.rbegin(), text.rend(), blank).base();
    return begin < end ? std::string(begin, end) : std::string();
}

bool IsTrue(std::string value)
{
    std::transform(value.begin(), value.end(), value.begin(), [](unsigned char c) { return std::tolower(c); });
    return value == "1" || value == "yes" || value == "true" || value == "on";
}

// Whether one client.conf file names a server; the files it includes are
// added to pending.
bool ConfigNamesServer(const fs::path& path, std::vector<fs::path>& pending)
{
    const TFileContents contents = ReadFileContents(path, MaxConfigSize);
    if (contents.Error != TFileError::None)
        return contents.Error == TFileError::TooLarge;
    const TAudioOutputProbe::TClientConfig config = TAudioOutputProbe::ReadClientConfig(contents.Bytes);
    pending.insert(pending.end(), config.Includes.begin(), config.Includes.end());
    return config.NamesServer;
}

bool ConfigsNameServer(const std::vector<std::string>& configs)
{
    std::vector<fs::path> pending(configs.begin(), configs.end());
    std::set<fs::path> seen;
    while (!pending.empty()) {
        const fs::path path = pending.back();
        pending.pop_back();
        if (path.empty() || !seen.insert(path).second)
            continue;
        if (seen.size() > MaxConfigFiles)
            return true;
        std::error_code error;
        if (fs::is_directory(path, error)) {
            for (const fs::directory_entry& entry : fs::directory_iterator(path, error))
                if (entry.path().extension() == ".conf")
                    pending.push_back(entry.path());
            continue;
        }
        if (ConfigNamesServer(path, pending))
            return true;
    }
    return false;
}

void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

TAudioOutputProbe::TClientConfig TAudioOutputProbe::ReadClientConfig(std::string_view text)
{
    TClientConfig config;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string line = Trimmed(std::string(text.substr(0, end)));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line.rfind(".include", 0) == 0) {
            if (std::string include = Trimmed(line.substr(8)); !include.empty())
                config.Includes.push_back(std::move(include));
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string key = Trimmed(line.substr(0, equals));
        const std::string value = Trimmed(line.substr(equals + 1));
        if ((key == "default-server" && !value.empty()) ||
            ((key == "auto-connect-localhost" || key == "auto-connect-display") && IsTrue(value)))
            config.NamesServer = true;
    }
    return config;
}

TAudioOutputProbe::TSoundServerPlaces TAudioOutputProbe::TSoundServerPlaces::OfThisProcess()
{
    TSoundServerPlaces places;
    places.ServerVariable = Variable("PULSE_SERVER");
    const std::string home = Variable("HOME");
    const std::string runtime = Variable("XDG_RUNTIME_DIR");
    const std::string pulseRuntime = Variable("PULSE_RUNTIME_PATH");
    if (!pulseRuntime.empty())
        places.Sockets.push_back(pulseRuntime + "/native");
    if (!runtime.empty())
        places.Sockets.push_back(runtime + "/pulse/native");
    places.Sockets.push_back("/run/user/" + std::to_string(getuid()) + "/pulse/native");
    places.Sockets.push_back("/run/pulse/native");
    places.Sockets.push_back("/var/run/pulse/native");

    const std::string clientConfig = Variable("PULSE_CLIENTCONFIG");
    if (!clientConfig.empty())
        places.ClientConfigs.push_back(clientConfig);
    std::string configHome = Variable("XDG_CONFIG_HOME");
    if (configHome.empty() && !home.empty())
        configHome = home + "/.config";
    if (!configHome.empty())
        places.ClientConfigs.push_back(configHome + "/pulse/client.conf");
    if (!home.empty())
        places.ClientConfigs.push_back(home + "/.pulse/client.conf");
    places.ClientConfigs.push_back("/etc/pulse/client.conf");
    places.ClientConfigs.push_back("/etc/pulse/client.conf.d");

    places.Daemons.push_back("/usr/bin/pulseaudio");
    return places;
}

bool TAudioOutputProbe::SoundServerAnnounced(const TSoundServerPlaces& places)
{
    if (!places.ServerVariable.empty())
        return true;
    // A socket left by a server that has gone still answers yes; the open
    // finds out.
    if (std::any_of(places.Sockets.begin(), places.Sockets.end(), Exists) ||
        std::any_of(places.Daemons.begin(), places.Daemons.end(), Exists))
        return true;
    return ConfigsNameServer(places.ClientConfigs);
}

bool TAudioOutputProbe::AlsaDeviceMayOpen(const std::string& device)
{
    // Unloaded again after the question unless someone else holds it.
    void* held = dlopen("libasound.so.2", RTLD_LAZY | RTLD_NOLOAD);
    const bool loadedBefore = held != nullptr;
    if (held)
        dlclose(held);
    void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!alsa)
        return true;
    const auto open = reinterpret_cast<decltype(&snd_pcm_open)>(dlsym(alsa, "snd_pcm_open"));
    const auto close = reinterpret_cast<decltype(&snd_pcm_close)>(dlsym(alsa, "snd_pcm_close"));
    const auto setHandler =
        reinterpret_cast<decltype(&snd_lib_error_set_handler)>(dlsym(alsa, "snd_lib_error_set_handler"));
    const auto freeConfig =
        reinterpret_cast<decltype(&snd_config_update_free_global)>(dlsym(alsa, "snd_config_update_free_global"));
    int result = -EINVAL;
    if (open && close && setHandler) {
        setHandler(&QuietAlsa);
        snd_pcm_t* pcm = nullptr;
        result = open(&pcm, device.c_str(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK);
        if (result == 0)
            close(pcm);
        setHandler(nullptr);
    }
    // The configuration ALSA read to answer is its only lasting memory.
    if (!loadedBefore && freeConfig)
        freeConfig();
    dlclose(alsa);
    return !(open && close && setHandler) || !(result == -ENOENT || result == -ENODEV || result == -ENXIO);
}

bool TAudioOutputProbe::MayFindOutput(const std::vector<std::string>& drivers, const std::string& alsaDevice,
                                      const std::string& ossDevice)
{
    // The cheap questions first.
    for (const std::string& driver : drivers)
        if (driver == "oss"          ? Exists(ossDevice)
            : driver == "pulseaudio" ? SoundServerAnnounced(TSoundServerPlaces::OfThisProcess())
                                     : driver != "alsa")
            return true;
    return std::find(drivers.begin(), drivers.end(), "alsa") != drivers.end() && AlsaDeviceMayOpen(alsaDevice);
}

}  // namespace peglore
