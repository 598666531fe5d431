#include "app/TColorSwatchAccessible.h"

#include "app/TColorSwatch.h"
#include "components/accessible/PegNames.h"

namespace peglore {

TColorSwatchAccessible::TColorSwatchAccessible(TColorSwatch* swatch) : QAccessibleWidget(swatch, QAccessible::Button) {}

TColorSwatch* TColorSwatchAccessible::Swatch() const
{
    return static_cast<TColorSwatch*>(widget());
}

QString TColorSwatchAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name)
        return QAccessibleWidget::text(t);
    const QString name = PegReading(Swatch()->Color(), Swatch()->SymbolShown());
    //: Read by screen readers for a colour of the colour bar: the colour, and the number key that places it.
    return Swatch()->Key() > 0 ? tr("%1, key %2").arg(name).arg(Swatch()->Key()) : name;
}

QStringList TColorSwatchAccessible::actionNames() const
{
    return {pressAction()};
}

void TColorSwatchAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction())
        emit Swatch()->Chosen(Swatch()->Color());
}

QStringList TColorSwatchAccessible::keyBindingsForAction(const QString& actionName) const
{
    if (actionName != pressAction() || Swatch()->Key() <= 0)
        return {};
    return {QString::number(Swatch()->Key())};
}

}  // namespace peglore
