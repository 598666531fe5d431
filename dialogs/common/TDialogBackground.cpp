#include "dialogs/common/TDialogBackground.h"

#include <QPainter>

namespace peglore {

const QColor TDialogBackground::FallbackColor(0xD4, 0xD0, 0xC8);

TDialogBackground::TDialogBackground(QWidget* parent) : QWidget(parent), FTexture(QString::fromLatin1(TexturePath))
{
    setObjectName(QStringLiteral("imgBackGround"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TDialogBackground::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (FTexture.isNull())
        painter.fillRect(rect(), FallbackColor);
    else
        painter.drawPixmap(rect(), FTexture);
}

}  // namespace peglore
