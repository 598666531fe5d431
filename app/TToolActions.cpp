#include "app/TToolActions.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "components/contexthelp/HelpContexts.h"
#include "components/contexthelp/TContextHelp.h"

namespace peglore {

TToolActions::TToolActions(QWidget& window) : QObject(&window), FWindow(window)
{
    using namespace HelpContexts;
    // Each item's text in the Tools menu, its hint in the status bar, and its
    // explanation (What's This).
    //: Tools menu: a noun, the command that fills the current row with a suggested guess (H).
    FHint = Add("mmenuHint", tr("&Hint"), tr("Fill the row with a guess fitting every answer"),
                tr("Fills the current row with a strong guess that fits every answer so far, in place of the pegs "
                   "it held."),
                HintCommand);
    FHint->setShortcuts({QKeySequence(Qt::Key_H), QKeySequence(Qt::CTRL | Qt::Key_H)});

    //: Tools menu: a noun, shows and hides the Analysis window (F3).
    FAnalysis = Add("mmenuAnalysis", tr("&Analysis"), tr("Show the secrets still possible after every row"),
                    tr("Shows and hides the Analysis window: the secrets still possible before and after every "
                       "checked row, the hint and the review of the last game."),
                    AnalysisWindow);
    FAnalysis->setShortcut(QKeySequence(Qt::Key_F3));

    //: Tools menu: a noun, opens the Records window of the games played (F4).
    FRecords = Add("mmenuRecords", tr("&Records"), tr("Show every board's records; play a game again"),
                   tr("Shows the Records window: for every board its games, wins, best time and fewest rows, and the "
                      "last games, each of which can be played again."),
                   RecordsCommand);
    FRecords->setShortcut(QKeySequence(Qt::Key_F4));

    //: Tools menu: starts the game of the day, the same for every player (Ctrl+D).
    FDailyGame = Add("mmenuDailyGame", tr("&Daily Game"),
                     tr("Play today's game: one secret for everyone"),
                     tr("Starts the daily game of today on the current board: every player gets the same secret on "
                        "a board of this size today, and another one tomorrow. The first daily game you finish "
                        "today counts for the day in the records; its result can then be copied."),
                     DailyGameCommand);
    FDailyGame->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));

    // Always on, so that it can be found and explained (F1 on a highlighted
    // item): without a result of today it says how to get one.
    FCopyDailyResult =
        //: Tools menu: copies the result of today's daily game to the clipboard.
        Add("mmenuCopyDailyResult", tr("&Copy Daily Result"),
            tr("Copy today's daily result, secret left out"),
            tr("Puts the result of today's daily game on the current board on the clipboard and shows it: the "
               "date, the board and the rows it took, and for every checked row its key pegs only, so that it can "
               "be posted without giving the secret away."),
            CopyDailyResultCommand);

    //: Tools menu: the player sets a secret code and the computer breaks it.
    FBreakMyCode = Add("mmenuBreakMyCode", tr("&Break My Code..."),
                       tr("Let the computer break a code you set"),
                       tr("Opens a window in which you set a secret code on a board of the current size and the "
                          "computer breaks it, row by row; you may score its rows yourself."),
                       BreakMyCodeCommand);

    //: Tools menu: the name of an option with a check mark.
    FHardMode = Add("mmenuHardMode", tr("Hard &Mode"), tr("Check only rows that could be the secret"),
                    tr("In hard mode a full row is checked only when it fits the answers of every row checked "
                       "before, so that it could be the secret; the check mark shows whether it is on."),
                    HardModeCommand);
    FHardMode->setCheckable(true);

    //: Tools menu: the name of an option with a check mark (Ctrl+Shift+S).
    FPegSymbols = Add("mmenuPegSymbols", tr("Peg &Symbols"), tr("Draw a symbol on every peg"),
                      tr("Draws a small symbol on every peg, so that the colours can be told apart without colour."),
                      PegSymbolsCommand);
    FPegSymbols->setCheckable(true);
    FPegSymbols->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));

    //: Tools menu: opens the Variant dialog, the colours in play and whether they may repeat.
    FVariant = Add("mmenuVariant", tr("&Variant..."), tr("Choose the colours in play and repeats"),
                   tr("Opens the Variant dialog: how many colours of the colour bar every level plays with, whether "
                      "a colour may repeat, and the classic board of 4 holes and 6 colours."),
                   VariantCommand);

    //: Tools menu: the name of an option with a check mark.
    FKeepGame = Add("mmenuKeepGame", tr("&Keep Game at Exit"), tr("Keep the game in progress for the next start"),
                    tr("Keeps the game in progress when Peglore closes, with its rows and its clock, and resumes it "
                       "at the next start. The statistics and the records count it once it ends."),
                    KeepGameCommand);
    FKeepGame->setCheckable(true);
}

QAction* TToolActions::Add(const char* name, const QString& caption, const QString& statusTip, const QString& whatsThis,
                           int helpContext)
{
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setStatusTip(statusTip);
    action->setWhatsThis(whatsThis);
    TContextHelp::SetContext(action, helpContext);
    // The window holds every action, so its shortcut works while the menu
    // is closed and wherever else the action shows.
    FWindow.addAction(action);
    return action;
}

void TToolActions::AddTo(QMenu& menu) const
{
    menu.addAction(FHint);
    menu.addAction(FAnalysis);
    menu.addAction(FRecords);
    menu.addSeparator();
    menu.addAction(FDailyGame);
    menu.addAction(FCopyDailyResult);
    menu.addAction(FBreakMyCode);
    menu.addSeparator();
    menu.addAction(FVariant);
    menu.addAction(FHardMode);
    menu.addAction(FPegSymbols);
    menu.addAction(FKeepGame);
}

}  // namespace peglore
