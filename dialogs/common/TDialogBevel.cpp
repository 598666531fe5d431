#include "dialogs/common/TDialogBevel.h"

#include <QPainter>

namespace peglore {

const QColor TDialogBevel::ShadowColor(0x80, 0x80, 0x80);
const QColor TDialogBevel::HighlightColor(Qt::white);

TDialogBevel::TDialogBevel(TDialogBevelShape shape, QWidget* parent) : QWidget(parent), FShape(shape)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TDialogBevel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int w = width(), h = height();
    switch (FShape) {
    case TDialogBevelShape::Box:
        // Shadow above and left, highlight below and right: cut in.
        painter.fillRect(QRect(0, 0, w - 1, 1), ShadowColor);
        painter.fillRect(QRect(0, 0, 1, h - 1), ShadowColor);
        painter.fillRect(QRect(0, h - 1, w, 1), HighlightColor);
        painter.fillRect(QRect(w - 1, 0, 1, h), HighlightColor);
        break;
    case TDialogBevelShape::LeftLine:
        painter.fillRect(QRect(0, 0, 1, h), ShadowColor);
        painter.fillRect(QRect(1, 0, 1, h), HighlightColor);
        break;
    case TDialogBevelShape::TopLine:
        painter.fillRect(QRect(0, 0, w, 1), ShadowColor);
        painter.fillRect(QRect(0, 1, w, 1), HighlightColor);
        break;
    }
}

}  // namespace peglore
