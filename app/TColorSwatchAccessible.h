#pragma once

#include <QAccessibleWidget>
#include <QCoreApplication>

namespace peglore {

class TColorSwatch;

// A swatch of the colour bar as a screen reader sees it: a button named by
// its colour, its symbol while symbols are shown, and the key that places
// it ("red, key 1"); pressing it places the colour as the key does.
class TColorSwatchAccessible : public QAccessibleWidget {
    Q_DECLARE_TR_FUNCTIONS(peglore::TColorSwatchAccessible)

public:
    explicit TColorSwatchAccessible(TColorSwatch* swatch);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    TColorSwatch* Swatch() const;
};

}  // namespace peglore
