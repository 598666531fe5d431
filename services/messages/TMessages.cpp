#include "services/messages/TMessages.h"

#include <QApplication>
#include <QDialog>
#include <QMainWindow>

namespace peglore {

namespace {
// The window a box belongs to, and is shown transient for: the active one
// of the game, or, where the window system has made none active (on
// Wayland before the seat has a keyboard, or while another program has
// the focus), the main window, so that a compositor still shows the box
// over it.
QWidget* BoxOwner()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(window) && window->isVisible())
            return window;
    return nullptr;
}
}  // namespace

const QString TMessages::WonText = QStringLiteral("You won the game!");
const QString TMessages::LostText = QStringLiteral("You lost the game!");
const QString TMessages::RowNotFullText = QStringLiteral("You must completely fill the row before trying to check it!");
const QString TMessages::DisplayErrorText =
    QStringLiteral("Sorry, Peglore requires at least 256 color display driver.");
const QString TMessages::NewGameText = QStringLiteral("Do you really want to start a new game?");
const QString TMessages::GiveUpText = QStringLiteral("Are you sure you want to give up?");

TAnswer TMessages::Show(TBoxKind kind, const QString& text)
{
    TMessageBox box(kind, text, BoxOwner());
    return box.Ask();
}

TAnswer TMessages::ShowWon()
{
    return Show(TBoxKind::Information, WonText);
}

TAnswer TMessages::ShowLost()
{
    return Show(TBoxKind::Information, LostText);
}

TAnswer TMessages::ShowRowNotFull()
{
    return Show(TBoxKind::Error, RowNotFullText);
}

TAnswer TMessages::ShowDisplayError()
{
    QApplication::beep();
    return Show(TBoxKind::Error, DisplayErrorText);
}

TAnswer TMessages::AskNewGame()
{
    return Show(TBoxKind::Confirmation, NewGameText);
}

TAnswer TMessages::AskGiveUp()
{
    return Show(TBoxKind::Confirmation, GiveUpText);
}

TAnswer TMessages::ShowHintBoardTooWide(int widest, int width)
{
    return Show(TBoxKind::Information,
                QStringLiteral("The hint covers boards up to %1 holes, and this board has %2.").arg(widest).arg(width));
}

void TMessages::ShowError(const QString& message)
{
    const QString text = message + QLatin1Char('.');
    TMessageBox box(TBoxKind::Error, text, BoxOwner(), QApplication::applicationName());
    box.Ask();
}

void TMessages::ShowNote(const QString& text)
{
    Show(TBoxKind::Information, text);
}

void TMessages::ShowAbout(QDialog& about)
{
    about.exec();
}

void TMessages::ShowCorrectAnswer(QDialog& correctAnswer)
{
    correctAnswer.exec();
}

void TMessages::ShowProperties(QDialog& properties)
{
    properties.exec();
}

}  // namespace peglore
