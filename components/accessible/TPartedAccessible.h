#pragma once

#include <QAccessibleWidget>
#include <QHash>

namespace peglore {

class TAccessiblePart;

// The interface of a widget that paints parts a screen reader should see
// one by one (a board's cells, a status bar's panels) although they are no
// widgets. The parts' interfaces are made on demand and kept, so each part
// keeps its identity on the accessibility bus; they die with this one or
// when the number of parts changes (ResetParts).
class TPartedAccessible : public QAccessibleWidget {
public:
    TPartedAccessible(QWidget* widget, QAccessible::Role role);
    ~TPartedAccessible() override;

    // The widget whose parts these are.
    QWidget* PartedWidget() const { return widget(); }

    int childCount() const override { return PartCount(); }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    virtual int PartCount() const = 0;
    virtual QAccessible::Role PartRole(int index) const = 0;
    virtual QString PartText(int index, QAccessible::Text text) const = 0;
    virtual QAccessible::State PartState(int index) const;
    // In the widget's own pixels.
    virtual QRect PartRect(int index) const = 0;
    // The part under a point of the widget, or -1.
    virtual int PartAt(const QPoint& pos) const;

protected:
    // Forgets the parts' interfaces: the parts are not the same any more.
    void ResetParts();
    // Makes the interface of one part; a table's cells answer as cells too.
    virtual TAccessiblePart* MakePart(int index) const;

private:
    mutable QHash<int, QAccessible::Id> FParts;
};

}  // namespace peglore
