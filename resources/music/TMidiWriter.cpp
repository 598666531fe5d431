#include "resources/music/TMidiWriter.h"

#include <algorithm>
#include <stdexcept>

namespace peglore {

namespace {

enum TRank { MetaRank, ControlRank, NoteOffRank, NoteOnRank };

std::string VariableLength(std::uint32_t Value)
{
    std::string bytes(1, char(Value & 0x7F));
    while (Value >>= 7)
        bytes.insert(bytes.begin(), char(0x80 | (Value & 0x7F)));
    return bytes;
}

std::string BigEndian(std::uint32_t Value, int Count)
{
    std::string bytes;
    for (int shift = 8 * (Count - 1); shift >= 0; shift -= 8)
        bytes += char((Value >> shift) & 0xFF);
    return bytes;
}

std::string ChannelMessage(int Kind, int Channel, int Data1, int Data2)
{
    if (Channel < 0 || Channel > 15 || Data1 < 0 || Data1 > 127 || Data2 < 0 || Data2 > 127)
        throw std::out_of_range("MIDI value out of range");
    std::string bytes{char(Kind | Channel), char(Data1)};
    if (Kind != 0xC0 && Kind != 0xD0)
        bytes += char(Data2);
    return bytes;
}

}  // namespace

TMidiWriter::TMidiWriter(int TicksPerQuarter) : FTicksPerQuarter(TicksPerQuarter) {}

int TMidiWriter::AddTrack(const std::string& Name)
{
    FTracks.emplace_back();
    const int track = int(FTracks.size()) - 1;
    Meta(track, 0, 0x03, Name);
    return track;
}

void TMidiWriter::Add(int Track, std::uint32_t Tick, int Rank, std::string Data)
{
    FTracks.at(std::size_t(Track)).push_back({Tick, Rank, std::move(Data)});
}

void TMidiWriter::Meta(int Track, std::uint32_t Tick, std::uint8_t Type, const std::string& Data)
{
    Add(Track, Tick, MetaRank, std::string{char(0xFF), char(Type)} + VariableLength(std::uint32_t(Data.size())) + Data);
}

void TMidiWriter::Tempo(int Track, std::uint32_t Tick, std::uint32_t MicrosecondsPerQuarter)
{
    Meta(Track, Tick, 0x51, BigEndian(MicrosecondsPerQuarter, 3));
}

void TMidiWriter::Controller(int Track, int Channel, std::uint32_t Tick, int Number, int Value)
{
    Add(Track, Tick, ControlRank, ChannelMessage(0xB0, Channel, Number, Value));
}

void TMidiWriter::Program(int Track, int Channel, std::uint32_t Tick, int Program)
{
    Add(Track, Tick, ControlRank, ChannelMessage(0xC0, Channel, Program, 0));
}

void TMidiWriter::Note(int Track, int Channel, std::uint32_t Start, std::uint32_t Length, int Key, int Velocity)
{
    if (Length == 0 || Velocity < 1)
        throw std::out_of_range("empty note");
    Add(Track, Start, NoteOnRank, ChannelMessage(0x90, Channel, Key, Velocity));
    Add(Track, Start + Length, NoteOffRank, ChannelMessage(0x80, Channel, Key, 64));
}

std::string TMidiWriter::Bytes(std::uint32_t EndTick) const
{
    std::string file = "MThd" + BigEndian(6, 4) + BigEndian(1, 2) + BigEndian(std::uint32_t(FTracks.size()), 2)
                       + BigEndian(std::uint32_t(FTicksPerQuarter), 2);
    for (std::vector<TEvent> events : FTracks) {
        std::stable_sort(events.begin(), events.end(), [](const TEvent& a, const TEvent& b) {
            return a.Tick != b.Tick ? a.Tick < b.Tick : a.Rank < b.Rank;
        });
        std::string body;
        std::uint32_t tick = 0;
        char running = 0;
        for (const TEvent& e : events) {
            if (e.Tick > EndTick)
                throw std::out_of_range("event after the end of the track");
            body += VariableLength(e.Tick - tick);
            tick = e.Tick;
            // Running status: a repeated status byte is left out; meta events
            // break the run.
            const bool channel = e.Data[0] != char(0xFF);
            body += channel && e.Data[0] == running ? e.Data.substr(1) : e.Data;
            running = channel ? e.Data[0] : 0;
        }
        body += VariableLength(EndTick - tick) + std::string{char(0xFF), char(0x2F), char(0)};
        file += "MTrk" + BigEndian(std::uint32_t(body.size()), 4) + body;
    }
    return file;
}

}  // namespace peglore
