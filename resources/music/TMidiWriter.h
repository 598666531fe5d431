#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace peglore {

// Builds a format 1 standard MIDI file in memory, track by track. Events
// may be added in any order; each track is written in time order, with
// meta events before controller and program changes, and those before the
// note-offs and note-ons of the same tick, so that a note repeated on the
// same key is released before it is struck again.
class TMidiWriter {
public:
    explicit TMidiWriter(int ticksPerQuarter);

    // Returns the new track's index; the name goes into a track name event.
    int AddTrack(const std::string& name);
    void Meta(int track, std::uint32_t tick, std::uint8_t type, const std::string& data);
    void Tempo(int track, std::uint32_t tick, std::uint32_t microsecondsPerQuarter);
    void Controller(int track, int channel, std::uint32_t tick, int number, int value);
    void Program(int track, int channel, std::uint32_t tick, int program);
    void Note(int track, int channel, std::uint32_t start, std::uint32_t length, int key, int velocity);

    // Every track ends at Tick, which must not lie before any of its events.
    std::string Bytes(std::uint32_t endTick) const;

private:
    struct TEvent {
        std::uint32_t Tick;
        int Rank;  // order among events of one tick
        std::string Data;  // status byte (0xFF for meta) and what follows it
    };
    void Add(int track, std::uint32_t tick, int rank, std::string data);

    int FTicksPerQuarter;
    std::vector<std::vector<TEvent>> FTracks;
};

}  // namespace peglore
