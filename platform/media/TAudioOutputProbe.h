#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace peglore {

// Whether any of FluidSynth's audio drivers could find an output, asked
// before FluidSynth itself is loaded. A wrong "no" would keep the music
// from a machine that could play it, so every doubt answers yes: "no" is
// for a machine that shows no sign of sound at all, which is then spared
// FluidSynth's libraries and the soundfont.
class TAudioOutputProbe {
public:
    // Where a PulseAudio (or PipeWire) client library looks for its server.
    struct TSoundServerPlaces {
        std::string ServerVariable;  // PULSE_SERVER as set, or ""
        std::vector<std::string> Sockets;  // native protocol sockets
        // client.conf files, and folders of *.conf files
        std::vector<std::string> ClientConfigs;
        // servers the client library may start by itself
        std::vector<std::string> Daemons;

        // This process's: its environment, its home and the system's.
        static TSoundServerPlaces OfThisProcess();
    };

    // drivers: FluidSynth's names, as they would be tried; alsaDevice and
    // ossDevice: what the ALSA and OSS drivers would open. A driver of
    // another name answers yes.
    static bool MayFindOutput(const std::vector<std::string>& drivers, const std::string& alsaDevice,
                              const std::string& ossDevice);
    // A server is named in the environment or a client configuration, its
    // socket exists, or the client library could start one.
    static bool SoundServerAnnounced(const TSoundServerPlaces& places);
    // The ALSA device opens, or is only busy; yes too when ALSA cannot be
    // loaded to ask.
    static bool AlsaDeviceMayOpen(const std::string& device);

    // What one client.conf says: a server, or leave to look for one beyond
    // the sockets (default-server, auto-connect-localhost or -display), and
    // the files it includes, in order, none empty.
    struct TClientConfig {
        bool NamesServer = false;
        std::vector<std::string> Includes;
    };
    static TClientConfig ReadClientConfig(std::string_view text);
};

}  // namespace peglore
