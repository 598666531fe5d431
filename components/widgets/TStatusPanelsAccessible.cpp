#include "components/widgets/TStatusPanelsAccessible.h"

#include "components/widgets/TStatusPanels.h"

namespace peglore {

TStatusPanelsAccessible::TStatusPanelsAccessible(TStatusPanels* panels)
    : TPartedAccessible(panels, QAccessible::StatusBar)
{
}

TStatusPanels* TStatusPanelsAccessible::Panels() const
{
    return static_cast<TStatusPanels*>(widget());
}

int TStatusPanelsAccessible::PartCount() const
{
    return Panels()->PanelCount();
}

QString TStatusPanelsAccessible::PartText(int index, QAccessible::Text text) const
{
    return text == QAccessible::Name ? Panels()->PanelText(index) : QString();
}

QRect TStatusPanelsAccessible::PartRect(int index) const
{
    return Panels()->PanelRect(index);
}

}  // namespace peglore
