#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "game/CenterOnScreen.h"

namespace peglore {

// How a dialog is centred the first time it is shown: on the screen, but
// never left of or above the screen's top-left corner, so a dialog larger
// than the screen keeps its title bar reachable.
inline constexpr TCentring DialogCentring = TCentring::HalvesDownOnScreen;

// Where a dialog's outer top-left corner goes the first time it is shown.
QPoint FirstDialogPlace(const QRect& screen, const QSize& outer);

}  // namespace peglore
