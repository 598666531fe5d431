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

int THintPauseStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                               QStyleHintReturn* hintReturn) const
{
    if (hint == QStyle::SH_ToolTip_WakeUpDelay)
        return Pause;
    return QProxyStyle::styleHint(hint, option, widget, hintReturn);
}

TTooltipSwitch::TTooltipSwitch(QObject* parent) : QObject(parent)
{
    qApp->installEventFilter(this);
}

TTooltipSwitch::~TTooltipSwitch()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

void TTooltipSwitch::SetEnabled(bool enabled)
{
    FEnabled = enabled;
    if (!enabled)
        QToolTip::hideText();
}

int TTooltipSwitch::HintPause() const
{
    const THintPauseStyle* style = PauseStyle();
    return style ? style->Pause : QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay);
}

void TTooltipSwitch::SetHintPause(int milliseconds)
{
    EnsurePauseStyle()->Pause = milliseconds;
}

bool TTooltipSwitch::eventFilter(QObject* watched, QEvent* event)
{
    if (!FEnabled && event->type() == QEvent::ToolTip)
        return true;
    return QObject::eventFilter(watched, event);
}

}  // namespace peglore
