#include "services/messages/TMessageBox.h"

#include <QCloseEvent>
#include <QPushButton>

namespace peglore {

namespace {
QString CaptionOf(TBoxKind Kind)
{
    switch (Kind) {
    case TBoxKind::Information: return QStringLiteral("Information");
    case TBoxKind::Error: return QStringLiteral("Error");
    case TBoxKind::Confirmation: return QStringLiteral("Confirm");
    }
    return {};
}

QMessageBox::Icon IconOf(TBoxKind Kind)
{
    switch (Kind) {
    case TBoxKind::Information: return QMessageBox::Information;
    case TBoxKind::Error: return QMessageBox::Critical;
    case TBoxKind::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}
}  // namespace

TMessageBox::TMessageBox(TBoxKind Kind, const QString& Text, QWidget* Parent, const QString& Caption)
    : QMessageBox(Parent)
{
    setWindowTitle(Caption.isEmpty() ? CaptionOf(Kind) : Caption);
    setIcon(IconOf(Kind));
    setText(Text);
    setTextFormat(Qt::PlainText);
    setWindowModality(Qt::ApplicationModal);
    if (Kind == TBoxKind::Confirmation) {
        FYes = addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
        FNo = addButton(QStringLiteral("&No"), QMessageBox::NoRole);
        setDefaultButton(static_cast<QPushButton*>(FYes));
        setEscapeButton(FNo);
    } else {
        FOk = addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        setDefaultButton(static_cast<QPushButton*>(FOk));
        setEscapeButton(FOk);
    }
}

void TMessageBox::closeEvent(QCloseEvent* Event)
{
    // Escape clicks the escape button and never comes here; a close
    // request from the window frame does.
    FClosedFromTitleBar = true;
    QMessageBox::closeEvent(Event);
}

TMessageBox::TResult TMessageBox::Ask()
{
    FClosedFromTitleBar = false;
    exec();
    if (FClosedFromTitleBar)
        return Cancel;
    QAbstractButton* clicked = clickedButton();
    if (clicked && clicked == FYes)
        return Yes;
    if (clicked && clicked == FNo)
        return No;
    if (clicked && clicked == FOk)
        return Ok;
    return Cancel;
}

}  // namespace peglore
