#include "game/CenterOnScreen.h"

namespace peglore {

int HalfRoundedToEven(int value)
{
    // Exact in integers; no floating-point rounding mode involved.
    const int floorHalf = (value >= 0 || value % 2 == 0) ? value / 2 : value / 2 - 1;
    if (value % 2 == 0)
        return floorHalf;
    // value is odd: it lies halfway between floorHalf and floorHalf + 1.
    return (floorHalf % 2 == 0) ? floorHalf : floorHalf + 1;
}

void CenterOnScreen(IWindowPlacement& window)
{
    const TSize screen = window.ScreenSize();
    const TSize outer = window.OuterSize();
    // round(screen * 0.5 - window * 0.5) is half of (screen - window).
    window.MoveTo(HalfRoundedToEven(screen.Width - outer.Width), HalfRoundedToEven(screen.Height - outer.Height));
}

}  // namespace peglore
