#pragma once

// Walking a window's accessible tree as a screen reader does: from the
// window's interface down through every child, nothing but what the
// interfaces say.

#include <QAccessible>
#include <QStringList>
#include <QWidget>

#include <functional>

namespace peglore::testing {

// The interface and every descendant, parents before their children.
inline QList<QAccessibleInterface*> AccessibleTree(QAccessibleInterface* root)
{
    QList<QAccessibleInterface*> all;
    if (!root)
        return all;
    all << root;
    for (qsizetype i = 0; i < all.size(); ++i)
        for (int c = 0; c < all[i]->childCount(); ++c)
            if (QAccessibleInterface* child = all[i]->child(c))
                all << child;
    return all;
}

inline QList<QAccessibleInterface*> AccessibleTree(QWidget& window)
{
    return AccessibleTree(QAccessible::queryAccessibleInterface(&window));
}

// The names of an interface's children, in order.
inline QStringList ChildNames(QAccessibleInterface* parent)
{
    QStringList names;
    for (int i = 0; i < parent->childCount(); ++i)
        names << parent->child(i)->text(QAccessible::Name);
    return names;
}

// The first one named name, with role role; null if none.
inline QAccessibleInterface* FindAccessible(QWidget& window, const QString& name, QAccessible::Role role)
{
    for (QAccessibleInterface* node : AccessibleTree(window))
        if (node->role() == role && node->text(QAccessible::Name) == name)
            return node;
    return nullptr;
}

// What a player can reach or must hear, shown but without a name: as
// "role (object name)". Containers and windows may go nameless, and a
// text with nothing to say (an empty status panel) says nothing.
inline QStringList NamelessControls(QWidget& window)
{
    static const QList<QAccessible::Role> containers{
        QAccessible::Client,      QAccessible::Window,      QAccessible::Dialog,
        QAccessible::Grouping,    QAccessible::MenuBar,     QAccessible::Separator,
        QAccessible::PageTabList, QAccessible::LayeredPane, QAccessible::StaticText};
    QStringList nameless;
    for (QAccessibleInterface* node : AccessibleTree(window))
        if (!node->state().invisible && !containers.contains(node->role()) &&
            node->text(QAccessible::Name).trimmed().isEmpty())
            nameless << QStringLiteral("%1 (%2)")
                            .arg(int(node->role()))
                            .arg(node->object() ? node->object()->objectName() : QStringLiteral("part"));
    return nameless;
}

}  // namespace peglore::testing
