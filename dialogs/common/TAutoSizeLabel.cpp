#include "dialogs/common/TAutoSizeLabel.h"

#include <QEvent>
#include <QFontMetrics>

namespace peglore {

TAutoSizeLabel::TAutoSizeLabel(const QString& Caption, QWidget* Parent) : QLabel(Parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetCaption(Caption);
}

void TAutoSizeLabel::SetCaption(const QString& Caption)
{
    setText(Caption);
    AdjustBounds();
}

void TAutoSizeLabel::changeEvent(QEvent* Event)
{
    QLabel::changeEvent(Event);
    if (Event->type() == QEvent::FontChange)
        AdjustBounds();
}

void TAutoSizeLabel::AdjustBounds()
{
    const QFontMetrics metrics(font());
    resize(metrics.horizontalAdvance(text()), metrics.height());
}

}  // namespace peglore
