#pragma once

#include <span>
#include <vector>

#include "game/GameTypes.h"
#include "game/ICanvas.h"
#include "game/PegColors.h"

namespace peglore {

// The small symbols that tell the eight peg colours apart without colour:
// one filled shape per colour, the same wherever a peg is shown.
inline constexpr int PegSymbolSize = 12;

struct TPegSymbol {
    // Drawn in black or white, whichever stands out more from the peg.
    TColor Ink = 0;
    // Corners on a PegSymbolSize x PegSymbolSize grid; empty for a colour
    // outside the palette.
    std::span<const TPoint> Outline;
};

TPegSymbol PegSymbol(TColor peg);

// The symbol's outline in the middle of area (right and bottom exclusive),
// ready for ICanvas::Polygon; empty for a colour outside the palette.
std::vector<TPoint> PegSymbolOutline(TColor peg, const TRect& area);

// Draws the symbol of peg in the middle of area; nothing for a colour
// outside the palette. Leaves the brush set to the ink.
void DrawPegSymbol(ICanvas& canvas, TColor peg, const TRect& area);

}  // namespace peglore
