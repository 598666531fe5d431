#pragma once

#include <QAccessibleInterface>

namespace peglore {

class TPartedAccessible;

// One painted part of a widget as a screen reader sees it; it asks the
// widget's interface (its owner, which outlives it) for everything.
class TAccessiblePart : public QAccessibleInterface {
public:
    TAccessiblePart(const TPartedAccessible& owner, int index) : FOwner(owner), FIndex(index) {}

    int Index() const { return FIndex; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

protected:
    const TPartedAccessible& Owner() const { return FOwner; }

private:
    const TPartedAccessible& FOwner;
    int FIndex;
};

}  // namespace peglore
