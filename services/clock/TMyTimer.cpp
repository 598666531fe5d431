#include "services/clock/TMyTimer.h"

#include "components/digit/Udigit.h"

#include <QColor>

#include <algorithm>

namespace peglore {

TMyTimer::TMyTimer(TDigit& Hundreds, TDigit& Tens, TDigit& Units)
    : FHundreds(Hundreds)
    , FTens(Tens)
    , FUnits(Units)
{
    const QColor Red(255, 0, 0);
    FHundreds.SetColorOn(Red);
    FTens.SetColorOn(Red);
    FUnits.SetColorOn(Red);
}

void TMyTimer::SetSeconds(int NewSeconds)
{
    FSeconds = NewSeconds;
    // A three-digit clock cannot show more; it stops at 999 rather than
    // showing the leading digits of a longer number.
    const int Shown = std::clamp(NewSeconds, 0, MaxShown);
    // Digits whose value is unchanged are not redrawn.
    FHundreds.SetValue(Shown / 100);
    FTens.SetValue(Shown / 10 % 10);
    FUnits.SetValue(Shown % 10);
}

}  // namespace peglore
