// Fuzzes the cut-down soundfont over arbitrary files, held in memory. A
// subset it makes must read whole, say its own size in its RIFF header, and
// come out the same, byte for byte, when cut down again to the same presets.

#include "platform/files/TMemoryBytes.h"
#include "platform/media/TSoundFontSubset.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace {

using peglore::TSoundFontSubset;

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

std::optional<TSoundFontSubset> Subset(const std::uint8_t* data, std::size_t size,
                                       const std::set<TSoundFontSubset::TPresetNumber>& presets)
{
    return TSoundFontSubset::FromSource(std::make_unique<peglore::TMemoryBytes>(std::span(data, size)), presets);
}

std::vector<std::uint8_t> Image(const TSoundFontSubset& subset)
{
    std::vector<std::uint8_t> image(std::size_t(subset.Size()));
    Check(subset.Read(0, image.data(), subset.Size()));
    return image;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The presets of a General MIDI tune: pianos, strings, the drum kit.
    const std::set<TSoundFontSubset::TPresetNumber> presets{{0, 0}, {0, 1}, {0, 5}, {0, 48}, {128, 0}};
    const auto subset = Subset(data, size, presets);
    if (!subset)
        return 0;
    Check(subset->PresetCount() > 0);
    const std::vector<std::uint8_t> image = Image(*subset);
    Check(image.size() >= 12 && std::memcmp(image.data(), "RIFF", 4) == 0);
    const std::uint32_t riffSize =
        image[4] | (std::uint32_t(image[5]) << 8) | (std::uint32_t(image[6]) << 16) | (std::uint32_t(image[7]) << 24);
    Check(riffSize == image.size() - 8);
    const auto again = Subset(image.data(), image.size(), presets);
    Check(again && again->PresetCount() == subset->PresetCount() && Image(*again) == image);
    return 0;
}
