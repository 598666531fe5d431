#include "services/clock/TMyTimer.h"

#include "components/digit/Udigit.h"
#include "services/clock/TimerDigits.h"

#include <algorithm>

namespace peglore {

TMyTimer::TMyTimer(TDigit& hundreds, TDigit& tens, TDigit& units) : FHundreds(hundreds), FTens(tens), FUnits(units)
{
    for (TDigit* digit : {&FHundreds, &FTens, &FUnits})
        digit->SetColorOn(TimerDigitColors::LitRunning);
}

void TMyTimer::SetSeconds(int newSeconds)
{
    FSeconds = newSeconds;
    // A three-digit clock cannot show more; it stops at 999 rather than
    // showing the leading digits of a longer number.
    const int shown = std::clamp(newSeconds, 0, MaxShown);
    // Digits whose value is unchanged are not redrawn.
    FHundreds.SetValue(shown / 100);
    FTens.SetValue(shown / 10 % 10);
    FUnits.SetValue(shown % 10);
}

}  // namespace peglore
