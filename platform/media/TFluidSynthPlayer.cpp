#include "platform/media/TFluidSynthPlayer.h"

#include <QMetaObject>
#include <QObject>

#include <malloc.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <mutex>
#include <optional>
#include <set>
#include <string_view>
#include <utility>

#include "platform/media/TAudioOutputProbe.h"
#include "platform/media/TFluidSynthLibrary.h"
#include "platform/media/TSoundFontSubset.h"
#include "platform/midi/TMidiFile.h"

namespace peglore {

namespace {

constexpr int Channels = 16;

// FluidSynth reports through its own log, which would print every failed
// driver probe; the player reports failures by the open's outcome instead.
void SilenceFluidSynthLog(const TFluidSynthLibrary& fluid)
{
    for (const int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid.fluid_set_log_function(level, nullptr, nullptr);
}

void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}

void AddUnique(std::vector<std::string>& list, const std::string& item)
{
    if (!item.empty() && std::find(list.begin(), list.end(), item) == list.end())
        list.push_back(item);
}

std::string SettingString(const TFluidSynthLibrary& fluid, fluid_settings_t* settings, const char* name)
{
    char* value = nullptr;
    std::string result;
    if (fluid.fluid_settings_dupstr(settings, name, &value) == FLUID_OK && value)
        result = value;
    fluid.fluid_free(value);
    return result;
}

std::vector<std::string> AudioDrivers(const TFluidSynthOptions& options)
{
    return options.AudioDrivers.empty() ? TFluidSynthPlayer::DefaultAudioDrivers() : options.AudioDrivers;
}

// A string setting as the options set it, or FluidSynth's default.
std::string StringSetting(const TFluidSynthOptions& options, const std::string& name, const std::string& byDefault)
{
    for (const auto& [setting, value] : options.StringSettings)
        if (setting == name)
            return value;
    return byDefault;
}

std::vector<std::string> SoundFontCandidates(const TFluidSynthOptions& options)
{
    return options.SoundFonts.empty() ? TFluidSynthPlayer::DefaultSoundFonts() : options.SoundFonts;
}

std::string FirstSoundFont(const TFluidSynthLibrary& fluid, const std::vector<std::string>& candidates)
{
    for (const std::string& path : candidates)
        if (fluid.fluid_is_soundfont(path.c_str()))
            return path;
    return {};
}

// FluidSynth reads a soundfont through file functions given to its loader,
// which are handed the name passed to fluid_synth_sfload and nothing else;
// the name of a subset is therefore its address behind a prefix that no
// file name of ours starts with. Other names are left to the next loader.
constexpr std::string_view SubsetPrefix = "peglore-soundfont-subset:";

std::string SubsetName(const TSoundFontSubset& subset)
{
    return std::string(SubsetPrefix) + std::to_string(reinterpret_cast<std::uintptr_t>(&subset));
}

struct TSubsetFile {
    const TSoundFontSubset* Subset = nullptr;
    std::int64_t Position = 0;
};

void* OpenSubset(const char* name)
{
    const std::string_view text(name ? name : "");
    std::uintptr_t address = 0;
    if (text.substr(0, SubsetPrefix.size()) != SubsetPrefix ||
        std::from_chars(text.data() + SubsetPrefix.size(), text.data() + text.size(), address).ec != std::errc())
        return nullptr;
    return new TSubsetFile{reinterpret_cast<const TSoundFontSubset*>(address)};
}

int ReadSubset(void* buffer, fluid_long_long_t count, void* handle)
{
    auto& file = *static_cast<TSubsetFile*>(handle);
    if (!file.Subset->Read(file.Position, buffer, count))
        return FLUID_FAILED;
    file.Position += count;
    return FLUID_OK;
}

int SeekSubset(void* handle, fluid_long_long_t offset, int origin)
{
    auto& file = *static_cast<TSubsetFile*>(handle);
    const std::int64_t base = origin == SEEK_SET ? 0 : origin == SEEK_CUR ? file.Position : file.Subset->Size();
    if ((origin != SEEK_SET && origin != SEEK_CUR && origin != SEEK_END) || base + offset < 0)
        return FLUID_FAILED;
    file.Position = base + offset;
    return FLUID_OK;
}

fluid_long_long_t TellSubset(void* handle)
{
    return static_cast<TSubsetFile*>(handle)->Position;
}

int CloseSubset(void* handle)
{
    delete static_cast<TSubsetFile*>(handle);
    return FLUID_OK;
}

}  // namespace

struct TFluidSynthPlayer::TEngine {
    TEngine(const TFluidSynthLibrary& fluid, TFluidSynthPlayer& owner) : Fluid(fluid), Owner(owner) {}
    ~TEngine()
    {
        // Deleting the driver joins its thread; it must not wait for Lock.
        if (Driver)
            Fluid.delete_fluid_audio_driver(Driver);
        if (Synth)
            Fluid.delete_fluid_synth(Synth);
        if (Settings)
            Fluid.delete_fluid_settings(Settings);
    }
    TEngine(const TEngine&) = delete;
    TEngine& operator=(const TEngine&) = delete;

    static int AudioCallback(void* data, int length, int effectCount, float* effects[], int outputCount,
                             float* outputs[]);
    bool CreateDriver(const TFluidSynthOptions& options, const std::stop_token& stop);
    bool LoadSoundFont(const std::string& path, bool subset, const std::stop_token& stop);
    fluid_synth_t* NewSynth(const std::string& path, const TSoundFontSubset* subset) const;
    // The preset each sounding channel plays, in the song's order.
    std::vector<TSoundFontSubset::TPresetNumber> SelectSongPresets(fluid_synth_t* synth, bool pin) const;
    // Runs in the audio thread (or Render's caller) for each block.
    void Process(float* left, float* right, int frames);
    void Dispatch(const TMidiEvent& event);

    const TFluidSynthLibrary& Fluid;
    TFluidSynthPlayer& Owner;
    fluid_settings_t* Settings = nullptr;
    fluid_synth_t* Synth = nullptr;
    fluid_audio_driver_t* Driver = nullptr;
    double SampleRate = 0;
    // What the synthesizer reads as its soundfont, when not the file itself.
    std::optional<TSoundFontSubset> Subset;

    // The song, fixed while open: each event's frame and the end's.
    std::optional<TMidiFile> Song;
    std::vector<std::int64_t> EventFrames;
    std::int64_t EndFrame = 0;

    // Shared with the audio thread.
    std::mutex Lock;
    std::size_t NextEvent = 0;
    std::int64_t Position = 0;  // frames played since the start of the song
    bool Playing = false;
    std::uint64_t Generation = 0;  // the play command being played
};

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
    if (const TFluidSynthLibrary* fluid = TFluidSynthLibrary::Get())
        if (fluid_settings_t* settings = fluid->new_fluid_settings()) {
            AddUnique(result, SettingString(*fluid, settings, "synth.default-soundfont"));
            fluid->delete_fluid_settings(settings);
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
    const TFluidSynthLibrary* fluid = TFluidSynthLibrary::Get();
    return fluid ? FirstSoundFont(*fluid, SoundFontCandidates(FOptions)) : std::string();
}

double TFluidSynthPlayer::SampleRate() const
{
    return FEngine ? FEngine->SampleRate : 0;
}

int TFluidSynthPlayer::PresetCount() const
{
    fluid_sfont_t* font = FEngine ? FEngine->Fluid.fluid_synth_get_sfont(FEngine->Synth, 0) : nullptr;
    if (!font)
        return 0;
    int count = 0;
    FEngine->Fluid.fluid_sfont_iteration_start(font);
    while (FEngine->Fluid.fluid_sfont_iteration_next(font))
        ++count;
    return count;
}

void TFluidSynthPlayer::SetFileName(const std::string& fileName)
{
    FFileName = fileName;
}

void TFluidSynthPlayer::SetOnNotify(std::function<void(TMediaResult)> onNotify)
{
    FOnNotify = std::move(onNotify);
}

void TFluidSynthPlayer::BeginOpen(std::function<void(bool opened)> onOpened)
{
    Close();
    FOnOpened = std::move(onOpened);
    const std::uint64_t number = ++FOpenNumber;
    FWorker = std::jthread([this, number, fileName = FFileName](std::stop_token stop) {
        FOpened = CreateEngine(FOptions, fileName, *this, stop);
        // Reading the soundfont, and a failed open all the more, leave
        // megabytes freed in this thread's heap; they go back to the system.
        malloc_trim(0);
        // The worker's last step: after it, only the thread's end is left
        // to wait for.
        QMetaObject::invokeMethod(
            FNotifier.get(),
            [this, number] {
                if (number == FOpenNumber && FWorker.joinable())
                    SettleOpen();
            },
            Qt::QueuedConnection);
    });
}

void TFluidSynthPlayer::WaitForOpen()
{
    if (FWorker.joinable())
        SettleOpen();
}

void TFluidSynthPlayer::SettleOpen()
{
    FWorker.join();
    FEngine = std::move(FOpened);
    // Taken out first: the handler may begin another open.
    const std::function<void(bool)> onOpened = std::exchange(FOnOpened, nullptr);
    if (onOpened)
        onOpened(FEngine != nullptr);
}

void TFluidSynthPlayer::CancelOpen()
{
    if (!FWorker.joinable())
        return;
    // The worker looks for this between its steps.
    FWorker.request_stop();
    FWorker.join();
    FOpened.reset();
    FOnOpened = nullptr;
}

bool TFluidSynthPlayer::Open()
{
    bool opened = false;
    BeginOpen([&opened](bool result) { opened = result; });
    WaitForOpen();
    return opened;
}

std::unique_ptr<TFluidSynthPlayer::TEngine> TFluidSynthPlayer::CreateEngine(const TFluidSynthOptions& options,
                                                                            const std::string& fileName,
                                                                            TFluidSynthPlayer& owner,
                                                                            std::stop_token stop)
{
    // The song is read and checked here, so that a bad file fails the open
    // instead of ending each play at once; an empty song would do the same.
    std::optional<TMidiFile> song = TMidiFile::Load(fileName);
    if (!song || !song->HasNotes() || song->Duration() <= 0 || stop.stop_requested())
        return nullptr;
    if (options.Output == TAudioOutput::Device &&
        !TAudioOutputProbe::MayFindOutput(AudioDrivers(options), StringSetting(options, "audio.alsa.device", "default"),
                                          StringSetting(options, "audio.oss.device", "/dev/dsp")))
        return nullptr;
    const TFluidSynthLibrary* fluid = TFluidSynthLibrary::Get();
    if (!fluid)
        return nullptr;
    SilenceFluidSynthLog(*fluid);
    const std::string soundFont = FirstSoundFont(*fluid, SoundFontCandidates(options));
    if (soundFont.empty() || stop.stop_requested())
        return nullptr;

    auto engine = std::make_unique<TEngine>(*fluid, owner);
    engine->Settings = fluid->new_fluid_settings();
    if (!engine->Settings)
        return nullptr;
    fluid->fluid_settings_setnum(engine->Settings, "synth.sample-rate", options.SampleRate);
    // FluidSynth's default gain leaves a few instruments very quiet.
    fluid->fluid_settings_setnum(engine->Settings, "synth.gain", 0.5);
    fluid->fluid_settings_setint(engine->Settings, "synth.dynamic-sample-loading", options.DynamicSampleLoading);
    fluid->fluid_settings_setint(engine->Settings, "synth.polyphony", options.Polyphony);
    for (const auto& [name, value] : options.StringSettings)
        if (fluid->fluid_settings_setstr(engine->Settings, name.c_str(), value.c_str()) != FLUID_OK)
            return nullptr;
    engine->Song = std::move(song);
    if (!engine->LoadSoundFont(soundFont, options.SubsetSoundFont, stop) || stop.stop_requested())
        return nullptr;
    fluid->fluid_settings_getnum(engine->Settings, "synth.sample-rate", &engine->SampleRate);

    engine->EventFrames.reserve(engine->Song->Events().size());
    const auto frameOf = [rate = engine->SampleRate](std::int64_t microseconds) {
        return std::int64_t(double(microseconds) * rate / 1e6 + 0.5);
    };
    for (const TMidiEvent& e : engine->Song->Events())
        engine->EventFrames.push_back(frameOf(e.Microseconds));
    engine->EndFrame = frameOf(engine->Song->Duration());

    // The driver's thread starts at once, so everything it reads is set.
    if (options.Output == TAudioOutput::Device && !engine->CreateDriver(options, stop))
        return nullptr;
    return engine;
}

bool TFluidSynthPlayer::TEngine::CreateDriver(const TFluidSynthOptions& options, const std::stop_token& stop)
{
    const std::vector<std::string> drivers = AudioDrivers(options);
    // ALSA prints its own complaints about a missing card; only while
    // probing are they kept quiet.
    if (Fluid.snd_lib_error_set_handler)
        Fluid.snd_lib_error_set_handler(&QuietAlsa);
    for (const std::string& driver : drivers) {
        if (stop.stop_requested())
            break;
        if (Fluid.fluid_settings_setstr(Settings, "audio.driver", driver.c_str()) != FLUID_OK)
            continue;
        Driver = Fluid.new_fluid_audio_driver2(Settings, &TEngine::AudioCallback, this);
        if (Driver)
            break;
    }
    if (Fluid.snd_lib_error_set_handler)
        Fluid.snd_lib_error_set_handler(nullptr);
    return Driver != nullptr;
}

fluid_synth_t* TFluidSynthPlayer::TEngine::NewSynth(const std::string& path, const TSoundFontSubset* subset) const
{
    fluid_synth_t* synth = Fluid.new_fluid_synth(Settings);
    if (!synth)
        return nullptr;
    std::string name = path;
    if (subset) {
        // The synthesizer owns its loaders.
        fluid_sfloader_t* loader = Fluid.new_fluid_defsfloader(Settings);
        if (!loader || Fluid.fluid_sfloader_set_callbacks(loader, &OpenSubset, &ReadSubset, &SeekSubset, &TellSubset,
                                                          &CloseSubset) != FLUID_OK) {
            Fluid.delete_fluid_synth(synth);
            return nullptr;
        }
        Fluid.fluid_synth_add_sfloader(synth, loader);
        name = SubsetName(*subset);
    }
    if (Fluid.fluid_synth_sfload(synth, name.c_str(), 1) == FLUID_FAILED) {
        Fluid.delete_fluid_synth(synth);
        return nullptr;
    }
    return synth;
}

bool TFluidSynthPlayer::TEngine::LoadSoundFont(const std::string& path, bool subset, const std::stop_token& stop)
{
    if (subset) {
        // A synthesizer of the whole soundfont says which presets the song
        // picks, substitutes for missing ones included. Only when a subset
        // of those picks the same is it kept.
        std::vector<TSoundFontSubset::TPresetNumber> picked;
        if (fluid_synth_t* whole = NewSynth(path, nullptr)) {
            picked = SelectSongPresets(whole, false);
            Fluid.delete_fluid_synth(whole);
        }
        if (stop.stop_requested())
            return false;
        if (!picked.empty())
            Subset = TSoundFontSubset::Open(path, {picked.begin(), picked.end()});
        if (Subset && (Synth = NewSynth(path, &*Subset)) && SelectSongPresets(Synth, true) == picked)
            return true;
        if (Synth)
            Fluid.delete_fluid_synth(Synth);
        Synth = nullptr;
        Subset.reset();
    }
    Synth = NewSynth(path, nullptr);
    if (Synth)
        SelectSongPresets(Synth, true);
    return Synth != nullptr;
}

std::vector<TSoundFontSubset::TPresetNumber> TFluidSynthPlayer::TEngine::SelectSongPresets(fluid_synth_t* synth,
                                                                                           bool pin) const
{
    // With samples loaded on demand, a program change loads the samples of
    // its instrument and lets go of the last one's. When pinning, the
    // song's instruments are loaded here and pinned, so that the audio
    // thread never reads the soundfont. The defaults of the channels the
    // song leaves silent are let go. Bank selects count at the next program
    // change, as in play.
    std::vector<TSoundFontSubset::TPresetNumber> presets;
    std::array<bool, Channels> sounding{};
    std::array<bool, Channels> pinned{};
    for (const TMidiEvent& event : Song->Events()) {
        const int channel = event.Status & 0x0F;
        switch (event.Status & 0xF0) {
        case 0xB0:
            if (event.Data1 == 0 || event.Data1 == 32)
                Fluid.fluid_synth_cc(synth, channel, event.Data1, event.Data2);
            break;
        case 0xC0:
            Fluid.fluid_synth_program_change(synth, channel, event.Data1);
            pinned[channel] = false;
            break;
        case 0x90:
            if (event.Data2 && !pinned[channel]) {
                // The preset in use, which is a substitute when the program
                // asked for is missing.
                fluid_preset_t* preset = Fluid.fluid_synth_get_channel_preset(synth, channel);
                const int bank = preset ? Fluid.fluid_preset_get_banknum(preset) : -1;
                const int number = preset ? Fluid.fluid_preset_get_num(preset) : -1;
                presets.emplace_back(bank, number);
                int font = 0, askedBank = 0, askedProgram = 0;
                if (pin && preset &&
                    Fluid.fluid_synth_get_program(synth, channel, &font, &askedBank, &askedProgram) == FLUID_OK)
                    Fluid.fluid_synth_pin_preset(synth, font, bank, number);
                pinned[channel] = true;
            }
            sounding[channel] = sounding[channel] || event.Data2;
            break;
        default: break;
        }
    }
    if (pin)
        for (int channel = 0; channel < Channels; ++channel)
            if (!sounding[channel])
                Fluid.fluid_synth_unset_program(synth, channel);
    return presets;
}

void TFluidSynthPlayer::Close()
{
    CancelOpen();
    FEngine.reset();
    if (FPlayPending)
        EndPlayCommand(TMediaResult::Aborted);
}

void TFluidSynthPlayer::SeekToStart()
{
    if (!FEngine)
        return;
    TEngine& engine = *FEngine;
    const std::lock_guard lock(engine.Lock);
    engine.NextEvent = 0;
    engine.Position = 0;
    // Released rather than cut, so a tail still ringing from the end of the
    // song fades naturally into its beginning.
    engine.Fluid.fluid_synth_all_notes_off(engine.Synth, -1);
    for (int channel = 0; channel < Channels; ++channel)
        engine.Fluid.fluid_synth_cc(engine.Synth, channel, 121, 0);  // reset all controllers
}

void TFluidSynthPlayer::Play()
{
    if (FPlayPending)
        EndPlayCommand(TMediaResult::Superseded);
    if (!FEngine) {
        FPlayPending = true;
        EndPlayCommand(TMediaResult::Failure);
        return;
    }
    {
        const std::lock_guard lock(FEngine->Lock);
        FEngine->Playing = true;
        FEngine->Generation = ++FGeneration;
    }
    FPlayPending = true;
}

void TFluidSynthPlayer::Stop()
{
    if (FEngine) {
        const std::lock_guard lock(FEngine->Lock);
        FEngine->Playing = false;
        FEngine->Fluid.fluid_synth_all_sounds_off(FEngine->Synth, -1);
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

void TFluidSynthPlayer::EndReached(std::uint64_t generation)
{
    // Only when the play command was still waiting for this.
    if (FPlayPending && generation == FGeneration) {
        FPlayPending = false;
        Notify(TMediaResult::Successful);
    }
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
    if (FEngine && FOptions.Output == TAudioOutput::Caller)
        FEngine->Process(left, right, frames);
}

int TFluidSynthPlayer::TEngine::AudioCallback(void* data, int length, int effectCount, float* effects[],
                                              int outputCount, float* outputs[])
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
        static_cast<TEngine*>(data)->Process(outputs[0], outputs[1], length);
    return FLUID_OK;
}

void TFluidSynthPlayer::TEngine::Process(float* left, float* right, int frames)
{
    std::uint64_t endedGeneration = 0;
    {
        const std::lock_guard lock(Lock);
        const auto checkEnd = [&] {
            if (Playing && NextEvent == EventFrames.size() && Position >= EndFrame) {
                Playing = false;
                endedGeneration = Generation;
            }
        };
        int done = 0;
        while (done < frames) {
            int chunk = frames - done;
            if (Playing) {
                const std::vector<TMidiEvent>& events = Song->Events();
                while (NextEvent < events.size() && EventFrames[NextEvent] <= Position)
                    Dispatch(events[NextEvent++]);
                // Rendering stops at the next event, so each sounds on time.
                const std::int64_t next = NextEvent < events.size() ? EventFrames[NextEvent] : EndFrame;
                if (next > Position)
                    chunk = int(std::min<std::int64_t>(chunk, next - Position));
                checkEnd();
            }
            std::array<float*, 2> buffers{left + done, right + done};
            // Dry sound and effects mixed into the same two buffers.
            Fluid.fluid_synth_process(Synth, chunk, 2, buffers.data(), 2, buffers.data());
            if (Playing)
                Position += chunk;
            done += chunk;
        }
        checkEnd();
    }
    // Posted outside the lock; the owner's thread decides whether the play
    // command was still waiting for this.
    if (endedGeneration) {
        TFluidSynthPlayer* owner = &Owner;
        QMetaObject::invokeMethod(
            owner->FNotifier.get(), [owner, endedGeneration] { owner->EndReached(endedGeneration); },
            Qt::QueuedConnection);
    }
}

void TFluidSynthPlayer::TEngine::Dispatch(const TMidiEvent& event)
{
    const int channel = event.Status & 0x0F;
    switch (event.Status & 0xF0) {
    case 0x80: Fluid.fluid_synth_noteoff(Synth, channel, event.Data1); break;
    case 0x90:
        if (event.Data2)
            Fluid.fluid_synth_noteon(Synth, channel, event.Data1, event.Data2);
        else
            Fluid.fluid_synth_noteoff(Synth, channel, event.Data1);
        break;
    case 0xA0: Fluid.fluid_synth_key_pressure(Synth, channel, event.Data1, event.Data2); break;
    case 0xB0: Fluid.fluid_synth_cc(Synth, channel, event.Data1, event.Data2); break;
    case 0xC0: Fluid.fluid_synth_program_change(Synth, channel, event.Data1); break;
    case 0xD0: Fluid.fluid_synth_channel_pressure(Synth, channel, event.Data1); break;
    case 0xE0: Fluid.fluid_synth_pitch_bend(Synth, channel, event.Data1 | (event.Data2 << 7)); break;
    default: break;
    }
}

}  // namespace peglore
