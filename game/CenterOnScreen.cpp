#include "game/CenterOnScreen.h"

namespace peglore {

int HalfRoundedToEven(int Value)
{
    // Exact in integers; no floating-point rounding mode involved.
    const int floorHalf = (Value >= 0 || Value % 2 == 0) ? Value / 2 : Value / 2 - 1;
    if (Value % 2 == 0)
        return floorHalf;
    // Value is odd: it lies halfway between floorHalf and floorHalf + 1.
    return (floorHalf % 2 == 0) ? floorHalf : floorHalf + 1;
}

void CenterOnScreen(IWindowPlacement& Window)
{
    const TSize screen = Window.ScreenSize();
    const TSize outer = Window.OuterSize();
    // round(screen * 0.5 - window * 0.5) is half of (screen - window).
    Window.MoveTo(HalfRoundedToEven(screen.Width - outer.Width),
                  HalfRoundedToEven(screen.Height - outer.Height));
}

}  // namespace peglore
