#include "windows/analysis/PegRowPicture.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPolygon>

#include "components/accessible/PegNames.h"
#include "game/PegSymbols.h"

namespace peglore {

namespace {
constexpr int PegSize = 16;
constexpr int Gap = 3;

QColor ToQColor(TColor color)
{
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}
}  // namespace

QPixmap PegRowPicture(const TCode& code, bool symbols)
{
    // Drawn in the screen's own pixels, so that it is as sharp at 200 % as
    // at 100 %.
    const qreal ratio = qApp->devicePixelRatio();
    QPixmap picture(QSize(code.Width() * (PegSize + Gap) + Gap, PegSize + 2 * Gap) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const auto colors = code.Colors();
    for (int hole = 0; hole < code.Width(); ++hole) {
        const TColor color = colors[static_cast<std::size_t>(hole)];
        const QRect peg(Gap + hole * (PegSize + Gap), Gap, PegSize, PegSize);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(ToQColor(color));
        painter.drawEllipse(peg);
        if (!symbols)
            continue;
        QPolygon outline;
        for (const TPoint& corner : PegSymbolOutline(color, {peg.left(), peg.top(), peg.right() + 1, peg.bottom() + 1}))
            outline << QPoint(corner.X, corner.Y);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ToQColor(PegSymbol(color).Ink));
        painter.drawPolygon(outline);
    }
    return picture;
}

QString PegRowNames(const TCode& code)
{
    QStringList words;
    const auto colors = code.Colors();
    for (int hole = 0; hole < code.Width(); ++hole)
        words << PegColorName(colors[static_cast<std::size_t>(hole)]);
    return words.join(QStringLiteral(", "));
}

}  // namespace peglore
