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
    if (FTexture.isNull())
        painter.fillRect(rect(), FallbackColor);
    else
        painter.drawPixmap(rect(), FTexture);
}

}  // namespace peglore
