#include "app/AppAccessibility.h"

#include <QAccessible>

#include "app/TColorSwatch.h"
#include "app/TColorSwatchAccessible.h"
#include "app/TGameClockAccessible.h"
#include "components/accessible/WidgetsAccessibility.h"

namespace peglore {

namespace {
QAccessibleInterface* MakeInterface(const QString&, QObject* object)
{
    if (auto* swatch = qobject_cast<TColorSwatch*>(object))
        return new TColorSwatchAccessible(swatch);
    if (object && object->isWidgetType() && TGameClockAccessible::IsMarked(*object))
        return new TGameClockAccessible(static_cast<QWidget*>(object));
    return nullptr;
}
}  // namespace

void InstallAppAccessibility()
{
    InstallWidgetsAccessibility();
    static const bool installed = [] {
        QAccessible::installFactory(MakeInterface);
        return true;
    }();
    (void)installed;
}

}  // namespace peglore
