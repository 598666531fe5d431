#include "components/accessible/TAccessiblePart.h"

#include <QWidget>

#include "components/accessible/TPartedAccessible.h"

namespace peglore {

bool TAccessiblePart::isValid() const
{
    return FOwner.isValid() && FIndex < FOwner.PartCount();
}

QWindow* TAccessiblePart::window() const
{
    return FOwner.window();
}

QAccessibleInterface* TAccessiblePart::parent() const
{
    return const_cast<TPartedAccessible*>(&FOwner);
}

QString TAccessiblePart::text(QAccessible::Text t) const
{
    return isValid() ? FOwner.PartText(FIndex, t) : QString();
}

QRect TAccessiblePart::rect() const
{
    if (!isValid())
        return {};
    const QRect r = FOwner.PartRect(FIndex);
    return QRect(FOwner.PartedWidget()->mapToGlobal(r.topLeft()), r.size());
}

QAccessible::Role TAccessiblePart::role() const
{
    return isValid() ? FOwner.PartRole(FIndex) : QAccessible::NoRole;
}

QAccessible::State TAccessiblePart::state() const
{
    if (!isValid()) {
        QAccessible::State gone;
        gone.invalid = true;
        return gone;
    }
    return FOwner.PartState(FIndex);
}

}  // namespace peglore
