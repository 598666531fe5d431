#pragma once

#include <array>

class QWidget;

namespace peglore {

class TDigit;

// Creates TimerDigit1..3 (hundreds, tens, units) inside the 54 x 39 clock
// panel: lefts 3, 19 and 35, top 3, 16 x 32 each, black background,
// maroon unlit and yellow lit segments, thickness 2, separation 1,
// showing 0. The panel owns them; pass them to TMyTimer in this order.
std::array<TDigit*, 3> CreateTimerDigits(QWidget& panel);

}  // namespace peglore
