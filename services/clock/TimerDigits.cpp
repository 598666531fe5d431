#include "services/clock/TimerDigits.h"

#include "components/digit/Udigit.h"

#include <QColor>
#include <QString>

namespace peglore {

std::array<TDigit*, 3> CreateTimerDigits(QWidget& Panel)
{
    constexpr int Lefts[3] = {3, 19, 35};
    std::array<TDigit*, 3> Digits{};
    for (int I = 0; I < 3; ++I) {
        auto* Digit = new TDigit(&Panel);
        Digit->setObjectName(QStringLiteral("TimerDigit%1").arg(I + 1));
        Digit->setGeometry(Lefts[I], 3, 16, 32);
        Digit->SetColor(QColor(0, 0, 0));
        Digit->SetColorOff(QColor(128, 0, 0));
        Digit->SetColorOn(QColor(255, 255, 0));
        Digit->SetValueBinary(TDigit::DigitPattern(0));
        Digit->SetThickness(2);
        Digit->SetSeparation(1);
        Digits[static_cast<std::size_t>(I)] = Digit;
    }
    return Digits;
}

}  // namespace peglore
