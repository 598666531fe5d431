#pragma once

#include "game/IWindowPlacement.h"

namespace peglore {

// Half of an integer rounded to the nearest integer, halves to the even
// neighbour: 3 -> 2 (1.5), 5 -> 2 (2.5), -3 -> -2 (-1.5).
int HalfRoundedToEven(int value);

// Places a window in the middle of the primary screen.
void CenterOnScreen(IWindowPlacement& window);

}  // namespace peglore
