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
    // scales a large stretch on worker threads).
    if (FStretched.size() != size()) {
        FStretched = QPixmap(size());
        QPainter stretch(&FStretched);
        stretch.drawPixmap(FStretched.rect(), FTexture);
    }
    painter.drawPixmap(0, 0, FStretched);
}

}  // namespace peglore
