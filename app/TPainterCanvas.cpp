#include "app/TPainterCanvas.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>

namespace peglore {

QColor ToQColor(TColor color)
{
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

TColor FromQColor(const QColor& color)
{
    return TColor(color.red()) | (TColor(color.green()) << 8) | (TColor(color.blue()) << 16);
}

void TPainterCanvas::SetCopyMode()
{
    FPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TPainterCanvas::Rectangle(int left, int top, int right, int bottom)
{
    const int w = right - left, h = bottom - top;
    if (w <= 0 || h <= 0)
        return;
    FPainter.fillRect(QRect(left, top, w, h), FBrush);
    const int p = std::min({FPenWidth, w, h});
    if (p <= 0)
        return;
    FPainter.fillRect(QRect(left, top, w, p), FPen);
    FPainter.fillRect(QRect(left, bottom - p, w, p), FPen);
    FPainter.fillRect(QRect(left, top, p, h), FPen);
    FPainter.fillRect(QRect(right - p, top, p, h), FPen);
}

void TPainterCanvas::Ellipse(int left, int top, int right, int bottom)
{
    if (right - left <= 0 || bottom - top <= 0)
        return;
    FPainter.save();
    FPainter.setRenderHint(QPainter::Antialiasing, false);
    FPainter.setBrush(FBrush);
    FPainter.setPen(FPenWidth > 0 ? QPen(FPen, FPenWidth) : QPen(Qt::NoPen));
    // A 1-pixel pen on QRect(x, y, w, h) covers w + 1 pixels across.
    FPainter.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
    FPainter.restore();
}

void TPainterCanvas::Polygon(std::span<const TPoint> points)
{
    if (points.size() < 3)
        return;
    QPolygon polygon;
    for (const TPoint& p : points)
        polygon << QPoint(p.X, p.Y);
    FPainter.save();
    // Aliased, so a corner at (x, y) bounds whole pixels, as the rectangles do.
    FPainter.setRenderHint(QPainter::Antialiasing, false);
    FPainter.setPen(Qt::NoPen);
    FPainter.setBrush(FBrush);
    FPainter.drawPolygon(polygon);
    FPainter.restore();
}

}  // namespace peglore
