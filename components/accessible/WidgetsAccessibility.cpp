#include "components/accessible/WidgetsAccessibility.h"

#include <QAccessible>

#include "components/accessible/TGroupAccessible.h"
#include "components/boardgrid/TBoardGrid.h"
#include "components/boardgrid/TBoardGridAccessible.h"
#include "components/widgets/TStatusPanels.h"
#include "components/widgets/TStatusPanelsAccessible.h"

namespace peglore {

namespace {
QAccessibleInterface* MakeInterface(const QString&, QObject* object)
{
    if (auto* grid = qobject_cast<TBoardGrid*>(object))
        return new TBoardGridAccessible(grid);
    if (auto* panels = qobject_cast<TStatusPanels*>(object))
        return new TStatusPanelsAccessible(panels);
    // Windows keep Qt's own interface, which knows their title and role.
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && !widget->isWindow() && TGroupAccessible::Wanted(*widget))
        return new TGroupAccessible(widget);
    return nullptr;
}
}  // namespace

void InstallWidgetsAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(MakeInterface);
        return true;
    }();
    (void)installed;
}

}  // namespace peglore
