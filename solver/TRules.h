#pragma once

#include <algorithm>
#include <cstdint>

#include "game/PegColors.h"
#include "solver/TCode.h"

namespace peglore {

// Which codes a board takes as its secret: the first Colours colours of the
// colour bar (digits 1 to Colours, keys 1 to Colours of keyboard play) and,
// unless Repeats, no colour twice. Eight colours with repeats is the
// standard game; the game offers 2 to 8 colours, and a count outside 1 to 8
// is taken as the nearest of them.
struct TRules {
    int Colours = TCode::Colours;
    bool Repeats = true;

    int ColoursInPlay() const { return std::clamp(Colours, 1, TCode::Colours); }
    // One bit per palette index (not per place on the colour bar).
    std::uint32_t PaletteMask() const
    {
        std::uint32_t mask = 0;
        for (int place = 0; place < ColoursInPlay(); ++place)
            mask |= 1u << ColorBarOrder[static_cast<std::size_t>(place)];
        return mask;
    }
    bool InPlay(int paletteIndex) const { return paletteIndex >= 0 && (PaletteMask() >> paletteIndex & 1u) != 0; }
    // Whether a board of width holes has any secret at all: without repeats
    // it needs a colour for every hole.
    bool AdmitsWidth(int width) const { return Repeats || width <= ColoursInPlay(); }
    // Whether code could be a secret under these rules.
    bool Allows(const TCode& code) const
    {
        const std::uint32_t mask = PaletteMask();
        std::uint32_t seen = 0;
        for (int hole = 0; hole < code.Width(); ++hole) {
            const std::uint32_t bit = 1u << code.Peg(hole);
            if ((mask & bit) == 0 || (!Repeats && (seen & bit) != 0))
                return false;
            seen |= bit;
        }
        return true;
    }
    // The number of secrets of a board of width holes.
    std::uint64_t Secrets(int width) const
    {
        std::uint64_t secrets = 1;
        for (int hole = 0; hole < width; ++hole)
            secrets *= static_cast<std::uint64_t>(Repeats ? ColoursInPlay() : std::max(0, ColoursInPlay() - hole));
        return secrets;
    }
    bool IsStandard() const { return ColoursInPlay() == TCode::Colours && Repeats; }

    friend bool operator==(const TRules& a, const TRules& b)
    {
        return a.ColoursInPlay() == b.ColoursInPlay() && a.Repeats == b.Repeats;
    }
};

}  // namespace peglore
