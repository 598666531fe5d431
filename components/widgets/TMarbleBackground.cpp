#include "components/widgets/TMarbleBackground.h"

#include <QPainter>

#include "resources/pictures/Pictures.h"

namespace peglore {

const QColor TMarbleBackground::FallbackColor(0xC0, 0xC0, 0xC0);

TMarbleBackground::TMarbleBackground(QWidget* parent)
    : QWidget(parent), FTexture(QString::fromLatin1(PicturePaths::Marble))
{
    setObjectName(QStringLiteral("imgBackGround"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TMarbleBackground::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (FTexture.isNull()) {
        painter.fillRect(rect(), FallbackColor);
        return;
    }
    // Stretched once per size, not at every paint (the raster engine
    // scales a large stretch on worker threads), straight into the screen's
    // pixels: on a screen of a device pixel ratio above 1 the texture is not
    // stretched a second time.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (FStretched.size() != pixels || FStretched.devicePixelRatio() != ratio) {
        FStretched = QPixmap(pixels);
        QPainter stretch(&FStretched);
        stretch.drawPixmap(FStretched.rect(), FTexture);
        stretch.end();
        FStretched.setDevicePixelRatio(ratio);
    }
    painter.drawPixmap(0, 0, FStretched);
}

}  // namespace peglore
