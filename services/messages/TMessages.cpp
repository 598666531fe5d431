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

TAnswer TMessages::ShowRowContradicts(int row, int blacks, int whites)
{
    return Show(TBoxKind::Error, QStringLiteral("Row %1 answered %2 black, %3 white: this row cannot be the secret.")
                                     .arg(row)
                                     .arg(blacks)
                                     .arg(whites));
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

TAnswer TMessages::ShowRowBreaksVariant(bool repeated, int colours)
{
    if (repeated)
        return Show(TBoxKind::Error,
                    QStringLiteral("A colour stands twice in this row, and in this game no colour may repeat. "
                                   "Change the row before checking it."));
    return Show(TBoxKind::Error, QStringLiteral("This row uses a colour that is not in play: this game plays with "
                                                "the first %1 colours of the colour bar only. Change the row before "
                                                "checking it.")
                                     .arg(colours));
}

TAnswer TMessages::ShowCodeBreaksVariant(bool repeated, int colours)
{
    if (repeated)
        return Show(TBoxKind::Error,
                    QStringLiteral("A colour stands twice in your code, and in this game no colour may repeat. "
                                   "Change your code before starting."));
    return Show(TBoxKind::Error, QStringLiteral("Your code uses a colour that is not in play: this game plays with "
                                                "the first %1 colours of the colour bar only. Change your code "
                                                "before starting.")
                                     .arg(colours));
}

TAnswer TMessages::ShowHintBoardTooWide(int widest, int width)
{
    return Show(TBoxKind::Information,
                QStringLiteral("The hint covers boards up to %1 holes, and this board has %2.").arg(widest).arg(width));
}

TAnswer TMessages::ShowCodeBreakerBoardTooWide(int widest, int width)
{
    return Show(
        TBoxKind::Information,
        QStringLiteral("The computer breaks codes of up to %1 holes, and this board has %2.").arg(widest).arg(width));
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
