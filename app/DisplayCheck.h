#pragma once

namespace peglore {

// The game draws with more colours than a 16-colour display can show.
constexpr int MinimumDisplayDepth = 8;

// True when a display of depth bits per pixel can show the game.
constexpr bool DisplayDepthSufficient(int depth)
{
    return depth >= MinimumDisplayDepth;
}

// The bits per pixel of the primary screen; PEGLORE_DISPLAY_DEPTH, when
// set to a number, stands in for it so the refusal can be tried on any
// display.
int DisplayDepth();

}  // namespace peglore
