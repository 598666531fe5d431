#pragma once

#include <QColor>

#include <array>

class QWidget;

namespace peglore {

class TDigit;

// The clock digits' colours: as built, and lit while the game runs.
namespace TimerDigitColors {
inline const QColor Background(0, 0, 0);
inline const QColor Unlit(128, 0, 0);
inline const QColor LitAsBuilt(255, 255, 0);
inline const QColor LitRunning(255, 0, 0);
}  // namespace TimerDigitColors

// Creates TimerDigit1..3 (hundreds, tens, units) inside the 54 x 39 clock
// panel: lefts 3, 19 and 35, top 3, 16 x 32 each, black background,
// maroon unlit and yellow lit segments, thickness 2, separation 1,
// showing 0. The panel owns them; pass them to TMyTimer in this order.
std::array<TDigit*, 3> CreateTimerDigits(QWidget& panel);

}  // namespace peglore
