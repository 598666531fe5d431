#include "resources/pictures/Pictures.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>
#include <QString>
#include <QtCore/qglobal.h>
#include <QtMath>

// Q_INIT_RESOURCE must be expanded outside any namespace.
static void InitPictureResources()
{
    Q_INIT_RESOURCE(pictures);
}

namespace peglore {

void InitPictures()
{
    InitPictureResources();
}

QPixmap PictureFor(const char* path, qreal ratio)
{
    const QString written = QString::fromLatin1(path);
    if (ratio <= 1.0)
        return QPixmap(written);
    QPixmap twice(QString(written).insert(written.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x")));
    if (twice.isNull())
        return QPixmap(written);
    if (!qFuzzyCompare(ratio, 2.0)) {
        const QSize size = QPixmap(written).size();
        twice = twice.scaled(qCeil(size.width() * ratio), qCeil(size.height() * ratio), Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
    }
    twice.setDevicePixelRatio(ratio);
    return twice;
}

QCursor HandCursorFor(qreal ratio)
{
    const QPixmap hand = PictureFor(PicturePaths::HandCursor, ratio);
    // X11 takes a cursor's picture and its hot spot in the picture's own
    // pixels, whatever its device pixel ratio; elsewhere (Wayland) the hot
    // spot is in the window's pixels and the ratio says how to show it.
    const qreal hotSpotScale = QGuiApplication::platformName() == QLatin1String("xcb") ? hand.devicePixelRatio() : 1.0;
    return QCursor(hand, qFloor(HandHotSpotX * hotSpotScale), qFloor(HandHotSpotY * hotSpotScale));
}

}  // namespace peglore
