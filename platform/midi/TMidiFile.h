#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace peglore {

// One channel message of a MIDI file, at its time from the start.
struct TMidiEvent {
    std::int64_t Microseconds = 0;
    std::uint8_t Status = 0;  // 0x80 to 0xEF: the kind in the high half, the channel in the low
    std::uint8_t Data1 = 0;
    std::uint8_t Data2 = 0;  // 0 for the one-byte kinds (program change, channel pressure)
};

// A standard MIDI file (format 0 or 1, metrical time) read into the channel
// messages of all its tracks, merged in time order with the tempo changes
// applied. System exclusive and meta events other than tempo and end of
// track are skipped.
class TMidiFile {
public:
    // Background music is small; a larger file is refused rather than read.
    static constexpr std::size_t MaxFileSize = 4 * 1024 * 1024;
    // Longer than a day is taken for a corrupt file.
    static constexpr std::int64_t MaxDuration = std::int64_t(24) * 3600 * 1000000;

    // Empty when the bytes are not a MIDI file of the kind above, are cut
    // short, or run longer than MaxDuration.
    static std::optional<TMidiFile> Parse(std::string_view bytes);
    // Empty also when the file is missing, unreadable, not a regular file or
    // larger than MaxFileSize.
    static std::optional<TMidiFile> Load(const std::string& path);

    // In time order; messages at the same time keep the order of their
    // tracks, and within a track the order of the file.
    const std::vector<TMidiEvent>& Events() const { return FEvents; }
    // Microseconds from the start to the end of the longest track.
    std::int64_t Duration() const { return FDuration; }
    // Whether any note is struck (a note-on with a non-zero velocity).
    bool HasNotes() const;

private:
    TMidiFile() = default;

    std::vector<TMidiEvent> FEvents;
    std::int64_t FDuration = 0;
};

}  // namespace peglore
