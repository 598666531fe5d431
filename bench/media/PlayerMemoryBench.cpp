// The music player's resident memory with every sample of the soundfont
// loaded and with only the tune's instruments, each measured in a process
// of its own, and the difference between the sound the two make of the
// whole tune.

#include <QCoreApplication>

#include <sys/wait.h>
#include <unistd.h>

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

TFluidSynthOptions Options(bool onDemand)
{
    TFluidSynthOptions options;
    options.Output = TAudioOutput::Caller;
    options.SampleRate = Rate;
    options.DynamicSampleLoading = onDemand;
    return options;
}

struct TMemory {
    long Opened = 0;  // kiB more than before the open
    long Played = 0;  // kiB more than before the open, after playing the tune
};

// The tune's sound, left and right interleaved; the memory on the way.
std::vector<float> PlayTune(bool onDemand, TMemory* memory)
{
    const auto tune = TMidiFile::Load(PEGLORE_TUNE);
    const long before = RssKiB();
    TFluidSynthPlayer player(Options(onDemand));
    player.SetFileName(PEGLORE_TUNE);
    std::vector<float> sound;
    if (!tune || !player.Open())
        return sound;
    if (memory)
        memory->Opened = RssKiB() - before;
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
TMemory MeasureApart(bool onDemand, int argc, char** argv)
{
    int fds[2];
    TMemory memory{-1, -1};
    if (pipe(fds) != 0)
        return memory;
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        QCoreApplication application(argc, argv);
        PlayTune(onDemand, &memory);
        const ssize_t written = write(fds[1], &memory, sizeof memory);
        _exit(written == sizeof memory ? 0 : 1);
    }
    close(fds[1]);
    if (read(fds[0], &memory, sizeof memory) != sizeof memory)
        memory = {-1, -1};
    close(fds[0]);
    waitpid(child, nullptr, 0);
    return memory;
}

}  // namespace

int main(int argc, char** argv)
{
    const TMemory everything = MeasureApart(false, argc, argv);
    const TMemory onDemand = MeasureApart(true, argc, argv);

    QCoreApplication application(argc, argv);
    const std::vector<float> a = PlayTune(false, nullptr);
    const std::vector<float> b = PlayTune(true, nullptr);
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

    std::printf("resident memory added by the player (MiB)   opened   after the tune\n");
    std::printf("every sample of the soundfont              %7.1f  %7.1f\n", everything.Opened / 1024.0,
                everything.Played / 1024.0);
    std::printf("only the tune's instruments                 %7.1f  %7.1f\n", onDemand.Opened / 1024.0,
                onDemand.Played / 1024.0);
    std::printf("sound of the whole tune: rms %.5f, difference rms %.3g (%.1f dB below)\n", signalRms, differenceRms,
                differenceRms > 0 ? 20 * std::log10(signalRms / differenceRms) : INFINITY);
    return 0;
}
