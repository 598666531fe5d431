#pragma once

#include <QColor>

#include "game/ICanvas.h"

class QPainter;

namespace peglore {

QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);

// The game core's canvas over a QPainter. Rectangles and ellipses cover
// left..right-1 and top..bottom-1, outline included, as on the boards.
class TPainterCanvas final : public ICanvas {
public:
    explicit TPainterCanvas(QPainter& painter) : FPainter(painter) {}

    void SetBrushColor(TColor color) override { FBrush = ToQColor(color); }
    void SetPenColor(TColor color) override { FPen = ToQColor(color); }
    void SetPenWidth(int width) override { FPenWidth = width; }
    void SetCopyMode() override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Polygon(std::span<const TPoint> points) override;

private:
    QPainter& FPainter;
    QColor FBrush = Qt::white;
    QColor FPen = Qt::black;
    int FPenWidth = 1;
};

}  // namespace peglore
