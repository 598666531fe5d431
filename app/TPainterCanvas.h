#pragma once

#include <QColor>

#include "game/ICanvas.h"

class QPainter;

namespace peglore {

QColor ToQColor(TColor Color);
TColor FromQColor(const QColor& Color);

// The game core's canvas over a QPainter. Rectangles and ellipses cover
// Left..Right-1 and Top..Bottom-1, outline included, as on the boards.
class TPainterCanvas final : public ICanvas {
public:
    explicit TPainterCanvas(QPainter& Painter) : FPainter(Painter) {}

    void SetBrushColor(TColor Color) override { FBrush = ToQColor(Color); }
    void SetPenColor(TColor Color) override { FPen = ToQColor(Color); }
    void SetPenWidth(int Width) override { FPenWidth = Width; }
    void SetCopyMode() override;
    void Rectangle(int Left, int Top, int Right, int Bottom) override;
    void Ellipse(int Left, int Top, int Right, int Bottom) override;

private:
    QPainter& FPainter;
    QColor FBrush = Qt::white;
    QColor FPen = Qt::black;
    int FPenWidth = 1;
};

}  // namespace peglore
