#include "dialogs/correctanswer/TRectShape.h"

#include <QPainter>

namespace peglore {

TRectShape::TRectShape(QWidget* Parent) : QWidget(Parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TRectShape::SetBrushColor(const QColor& Color)
{
    if (Color == FBrushColor)
        return;
    FBrushColor = Color;
    update();
}

void TRectShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.fillRect(rect().adjusted(1, 1, -1, -1), FBrushColor);
}

}  // namespace peglore
