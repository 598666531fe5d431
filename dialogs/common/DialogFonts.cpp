#include "dialogs/common/DialogFonts.h"

#include <QPalette>
#include <QWidget>

namespace peglore {

QFont DialogFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void SetFontColor(QWidget* control, const QColor& color)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::ButtonText, color);
    palette.setColor(QPalette::Text, color);
    control->setPalette(palette);
}

}  // namespace peglore
