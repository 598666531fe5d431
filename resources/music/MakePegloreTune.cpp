// Writes "Peglore.mid", the game's background music: a gentle tune in
// F major, A-B-A, for flute, oboe, harp, strings and bass (General MIDI),
// about two minutes long. It ends on the dominant so that it leads back
// into its own beginning when played in a loop.
//
// Usage: MakePegloreTune OUTPUT

#include "resources/music/TMidiWriter.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

using peglore::TMidiWriter;

namespace {

constexpr int Quarter = 480;
constexpr int Eighth = Quarter / 2;
constexpr int Bar = 4 * Quarter;
constexpr int BeatsPerMinute = 108;
// Intro 2, A 16, B 16, A 16, outro 2.
constexpr int TotalBars = 52;
constexpr int End = TotalBars * Bar;

// General MIDI programs, counted from 0.
constexpr int Flute = 73;
constexpr int Oboe = 68;
constexpr int OrchestralHarp = 46;
constexpr int SlowStrings = 49;
constexpr int AcousticBass = 32;

// "A4" is 69, "C#5" 73, "Bb4" 70; "-" is a rest.
int Key(const std::string& name)
{
    static const std::map<char, int> steps{{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5}, {'G', 7}, {'A', 9}, {'B', 11}};
    std::size_t i = 1;
    int key = steps.at(name.at(0));
    if (name.at(i) == '#')
        ++key, ++i;
    else if (name.at(i) == 'b')
        --key, ++i;
    return key + 12 * (std::stoi(name.substr(i)) + 1);
}

struct TChord {
    int Root;  // pitch class
    std::vector<int> Intervals;  // above the root, the root included
};

const std::map<std::string, TChord>& Chords()
{
    static const std::map<std::string, TChord> chords{
        {"F", {5, {0, 4, 7}}},  {"Dm", {2, {0, 3, 7}}},  {"Gm", {7, {0, 3, 7}}}, {"C", {0, {0, 4, 7}}},
        {"Am", {9, {0, 3, 7}}}, {"Bb", {10, {0, 4, 7}}}, {"A", {9, {0, 4, 7}}},  {"C7", {0, {0, 4, 7, 10}}},
    };
    return chords;
}

// One or two chords a bar, each for an equal share of it.
using TBarChords = std::vector<std::string>;
// A bar of melody: key names with their lengths in eighths, eight in all.
using TMelodyBar = std::vector<std::pair<std::string, int>>;

const std::vector<TBarChords> IntroChords{{"F"}, {"F"}};
const std::vector<TBarChords> AChords{
    {"F"},  {"Dm"}, {"Gm"}, {"C"}, {"F"},  {"Am"}, {"Bb", "C"}, {"F"},
    {"Dm"}, {"Am"}, {"Bb"}, {"F"}, {"Gm"}, {"C"},  {"F"},       {"F"},
};
const std::vector<TBarChords> BChords{
    {"Dm"}, {"Bb"}, {"F"},  {"C"},  {"Dm"}, {"Bb"}, {"Gm"}, {"A"},
    {"Bb"}, {"C"},  {"Am"}, {"Dm"}, {"Gm"}, {"Bb"}, {"C"},  {"C7"},
};
const std::vector<TBarChords> OutroChords{{"Bb"}, {"C7"}};

const std::vector<TMelodyBar> AMelody{
    {{"A4", 2}, {"C5", 2}, {"F5", 3}, {"E5", 1}},
    {{"D5", 2}, {"C5", 2}, {"A4", 4}},
    {{"Bb4", 2}, {"D5", 2}, {"G5", 2}, {"F5", 1}, {"E5", 1}},
    {{"E5", 4}, {"D5", 2}, {"C5", 2}},
    {{"A4", 2}, {"C5", 2}, {"F5", 2}, {"A5", 2}},
    {{"G5", 3}, {"F5", 1}, {"E5", 2}, {"C5", 2}},
    {{"D5", 2}, {"F5", 2}, {"E5", 2}, {"G5", 2}},
    {{"F5", 8}},
    {{"F5", 2}, {"E5", 2}, {"D5", 2}, {"A4", 2}},
    {{"E5", 3}, {"D5", 1}, {"C5", 4}},
    {{"D5", 2}, {"F5", 2}, {"Bb5", 3}, {"A5", 1}},
    {{"A5", 4}, {"F5", 4}},
    {{"G5", 2}, {"Bb5", 2}, {"A5", 2}, {"G5", 2}},
    {{"E5", 3}, {"F5", 1}, {"G5", 4}},
    {{"A5", 2}, {"G5", 2}, {"F5", 2}, {"C5", 2}},
    {{"F5", 6}, {"-", 2}},
};
const std::vector<TMelodyBar> BMelody{
    {{"D5", 4}, {"E5", 2}, {"F5", 2}},
    {{"D5", 6}, {"Bb4", 2}},
    {{"C5", 2}, {"F5", 2}, {"A5", 2}, {"G5", 2}},
    {{"G5", 4}, {"E5", 4}},
    {{"F5", 4}, {"E5", 2}, {"D5", 2}},
    {{"F5", 3}, {"E5", 1}, {"D5", 4}},
    {{"Bb4", 2}, {"D5", 2}, {"G5", 2}, {"F5", 2}},
    {{"E5", 6}, {"C#5", 2}},
    {{"D5", 2}, {"F5", 2}, {"Bb5", 4}},
    {{"A5", 2}, {"G5", 2}, {"E5", 4}},
    {{"C5", 2}, {"E5", 2}, {"A5", 2}, {"G5", 2}},
    {{"F5", 6}, {"D5", 2}},
    {{"D5", 2}, {"G5", 2}, {"Bb5", 2}, {"A5", 2}},
    {{"G5", 4}, {"F5", 4}},
    {{"E5", 2}, {"F5", 2}, {"G5", 2}, {"Bb5", 2}},
    {{"G5", 4}, {"E5", 2}, {"C5", 2}},
};
// The oboe's hand-over back to the beginning: the seventh of the last
// chord falls to the third of the first.
const std::vector<TMelodyBar> OutroMelody{
    {{"D5", 4}, {"C5", 4}},
    {{"Bb4", 4}, {"-", 4}},
};

// The key a diatonic third below Key in F major, for the oboe's second
// voice under the flute in the return of A.
int ThirdBelow(int key)
{
    static const std::vector<int> scale{0, 2, 4, 5, 7, 9, 11};  // F G A Bb C D E
    const int degreeKey = key - 5;
    const int octave = degreeKey >= 0 ? degreeKey / 12 : -((11 - degreeKey) / 12);
    const int pitch = degreeKey - 12 * octave;
    for (int i = 0; i < 7; ++i)
        if (scale[std::size_t(i)] == pitch) {
            const int j = i - 2;
            return 5 + 12 * (octave + (j < 0 ? -1 : 0)) + scale[std::size_t((j + 7) % 7)];
        }
    throw std::logic_error("not in F major");
}

class TTune {
public:
    TTune() : FMidi(Quarter)
    {
        FConductor = FMidi.AddTrack("Peglore");
        FMidi.Meta(FConductor, 0, 0x58, std::string{4, 2, 24, 8});  // 4/4
        FMidi.Meta(FConductor, 0, 0x59, std::string{char(-1), 0});  // F major
        FMidi.Tempo(FConductor, 0, std::uint32_t(60000000 / BeatsPerMinute + 0.5));
        FFlute = Part("Flute", 0, Flute, 100, 74, 0);
        FOboe = Part("Oboe", 1, Oboe, 90, 52, 0);
        FHarp = Part("Harp", 2, OrchestralHarp, 92, 40, 0);
        FStrings = Part("Strings", 3, SlowStrings, 82, 88, 40);
        FBass = Part("Bass", 4, AcousticBass, 100, 64, 0);
    }

    void Compose()
    {
        Section(IntroChords, 44);
        const int a = FBar;
        Section(AChords, 50);
        Melody(FFlute, a, AMelody, 84, false);
        const int b = FBar;
        Section(BChords, 58);
        Melody(FOboe, b, BMelody, 88, false);
        const int a2 = FBar;
        Section(AChords, 54);
        std::vector<TMelodyBar> ending = AMelody;
        ending.back() = {{"F5", 8}};
        Melody(FFlute, a2, ending, 86, false);
        // The second voice comes to rest on the third of the last chord.
        Melody(FOboe, a2, {AMelody.begin(), AMelody.end() - 1}, 62, true);
        Melody(FOboe, a2 + 15, {{{"A4", 8}}}, 62, false);
        const int outro = FBar;
        Section(OutroChords, 46);
        Melody(FOboe, outro, OutroMelody, 72, false);
        if (FBar != TotalBars)
            throw std::logic_error("the sections do not add up to the length of the tune");
    }

    std::string Bytes() const { return FMidi.Bytes(std::uint32_t(End)); }

private:
    struct TPart {
        int Track;
        int Channel;
    };

    TPart Part(const std::string& name, int channel, int program, int volume, int pan, int chorus)
    {
        const TPart part{FMidi.AddTrack(name), channel};
        FMidi.Program(part.Track, channel, 0, program);
        FMidi.Controller(part.Track, channel, 0, 7, volume);
        FMidi.Controller(part.Track, channel, 0, 10, pan);
        FMidi.Controller(part.Track, channel, 0, 91, 56);
        FMidi.Controller(part.Track, channel, 0, 93, chorus);
        return part;
    }

    // Notes that would ring past the end are cut at it.
    void Note(const TPart& part, int start, int length, int key, int velocity)
    {
        length = std::min(length, End - start);
        FMidi.Note(part.Track, part.Channel, std::uint32_t(start), std::uint32_t(length), key, velocity);
    }

    // Harp, strings and bass under the chords of each bar; loudness is the
    // strings' velocity, the others follow it.
    void Section(const std::vector<TBarChords>& bars, int loudness)
    {
        for (const TBarChords& chords : bars) {
            const int share = Bar / int(chords.size());
            for (std::size_t c = 0; c < chords.size(); ++c) {
                const TChord& chord = Chords().at(chords[c]);
                const int start = FBar * Bar + int(c) * share;
                Harp(chord, start, share, loudness + 8);
                Strings(chord, start, share, loudness);
                Bass(chord, start, share, loudness + 26);
            }
            ++FBar;
        }
    }

    // Rising and falling broken chord in eighths, each note ringing on
    // under the next ones.
    void Harp(const TChord& chord, int start, int length, int velocity)
    {
        const int root = 48 + chord.Root;
        const int third = chord.Intervals[1];
        const int top = chord.Intervals.size() > 3 ? chord.Intervals[3] : 12;
        const std::vector<int> full{0, 7, top, 12 + third, 19, 12 + third, top, 7};
        const std::vector<int> half{0, 7, top, 12 + third};
        const std::vector<int>& steps = length == Bar ? full : half;
        for (std::size_t i = 0; i < steps.size(); ++i) {
            const int at = start + int(i) * Eighth;
            // Rings for three eighths, but is released before its key is
            // struck again, and at the change of chord.
            int ring = 3;
            for (std::size_t j = i + 1; j < steps.size(); ++j)
                if (steps[j] == steps[i]) {
                    ring = std::min(ring, int(j - i));
                    break;
                }
            const int accent = i == 0 ? 8 : (i % 2 ? -4 : 0);
            Note(FHarp, at, std::min(ring * Eighth, start + length - at), root + steps[i], velocity + accent);
        }
    }

    // The chord's tones between F3 and G4, held.
    void Strings(const TChord& chord, int start, int length, int velocity)
    {
        for (int key = 53; key <= 67; ++key)
            for (int interval : chord.Intervals)
                if ((key - chord.Root - interval) % 12 == 0)
                    Note(FStrings, start, length - 10, key, velocity);
    }

    // Root on the beat, the fifth before the next chord.
    void Bass(const TChord& chord, int start, int length, int velocity)
    {
        const int root = 36 + chord.Root;
        const int fifth = root + 7 > 47 ? root - 5 : root + 7;
        if (length == Bar) {
            Note(FBass, start, 5 * Eighth, root, velocity);
            Note(FBass, start + 6 * Eighth, 2 * Eighth - 20, fifth, velocity - 12);
        } else {
            Note(FBass, start, length - 20, root, velocity);
        }
    }

    // secondVoice plays each note a third lower.
    void Melody(const TPart& part, int firstBar, const std::vector<TMelodyBar>& bars, int velocity, bool secondVoice)
    {
        for (std::size_t b = 0; b < bars.size(); ++b) {
            int at = (firstBar + int(b)) * Bar;
            int eighths = 0;
            for (const auto& [name, length] : bars[b]) {
                if (name != "-") {
                    const int key = secondVoice ? ThirdBelow(Key(name)) : Key(name);
                    const int accent = eighths == 0 ? 6 : (eighths == 4 ? 3 : 0);
                    // A short breath between notes; the melody is not slurred.
                    Note(part, at, length * Eighth - 24, key, velocity + accent);
                }
                at += length * Eighth;
                eighths += length;
            }
            if (eighths != 8)
                throw std::logic_error("bar " + std::to_string(firstBar + int(b) + 1) + " is not eight eighths long");
        }
    }

    TMidiWriter FMidi;
    int FConductor = 0;
    TPart FFlute{}, FOboe{}, FHarp{}, FStrings{}, FBass{};
    int FBar = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: MakePegloreTune OUTPUT\n";
        return 2;
    }
    try {
        TTune tune;
        tune.Compose();
        const std::string bytes = tune.Bytes();
        std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), std::streamsize(bytes.size()));
        out.close();
        if (!out) {
            std::cerr << "MakePegloreTune: cannot write " << argv[1] << "\n";
            return 1;
        }
    } catch (const std::exception& error) {
        std::cerr << "MakePegloreTune: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
