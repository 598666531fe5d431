#include "services/messages/TMessageBox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>
#include <QShowEvent>

#include "components/widgets/TWindowPlacement.h"

namespace peglore {

namespace {
QString CaptionOf(TBoxKind kind)
{
    switch (kind) {
    //: The title of a message box that tells something.
    case TBoxKind::Information: return TMessageBox::tr("Information");
    //: The title of a message box that reports a mistake or a failure.
    case TBoxKind::Error: return TMessageBox::tr("Error");
    //: The title of a message box that asks a question (Yes, No): a noun or a request, as fits the language.
    case TBoxKind::Confirmation: return TMessageBox::tr("Confirm");
    }
    return {};
}

QMessageBox::Icon IconOf(TBoxKind kind)
{
    switch (kind) {
    case TBoxKind::Information: return QMessageBox::Information;
    case TBoxKind::Error: return QMessageBox::Critical;
    case TBoxKind::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}
}  // namespace

TMessageBox::TMessageBox(TBoxKind kind, const QString& text, QWidget* parent, const QString& caption)
    : QMessageBox(parent)
{
    setWindowTitle(caption.isEmpty() ? CaptionOf(kind) : caption);
    setIcon(IconOf(kind));
    setText(text);
    setTextFormat(Qt::PlainText);
    setWindowModality(Qt::ApplicationModal);
    FPlacement = new TWindowPlacement(*this, [this] { CentreOnScreen(); });
    if (kind == TBoxKind::Confirmation) {
        //: A button of a question box.
        FYes = addButton(tr("&Yes"), QMessageBox::YesRole);
        //: A button of a question box.
        FNo = addButton(tr("&No"), QMessageBox::NoRole);
        setDefaultButton(static_cast<QPushButton*>(FYes));
        setEscapeButton(FNo);
    } else {
        //: The button of a message box that tells something or reports an error.
        FOk = addButton(tr("OK"), QMessageBox::AcceptRole);
        setDefaultButton(static_cast<QPushButton*>(FOk));
        setEscapeButton(FOk);
    }
}

void TMessageBox::showEvent(QShowEvent* event)
{
    QMessageBox::showEvent(event);
    if (!event->spontaneous())
        CentreOnScreen();
}

void TMessageBox::CentreOnScreen()
{
    // The box is not framed yet when it first shows: the active window's
    // frame is the best guess of its own, and the watch centres it again
    // once its frame is known.
    const QWidget* active = QApplication::activeWindow();
    const QMargins guess =
        active && active != this ? TWindowPlacement::StatedFrame(*active).value_or(QMargins()) : QMargins();
    FPlacement->Centre(TCentring::HalvesToEvenOnScreen, guess);
}

void TMessageBox::closeEvent(QCloseEvent* event)
{
    // Escape clicks the escape button and never comes here; a close
    // request from the window frame does.
    FClosedFromTitleBar = true;
    QMessageBox::closeEvent(event);
}

TAnswer TMessageBox::Ask()
{
    FClosedFromTitleBar = false;
    exec();
    if (FClosedFromTitleBar)
        return TAnswer::Cancel;
    QAbstractButton* clicked = clickedButton();
    if (clicked && clicked == FYes)
        return TAnswer::Yes;
    if (clicked && clicked == FNo)
        return TAnswer::No;
    if (clicked && clicked == FOk)
        return TAnswer::Ok;
    return TAnswer::Cancel;
}

}  // namespace peglore
