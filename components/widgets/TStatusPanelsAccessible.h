#pragma once

#include "components/accessible/TPartedAccessible.h"

namespace peglore {

class TStatusPanels;

// A status bar whose panels a screen reader reads one by one, each by its
// text.
class TStatusPanelsAccessible : public TPartedAccessible {
public:
    explicit TStatusPanelsAccessible(TStatusPanels* panels);

    int PartCount() const override;
    QAccessible::Role PartRole(int) const override { return QAccessible::StaticText; }
    QString PartText(int index, QAccessible::Text text) const override;
    QRect PartRect(int index) const override;

private:
    TStatusPanels* Panels() const;
};

}  // namespace peglore
