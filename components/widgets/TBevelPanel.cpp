#include "components/widgets/TBevelPanel.h"

#include <QPainter>

#include "components/widgets/TBevel.h"

namespace peglore {

namespace {
const QColor& Highlight = TBevel::HighlightColor;
const QColor& Shadow = TBevel::ShadowColor;
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

}  // namespace peglore
