#include "platform/media/TFluidSynthPlayer.h"

#include <QMetaObject>
#include <QObject>

#include <alsa/asoundlib.h>
#include <fluidsynth.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace peglore {

namespace {

constexpr int Channels = 16;

// FluidSynth reports through its own log, which would print every failed
// driver probe; the player reports failures by Open's result instead.
void SilenceFluidSynthLog()
{
    for (const int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(level, nullptr, nullptr);
}

void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}

void AddUnique(std::vector<std::string>& list, const std::string& item)
{
    if (!item.empty() && std::find(list.begin(), list.end(), item) == list.end())
        list.push_back(item);
}

std::string SettingString(fluid_settings_t* settings, const char* name)
{
    char* value = nullptr;
    std::string result;
    if (fluid_settings_dupstr(settings, name, &value) == FLUID_OK && value)
        result = value;
    fluid_free(value);
    return result;
}

}  // namespace

TFluidSynthPlayer::TFluidSynthPlayer() : TFluidSynthPlayer(TFluidSynthOptions{}) {}

TFluidSynthPlayer::TFluidSynthPlayer(TFluidSynthOptions options)
    : FOptions(std::move(options)), FNotifier(std::make_unique<QObject>())
{
}

TFluidSynthPlayer::~TFluidSynthPlayer()
{
    Close();
    // Destroying the notifier drops the reports still queued to it.
}

std::vector<std::string> TFluidSynthPlayer::DefaultSoundFonts()
{
    std::vector<std::string> result;
    if (fluid_settings_t* settings = new_fluid_settings()) {
        AddUnique(result, SettingString(settings, "synth.default-soundfont"));
        delete_fluid_settings(settings);
    }
    AddUnique(result, "/usr/share/sounds/sf3/default-GM.sf3");
    AddUnique(result, "/usr/share/sounds/sf2/default-GM.sf2");
    return result;
}

std::vector<std::string> TFluidSynthPlayer::DefaultAudioDrivers()
{
    // PulseAudio reaches PipeWire's server too; ALSA and OSS are for
    // machines without a sound server. JACK is left out: without a running
    // server it may try to start one.
    return {"pulseaudio", "alsa", "oss"};
}

std::string TFluidSynthPlayer::FindSoundFont() const
{
    const std::vector<std::string> candidates = FOptions.SoundFonts.empty() ? DefaultSoundFonts() : FOptions.SoundFonts;
    for (const std::string& path : candidates)
        if (fluid_is_soundfont(path.c_str()))
            return path;
    return {};
}

void TFluidSynthPlayer::SetFileName(const std::string& fileName)
{
    FFileName = fileName;
}

void TFluidSynthPlayer::SetOnNotify(std::function<void(TMediaResult)> onNotify)
{
    FOnNotify = std::move(onNotify);
}

bool TFluidSynthPlayer::Open()
{
    Close();
    SilenceFluidSynthLog();

    // The song is read and checked here, so that a bad file fails the open
    // instead of ending each play at once; an empty song would do the same.
    std::optional<TMidiFile> song = TMidiFile::Load(FFileName);
    if (!song || !song->HasNotes() || song->Duration() <= 0)
        return false;
    const std::string soundFont = FindSoundFont();
    if (soundFont.empty())
        return false;

    FSettings = new_fluid_settings();
    if (!FSettings)
        return false;
    fluid_settings_setnum(FSettings, "synth.sample-rate", FOptions.SampleRate);
    // FluidSynth's default gain leaves a few instruments very quiet.
    fluid_settings_setnum(FSettings, "synth.gain", 0.5);
    for (const auto& [name, value] : FOptions.StringSettings)
        if (fluid_settings_setstr(FSettings, name.c_str(), value.c_str()) != FLUID_OK) {
            Close();
            return false;
        }
    FSynth = new_fluid_synth(FSettings);
    if (!FSynth || fluid_synth_sfload(FSynth, soundFont.c_str(), 1) == FLUID_FAILED) {
        Close();
        return false;
    }
    fluid_settings_getnum(FSettings, "synth.sample-rate", &FSampleRate);

    FSong = std::move(song);
    FEventFrames.clear();
    FEventFrames.reserve(FSong->Events().size());
    const auto frameOf = [this](std::int64_t microseconds) {
        return std::int64_t(double(microseconds) * FSampleRate / 1e6 + 0.5);
    };
    for (const TMidiEvent& e : FSong->Events())
        FEventFrames.push_back(frameOf(e.Microseconds));
    FEndFrame = frameOf(FSong->Duration());
    FNextEvent = 0;
    FPosition = 0;
    FPlaying = false;

    // The driver's thread starts at once, so everything it reads is set.
    if (FOptions.Output == TAudioOutput::Device && !CreateDriver()) {
        Close();
        return false;
    }
    return true;
}

bool TFluidSynthPlayer::CreateDriver()
{
    const std::vector<std::string> drivers =
        FOptions.AudioDrivers.empty() ? DefaultAudioDrivers() : FOptions.AudioDrivers;
    // ALSA prints its own complaints about a missing card; only while
    // probing are they kept quiet.
    snd_lib_error_set_handler(&QuietAlsa);
    for (const std::string& driver : drivers) {
        if (fluid_settings_setstr(FSettings, "audio.driver", driver.c_str()) != FLUID_OK)
            continue;
        FDriver = new_fluid_audio_driver2(FSettings, &TFluidSynthPlayer::AudioCallback, this);
        if (FDriver)
            break;
    }
    snd_lib_error_set_handler(nullptr);
    return FDriver != nullptr;
}

void TFluidSynthPlayer::Close()
{
    // Deleting the driver joins its thread; it must not wait for FLock.
    if (FDriver)
        delete_fluid_audio_driver(FDriver);
    FDriver = nullptr;
    if (FSynth)
        delete_fluid_synth(FSynth);
    FSynth = nullptr;
    if (FSettings)
        delete_fluid_settings(FSettings);
    FSettings = nullptr;
    FSong.reset();
    FEventFrames.clear();
    FEndFrame = 0;
    FNextEvent = 0;
    FPosition = 0;
    FPlaying = false;
    if (FPlayPending)
        EndPlayCommand(TMediaResult::Aborted);
}

void TFluidSynthPlayer::SeekToStart()
{
    if (!FSynth)
        return;
    const std::lock_guard lock(FLock);
    FNextEvent = 0;
    FPosition = 0;
    // Released rather than cut, so a tail still ringing from the end of the
    // song fades naturally into its beginning.
    fluid_synth_all_notes_off(FSynth, -1);
    for (int channel = 0; channel < Channels; ++channel)
        fluid_synth_cc(FSynth, channel, 121, 0);  // reset all controllers
}

void TFluidSynthPlayer::Play()
{
    if (FPlayPending)
        EndPlayCommand(TMediaResult::Superseded);
    if (!FSynth) {
        FPlayPending = true;
        EndPlayCommand(TMediaResult::Failure);
        return;
    }
    {
        const std::lock_guard lock(FLock);
        FPlaying = true;
        ++FGeneration;
    }
    FPlayPending = true;
}

void TFluidSynthPlayer::Stop()
{
    if (FSynth) {
        const std::lock_guard lock(FLock);
        FPlaying = false;
        fluid_synth_all_sounds_off(FSynth, -1);
    }
    if (FPlayPending)
        EndPlayCommand(TMediaResult::Aborted);
}

void TFluidSynthPlayer::EndPlayCommand(TMediaResult result)
{
    FPlayPending = false;
    QMetaObject::invokeMethod(
        FNotifier.get(), [this, result] { Notify(result); }, Qt::QueuedConnection);
}

void TFluidSynthPlayer::Notify(TMediaResult result)
{
    // A copy, so that the handler may replace the callback.
    const std::function<void(TMediaResult)> onNotify = FOnNotify;
    if (onNotify)
        onNotify(result);
}

void TFluidSynthPlayer::Render(float* left, float* right, int frames)
{
    if (frames <= 0)
        return;
    std::fill(left, left + frames, 0.0f);
    std::fill(right, right + frames, 0.0f);
    if (FSynth && FOptions.Output == TAudioOutput::Caller)
        Process(left, right, frames);
}

int TFluidSynthPlayer::AudioCallback(void* data, int length, int effectCount, float* effects[], int outputCount,
                                     float* outputs[])
{
    // Every buffer the driver hands over is filled, the sound going to
    // the first two, effects included.
    for (int i = 0; i < effectCount; ++i)
        if (effects[i])
            std::fill(effects[i], effects[i] + length, 0.0f);
    for (int i = 0; i < outputCount; ++i)
        if (outputs[i])
            std::fill(outputs[i], outputs[i] + length, 0.0f);
    if (outputCount >= 2 && outputs[0] && outputs[1] && length > 0)
        static_cast<TFluidSynthPlayer*>(data)->Process(outputs[0], outputs[1], length);
    return FLUID_OK;
}

void TFluidSynthPlayer::Process(float* left, float* right, int frames)
{
    std::uint64_t endedGeneration = 0;
    {
        const std::lock_guard lock(FLock);
        const auto checkEnd = [&] {
            if (FPlaying && FNextEvent == FEventFrames.size() && FPosition >= FEndFrame) {
                FPlaying = false;
                endedGeneration = FGeneration;
            }
        };
        int done = 0;
        while (done < frames) {
            int chunk = frames - done;
            if (FPlaying) {
                const std::vector<TMidiEvent>& events = FSong->Events();
                while (FNextEvent < events.size() && FEventFrames[FNextEvent] <= FPosition)
                    Dispatch(events[FNextEvent++]);
                // Rendering stops at the next event, so each sounds on time.
                const std::int64_t next = FNextEvent < events.size() ? FEventFrames[FNextEvent] : FEndFrame;
                if (next > FPosition)
                    chunk = int(std::min<std::int64_t>(chunk, next - FPosition));
                checkEnd();
            }
            std::array<float*, 2> buffers{left + done, right + done};
            // Dry sound and effects mixed into the same two buffers.
            fluid_synth_process(FSynth, chunk, 2, buffers.data(), 2, buffers.data());
            if (FPlaying)
                FPosition += chunk;
            done += chunk;
        }
        checkEnd();
    }
    // Posted outside the lock; the creating thread decides whether the
    // play command was still waiting for this.
    if (endedGeneration) {
        QMetaObject::invokeMethod(
            FNotifier.get(),
            [this, endedGeneration] {
                if (FPlayPending && endedGeneration == FGeneration) {
                    FPlayPending = false;
                    Notify(TMediaResult::Successful);
                }
            },
            Qt::QueuedConnection);
    }
}

void TFluidSynthPlayer::Dispatch(const TMidiEvent& event)
{
    const int channel = event.Status & 0x0F;
    switch (event.Status & 0xF0) {
    case 0x80: fluid_synth_noteoff(FSynth, channel, event.Data1); break;
    case 0x90:
        if (event.Data2)
            fluid_synth_noteon(FSynth, channel, event.Data1, event.Data2);
        else
            fluid_synth_noteoff(FSynth, channel, event.Data1);
        break;
    case 0xA0: fluid_synth_key_pressure(FSynth, channel, event.Data1, event.Data2); break;
    case 0xB0: fluid_synth_cc(FSynth, channel, event.Data1, event.Data2); break;
    case 0xC0: fluid_synth_program_change(FSynth, channel, event.Data1); break;
    case 0xD0: fluid_synth_channel_pressure(FSynth, channel, event.Data1); break;
    case 0xE0: fluid_synth_pitch_bend(FSynth, channel, event.Data1 | (event.Data2 << 7)); break;
    default: break;
    }
}

}  // namespace peglore
