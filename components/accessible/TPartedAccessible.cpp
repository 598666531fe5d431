#include "components/accessible/TPartedAccessible.h"

#include <QWidget>

#include "components/accessible/TAccessiblePart.h"

namespace peglore {

TPartedAccessible::TPartedAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

TPartedAccessible::~TPartedAccessible()
{
    ResetParts();
}

void TPartedAccessible::ResetParts()
{
    for (const QAccessible::Id id : std::as_const(FParts))
        QAccessible::deleteAccessibleInterface(id);
    FParts.clear();
}

TAccessiblePart* TPartedAccessible::MakePart(int index) const
{
    return new TAccessiblePart(*this, index);
}

QAccessibleInterface* TPartedAccessible::child(int index) const
{
    if (index < 0 || index >= PartCount())
        return nullptr;
    if (const auto found = FParts.constFind(index); found != FParts.constEnd())
        return QAccessible::accessibleInterface(*found);
    QAccessibleInterface* part = MakePart(index);
    FParts.insert(index, QAccessible::registerAccessibleInterface(part));
    return part;
}

int TPartedAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* part = dynamic_cast<const TAccessiblePart*>(child);
    return part && part->parent() == this && part->isValid() ? part->Index() : -1;
}

QAccessibleInterface* TPartedAccessible::childAt(int x, int y) const
{
    const int index = PartAt(widget()->mapFromGlobal(QPoint(x, y)));
    return index < 0 ? nullptr : child(index);
}

QAccessible::State TPartedAccessible::PartState(int) const
{
    QAccessible::State state;
    state.invisible = !widget()->isVisible();
    return state;
}

int TPartedAccessible::PartAt(const QPoint& pos) const
{
    for (int i = 0; i < PartCount(); ++i)
        if (PartRect(i).contains(pos))
            return i;
    return -1;
}

}  // namespace peglore
