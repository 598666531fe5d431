#include "components/widgets/TBevelPanel.h"

#include <QPainter>

namespace peglore {

namespace {
const QColor Highlight(Qt::white);
const QColor Shadow(0x80, 0x80, 0x80);
}  // namespace

void DrawBevelFrame(QPainter& painter, const QRect& rect, TBevelCut cut)
{
    if (cut == TBevelCut::None || rect.width() < 2 || rect.height() < 2)
        return;
    const QColor topLeft = cut == TBevelCut::Raised ? Highlight : Shadow;
    const QColor bottomRight = cut == TBevelCut::Raised ? Shadow : Highlight;
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), topLeft);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), topLeft);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottomRight);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottomRight);
}

TBevelPanel::TBevelPanel(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TBevelPanel::SetBevelOuter(TBevelCut cut)
{
    FOuter = cut;
    update();
}

void TBevelPanel::SetBevelInner(TBevelCut cut)
{
    FInner = cut;
    update();
}

void TBevelPanel::SetColor(const QColor& color)
{
    FColor = color;
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

TBevel::TBevel(TBevelShape shape, QWidget* parent) : QWidget(parent), FShape(shape)
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
