#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/media/IMediaPlayer.h"
#include "platform/media/TFluidSynthOptions.h"

class QObject;

namespace peglore {

// Plays a MIDI file through FluidSynth with a General MIDI soundfont. An
// open reads and checks the file, makes the synthesizer, loads the
// instruments the music plays and opens the audio device on a worker
// thread of its own; the worker's outcome, and the end of the music noticed
// in the audio thread, are reported to the thread that created the player
// as queued events. Create, command and destroy the player on that thread,
// which must run a Qt event loop for the reports to arrive.
class TFluidSynthPlayer final : public IMediaPlayer {
public:
    TFluidSynthPlayer();
    explicit TFluidSynthPlayer(TFluidSynthOptions options);
    // Gives up an open under way, waiting only for the step the worker is
    // in, and releases the device.
    ~TFluidSynthPlayer() override;

    TFluidSynthPlayer(const TFluidSynthPlayer&) = delete;
    TFluidSynthPlayer& operator=(const TFluidSynthPlayer&) = delete;

    void SetFileName(const std::string& fileName) override;
    void BeginOpen(std::function<void(bool opened)> onOpened) override;
    void WaitForOpen() override;
    void CancelOpen() override;
    void SeekToStart() override;
    void Play() override;
    void Stop() override;
    void Close() override;
    void SetOnNotify(std::function<void(TMediaResult)> onNotify) override;

    // BeginOpen and WaitForOpen in one; the outcome.
    bool Open();
    bool IsOpen() const { return FEngine != nullptr; }
    bool IsOpening() const { return FWorker.joinable(); }
    double SampleRate() const;
    // The presets the open synthesizer knows of; 0 when closed.
    int PresetCount() const;
    // The soundfont an open would load: the first candidate that is a
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
    // The synthesizer, the song and the audio device of one open.
    struct TEngine;

    static std::unique_ptr<TEngine> CreateEngine(const TFluidSynthOptions& options, const std::string& fileName,
                                                 TFluidSynthPlayer& owner, std::stop_token stop);
    void SettleOpen();
    void EndReached(std::uint64_t generation);
    void EndPlayCommand(TMediaResult result);
    void Notify(TMediaResult result);

    const TFluidSynthOptions FOptions;
    std::string FFileName;
    std::function<void(TMediaResult)> FOnNotify;
    // Lives on the creating thread; reports are queued to it.
    std::unique_ptr<QObject> FNotifier;

    std::unique_ptr<TEngine> FEngine;
    std::uint64_t FGeneration = 0;  // numbers the play commands
    bool FPlayPending = false;

    // The open under way: its worker, what the worker made (read only after
    // joining it), who hears of it, and its number, which tells a queued
    // report of an open that was settled or given up meanwhile.
    std::jthread FWorker;
    std::unique_ptr<TEngine> FOpened;
    std::function<void(bool)> FOnOpened;
    std::uint64_t FOpenNumber = 0;
};

}  // namespace peglore
