#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include <fluidsynth/types.h>

#include "platform/media/IMediaPlayer.h"
#include "platform/media/TFluidSynthOptions.h"
#include "platform/midi/TMidiFile.h"

class QObject;

namespace peglore {

// Plays a MIDI file through FluidSynth with a General MIDI soundfont. The
// file is read and checked by Open and sequenced here, in the audio
// thread, one rendered block at a time; the end of the music is noticed
// there and reported to the thread that created the player as a queued
// event. Create, command and destroy the player on that thread, which must
// run a Qt event loop for the reports to arrive.
class TFluidSynthPlayer final : public IMediaPlayer {
public:
    TFluidSynthPlayer();
    explicit TFluidSynthPlayer(TFluidSynthOptions options);
    ~TFluidSynthPlayer() override;

    TFluidSynthPlayer(const TFluidSynthPlayer&) = delete;
    TFluidSynthPlayer& operator=(const TFluidSynthPlayer&) = delete;

    void SetFileName(const std::string& fileName) override;
    bool Open() override;
    void SeekToStart() override;
    void Play() override;
    void Stop() override;
    void Close() override;
    void SetOnNotify(std::function<void(TMediaResult)> onNotify) override;

    bool IsOpen() const { return FSynth != nullptr; }
    double SampleRate() const { return FSampleRate; }
    // The soundfont Open would load: the first candidate that is a
    // soundfont file, or "" when there is none.
    std::string FindSoundFont() const;

    // FluidSynth's own synth.default-soundfont setting, then Debian's
    // General MIDI alternatives, sf3 before sf2.
    static std::vector<std::string> DefaultSoundFonts();
    // The sound server first, then the sound card directly.
    static std::vector<std::string> DefaultAudioDrivers();

    // With TAudioOutput::Caller: synthesizes the next frames frames of
    // stereo sound into left and right, advancing the music as an audio
    // device would. Silence when the player is not open or plays to a device.
    void Render(float* left, float* right, int frames);

private:
    static int AudioCallback(void* data, int length, int effectCount, float* effects[], int outputCount,
                             float* outputs[]);
    // Runs in the audio thread (or Render's caller) for each block.
    void Process(float* left, float* right, int frames);
    void Dispatch(const TMidiEvent& event);
    bool CreateDriver();
    void EndPlayCommand(TMediaResult result);
    void Notify(TMediaResult result);

    TFluidSynthOptions FOptions;
    std::string FFileName;
    std::function<void(TMediaResult)> FOnNotify;
    // Lives on the creating thread; reports are queued to it.
    std::unique_ptr<QObject> FNotifier;

    fluid_settings_t* FSettings = nullptr;
    fluid_synth_t* FSynth = nullptr;
    fluid_audio_driver_t* FDriver = nullptr;
    double FSampleRate = 0;

    // The song, fixed while open: each event's frame and the end's.
    std::optional<TMidiFile> FSong;
    std::vector<std::int64_t> FEventFrames;
    std::int64_t FEndFrame = 0;

    // Shared with the audio thread.
    std::mutex FLock;
    std::size_t FNextEvent = 0;
    std::int64_t FPosition = 0;  // frames played since the start of the song
    bool FPlaying = false;
    std::uint64_t FGeneration = 0;  // numbers the play commands

    // Only on the creating thread.
    bool FPlayPending = false;
};

}  // namespace peglore
