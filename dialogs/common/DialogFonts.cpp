#include "dialogs/common/DialogFonts.h"

#include <QPalette>
#include <QWidget>

namespace peglore {

QFont DialogFont(int PixelSize, bool Bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(PixelSize);
    font.setBold(Bold);
    return font;
}

void SetFontColor(QWidget* Control, const QColor& Color)
{
    QPalette palette = Control->palette();
    palette.setColor(QPalette::WindowText, Color);
    palette.setColor(QPalette::ButtonText, Color);
    palette.setColor(QPalette::Text, Color);
    Control->setPalette(palette);
}

}  // namespace peglore
