#include "components/accessible/TGroupAccessible.h"

#include <QWidget>

namespace peglore {

namespace {
constexpr const char* RoleProperty = "pegloreAccessibleRole";
constexpr const char* HiddenProperty = "pegloreAccessibleHidden";

QAccessible::Role RoleOf(const QWidget* widget)
{
    const QVariant role = widget->property(RoleProperty);
    return role.isValid() ? QAccessible::Role(role.toInt()) : QAccessible::Client;
}
}  // namespace

TGroupAccessible::TGroupAccessible(QWidget* widget) : QAccessibleWidget(widget, RoleOf(widget)) {}

void TGroupAccessible::SetAccessibleRole(QWidget& widget, QAccessible::Role role)
{
    widget.setProperty(RoleProperty, int(role));
}

void TGroupAccessible::SetAccessibleHidden(QWidget& widget)
{
    widget.setProperty(HiddenProperty, true);
}

bool TGroupAccessible::IsAccessibleHidden(const QObject& object)
{
    return object.property(HiddenProperty).toBool();
}

bool TGroupAccessible::Wanted(const QWidget& widget)
{
    if (widget.property(RoleProperty).isValid())
        return true;
    for (const QObject* child : widget.children())
        if (child->isWidgetType() && IsAccessibleHidden(*child))
            return true;
    return false;
}

QList<QWidget*> TGroupAccessible::ShownChildren() const
{
    // As Qt's own interface lists them: the child widgets that are no
    // windows of their own, less the hidden ones.
    QList<QWidget*> shown;
    for (QObject* object : widget()->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child && !child->isWindow() && !IsAccessibleHidden(*child))
            shown << child;
    }
    return shown;
}

int TGroupAccessible::childCount() const
{
    return int(ShownChildren().size());
}

QAccessibleInterface* TGroupAccessible::child(int index) const
{
    const QList<QWidget*> shown = ShownChildren();
    return index >= 0 && index < shown.size() ? QAccessible::queryAccessibleInterface(shown[index]) : nullptr;
}

int TGroupAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (!child || !child->object())
        return -1;
    return int(ShownChildren().indexOf(qobject_cast<QWidget*>(child->object())));
}

}  // namespace peglore
