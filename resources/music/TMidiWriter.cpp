#include "resources/music/TMidiWriter.h"

#include <algorithm>
#include <stdexcept>

namespace peglore {

namespace {

enum TRank { MetaRank, ControlRank, NoteOffRank, NoteOnRank };

std::string VariableLength(std::uint32_t value)
{
    std::string bytes(1, char(value & 0x7F));
    while (value >>= 7)
        bytes.insert(bytes.begin(), char(0x80 | (value & 0x7F)));
    return bytes;
}

std::string BigEndian(std::uint32_t value, int count)
{
    std::string bytes;
    for (int shift = 8 * (count - 1); shift >= 0; shift -= 8)
        bytes += char((value >> shift) & 0xFF);
    return bytes;
}

std::string ChannelMessage(int kind, int channel, int data1, int data2)
{
    if (channel < 0 || channel > 15 || data1 < 0 || data1 > 127 || data2 < 0 || data2 > 127)
        throw std::out_of_range("MIDI value out of range");
    std::string bytes{char(kind | channel), char(data1)};
    if (kind != 0xC0 && kind != 0xD0)
        bytes += char(data2);
    return bytes;
}

}  // namespace

TMidiWriter::TMidiWriter(int ticksPerQuarter) : FTicksPerQuarter(ticksPerQuarter) {}

int TMidiWriter::AddTrack(const std::string& name)
{
    FTracks.emplace_back();
    const int track = int(FTracks.size()) - 1;
    Meta(track, 0, 0x03, name);
    return track;
}

void TMidiWriter::Add(int track, std::uint32_t tick, int rank, std::string data)
{
    FTracks.at(std::size_t(track)).push_back({tick, rank, std::move(data)});
}

void TMidiWriter::Meta(int track, std::uint32_t tick, std::uint8_t type, const std::string& data)
{
    Add(track, tick, MetaRank, std::string{char(0xFF), char(type)} + VariableLength(std::uint32_t(data.size())) + data);
}

void TMidiWriter::Tempo(int track, std::uint32_t tick, std::uint32_t microsecondsPerQuarter)
{
    Meta(track, tick, 0x51, BigEndian(microsecondsPerQuarter, 3));
}

void TMidiWriter::Controller(int track, int channel, std::uint32_t tick, int number, int value)
{
    Add(track, tick, ControlRank, ChannelMessage(0xB0, channel, number, value));
}

void TMidiWriter::Program(int track, int channel, std::uint32_t tick, int program)
{
    Add(track, tick, ControlRank, ChannelMessage(0xC0, channel, program, 0));
}

void TMidiWriter::Note(int track, int channel, std::uint32_t start, std::uint32_t length, int key, int velocity)
{
    if (length == 0 || velocity < 1)
        throw std::out_of_range("empty note");
    Add(track, start, NoteOnRank, ChannelMessage(0x90, channel, key, velocity));
    Add(track, start + length, NoteOffRank, ChannelMessage(0x80, channel, key, 64));
}

std::string TMidiWriter::Bytes(std::uint32_t endTick) const
{
    std::string file = "MThd" + BigEndian(6, 4) + BigEndian(1, 2) + BigEndian(std::uint32_t(FTracks.size()), 2) +
                       BigEndian(std::uint32_t(FTicksPerQuarter), 2);
    for (std::vector<TEvent> events : FTracks) {
        std::stable_sort(events.begin(), events.end(), [](const TEvent& a, const TEvent& b) {
            return a.Tick != b.Tick ? a.Tick < b.Tick : a.Rank < b.Rank;
        });
        std::string body;
        std::uint32_t tick = 0;
        char running = 0;
        for (const TEvent& e : events) {
            if (e.Tick > endTick)
                throw std::out_of_range("event after the end of the track");
            body += VariableLength(e.Tick - tick);
            tick = e.Tick;
            // Running status: a repeated status byte is left out; meta events
            // break the run.
            const bool channel = e.Data[0] != char(0xFF);
            body += channel && e.Data[0] == running ? e.Data.substr(1) : e.Data;
            running = channel ? e.Data[0] : 0;
        }
        body += VariableLength(endTick - tick) + std::string{char(0xFF), char(0x2F), char(0)};
        file += "MTrk" + BigEndian(std::uint32_t(body.size()), 4) + body;
    }
    return file;
}

}  // namespace peglore
