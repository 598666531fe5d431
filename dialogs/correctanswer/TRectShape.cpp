#include "dialogs/correctanswer/TRectShape.h"

#include <QPainter>
#include <QPolygon>

#include "components/accessible/PegNames.h"
#include "components/accessible/TGroupAccessible.h"
#include "game/PegSymbols.h"

namespace peglore {

TRectShape::TRectShape(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    TGroupAccessible::SetAccessibleRole(*this, QAccessible::Graphic);
    UpdateAccessibleName();
}

TColor TRectShape::Peg() const
{
    return TColor(FBrushColor.red()) | TColor(FBrushColor.green()) << 8 | TColor(FBrushColor.blue()) << 16;
}

void TRectShape::UpdateAccessibleName()
{
    // A screen reader names the peg shown; Qt tells it of the change.
    setAccessibleName(PegReading(Peg(), FSymbolShown));
}

void TRectShape::SetBrushColor(const QColor& color)
{
    if (color == FBrushColor)
        return;
    FBrushColor = color;
    update();
    UpdateAccessibleName();
}

void TRectShape::SetSymbolShown(bool shown)
{
    if (shown == FSymbolShown)
        return;
    FSymbolShown = shown;
    update();
    UpdateAccessibleName();
}

void TRectShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.fillRect(rect().adjusted(1, 1, -1, -1), FBrushColor);
    if (!FSymbolShown)
        return;
    const TColor peg = Peg();
    QPolygon outline;
    for (const TPoint& p : PegSymbolOutline(peg, TRect{0, 0, width(), height()}))
        outline << QPoint(p.X, p.Y);
    if (outline.isEmpty())
        return;
    const TColor ink = PegSymbol(peg).Ink;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(int(ink & 0xFF), int((ink >> 8) & 0xFF), int((ink >> 16) & 0xFF)));
    painter.drawPolygon(outline);
}

}  // namespace peglore
