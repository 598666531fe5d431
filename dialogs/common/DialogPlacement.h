#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace peglore {

// Where a dialog's outer top-left corner goes the first time it is shown:
// centred on the screen, but never left of or above the screen's top-left
// corner, so a dialog larger than the screen keeps its title bar reachable.
QPoint FirstDialogPlace(const QRect& screen, const QSize& outer);

}  // namespace peglore
