#include "components/widgets/TStatusPanels.h"

#include <QAccessible>
#include <QPainter>

#include "components/widgets/TBevelPanel.h"

namespace peglore {

TStatusPanels::TStatusPanels(QList<int> widths, QWidget* parent) : QWidget(parent), FWidths(std::move(widths))
{
    for (qsizetype i = 0; i < FWidths.size(); ++i)
        FTexts << QString();
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TStatusPanels::SetPanelText(int index, const QString& text)
{
    if (index < 0 || index >= FTexts.size() || FTexts[index] == text)
        return;
    FTexts[index] = text;
    update(PanelRect(index));
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    changed.setChild(index);
    QAccessible::updateAccessibility(&changed);
}

QRect TStatusPanels::PanelRect(int index) const
{
    int left = 0;
    for (int i = 0; i < index; ++i)
        left += FWidths.value(i);
    const bool last = index == FWidths.size() - 1;
    const int w = last ? std::max(0, width() - left) : FWidths.value(index);
    // Panels stand 2 pixels apart, below a 2-pixel top margin.
    return QRect(left, 2, std::max(0, w - 2), height() - 2);
}

void TStatusPanels::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xC0, 0xC0, 0xC0));
    painter.setPen(Qt::black);
    painter.setFont(font());
    for (int i = 0; i < FTexts.size(); ++i) {
        const QRect r = PanelRect(i);
        DrawBevelFrame(painter, r, TBevelCut::Lowered);
        painter.drawText(r.adjusted(3, 1, -2, -1), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, FTexts[i]);
    }
}

}  // namespace peglore
