#pragma once

#include "platform/files/IByteSource.h"

#include <cstdint>
#include <vector>

namespace peglore {

// Finds the version resource of a 16-bit NE image: in its resource table the
// type 0x8010 (RT_VERSION) and in that type the resource numbered 1.
//
// The table is read from a window of bounded size after the NE header and
// walked forward only, so a type list without its end stops at the window's
// end.
class TNeResourceReader {
public:
    // The table's offset field has 16 bits; the table itself is far shorter
    // than this window.
    static constexpr std::uint32_t TableWindow = 0x20000;
    static constexpr std::uint32_t MaxResource = 0x10000;

    // NEOFFSET: where the "NE" signature lies in IMAGE.
    TNeResourceReader(const IByteSource& image, std::uint32_t neOffset);

    // The leading bytes of the resource (at most MaxResource); empty when the
    // image has none or is malformed.
    std::vector<std::uint8_t> VersionResource() const;

private:
    const IByteSource& FImage;
    std::uint32_t FNeOffset;
};

}  // namespace peglore
