#include "dialogs/common/TAutoSizeLabel.h"

#include <QEvent>
#include <QFontMetrics>

namespace peglore {

TAutoSizeLabel::TAutoSizeLabel(const QString& caption, QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetCaption(caption);
}

void TAutoSizeLabel::SetCaption(const QString& caption)
{
    setText(caption);
    AdjustBounds();
}

void TAutoSizeLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        AdjustBounds();
}

void TAutoSizeLabel::AdjustBounds()
{
    const QFontMetrics metrics(font());
    resize(metrics.horizontalAdvance(text()), metrics.height());
}

}  // namespace peglore
