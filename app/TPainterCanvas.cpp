#include "app/TPainterCanvas.h"

#include <QPainter>

#include <algorithm>

namespace peglore {

QColor ToQColor(TColor Color)
{
    return QColor(int(Color & 0xFF), int((Color >> 8) & 0xFF), int((Color >> 16) & 0xFF));
}

TColor FromQColor(const QColor& Color)
{
    return TColor(Color.red()) | (TColor(Color.green()) << 8) | (TColor(Color.blue()) << 16);
}

void TPainterCanvas::SetCopyMode()
{
    FPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TPainterCanvas::Rectangle(int Left, int Top, int Right, int Bottom)
{
    const int w = Right - Left, h = Bottom - Top;
    if (w <= 0 || h <= 0)
        return;
    FPainter.fillRect(QRect(Left, Top, w, h), FBrush);
    const int p = std::min({FPenWidth, w, h});
    if (p <= 0)
        return;
    FPainter.fillRect(QRect(Left, Top, w, p), FPen);
    FPainter.fillRect(QRect(Left, Bottom - p, w, p), FPen);
    FPainter.fillRect(QRect(Left, Top, p, h), FPen);
    FPainter.fillRect(QRect(Right - p, Top, p, h), FPen);
}

void TPainterCanvas::Ellipse(int Left, int Top, int Right, int Bottom)
{
    if (Right - Left <= 0 || Bottom - Top <= 0)
        return;
    FPainter.save();
    FPainter.setRenderHint(QPainter::Antialiasing, false);
    FPainter.setBrush(FBrush);
    FPainter.setPen(FPenWidth > 0 ? QPen(FPen, FPenWidth) : QPen(Qt::NoPen));
    // A 1-pixel pen on QRect(x, y, w, h) covers w + 1 pixels across.
    FPainter.drawEllipse(QRect(Left, Top, Right - Left - 1, Bottom - Top - 1));
    FPainter.restore();
}

}  // namespace peglore
