// Playing in the main window: drags onto the guess board, the pop-up
// menus, the clock's ticks, the music's looping and closing the window.

#include <QAction>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest/qtestspontaneevent.h>
#include <QtTest>

#include <memory>

#include "app/TActiveFormTracker.h"
#include "app/TColorSwatch.h"
#include "app/TGameSession.h"
#include "app/TMainForm.h"
#include "app/TPainterCanvas.h"
#include "app/mainform/AppFakes.h"
#include "components/boardgrid/TBoardGrid.h"
#include "components/widgets/TStatusPanels.h"
#include "game/PegColors.h"
#include "game/TLeftGrid.h"
#include "game/TLogic.h"
#include "game/TRightGrid.h"
#include "platform/help/THelpFile.h"
#include "resources/pictures/Pictures.h"
#include "services/clock/TMyTimer.h"
#include "settings/configuration/TConfiguration.h"
#include "settings/statistics/TStatistics.h"
#include "support/ModalAnswer.h"

using namespace peglore;
using namespace peglore::testing;

using THelpCalls = QList<QPair<int, int>>;

namespace {
const QByteArray NoAutoCheck = "[Options]\nMusic=0\nAutoCheck=0\n";

struct TGame {
    QTemporaryDir Folder;
    TRecordingHelp Help;
    TFakePlayer Player;
    std::unique_ptr<TMainForm> Form;

    explicit TGame(const QByteArray& settings = {}, bool musicOpens = false, bool openTakesTime = false)
    {
        Player.OpenSucceeds = musicOpens;
        Player.OpenTakesTime = openTakesTime;
        if (!settings.isEmpty()) {
            QFile file(Folder.filePath("Peglore.ini"));
            file.open(QIODevice::WriteOnly);
            file.write(settings);
        }
        Form = std::make_unique<TMainForm>(Help, Player, FilesIn(Folder));
        Form->show();
        Form->findChild<TActiveFormTracker*>()->Activated(Form.get());
    }

    TBoardGrid& Board() const { return *Form->findChild<TBoardGrid*>(QStringLiteral("LeftBoard")); }
    QPoint HoleCentre(int col, int row) const { return Board().CellRect(col, row).center(); }

    QString SettingsText() const
    {
        QFile file(Folder.filePath("Peglore.ini"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
};

// Sends a drag of a swatch's colour over the guess board and, when
// accepted, drops it. Returns whether the board accepted the drag.
bool DragTo(TBoardGrid& board, QPoint pos, TColor colour, bool drop = true)
{
    std::unique_ptr<QMimeData> data(TColorSwatch::MakeMimeData(colour));
    QDragEnterEvent enter(pos, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&board, &enter);
    QDragMoveEvent move(pos, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&board, &move);
    if (!move.isAccepted())
        return false;
    if (drop) {
        QDropEvent drop(QPointF(pos), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&board, &drop);
    }
    return true;
}

// A colour that the secret does not hold in its first hole, so a row of
// it never wins.
TColor LosingColour(const TLogic& logic)
{
    for (TColor c : PegColors)
        if (c != logic.Secret()[0])
            return c;
    return PegColors[0];
}

void FillRow(TGame& game, int row, TColor colour)
{
    for (int c = 0; c < game.Form->BoardSize().BoardColumns(); ++c)
        QVERIFY(DragTo(game.Board(), game.HoleCentre(c, row), colour));
}

// Opens a pop-up menu through a right click at pos over widget, lets
// inspect look at it, then triggers the item named item (or none).
void RightClick(QWidget& widget, QPoint pos, const QString& item, std::function<void(QMenu&)> inspect = {})
{
    QTimer::singleShot(0, [=]() {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        if (inspect)
            inspect(*menu);
        QAction* chosen = nullptr;
        for (QAction* a : menu->actions())
            if (a->objectName() == item)
                chosen = a;
        menu->close();
        if (chosen)
            chosen->trigger();
    });
    QTest::mousePress(&widget, Qt::RightButton, Qt::NoModifier, pos);
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, widget.mapToGlobal(pos));
    QApplication::sendEvent(&widget, &event);
    QTest::mouseRelease(&widget, Qt::RightButton, Qt::NoModifier, pos);
}

struct TMenuState {
    bool Repeat = false, Clear = false, ClearRow = false, GiveUp = false;
    bool RepeatIsDefault = false;
};

TMenuState ReadMenu(QMenu& menu)
{
    TMenuState s;
    for (QAction* a : menu.actions()) {
        if (a->objectName() == "pmenuRepeat") {
            s.Repeat = a->isEnabled();
            s.RepeatIsDefault = menu.defaultAction() == a && a->font().bold();
        }
        if (a->objectName() == "pmenuClear")
            s.Clear = a->isEnabled();
        if (a->objectName() == "pmenuClearRow")
            s.ClearRow = a->isEnabled();
        if (a->objectName() == "pmenuGiveUp")
            s.GiveUp = a->isEnabled();
    }
    return s;
}
}  // namespace

class TestMainFormPlay : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitPictures(); }

    void dropOnTheCurrentRowPlacesThePeg()
    {
        TGame game(NoAutoCheck);
        const TColor blue = 0xFF0000;
        QVERIFY(DragTo(game.Board(), game.HoleCentre(1, 0), blue));
        QCOMPARE(game.Form->Session()->LeftGrid().Cell(1, 0), blue);
        // What the player sees: the peg in that hole.
        const QImage image = game.Board().grab().toImage();
        QCOMPARE(image.pixelColor(game.HoleCentre(1, 0)), QColor(0, 0, 0xFF));
        QCOMPARE(image.pixelColor(game.HoleCentre(0, 0)), ToQColor(EmptyHole));
    }

    void dragIsRefusedOffTheCurrentRow_data()
    {
        QTest::addColumn<QPoint>("where");
        QTest::newRow("a later row") << QPoint(1, 3);
        QTest::newRow("a grid line") << QPoint(-1, -1);
    }
    void dragIsRefusedOffTheCurrentRow()
    {
        QFETCH(QPoint, where);
        TGame game(NoAutoCheck);
        const QPoint pos =
            where.x() < 0 ? QPoint(game.Board().CellRect(0, 0).right() + 1, 10) : game.HoleCentre(where.x(), where.y());
        QVERIFY(!DragTo(game.Board(), pos, 0x00FF00));
        QVERIFY(game.Form->Session()->LeftGrid().IsRowEmpty(0));
        QVERIFY(game.Form->Session()->LeftGrid().IsRowEmpty(3));
    }

    void dragOverAFinishedRowIsRefused()
    {
        TGame game(NoAutoCheck);
        FillRow(game, 0, LosingColour(game.Form->Session()->Logic()));
        game.Form->sbtnCheckClick();
        QCOMPARE(game.Form->Session()->Logic().CurrentRow(), 1);
        QCOMPARE(game.Form->findChild<TStatusPanels*>(QStringLiteral("StatusBar"))->PanelText(0),
                 QStringLiteral("Row: 2"));
        QCOMPARE(game.Form->findChild<QLabel*>(QStringLiteral("Hand"))->pos(), QPoint(5, 88 + 26));
        const TColor before = game.Form->Session()->LeftGrid().Cell(0, 0);
        QVERIFY(!DragTo(game.Board(), game.HoleCentre(0, 0), 0x008000));
        QCOMPARE(game.Form->Session()->LeftGrid().Cell(0, 0), before);
    }

    void foreignDragIsRefused()
    {
        TGame game(NoAutoCheck);
        QMimeData text;
        text.setText(QStringLiteral("ff0000"));
        const QPoint pos = game.HoleCentre(0, 0);
        QDragEnterEvent enter(pos, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&game.Board(), &enter);
        QVERIFY(!enter.isAccepted());
        TColor colour = 0;
        QVERIFY(!TColorSwatch::ColorFromMimeData(&text, colour));
    }

    void autoCheckScoresTheRowOnTheLastPeg()
    {
        TGame game("[Options]\nMusic=0\nAutoCheck=1\n");
        const TColor colour = LosingColour(game.Form->Session()->Logic());
        QVERIFY(DragTo(game.Board(), game.HoleCentre(0, 0), colour));
        QVERIFY(DragTo(game.Board(), game.HoleCentre(1, 0), colour));
        QCOMPARE(game.Form->Session()->Logic().CurrentRow(), 0);
        QVERIFY(DragTo(game.Board(), game.HoleCentre(2, 0), colour));
        QCOMPARE(game.Form->Session()->Logic().CurrentRow(), 1);
    }

    void checkWithoutAutoCheckWaitsForTheButton()
    {
        TGame game(NoAutoCheck);
        FillRow(game, 0, LosingColour(game.Form->Session()->Logic()));
        QCOMPARE(game.Form->Session()->Logic().CurrentRow(), 0);
        auto* check = game.Form->findChild<QToolButton*>("sbtnCheck");
        QVERIFY(check->isEnabled());
        check->click();
        QCOMPARE(game.Form->Session()->Logic().CurrentRow(), 1);
    }

    void winningShowsTheWonBoxAndStartsAFreshGame()
    {
        TGame game(NoAutoCheck);
        const auto secret = game.Form->Session()->Logic().Secret();
        for (int c = 0; c < 3; ++c)
            QVERIFY(DragTo(game.Board(), game.HoleCentre(c, 0), secret[c]));
        QString text;
        AnswerNextModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_Return); },
                        [&](QWidget* m) { text = qobject_cast<QMessageBox*>(m)->text(); });
        game.Form->sbtnCheckClick();
        QCOMPARE(text, QStringLiteral("You won the game!"));
        QCOMPARE(game.Form->Session()->Statistics().GamesWon(), 1);
        QCOMPARE(game.Form->Session()->Statistics().TotalGames(), 1);
        QCOMPARE(game.Form->Session()->Logic().CurrentRow(), 0);
        QVERIFY(game.Form->Session()->LeftGrid().IsRowEmpty(0));
    }

    void checkingAnIncompleteRowShowsTheErrorAndChangesNothing()
    {
        TGame game(NoAutoCheck);
        QVERIFY(DragTo(game.Board(), game.HoleCentre(0, 0), 0x0000FF));
        game.Form->Session()->Clock().SetSeconds(7);
        QString text;
        int secondsDuringBox = -1;
        AnswerNextModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_Return); },
                        [&](QWidget* m) {
                            text = qobject_cast<QMessageBox*>(m)->text();
                            game.Form->SecondsTimerTimer();  // a tick while the box is open
                            secondsDuringBox = game.Form->Session()->Clock().Seconds();
                        });
        game.Form->sbtnCheckClick();
        QCOMPARE(text, QStringLiteral("You must completely fill the row before trying to check it!"));
        QCOMPARE(secondsDuringBox, 7);
        QCOMPARE(game.Form->Session()->Clock().Seconds(), 7);
        QCOMPARE(game.Form->Session()->Logic().CurrentRow(), 0);
        QCOMPARE(game.Form->Session()->Statistics().TotalGames(), 0);
    }

    void popupOnAnEarlierRow()
    {
        TGame game(NoAutoCheck);
        FillRow(game, 0, LosingColour(game.Form->Session()->Logic()));
        game.Form->sbtnCheckClick();
        TMenuState state;
        RightClick(game.Board(), game.HoleCentre(1, 0), {}, [&](QMenu& m) { state = ReadMenu(m); });
        QVERIFY(!state.Repeat);
        QVERIFY(!state.Clear);
        QVERIFY(!state.ClearRow);
        QVERIFY(state.GiveUp);
        QVERIFY(state.RepeatIsDefault);
    }

    void popupOnTheFirstRow_data()
    {
        QTest::addColumn<bool>("otherHoleFilled");
        QTest::newRow("row empty") << false;
        QTest::newRow("another hole holds a peg") << true;
    }
    void popupOnTheFirstRow()
    {
        QFETCH(bool, otherHoleFilled);
        TGame game(NoAutoCheck);
        if (otherHoleFilled)
            QVERIFY(DragTo(game.Board(), game.HoleCentre(2, 0), 0x00FF00));
        TMenuState state;
        RightClick(game.Board(), game.HoleCentre(0, 0), {}, [&](QMenu& m) { state = ReadMenu(m); });
        QVERIFY(!state.Repeat);
        QVERIFY(!state.Clear);
        QCOMPARE(state.ClearRow, otherHoleFilled);
        QVERIFY(state.GiveUp);
    }

    void repeatClearAndClearRowFromThePopup()
    {
        TGame game(NoAutoCheck);
        const TColor colour = LosingColour(game.Form->Session()->Logic());
        FillRow(game, 0, colour);
        game.Form->sbtnCheckClick();
        RightClick(game.Board(), game.HoleCentre(1, 1), "pmenuRepeat");
        QCOMPARE(game.Form->Session()->LeftGrid().Cell(1, 1), colour);
        QVERIFY(game.Form->Session()->LeftGrid().IsEmpty(0, 1));
        RightClick(game.Board(), game.HoleCentre(1, 1), "pmenuClear");
        QVERIFY(game.Form->Session()->LeftGrid().IsRowEmpty(1));
        QVERIFY(DragTo(game.Board(), game.HoleCentre(0, 1), colour));
        QVERIFY(DragTo(game.Board(), game.HoleCentre(2, 1), colour));
        RightClick(game.Board(), game.HoleCentre(1, 1), "pmenuClearRow");
        QVERIFY(game.Form->Session()->LeftGrid().IsRowEmpty(1));
        QVERIFY(!game.Form->Session()->LeftGrid().IsRowEmpty(0));
    }

    void popupGiveUpAsksFirst_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("gaveUp");
        QTest::newRow("No keeps the game") << int(Qt::Key_Escape) << false;
        QTest::newRow("Yes gives up") << int(Qt::Key_Return) << true;
    }
    void popupGiveUpAsksFirst()
    {
        QFETCH(int, key);
        QFETCH(bool, gaveUp);
        TGame game(NoAutoCheck);
        QDialog correctAnswer;
        game.Form->SetDialogs(&correctAnswer, nullptr, nullptr, nullptr);
        QVERIFY(DragTo(game.Board(), game.HoleCentre(0, 0), 0x00FF00));
        QString question;
        bool correctAnswerShown = false;
        AnswerNextModal([key](QWidget* m) { QTest::keyClick(m, Qt::Key(key)); },
                        [&](QWidget* m) { question = qobject_cast<QMessageBox*>(m)->text(); });
        if (gaveUp)
            QTimer::singleShot(200, [&]() {
                AnswerNextModal([&](QWidget* m) {
                    correctAnswerShown = (m == &correctAnswer);
                    correctAnswer.accept();
                });
            });
        RightClick(game.Board(), game.HoleCentre(0, 0), "pmenuGiveUp");
        QTRY_COMPARE(correctAnswerShown, gaveUp);
        QCOMPARE(question, QStringLiteral("Are you sure you want to give up?"));
        QCOMPARE(game.Form->Session()->LeftGrid().IsRowEmpty(0), gaveUp);
        QCOMPARE(game.Form->Session()->Statistics().TotalGames(), gaveUp ? 1 : 0);
    }

    void mainMenuGiveUpShowsTheCombinationAtOnce()
    {
        TGame game(NoAutoCheck);
        QDialog correctAnswer;
        game.Form->SetDialogs(&correctAnswer, nullptr, nullptr, nullptr);
        QWidget* shown = nullptr;
        AnswerNextModal([&](QWidget* m) {
            shown = m;
            correctAnswer.accept();
        });
        game.Form->findChild<QAction*>("mmenuGiveUp")->trigger();
        QCOMPARE(shown, static_cast<QWidget*>(&correctAnswer));
        QCOMPARE(game.Form->Session()->Statistics().GamesLost(), 0);
    }

    void whatsThisAsksForTheControlsContext_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("context");
        QTest::newRow("score board") << "RightBoard" << 3001;
        QTest::newRow("colour bar") << "ColorsBarPanel" << 3002;
        QTest::newRow("a swatch on the colour bar") << "YellowShape" << 3002;
        QTest::newRow("clock panel") << "Panel2" << 3003;
    }
    void whatsThisAsksForTheControlsContext()
    {
        QFETCH(QString, control);
        QFETCH(int, context);
        TGame game(NoAutoCheck);
        auto* widget = game.Form->findChild<QWidget*>(control);
        QVERIFY(widget);
        QString caption;
        RightClick(*widget, QPoint(5, 5), "pmenuWhatsThis", [&](QMenu& m) { caption = m.actions().value(0)->text(); });
        QCOMPARE(caption, QStringLiteral("&What's This?"));
        QCOMPARE(game.Help.Calls, (QList<QPair<int, int>>{{8, context}}));
    }

    void whatsThisModeFindsTheNearestContext_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<THelpCalls>("calls");
        QTest::newRow("clock digit") << "TimerDigit2" << THelpCalls{{8, 3003}};
        QTest::newRow("a swatch") << "BlueShape" << THelpCalls{{8, 3002}};
        QTest::newRow("score board") << "RightBoard" << THelpCalls{{8, 3001}};
        // Where no control has a context the help cursor is refused, and a
        // click there asks for nothing.
        QTest::newRow("guess board: none") << "LeftBoard" << THelpCalls{};
        QTest::newRow("row marker: none") << "Hand" << THelpCalls{};
        QTest::newRow("tool bar: none") << "Panel1" << THelpCalls{};
    }
    void whatsThisModeFindsTheNearestContext()
    {
        QFETCH(QString, control);
        QFETCH(THelpCalls, calls);
        TGame game(NoAutoCheck);
        auto* widget = game.Form->findChild<QWidget*>(control);
        QVERIFY(widget);
        const QPoint global = widget->mapToGlobal(QPoint(4, 4));
        QHelpEvent query(QEvent::QueryWhatsThis, widget->mapFromGlobal(global), global);
        QApplication::sendEvent(widget, &query);
        QCOMPARE(query.isAccepted(), !calls.isEmpty());
        QHelpEvent click(QEvent::WhatsThis, widget->mapFromGlobal(global), global);
        QApplication::sendEvent(widget, &click);
        QCOMPARE(game.Help.Calls, calls);
    }

    void f1OnAHighlightedMenuItem_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<THelpCalls>("calls");
        QTest::newRow("New") << "mmenuNewGame" << THelpCalls{{8, 201}};
        QTest::newRow("Exit") << "ExitMenu" << THelpCalls{{8, 202}};
        QTest::newRow("Help Topics") << "HelpTopicsMenu" << THelpCalls{{8, 221}};
    }
    void f1OnAHighlightedMenuItem()
    {
        QFETCH(QString, item);
        QFETCH(THelpCalls, calls);
        TGame game(NoAutoCheck);
        auto* action = game.Form->findChild<QAction*>(item);
        QVERIFY(action);
        QMenu* menu = nullptr;
        for (QMenu* m : game.Form->menuBar()->findChildren<QMenu*>())
            if (m->actions().contains(action))
                menu = m;
        QVERIFY(menu);
        menu->popup(game.Form->mapToGlobal(QPoint(0, 0)));
        menu->setActiveAction(action);
        QTest::keyClick(menu, Qt::Key_F1);
        menu->close();
        QCOMPARE(game.Help.Calls, calls);
        // F1 only asks for help: the command itself did not run.
        QVERIFY(game.Form->isVisible());
        QCOMPARE(game.Form->Session()->Statistics().TotalGames(), 0);
    }

    // Every item of every menu the player can open in the main window
    // explains itself on F1, with a topic of the help file that ships.
    void f1OnEveryMenuItemFindsATopic_data()
    {
        QTest::addColumn<QString>("menuName");
        QTest::addColumn<QString>("item");
        TGame game(NoAutoCheck);
        QList<QMenu*> menus{game.Form->findChild<QMenu*>(QStringLiteral("PopupMenu1")),
                            game.Form->findChild<QMenu*>(QStringLiteral("PopupMenu2"))};
        for (QAction* title : game.Form->menuBar()->actions())
            if (title->menu())
                menus << title->menu();
        for (QMenu* menu : menus)
            for (QAction* action : menu->actions())
                if (!action->isSeparator())
                    QTest::newRow(qPrintable(menu->title() + menu->objectName() + " " + action->text()))
                        << (menu->title().isEmpty() ? menu->objectName() : menu->title()) << action->objectName();
    }
    void f1OnEveryMenuItemFindsATopic()
    {
        QFETCH(QString, menuName);
        QFETCH(QString, item);
        static const THelpFile shipped = THelpFile::Load(PEGLORE_HELP_SOURCE);
        TGame game(NoAutoCheck);
        // Every item can be highlighted: a row checked, a peg in the next
        // one, and the last right press on that peg.
        const TColor colour = LosingColour(game.Form->Session()->Logic());
        FillRow(game, 0, colour);
        game.Form->sbtnCheckClick();
        QVERIFY(DragTo(game.Board(), game.HoleCentre(1, 1), colour));
        QTest::mouseClick(&game.Board(), Qt::RightButton, Qt::NoModifier, game.HoleCentre(1, 1));
        // A command shown in two menus is one action: find it in the menu.
        QMenu* menu = nullptr;
        for (QMenu* candidate : game.Form->findChildren<QMenu*>())
            if (candidate->title() == menuName || (candidate->title().isEmpty() && candidate->objectName() == menuName))
                menu = candidate;
        QVERIFY(menu);
        QAction* action = nullptr;
        for (QAction* candidate : menu->actions())
            if (candidate->objectName() == item)
                action = candidate;
        QVERIFY(action);
        menu->popup(game.Form->mapToGlobal(QPoint(0, 0)));
        QVERIFY(action->isEnabled());
        menu->setActiveAction(action);
        QTest::keyClick(menu, Qt::Key_F1);
        menu->close();
        QCOMPARE(game.Help.Calls.size(), 1);
        QCOMPARE(game.Help.Calls[0].first, int(IHelpCommands::ContextPopup));
        const THelpTopic* topic = shipped.Find(game.Help.Calls[0].second);
        QVERIFY(topic && !topic->Body.empty());
    }

    void helpMenuCommands()
    {
        TGame game(NoAutoCheck);
        game.Form->findChild<QAction*>("HelpTopicsMenu")->trigger();
        game.Form->findChild<QAction*>("WhatsNewMenu")->trigger();
        QCOMPARE(game.Help.Calls, (QList<QPair<int, int>>{{11, 0}, {1, 100}}));
    }

    void clockCountsOnlyWhileTheMainWindowIsActive()
    {
        TGame game(NoAutoCheck);
        TMyTimer& clock = game.Form->Session()->Clock();
        QCOMPARE(clock.Seconds(), 0);
        for (int i = 0; i < 5; ++i)
            game.Form->SecondsTimerTimer();
        QCOMPARE(clock.Seconds(), 5);
        QDialog properties(game.Form.get());
        game.Form->SetDialogs(nullptr, &properties, nullptr, nullptr);
        AnswerNextModal([&](QWidget*) {
            game.Form->SecondsTimerTimer();
            game.Form->SecondsTimerTimer();
            properties.reject();
        });
        game.Form->mmenuPropertiesClick();
        QCOMPARE(clock.Seconds(), 5);
        game.Form->SecondsTimerTimer();
        QCOMPARE(clock.Seconds(), 6);
    }

    void clockGoesOnWhileMinimised()
    {
        TGame game(NoAutoCheck);
        TMyTimer& clock = game.Form->Session()->Clock();
        // Minimising: the window system hides the window, it does not close.
        QHideEvent minimised;
        QSpontaneKeyEvent::setSpontaneous(&minimised);
        qApp->notify(game.Form.get(), &minimised);  // sendEvent would drop the mark
        game.Form->SecondsTimerTimer();
        game.Form->SecondsTimerTimer();
        QCOMPARE(clock.Seconds(), 2);
    }

    void clockRestartsWithEveryNewGameButNotOnNo()
    {
        TGame game(NoAutoCheck);
        TMyTimer& clock = game.Form->Session()->Clock();
        clock.SetSeconds(42);
        QVERIFY(DragTo(game.Board(), game.HoleCentre(0, 0), 0x00FF00));
        AnswerNextModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_N); });
        game.Form->mmenuNewGameClick();
        QCOMPARE(clock.Seconds(), 42);
        QVERIFY(!game.Form->Session()->LeftGrid().IsRowEmpty(0));
        AnswerNextModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_Y); });
        game.Form->mmenuNewGameClick();
        QCOMPARE(clock.Seconds(), 0);
        QVERIFY(game.Form->Session()->LeftGrid().IsRowEmpty(0));
        QCOMPARE(game.Form->Session()->Statistics().UnfinishedGames(), 1);
        clock.SetSeconds(9);
        game.Form->findChild<QAction*>("IntermediateMenu")->trigger();
        QCOMPARE(clock.Seconds(), 0);
    }

    void secondsTimerTicksEverySecond()
    {
        TGame game(NoAutoCheck);
        auto* timer = game.Form->findChild<QTimer*>("SecondsTimer");
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 1000);
        QVERIFY(timer->isActive());
    }

    void musicLoopsOnlyOnASuccessfulEnd()
    {
        TGame game("[Options]\nMusic=1\n", true);
        QCOMPARE(game.Player.Calls, (QStringList{"file Peglore.mid", "open", "seek", "play"}));
        game.Player.Calls.clear();
        game.Player.Report(TMediaResult::Successful);
        QCOMPARE(game.Player.Calls, (QStringList{"seek", "play"}));
        game.Player.Calls.clear();
        for (TMediaResult r : {TMediaResult::Aborted, TMediaResult::Superseded, TMediaResult::Failure})
            game.Player.Report(r);
        QVERIFY(game.Player.Calls.isEmpty());
    }

    void musicThatCannotOpenTurnsTheOptionOffSilently()
    {
        TGame game("[Options]\nMusic=1\n", false);
        QVERIFY(!game.Form->Session()->Configuration().Music());
        QVERIFY(!QApplication::activeModalWidget());
        game.Form->close();
        QVERIFY(game.SettingsText().contains(QStringLiteral("Music=0")));
    }

    void musicOpenUnderWayIsSettledBeforeTheOptionIsSaved()
    {
        TGame game("[Options]\nMusic=1\n", false, true);
        QVERIFY(game.Form->Session()->Configuration().Music());
        game.Form->close();
        QVERIFY(game.Player.Calls.contains(QStringLiteral("wait")));
        QVERIFY(game.SettingsText().contains(QStringLiteral("Music=0")));
    }

    void musicOpenUnderWayIsSettledBeforeTheOptionIsShown()
    {
        TGame game("[Options]\nMusic=1\n", false, true);
        QDialog properties(game.Form.get());
        bool shownOn = true;
        AnswerNextModal([&](QWidget* m) {
            shownOn = game.Form->Session()->Configuration().Music();
            static_cast<QDialog*>(m)->reject();
        });
        game.Form->SetDialogs(nullptr, &properties, nullptr, nullptr);
        game.Form->mmenuPropertiesClick();
        QVERIFY(!shownOn);
        // An open that succeeds meanwhile starts the music before the dialog.
        TGame playing("[Options]\nMusic=1\n", true, true);
        QDialog dialog(playing.Form.get());
        AnswerNextModal([](QWidget* m) { static_cast<QDialog*>(m)->reject(); });
        playing.Form->SetDialogs(nullptr, &dialog, nullptr, nullptr);
        playing.Form->mmenuPropertiesClick();
        QCOMPARE(playing.Player.Calls, (QStringList{"file Peglore.mid", "open", "wait", "seek", "play"}));
    }

    void closingSavesSendsHelpQuitAndEndsTheServices()
    {
        TGame game(NoAutoCheck);
        QVERIFY(DragTo(game.Board(), game.HoleCentre(0, 0), 0x00FF00));
        AnswerNextModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_Y); });
        game.Form->mmenuNewGameClick();  // the abandoned game counts as unfinished
        game.Form->findChild<QAction*>("mmenuExpert")->trigger();
        game.Form->close();
        QCOMPARE(game.Help.Calls, (QList<QPair<int, int>>{{2, 0}}));
        QVERIFY(!game.Form->Session());
        QCOMPARE(game.SettingsText(),
                 QStringLiteral("[Options]\nMusic=0\nAutoCheck=0\nSmartHints=1\n"
                                "[Statistics]\nTotalGames=1\nGamesWon=0\nGamesLost=0\nUnfinishedGames=1\n"
                                "[Level Settings]\nCustomColumns=4\nCustomRows=10\nDifficultyLevel=2\n"));
        // Closing twice saves and quits help once.
        game.Form->close();
        QCOMPARE(game.Help.Calls.size(), 1);
    }

    void firstSaveWritesTheKeysInTheirOrder()
    {
        TGame game;
        game.Form->close();
        QCOMPARE(game.SettingsText(),
                 QStringLiteral("[Options]\nMusic=0\nSmartHints=1\nAutoCheck=1\n"
                                "[Statistics]\nTotalGames=0\nGamesWon=0\nGamesLost=0\nUnfinishedGames=0\n"
                                "[Level Settings]\nCustomColumns=4\nCustomRows=10\nDifficultyLevel=0\n"));
    }

    void aRefusedSaveIsReportedOnceAndTheWindowStillCloses()
    {
        TGame game(NoAutoCheck);
        QFile::setPermissions(game.Folder.filePath("Peglore.ini"), QFileDevice::ReadOwner);
        QString text;
        int boxes = 0;
        AnswerNextModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_Return); },
                        [&](QWidget* m) {
                            ++boxes;
                            text = qobject_cast<QMessageBox*>(m)->text();
                        });
        game.Form->close();
        QCOMPARE(boxes, 1);
        QCOMPARE(text, QStringLiteral("Unable to write to %1.").arg(game.Folder.filePath("Peglore.ini")));
        QVERIFY(!game.Form->isVisible());
        QCOMPARE(game.SettingsText(), QString::fromLatin1(NoAutoCheck));
        QCOMPARE(game.Help.Calls, (QList<QPair<int, int>>{{2, 0}}));
    }
};

QTEST_MAIN(TestMainFormPlay)
#include "TestMainFormPlay.moc"
