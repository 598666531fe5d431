#pragma once

#include <algorithm>
#include <cstddef>

#include "game/PegColors.h"

namespace peglore {

// How a row breaks a variant.
enum class TVariantBreach : unsigned char { None, ColourNotInPlay, ColourRepeated };

// The colours a game plays with: the first Colours of the colour bar (keys
// 1 to Colours) and whether a colour may stand in two holes of the secret.
// Eight colours with repeats is the standard game. Every level plays the
// variant chosen; a board wider than its colours cannot do without repeats
// and plays with them (ForWidth).
struct TVariant {
    static constexpr int MinColours = 2;
    static constexpr int MaxColours = static_cast<int>(PegColors.size());

    int Colours = MaxColours;
    bool Repeats = true;

    // The count taken as the nearest the game offers.
    int ColoursInPlay() const { return std::clamp(Colours, MinColours, MaxColours); }
    bool IsStandard() const { return ColoursInPlay() == MaxColours && Repeats; }
    // Whether a board of width holes can be played without repeats.
    bool AdmitsWidth(int width) const { return Repeats || width <= ColoursInPlay(); }
    // The variant a board of width holes plays: repeats come back on for a
    // board with more holes than colours.
    TVariant ForWidth(int width) const { return {ColoursInPlay(), Repeats || !AdmitsWidth(width)}; }
    // Whether the palette entry is one of the colours in play.
    bool InPlay(int paletteIndex) const
    {
        for (int place = 0; place < ColoursInPlay(); ++place)
            if (ColorBarOrder[static_cast<std::size_t>(place)] == paletteIndex)
                return true;
        return false;
    }

    friend bool operator==(const TVariant& a, const TVariant& b)
    {
        return a.ColoursInPlay() == b.ColoursInPlay() && a.Repeats == b.Repeats;
    }
};

}  // namespace peglore
