#include "dialogs/correctanswer/TRectShape.h"

#include <QPainter>

namespace peglore {

TRectShape::TRectShape(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TRectShape::SetBrushColor(const QColor& color)
{
    if (color == FBrushColor)
        return;
    FBrushColor = color;
    update();
}

void TRectShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.fillRect(rect().adjusted(1, 1, -1, -1), FBrushColor);
}

}  // namespace peglore
