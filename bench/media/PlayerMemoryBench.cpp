// The music player's resident memory with the whole soundfont loaded, with
// only the tune's samples, and as the game opens it (only the tune's
// presets and samples, fewer voices), each measured in a process of its
// own, and the difference between the sound the first and the last make of
// the whole tune.

#include <QCoreApplication>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "platform/media/TFluidSynthPlayer.h"
#include "platform/midi/TMidiFile.h"

using namespace peglore;

namespace {

constexpr double Rate = 44100;
constexpr int Block = 512;

long RssKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

struct TMode {
    const char* Name;
    bool OnDemand;
    bool Subset;
    int Polyphony;
};

const TMode Modes[] = {
    {"the whole soundfont, 256 voices", false, false, 256},
    {"only the tune's samples", true, false, 256},
    {"as the game opens it", true, true, TFluidSynthOptions().Polyphony},
};

TFluidSynthOptions Options(const TMode& mode)
{
    TFluidSynthOptions options;
    options.Output = TAudioOutput::Caller;
    options.SampleRate = Rate;
    options.DynamicSampleLoading = mode.OnDemand;
    options.SubsetSoundFont = mode.Subset;
    options.Polyphony = mode.Polyphony;
    return options;
}

struct TMemory {
    long Opened = 0;  // kiB more than before the open
    long Played = 0;  // kiB more than before the open, after playing the tune
    double OpenMs = 0;  // the open's time
};

// The tune's sound, left and right interleaved; the memory on the way.
std::vector<float> PlayTune(const TMode& mode, TMemory* memory)
{
    const auto tune = TMidiFile::Load(PEGLORE_TUNE);
    const long before = RssKiB();
    TFluidSynthPlayer player(Options(mode));
    player.SetFileName(PEGLORE_TUNE);
    std::vector<float> sound;
    const auto start = std::chrono::steady_clock::now();
    if (!tune || !player.Open())
        return sound;
    if (memory)
        memory->Opened = RssKiB() - before;
    if (memory)
        memory->OpenMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    player.SeekToStart();
    player.Play();
    std::vector<float> left(Block), right(Block);
    const double seconds = double(tune->Duration()) / 1e6;
    for (qint64 frames = 0; frames < qint64(seconds * Rate); frames += Block) {
        player.Render(left.data(), right.data(), Block);
        for (int i = 0; i < Block; ++i) {
            sound.push_back(left[i]);
            sound.push_back(right[i]);
        }
    }
    if (memory)
        memory->Played = RssKiB() - before - long(sound.size() * sizeof(float) / 1024);
    return sound;
}

// In a child process, so that neither mode inherits the other's heap.
TMemory MeasureApart(const TMode& mode, int argc, char** argv)
{
    int fds[2];
    TMemory memory{-1, -1, 0};
    if (pipe(fds) != 0)
        return memory;
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        QCoreApplication application(argc, argv);
        PlayTune(mode, &memory);
        const ssize_t written = write(fds[1], &memory, sizeof memory);
        _exit(written == sizeof memory ? 0 : 1);
    }
    close(fds[1]);
    if (read(fds[0], &memory, sizeof memory) != sizeof memory)
        memory = {-1, -1, 0};
    close(fds[0]);
    waitpid(child, nullptr, 0);
    return memory;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<TMemory> memory;
    for (const TMode& mode : Modes)
        memory.push_back(MeasureApart(mode, argc, argv));

    QCoreApplication application(argc, argv);
    const std::vector<float> a = PlayTune(Modes[0], nullptr);
    const std::vector<float> b = PlayTune(Modes[std::size(Modes) - 1], nullptr);
    if (a.empty() || a.size() != b.size()) {
        std::fprintf(stderr, "the tune could not be played\n");
        return 1;
    }
    double signal = 0, difference = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        signal += double(a[i]) * a[i];
        difference += double(b[i] - a[i]) * (b[i] - a[i]);
    }
    const double signalRms = std::sqrt(signal / double(a.size()));
    const double differenceRms = std::sqrt(difference / double(a.size()));

    std::printf("resident memory added by the player (MiB)   opened   after the tune   open (ms)\n");
    for (std::size_t i = 0; i < memory.size(); ++i)
        std::printf("%-40s %7.1f  %7.1f  %14.1f\n", Modes[i].Name, memory[i].Opened / 1024.0, memory[i].Played / 1024.0,
                    memory[i].OpenMs);
    std::printf("sound of the whole tune, first against last: rms %.5f, difference rms %.3g (%.1f dB below)\n",
                signalRms, differenceRms, differenceRms > 0 ? 20 * std::log10(signalRms / differenceRms) : INFINITY);
    return 0;
}
