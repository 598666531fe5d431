#include "services/clock/TimerDigits.h"

#include "components/digit/Udigit.h"

#include <QColor>
#include <QString>

namespace peglore {

std::array<TDigit*, 3> CreateTimerDigits(QWidget& panel)
{
    constexpr int lefts[3] = {3, 19, 35};
    std::array<TDigit*, 3> digits{};
    for (int i = 0; i < 3; ++i) {
        auto* digit = new TDigit(&panel);
        digit->setObjectName(QStringLiteral("TimerDigit%1").arg(i + 1));
        digit->setGeometry(lefts[i], 3, 16, 32);
        digit->SetColor(TimerDigitColors::Background);
        digit->SetColorOff(TimerDigitColors::Unlit);
        digit->SetColorOn(TimerDigitColors::LitAsBuilt);
        digit->SetValueBinary(TDigit::DigitPattern(0));
        digit->SetThickness(2);
        digit->SetSeparation(1);
        digits[static_cast<std::size_t>(i)] = digit;
    }
    return digits;
}

}  // namespace peglore
