#include "dialogs/common/DialogPlacement.h"

#include <algorithm>

namespace peglore {

QPoint FirstDialogPlace(const QRect& screen, const QSize& outer)
{
    // The clamp makes the rounding of a negative half irrelevant; a
    // positive odd difference leaves the extra pixel right and below.
    const int left = std::max(0, (screen.width() - outer.width()) / 2);
    const int top = std::max(0, (screen.height() - outer.height()) / 2);
    return screen.topLeft() + QPoint(left, top);
}

}  // namespace peglore
