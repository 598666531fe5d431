#pragma once

#include <QCoreApplication>
#include <QString>

#include "services/messages/TMessageBox.h"

class QDialog;
class QWidget;

namespace peglore {

// Every message box of the game, with its fixed text, kind and buttons.
// The routines use no instance data, so they can be called before the
// program's one instance exists (the display check does).
class TMessages {
    Q_DECLARE_TR_FUNCTIONS(peglore::TMessages)

public:
    static TAnswer ShowWon();
    static TAnswer ShowLost();
    static TAnswer ShowRowNotFull();
    // Hard mode's refusal of a row that cannot be the secret: row (from 1),
    // checked earlier, got blacks and whites.
    static TAnswer ShowRowContradicts(int row, int blacks, int whites);
    // Sounds the error beep first.
    static TAnswer ShowDisplayError();
    static TAnswer AskNewGame();
    static TAnswer AskGiveUp();
    // A row refused for the variant: a colour beyond the first colours of
    // the colour bar, or one standing twice where no colour may repeat.
    static TAnswer ShowRowBreaksVariant(bool repeated, int colours);
    // H on a board wider than the solver takes: what the hint covers.
    static TAnswer ShowHintBoardTooWide(int widest, int width);
    // Break My Code on a board wider than the solver takes.
    static TAnswer ShowCodeBreakerBoardTooWide(int widest, int width);
    static TAnswer ShowCodeBreaksVariant(bool repeated, int colours);
    // The general error report: the message with a full stop added, in a
    // box captioned with the application's title.
    static void ShowError(const QString& message);
    // A note the player should read once, as it is, in an information box.
    static void ShowNote(const QString& text);

    // The three dialogs that are opened through the messages.
    static void ShowAbout(QDialog& about);
    static void ShowCorrectAnswer(QDialog& correctAnswer);
    static void ShowProperties(QDialog& properties);

    // The fixed texts in English; the boxes show them in the player's
    // language.
    static const char* const WonText;
    static const char* const LostText;
    static const char* const RowNotFullText;
    static const char* const DisplayErrorText;
    static const char* const NewGameText;
    static const char* const GiveUpText;

private:
    static TAnswer Show(TBoxKind kind, const QString& text);
};

}  // namespace peglore
