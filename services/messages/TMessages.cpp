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

//: An information box at the end of a game.
const char* const TMessages::WonText = QT_TRANSLATE_NOOP("peglore::TMessages", "You won the game!");
//: An information box at the end of a game: every row was used.
const char* const TMessages::LostText = QT_TRANSLATE_NOOP("peglore::TMessages", "You lost the game!");
//: An error box: a row was to be checked with a hole still empty.
const char* const TMessages::RowNotFullText =
    QT_TRANSLATE_NOOP("peglore::TMessages", "You must completely fill the row before trying to check it!");
//: An error box at the start, when the display shows too few colours for the pegs.
const char* const TMessages::DisplayErrorText =
    QT_TRANSLATE_NOOP("peglore::TMessages", "Sorry, Peglore requires at least 256 color display driver.");
//: A question box (Yes, No) before a game in progress is left for a new one.
const char* const TMessages::NewGameText =
    QT_TRANSLATE_NOOP("peglore::TMessages", "Do you really want to start a new game?");
//: A question box (Yes, No) before the game in progress is given up.
const char* const TMessages::GiveUpText = QT_TRANSLATE_NOOP("peglore::TMessages", "Are you sure you want to give up?");

TAnswer TMessages::Show(TBoxKind kind, const QString& text)
{
    TMessageBox box(kind, text, BoxOwner());
    return box.Ask();
}

TAnswer TMessages::ShowWon()
{
    return Show(TBoxKind::Information, tr(WonText));
}

TAnswer TMessages::ShowLost()
{
    return Show(TBoxKind::Information, tr(LostText));
}

TAnswer TMessages::ShowRowNotFull()
{
    return Show(TBoxKind::Error, tr(RowNotFullText));
}

TAnswer TMessages::ShowRowContradicts(int row, int blacks, int whites)
{
    //: An error box in hard mode: the row to check contradicts the answer of an earlier row. %1 is that row's
    //: number (from 1 at the top), %2 its black key pegs, %3 its white ones.
    return Show(
        TBoxKind::Error,
        tr("Row %1 answered %2 black, %3 white: this row cannot be the secret.").arg(row).arg(blacks).arg(whites));
}

TAnswer TMessages::ShowDisplayError()
{
    QApplication::beep();
    return Show(TBoxKind::Error, tr(DisplayErrorText));
}

TAnswer TMessages::AskNewGame()
{
    return Show(TBoxKind::Confirmation, tr(NewGameText));
}

TAnswer TMessages::AskGiveUp()
{
    return Show(TBoxKind::Confirmation, tr(GiveUpText));
}

TAnswer TMessages::ShowRowBreaksVariant(bool repeated, int colours)
{
    if (repeated)
        //: An error box: the row to check breaks the variant chosen, in which no colour may repeat.
        return Show(TBoxKind::Error, tr("A colour stands twice in this row, and in this game no colour may repeat. "
                                        "Change the row before checking it."));
    //: An error box: the row to check has a colour beyond the first %n colours of the colour bar, the colours
    //: in play in the variant chosen.
    return Show(TBoxKind::Error, tr("This row uses a colour that is not in play: this game plays with the first %n "
                                    "colours of the colour bar only. Change the row before checking it.",
                                    nullptr, colours));
}

TAnswer TMessages::ShowCodeBreaksVariant(bool repeated, int colours)
{
    if (repeated)
        //: An error box of Break My Code: the code set for the computer breaks the variant chosen, in which no
        //: colour may repeat.
        return Show(TBoxKind::Error, tr("A colour stands twice in your code, and in this game no colour may repeat. "
                                        "Change your code before starting."));
    //: An error box of Break My Code: the code set for the computer has a colour beyond the first %n colours of
    //: the colour bar, the colours in play in the variant chosen.
    return Show(TBoxKind::Error, tr("Your code uses a colour that is not in play: this game plays with the first %n "
                                    "colours of the colour bar only. Change your code before starting.",
                                    nullptr, colours));
}

TAnswer TMessages::ShowHintBoardTooWide(int widest, int width)
{
    //: An information box: the Hint command works on boards up to %n holes wide; %1 is the current board's
    //: number of holes, always more.
    return Show(TBoxKind::Information,
                tr("The hint covers boards up to %n holes, and this board has %1.", nullptr, widest).arg(width));
}

TAnswer TMessages::ShowCodeBreakerBoardTooWide(int widest, int width)
{
    //: An information box of Break My Code: the computer breaks codes up to %n holes wide; %1 is the current
    //: board's number of holes, always more.
    return Show(TBoxKind::Information,
                tr("The computer breaks codes of up to %n holes, and this board has %1.", nullptr, widest).arg(width));
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
