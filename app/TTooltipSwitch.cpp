#include "app/TTooltipSwitch.h"

#include <QApplication>
#include <QEvent>
#include <QToolTip>

namespace peglore {

namespace {
THintPauseStyle* PauseStyle()
{
    return qobject_cast<THintPauseStyle*>(QApplication::style());
}

THintPauseStyle* EnsurePauseStyle()
{
    if (auto* style = PauseStyle())
        return style;
    // The application takes ownership of the style.
    auto* style = new THintPauseStyle(QApplication::style()->name());
    QApplication::setStyle(style);
    return style;
}
}  // namespace

int THintPauseStyle::styleHint(StyleHint Hint, const QStyleOption* Option, const QWidget* Widget,
                               QStyleHintReturn* Return) const
{
    if (Hint == QStyle::SH_ToolTip_WakeUpDelay)
        return Pause;
    return QProxyStyle::styleHint(Hint, Option, Widget, Return);
}

TTooltipSwitch::TTooltipSwitch(QObject* Parent) : QObject(Parent)
{
    qApp->installEventFilter(this);
}

TTooltipSwitch::~TTooltipSwitch()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

void TTooltipSwitch::SetEnabled(bool Enabled)
{
    FEnabled = Enabled;
    if (!Enabled)
        QToolTip::hideText();
}

int TTooltipSwitch::HintPause() const
{
    const THintPauseStyle* style = PauseStyle();
    return style ? style->Pause : QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay);
}

void TTooltipSwitch::SetHintPause(int Milliseconds)
{
    EnsurePauseStyle()->Pause = Milliseconds;
}

bool TTooltipSwitch::eventFilter(QObject* Watched, QEvent* Event)
{
    if (!FEnabled && Event->type() == QEvent::ToolTip)
        return true;
    return QObject::eventFilter(Watched, Event);
}

}  // namespace peglore
