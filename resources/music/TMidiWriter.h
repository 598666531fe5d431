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
    explicit TMidiWriter(int TicksPerQuarter);

    // Returns the new track's index; the name goes into a track name event.
    int AddTrack(const std::string& Name);
    void Meta(int Track, std::uint32_t Tick, std::uint8_t Type, const std::string& Data);
    void Tempo(int Track, std::uint32_t Tick, std::uint32_t MicrosecondsPerQuarter);
    void Controller(int Track, int Channel, std::uint32_t Tick, int Number, int Value);
    void Program(int Track, int Channel, std::uint32_t Tick, int Program);
    void Note(int Track, int Channel, std::uint32_t Start, std::uint32_t Length, int Key, int Velocity);

    // Every track ends at Tick, which must not lie before any of its events.
    std::string Bytes(std::uint32_t EndTick) const;

private:
    struct TEvent {
        std::uint32_t Tick;
        int Rank;  // order among events of one tick
        std::string Data;  // status byte (0xFF for meta) and what follows it
    };
    void Add(int Track, std::uint32_t Tick, int Rank, std::string Data);

    int FTicksPerQuarter;
    std::vector<std::vector<TEvent>> FTracks;
};

}  // namespace peglore
