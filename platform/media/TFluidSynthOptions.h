#pragma once

#include <string>
#include <utility>
#include <vector>

namespace peglore {

// Where a TFluidSynthPlayer sends its sound.
enum class TAudioOutput {
    Device,  // an audio driver's thread, to the sound card
    Caller,  // no device: the owner pulls the sound with Render
};

struct TFluidSynthOptions {
    TAudioOutput Output = TAudioOutput::Device;
    // FluidSynth audio drivers to try in turn; empty: the usual ones.
    std::vector<std::string> AudioDrivers;
    // Soundfont files to try in turn; empty: the system's General MIDI one.
    std::vector<std::string> SoundFonts;
    double SampleRate = 44100;
    // Only the instruments the music plays are read from the soundfont,
    // while it is opened, instead of every sample it holds.
    bool DynamicSampleLoading = true;
    // The synthesizer is shown a copy of the soundfont's headers that holds
    // only the presets the music plays, so that it keeps no others in
    // memory. Falls back to the whole soundfont when the copy would pick
    // any other preset than the whole one does.
    bool SubsetSoundFont = true;
    // Voices sounding at once; the tune needs fewer than 80, and each voice
    // kept ready costs some 10 kB.
    int Polyphony = 128;
    // Further FluidSynth string settings by name, set before the synthesizer
    // is made, e.g. {"audio.alsa.device", "null"}.
    std::vector<std::pair<std::string, std::string>> StringSettings;
};

}  // namespace peglore
