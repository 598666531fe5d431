#include "platform/midi/TMidiFile.h"

#include "platform/files/TReadOnlyFile.h"

#include <algorithm>

namespace peglore {

namespace {

constexpr std::uint32_t DefaultTempo = 500000;  // microseconds per quarter note, 120 beats a minute
// Past this many ticks no file can stay within MaxDuration, and sums of
// tick counts stay far from overflowing.
constexpr std::uint64_t MaxTicks = std::uint64_t(1) << 48;

struct TTempoChange {
    std::uint64_t Tick;
    std::uint32_t MicrosecondsPerQuarter;
};

// Bounds-checked big-endian reading over the file's bytes.
class TByteReader {
public:
    TByteReader(std::string_view bytes, std::size_t begin, std::size_t end) : FBytes(bytes), FPos(begin), FEnd(end) {}

    bool AtEnd() const { return FPos >= FEnd; }
    std::size_t Position() const { return FPos; }
    std::size_t Left() const { return FEnd - FPos; }

    bool Byte(std::uint8_t& value)
    {
        if (FPos >= FEnd)
            return false;
        value = std::uint8_t(FBytes[FPos++]);
        return true;
    }
    bool Peek(std::uint8_t& value) const
    {
        if (FPos >= FEnd)
            return false;
        value = std::uint8_t(FBytes[FPos]);
        return true;
    }
    bool BigEndian(int count, std::uint32_t& value)
    {
        value = 0;
        for (int i = 0; i < count; ++i) {
            std::uint8_t b = 0;
            if (!Byte(b))
                return false;
            value = (value << 8) | b;
        }
        return true;
    }
    // A variable-length quantity: at most four bytes of seven bits each.
    bool VariableLength(std::uint32_t& value)
    {
        value = 0;
        for (int i = 0; i < 4; ++i) {
            std::uint8_t b = 0;
            if (!Byte(b))
                return false;
            value = (value << 7) | (b & 0x7F);
            if (!(b & 0x80))
                return true;
        }
        return false;
    }
    bool Skip(std::size_t count)
    {
        if (count > Left())
            return false;
        FPos += count;
        return true;
    }
    bool Tag(std::string_view expected)
    {
        if (Left() < expected.size() || FBytes.substr(FPos, expected.size()) != expected)
            return false;
        FPos += expected.size();
        return true;
    }

private:
    std::string_view FBytes;
    std::size_t FPos;
    std::size_t FEnd;
};

struct TTrackEvent {
    std::uint64_t Tick;
    TMidiEvent Event;
};

// Reads one MTrk chunk's body; the tick of its end goes to endTick.
bool ReadTrack(TByteReader& track, std::vector<TTrackEvent>& events, std::vector<TTempoChange>& tempos,
               std::uint64_t& endTick)
{
    std::uint64_t tick = 0;
    std::uint8_t running = 0;
    while (!track.AtEnd()) {
        std::uint32_t delta = 0;
        if (!track.VariableLength(delta))
            return false;
        tick += delta;
        if (tick > MaxTicks)
            return false;
        std::uint8_t status = 0;
        if (!track.Peek(status))
            return false;
        if (status < 0x80) {
            if (!running)
                return false;
            status = running;
        } else {
            track.Byte(status);
        }

        if (status < 0xF0) {
            running = status;
            const std::uint8_t kind = status & 0xF0;
            const int dataBytes = kind == 0xC0 || kind == 0xD0 ? 1 : 2;
            std::uint8_t data[2] = {0, 0};
            for (int i = 0; i < dataBytes; ++i)
                if (!track.Byte(data[i]) || data[i] >= 0x80)
                    return false;
            events.push_back({tick, {0, status, data[0], data[1]}});
        } else if (status == 0xF0 || status == 0xF7) {
            running = 0;
            std::uint32_t length = 0;
            if (!track.VariableLength(length) || !track.Skip(length))
                return false;
        } else if (status == 0xFF) {
            running = 0;
            std::uint8_t type = 0;
            std::uint32_t length = 0;
            if (!track.Byte(type) || !track.VariableLength(length) || length > track.Left())
                return false;
            if (type == 0x2F)
                break;
            if (type == 0x51 && length == 3) {
                std::uint32_t tempo = 0;
                track.BigEndian(3, tempo);
                // A tempo of zero would stop time; such a change is ignored.
                if (tempo > 0)
                    tempos.push_back({tick, tempo});
            } else {
                track.Skip(length);
            }
        } else {
            // System common and real-time messages have no place in a file.
            return false;
        }
    }
    endTick = tick;
    return true;
}

}  // namespace

std::optional<TMidiFile> TMidiFile::Parse(std::string_view bytes)
{
    TByteReader file(bytes, 0, bytes.size());
    std::uint32_t headerLength = 0, format = 0, trackCount = 0, division = 0;
    if (!file.Tag("MThd") || !file.BigEndian(4, headerLength) || headerLength < 6 || headerLength > file.Left())
        return std::nullopt;
    const std::size_t headerEnd = file.Position() + headerLength;
    file.BigEndian(2, format);
    file.BigEndian(2, trackCount);
    file.BigEndian(2, division);
    // Format 2 holds independent sequences, and SMPTE time counts frames;
    // neither is background music this player needs.
    if (format > 1 || trackCount == 0 || division == 0 || (division & 0x8000))
        return std::nullopt;
    file.Skip(headerEnd - file.Position());

    std::vector<TTrackEvent> events;
    std::vector<TTempoChange> tempos;
    std::uint64_t endTick = 0;
    int tracks = 0;
    while (file.Left() >= 8) {
        const bool isTrack = file.Tag("MTrk");
        if (!isTrack)
            file.Skip(4);
        std::uint32_t length = 0;
        file.BigEndian(4, length);
        if (length > file.Left())
            return std::nullopt;
        if (isTrack) {
            TByteReader track(bytes, file.Position(), file.Position() + length);
            std::uint64_t trackEnd = 0;
            if (!ReadTrack(track, events, tempos, trackEnd))
                return std::nullopt;
            endTick = std::max(endTick, trackEnd);
            ++tracks;
        }
        file.Skip(length);
    }
    if (tracks == 0)
        return std::nullopt;

    // Tracks are read one after another; a stable sort keeps their order
    // for messages at the same tick.
    const auto byTick = [](const auto& a, const auto& b) { return a.Tick < b.Tick; };
    std::stable_sort(events.begin(), events.end(), byTick);
    std::stable_sort(tempos.begin(), tempos.end(), byTick);

    // Walks the tempo map: time of the last change plus the ticks since it
    // at its tempo. Doubles hold the products that 64-bit integers could not.
    double segmentStart = 0;
    std::uint64_t segmentTick = 0;
    std::uint32_t tempo = DefaultTempo;
    std::size_t nextTempo = 0;
    const auto timeOf = [&](std::uint64_t tick) {
        while (nextTempo < tempos.size() && tempos[nextTempo].Tick <= tick) {
            segmentStart += double(tempos[nextTempo].Tick - segmentTick) * tempo / division;
            segmentTick = tempos[nextTempo].Tick;
            tempo = tempos[nextTempo].MicrosecondsPerQuarter;
            ++nextTempo;
        }
        return segmentStart + double(tick - segmentTick) * tempo / division;
    };

    TMidiFile result;
    const double duration = timeOf(endTick);
    if (!(duration <= double(MaxDuration)))
        return std::nullopt;
    // Every event lies at or before the end, so its time is within bounds.
    nextTempo = 0;
    segmentStart = 0;
    segmentTick = 0;
    tempo = DefaultTempo;
    result.FEvents.reserve(events.size());
    for (TTrackEvent& e : events) {
        e.Event.Microseconds = std::int64_t(timeOf(e.Tick) + 0.5);
        result.FEvents.push_back(e.Event);
    }
    result.FDuration = std::int64_t(duration + 0.5);
    return result;
}

std::optional<TMidiFile> TMidiFile::Load(const std::string& path)
{
    const TFileContents contents = ReadFileContents(path, MaxFileSize);
    if (contents.Error != TFileError::None)
        return std::nullopt;
    return Parse(contents.Bytes);
}

bool TMidiFile::HasNotes() const
{
    return std::any_of(FEvents.begin(), FEvents.end(),
                       [](const TMidiEvent& e) { return (e.Status & 0xF0) == 0x90 && e.Data2 > 0; });
}

}  // namespace peglore
