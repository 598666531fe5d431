#pragma once

#include <QColor>
#include <QWidget>

#include "game/PegColors.h"

namespace peglore {

// A solid rectangle with a one-pixel black outline.
class TRectShape : public QWidget {
    Q_OBJECT
public:
    explicit TRectShape(QWidget* parent = nullptr);

    QColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(const QColor& color);
    // The symbol of the peg colour in the middle, for a fill colour of the
    // palette.
    bool SymbolShown() const { return FSymbolShown; }
    void SetSymbolShown(bool shown);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TColor Peg() const;
    void UpdateAccessibleName();

    QColor FBrushColor = Qt::white;
    bool FSymbolShown = false;
};

}  // namespace peglore
