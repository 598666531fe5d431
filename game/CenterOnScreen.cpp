#include "game/CenterOnScreen.h"

namespace peglore {

void CenterOnScreen(IWindowPlacement& window)
{
    const TSize screen = window.ScreenSize();
    const TPoint place = CentredPlace({0, 0, screen.Width, screen.Height}, window.OuterSize(), TCentring::HalvesToEven);
    window.MoveTo(place.X, place.Y);
}

}  // namespace peglore
