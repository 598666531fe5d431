#include "dialogs/common/DialogPlacement.h"

#include <algorithm>

namespace peglore {

QPoint FirstDialogPlace(const QRect& Screen, const QSize& Outer)
{
    // The clamp makes the rounding of a negative half irrelevant; a
    // positive odd difference leaves the extra pixel right and below.
    const int left = std::max(0, (Screen.width() - Outer.width()) / 2);
    const int top = std::max(0, (Screen.height() - Outer.height()) / 2);
    return Screen.topLeft() + QPoint(left, top);
}

}  // namespace peglore
