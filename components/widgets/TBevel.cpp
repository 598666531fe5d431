#include "components/widgets/TBevel.h"

#include <QPainter>

namespace peglore {

const QColor TBevel::ShadowColor(0x80, 0x80, 0x80);
const QColor TBevel::HighlightColor(Qt::white);

TBevel::TBevel(TBevelShape shape, QWidget* parent) : QWidget(parent), FShape(shape)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TBevel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int w = width(), h = height();
    switch (FShape) {
    case TBevelShape::Box:
        // Shadow above and left, highlight below and right: cut in.
        painter.fillRect(QRect(0, 0, w - 1, 1), ShadowColor);
        painter.fillRect(QRect(0, 0, 1, h - 1), ShadowColor);
        painter.fillRect(QRect(0, h - 1, w, 1), HighlightColor);
        painter.fillRect(QRect(w - 1, 0, 1, h), HighlightColor);
        break;
    case TBevelShape::LeftLine:
        painter.fillRect(QRect(0, 0, 1, h), ShadowColor);
        painter.fillRect(QRect(1, 0, 1, h), HighlightColor);
        break;
    case TBevelShape::TopLine:
        painter.fillRect(QRect(0, 0, w, 1), ShadowColor);
        painter.fillRect(QRect(0, 1, w, 1), HighlightColor);
        break;
    case TBevelShape::BottomLine:
        painter.fillRect(QRect(0, h - 2, w, 1), ShadowColor);
        painter.fillRect(QRect(0, h - 1, w, 1), HighlightColor);
        break;
    }
}

}  // namespace peglore
