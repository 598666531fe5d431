#include "components/widgets/TBevelPanel.h"

#include <QPainter>

namespace peglore {

namespace {
const QColor Highlight(Qt::white);
const QColor Shadow(0x80, 0x80, 0x80);
}  // namespace

void DrawBevelFrame(QPainter& Painter, const QRect& Rect, TBevelCut Cut)
{
    if (Cut == TBevelCut::None || Rect.width() < 2 || Rect.height() < 2)
        return;
    const QColor topLeft = Cut == TBevelCut::Raised ? Highlight : Shadow;
    const QColor bottomRight = Cut == TBevelCut::Raised ? Shadow : Highlight;
    Painter.fillRect(QRect(Rect.left(), Rect.top(), Rect.width(), 1), topLeft);
    Painter.fillRect(QRect(Rect.left(), Rect.top(), 1, Rect.height()), topLeft);
    Painter.fillRect(QRect(Rect.left(), Rect.bottom(), Rect.width(), 1), bottomRight);
    Painter.fillRect(QRect(Rect.right(), Rect.top(), 1, Rect.height()), bottomRight);
}

TBevelPanel::TBevelPanel(QWidget* Parent) : QWidget(Parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TBevelPanel::SetBevelOuter(TBevelCut Cut)
{
    FOuter = Cut;
    update();
}

void TBevelPanel::SetBevelInner(TBevelCut Cut)
{
    FInner = Cut;
    update();
}

void TBevelPanel::SetColor(const QColor& Color)
{
    FColor = Color;
    update();
}

void TBevelPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), FColor);
    QRect r = rect();
    if (FOuter != TBevelCut::None) {
        DrawBevelFrame(painter, r, FOuter);
        r.adjust(1, 1, -1, -1);
    }
    DrawBevelFrame(painter, r, FInner);
}

TBevel::TBevel(TBevelShape Shape, QWidget* Parent) : QWidget(Parent), FShape(Shape)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TBevel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (FShape == TBevelShape::LeftLine) {
        painter.fillRect(QRect(0, 0, 1, height()), Shadow);
        painter.fillRect(QRect(1, 0, 1, height()), Highlight);
    } else {
        painter.fillRect(QRect(0, height() - 2, width(), 1), Shadow);
        painter.fillRect(QRect(0, height() - 1, width(), 1), Highlight);
    }
}

}  // namespace peglore
