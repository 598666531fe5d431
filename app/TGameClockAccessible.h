#pragma once

#include <QAccessibleWidget>
#include <QCoreApplication>

#include <array>

namespace peglore {

class TDigit;

// The game clock's panel as a screen reader sees it: a read-only value,
// "Game clock: 42 seconds", read from the digits the player sees. It is
// not announced as it ticks; only a new game's reset is.
class TGameClockAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
    Q_DECLARE_TR_FUNCTIONS(peglore::TGameClockAccessible)

public:
    // Makes panel, which holds the clock's digits, read as the clock.
    static void Mark(QWidget& panel);
    static bool IsMarked(const QObject& object);

    explicit TGameClockAccessible(QWidget* panel);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    // The digits say nothing on their own.
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override;
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    int Seconds() const;
};

}  // namespace peglore
