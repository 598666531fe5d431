#pragma once

#include "platform/files/IByteSource.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace peglore {

// A soundfont (SF2, or SF3 with compressed samples) cut down to some of its
// presets, served as the bytes of a file of its own: the file's header and
// INFO list, its sample data untouched, and preset, instrument and sample
// headers holding only the given presets and what they use, renumbered.
// A synthesizer reading it knows only those presets, so it holds only
// their headers in memory instead of every preset's; sample positions are
// the original's, so the sample data is read from the file itself, as
// asked for.
//
// The file stays open while the subset lives. Anything that does not read
// as the three lists in their usual order, or a header that points outside
// its table, makes no subset: the caller then reads the file as it is and
// leaves the judgement to the synthesizer.
class TSoundFontSubset {
public:
    // A preset by bank and program number, as the preset headers hold them.
    using TPresetNumber = std::pair<int, int>;

    static std::optional<TSoundFontSubset> Open(const std::string& path, const std::set<TPresetNumber>& presets);
    // As Open, over the bytes of SOURCE, which the subset keeps.
    static std::optional<TSoundFontSubset> FromSource(std::unique_ptr<const IByteSource> source,
                                                      const std::set<TPresetNumber>& presets);

    std::int64_t Size() const { return FSize; }
    // Copies count bytes from offset on; false past the end or when the
    // file cannot be read. Safe from several threads at once.
    bool Read(std::int64_t offset, void* buffer, std::int64_t count) const;
    // The presets kept, in the file's order.
    int PresetCount() const { return FPresetCount; }

private:
    TSoundFontSubset() = default;

    // A stretch of the subset: bytes of Memory, or of the file from FileOffset.
    struct TPart {
        std::int64_t Start = 0;
        std::int64_t Length = 0;
        std::int64_t FileOffset = -1;
        std::vector<std::uint8_t> Memory;
    };

    std::unique_ptr<const IByteSource> FSource;
    std::vector<TPart> FParts;
    std::int64_t FSize = 0;
    int FPresetCount = 0;
};

}  // namespace peglore
