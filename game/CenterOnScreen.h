#pragma once

#include "game/GameTypes.h"
#include "game/IWindowPlacement.h"

namespace peglore {

// Half of an integer rounded to the nearest integer, halves to the even
// neighbour: 3 -> 2 (1.5), 5 -> 2 (2.5), -3 -> -2 (-1.5). Exact in
// integers; no floating-point rounding mode involved.
constexpr int HalfRoundedToEven(int value)
{
    const int floorHalf = (value >= 0 || value % 2 == 0) ? value / 2 : value / 2 - 1;
    if (value % 2 == 0)
        return floorHalf;
    // value is odd: it lies halfway between floorHalf and floorHalf + 1.
    return (floorHalf % 2 == 0) ? floorHalf : floorHalf + 1;
}

// How a window is centred on a screen. Each kind of window keeps the rule
// it has always been placed by, so that none of them moves by a pixel.
enum class TCentring {
    // round(screen × 0.5 − window × 0.5), halves to the even neighbour,
    // wherever that lies: a window larger than the screen goes up and left
    // of it. The main window.
    HalvesToEven,
    // The same, but never left of or above the screen's top-left corner,
    // so that a box larger than the screen keeps its title bar reachable.
    // The message boxes.
    HalvesToEvenOnScreen,
    // Halves rounded down (the extra pixel of an odd difference right and
    // below), never left of or above the screen. The dialogs.
    HalvesDownOnScreen,
};

// Where the outer top-left corner of a window of size outer goes when it is
// centred on screen (Right and Bottom exclusive). The one reckoning of every
// centred window of the game.
constexpr TPoint CentredPlace(const TRect& screen, const TSize& outer, TCentring centring)
{
    const int spareWidth = screen.Right - screen.Left - outer.Width;
    const int spareHeight = screen.Bottom - screen.Top - outer.Height;
    auto offset = [centring](int spare) {
        switch (centring) {
        case TCentring::HalvesToEven: return HalfRoundedToEven(spare);
        case TCentring::HalvesToEvenOnScreen: return spare > 0 ? HalfRoundedToEven(spare) : 0;
        case TCentring::HalvesDownOnScreen: return spare > 0 ? spare / 2 : 0;
        }
        return 0;
    };
    return {screen.Left + offset(spareWidth), screen.Top + offset(spareHeight)};
}

// Places a window in the middle of the primary screen, as the written game
// centres its main window.
void CenterOnScreen(IWindowPlacement& window);

}  // namespace peglore
