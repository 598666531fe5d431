#pragma once

#include <QAccessibleWidget>

namespace peglore {

// A plain container as a screen reader sees it: the role given to it with
// SetAccessibleRole, and its children but those hidden with
// SetAccessibleHidden (decoration that says nothing to a listener).
class TGroupAccessible : public QAccessibleWidget {
public:
    explicit TGroupAccessible(QWidget* widget);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    // Before anything asks for the widget's interface (setAccessibleName
    // does): Qt keeps the first one it made.
    static void SetAccessibleRole(QWidget& widget, QAccessible::Role role);
    static void SetAccessibleHidden(QWidget& widget);
    static bool IsAccessibleHidden(const QObject& object);
    // Whether a widget wants this interface: it was given a role, or one
    // of its children is hidden.
    static bool Wanted(const QWidget& widget);

private:
    QList<QWidget*> ShownChildren() const;
};

}  // namespace peglore
