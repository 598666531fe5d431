#include "app/TGameClockAccessible.h"

#include <algorithm>

#include "components/digit/Udigit.h"
#include "services/clock/TMyTimer.h"

namespace peglore {

namespace {
constexpr const char* ClockProperty = "pegloreGameClock";
}  // namespace

void TGameClockAccessible::Mark(QWidget& panel)
{
    panel.setProperty(ClockProperty, true);
}

bool TGameClockAccessible::IsMarked(const QObject& object)
{
    return object.property(ClockProperty).toBool();
}

TGameClockAccessible::TGameClockAccessible(QWidget* panel) : QAccessibleWidget(panel, QAccessible::StaticText) {}

void* TGameClockAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

int TGameClockAccessible::Seconds() const
{
    // The digits, hundreds first, left to right.
    QList<TDigit*> digits = widget()->findChildren<TDigit*>(Qt::FindDirectChildrenOnly);
    std::sort(digits.begin(), digits.end(), [](TDigit* a, TDigit* b) { return a->x() < b->x(); });
    int seconds = 0;
    for (const TDigit* digit : digits)
        seconds = seconds * 10 + digit->Value();
    return seconds;
}

QString TGameClockAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        //: Read by screen readers for the clock panel.
        return tr("Game clock: %1 seconds").arg(Seconds());
    if (t == QAccessible::Value)
        return QString::number(Seconds());
    return QAccessibleWidget::text(t);
}

QAccessible::State TGameClockAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    return state;
}

QVariant TGameClockAccessible::currentValue() const
{
    return Seconds();
}

QVariant TGameClockAccessible::maximumValue() const
{
    return TMyTimer::MaxShown;
}

}  // namespace peglore
