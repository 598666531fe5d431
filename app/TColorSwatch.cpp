#include "app/TColorSwatch.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include "app/TPainterCanvas.h"
#include "game/PegSymbols.h"
#include "resources/pictures/Pictures.h"

namespace peglore {

const char* const TColorSwatch::MimeType = "application/x-peglore-peg";

TColorSwatch::TColorSwatch(TColor color, QWidget* parent) : QWidget(parent), FColor(color)
{
    setAttribute(Qt::WA_NoSystemBackground);
    // The pointing hand tells the player that a swatch can be picked up.
    const QCursor hand = HandCursorFor(qApp->devicePixelRatio());
    if (!hand.pixmap().isNull())
        setCursor(hand);
}

void TColorSwatch::SetSymbolShown(bool shown)
{
    if (shown == FSymbolShown)
        return;
    FSymbolShown = shown;
    update();
    // The name says the symbol.
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
}

QMimeData* TColorSwatch::MakeMimeData(TColor color)
{
    auto* data = new QMimeData;
    data->setData(MimeType, QByteArray::number(color, 16));
    return data;
}

bool TColorSwatch::ColorFromMimeData(const QMimeData* data, TColor& color)
{
    if (!data || !data->hasFormat(MimeType))
        return false;
    bool ok = false;
    const uint value = data->data(MimeType).toUInt(&ok, 16);
    if (!ok || value > 0xFFFFFF)
        return false;
    color = value;
    return true;
}

void TColorSwatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(ToQColor(FColor));
    // Corners rounded by a quarter of the shorter side, as a round-rect shape.
    const qreal radius = std::min(width(), height()) / 8.0;
    painter.drawRoundedRect(QRectF(0.5, 0.5, width() - 1.0, height() - 1.0), radius, radius);
    if (FSymbolShown) {
        TPainterCanvas canvas(painter);
        DrawPegSymbol(canvas, FColor, TRect{0, 0, width(), height()});
    }
}

void TColorSwatch::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    FPressed = true;
    FPressPos = event->position().toPoint();
}

void TColorSwatch::mouseMoveEvent(QMouseEvent* event)
{
    if (!FPressed || !(event->buttons() & Qt::LeftButton))
        return;
    if ((event->position().toPoint() - FPressPos).manhattanLength() < QApplication::startDragDistance())
        return;
    FPressed = false;
    auto* drag = new QDrag(this);
    drag->setMimeData(MakeMimeData(FColor));
    drag->setPixmap(grab());
    drag->setHotSpot(FPressPos);
    drag->exec(Qt::CopyAction);
}

void TColorSwatch::mouseReleaseEvent(QMouseEvent*)
{
    FPressed = false;
}

void TColorSwatch::contextMenuEvent(QContextMenuEvent* event)
{
    // The colour bar's menu serves its swatches.
    event->ignore();
}

}  // namespace peglore
