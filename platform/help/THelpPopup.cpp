#include "platform/help/THelpPopup.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTextDocument>
#include <QVBoxLayout>

namespace peglore {

namespace {

// Wide enough for a few lines of text, narrow enough to look like a note.
constexpr int PopupTextWidth = 320;

}  // namespace

THelpPopup::THelpPopup(const QString& html, QWidget* parent)
    : QFrame(parent, Qt::Popup | Qt::FramelessWindowHint), FText(new QLabel(this))
{
    setProperty("pegloreHelpWindow", true);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(255, 255, 225));
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);

    FText->setTextFormat(Qt::RichText);
    FText->setTextInteractionFlags(Qt::NoTextInteraction);
    FText->setOpenExternalLinks(false);
    FText->setWordWrap(true);
    FText->setText(html);
    FText->setFixedWidth(PopupTextWidth);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->addWidget(FText);
}

void THelpPopup::ShowNear(const QPoint& globalPos)
{
    adjustSize();
    QPoint place = globalPos + QPoint(4, 12);
    const QScreen* screen = QGuiApplication::screenAt(globalPos);
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        const QRect area = screen->availableGeometry();
        place.setX(qMax(area.left(), qMin(place.x(), area.right() + 1 - width())));
        place.setY(qMax(area.top(), qMin(place.y(), area.bottom() + 1 - height())));
    }
    move(place);
    show();
    setFocus(Qt::PopupFocusReason);
}

QString THelpPopup::PlainText() const
{
    QTextDocument document;
    document.setHtml(FText->text());
    return document.toPlainText();
}

void THelpPopup::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    close();
}

void THelpPopup::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    close();
}

void THelpPopup::focusOutEvent(QFocusEvent* event)
{
    QFrame::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        close();
}

bool THelpPopup::event(QEvent* event)
{
    if (event->type() == QEvent::WindowDeactivate)
        close();
    return QFrame::event(event);
}

}  // namespace peglore
