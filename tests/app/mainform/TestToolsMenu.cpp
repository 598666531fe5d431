// The Tools menu as the player meets it: every command one action, shown
// wherever the command is, with a key no other command has; check items
// that show the options as they are; the Hint item off exactly while a
// hint is on its way.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QtTest>

#include <functional>

#include "app/TAnalyst.h"
#include "app/TCodeBreakerRun.h"
#include "app/TGameSession.h"
#include "app/TMainForm.h"
#include "app/TToolActions.h"
#include "app/mainform/ActiveGame.h"
#include "components/widgets/TStatusPanels.h"
#include "game/TLogic.h"
#include "services/clock/TMyTimer.h"
#include "settings/configuration/TConfiguration.h"
#include "settings/statistics/TStatistics.h"
#include "solver/TCode.h"
#include "support/ModalAnswer.h"

#include <sys/stat.h>

using namespace peglore;
using namespace peglore::testing;

namespace {
QMenu* TopMenu(const TMainForm& form, const QString& caption)
{
    for (QAction* top : form.menuBar()->actions())
        if (top->text() == caption)
            return top->menu();
    return nullptr;
}

// The first code of the board for which want holds, by the game's scoring
// against the rows checked so far.
TCode FirstCode(int width, const std::function<bool(const TCode&)>& want)
{
    for (std::uint32_t packed = 0; packed < (1u << (3 * width)); ++packed)
        if (const TCode code(packed, width); want(code))
            return code;
    return {};
}
}  // namespace

class TestToolsMenu : public QObject {
    Q_OBJECT

private slots:
    // Every Tools item explains itself in the status bar and in What's
    // This, no two commands of the window share a key, and the guess
    // board's Hint is the Tools menu's own action.
    void everyCommandIsOneActionWithItsOwnKeys()
    {
        TActiveGame game("[Options]\nMusic=0\n");
        QMenu* tools = TopMenu(*game.Form, QStringLiteral("&Tools"));
        QVERIFY(tools);
        QMap<QString, QString> keyOwner;
        for (QAction* top : game.Form->menuBar()->actions())
            for (QAction* item : top->menu()->actions()) {
                if (item->isSeparator())
                    continue;
                if (top->menu() == tools) {
                    QVERIFY2(!item->statusTip().isEmpty(), qPrintable(item->objectName()));
                    QVERIFY2(!item->whatsThis().isEmpty(), qPrintable(item->objectName()));
                }
                for (const QKeySequence& keys : item->shortcuts()) {
                    const QString key = keys.toString();
                    QVERIFY2(!keyOwner.contains(key), qPrintable(key + QStringLiteral(" twice")));
                    keyOwner[key] = item->objectName();
                }
            }
        auto* popup = game.Form->findChild<QMenu*>(QStringLiteral("PopupMenu1"));
        QCOMPARE(popup->actions().last(), game.Form->Tools().Hint());
        QVERIFY(tools->actions().contains(game.Form->Tools().Hint()));
    }

    // The check mark shows a choice kept in the settings file, and the
    // item switches it and saves it.
    void pegSymbolsItemShowsAndSwitchesTheKeptChoice()
    {
        TActiveGame game("[Options]\nMusic=0\nPegSymbols=1\n");
        QAction* symbols = game.Form->Tools().PegSymbols();
        QVERIFY(symbols->isChecked());
        symbols->trigger();
        QVERIFY(!symbols->isChecked());
        QVERIFY(!game.Form->Session()->Configuration().PegSymbols());
        QTest::keyClick(game.Form.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(symbols->isChecked());
        game.Form->close();
        QFile saved(game.Folder.filePath("Peglore.ini"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains("PegSymbols=1"));
    }

    // Off while a hint is on its way, and on again once it has arrived, so
    // H works for the next row.
    void hintItemIsOffOnlyWhileAHintIsOnItsWay()
    {
        TActiveGame game("[Options]\nMusic=0\nAutoCheck=0\n[Level Settings]\nDifficultyLevel=1\n");
        QAction* hint = game.Form->Tools().Hint();
        auto& analyst = *game.Form->findChild<TAnalyst*>(QStringLiteral("Analyst"));
        QVERIFY(hint->isEnabled());
        hint->trigger();
        QVERIFY(!hint->isEnabled());
        QTRY_VERIFY(hint->isEnabled());
        QCOMPARE(analyst.HintsUsed(), 1);
        game.Form->Session()->Logic().CheckCurrentRow();
        QTest::keyClick(game.Form.get(), Qt::Key_H);
        QTRY_COMPARE(analyst.HintsUsed(), 2);
    }

    // With Keep Game at Exit on, the game left at the close comes back at
    // the next start with its rows and clock, once; a keep-file damaged in
    // any way starts a new game instead.
    void keptGameComesBackOnceUnlessDamaged_data()
    {
        QTest::addColumn<QByteArray>("damage");
        for (const char* damage :
             {"", "cut short", "wrong answer", "binary", "huge", "folder", "fifo", "other variant"})
            QTest::newRow(*damage ? damage : "whole") << QByteArray(damage);
    }
    void keptGameComesBackOnceUnlessDamaged()
    {
        QFETCH(QByteArray, damage);
        QTemporaryDir folder;
        QFile settings(folder.filePath("Peglore.ini"));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[Options]\nMusic=0\n[Tools]\nKeepGame=1\n[Level Settings]\nDifficultyLevel=1\n");
        settings.close();
        TRecordingHelp help;
        TFakePlayer player;
        TKeptGame left;
        {
            TMainForm first(help, player, FilesIn(folder));
            first.show();
            QVERIFY(first.Tools().KeepGame()->isChecked());
            TLogic& logic = first.Session()->Logic();
            std::vector<TColor> guess(logic.Secret().begin(), logic.Secret().end());
            guess[0] = guess[0] == PegColors[0] ? PegColors[1] : PegColors[0];
            logic.PlaceRow(guess, true);
            logic.PlaceInSelectedHole(PegColors[2], true);
            first.Session()->Clock().SetSeconds(77);
            left = logic.KeptGame();
        }
        const QString path = folder.filePath("Peglore.kept");
        QFile kept(path);
        QVERIFY(kept.open(QIODevice::ReadWrite));
        QByteArray text = kept.readAll();
        const qsizetype answer = text.indexOf("Row=") + 4 + 5 + 3;
        if (damage == "cut short")
            text.chop(1);
        else if (damage == "wrong answer")
            text[answer] = text[answer] == '0' ? '1' : '0';
        else if (damage == "binary")
            for (qsizetype i = 0; i < text.size(); ++i)
                text[i] = char(i * 37);
        else if (damage == "huge")
            text.append(20000, '\n');
        kept.resize(0);
        kept.write(text);
        kept.close();
        if (damage == "other variant") {  // the game was kept under eight colours
            QVERIFY(settings.open(QIODevice::Append));
            settings.write("[Variant]\nColours=6\n");
            settings.close();
        }
        if (damage == "folder" || damage == "fifo") {
            QVERIFY(kept.remove());
            QVERIFY(damage == "folder" ? QDir(folder.path()).mkdir("Peglore.kept")
                                       : ::mkfifo(qPrintable(path), 0600) == 0);
        }

        TMainForm second(help, player, FilesIn(folder));
        second.show();
        const TLogic& logic = second.Session()->Logic();
        auto* row = second.findChild<TStatusPanels*>(QStringLiteral("StatusBar"));
        if (damage.isEmpty()) {
            QCOMPARE(logic.KeptGame(), left);
            QCOMPARE(second.Session()->Clock().Seconds(), 77);
            QCOMPARE(row->PanelText(0), QStringLiteral("Row: 2"));
        } else {
            QVERIFY(logic.IsBoardEmpty());
            QCOMPARE(second.Session()->Clock().Seconds(), 0);
            QCOMPARE(row->PanelText(0), QStringLiteral("Row: 1"));
        }
        QCOMPARE(QFileInfo::exists(path), damage == "folder" || damage == "fifo");
    }

    // An old settings file plays without hard mode; switched on from the
    // menu, a full row that some checked row's answer rules out as the
    // secret is refused with the earliest such row named, and stays on
    // the board to be changed; a row that fits is checked. The choice is
    // kept in a section of its own.
    void hardModeRefusesExactlyTheRowsThatCannotBeTheSecret()
    {
        TActiveGame game("[Options]\nMusic=0\n");
        TLogic& logic = game.Form->Session()->Logic();
        logic.SetNextGameNumber(777);
        logic.NewGame(false, false);
        const int width = logic.BoardColumns();
        const auto secret = *TCode::FromColors(logic.Secret());
        const auto rowCode = [&](int row) {
            std::vector<TColor> colors;
            for (int col = 0; col < width; ++col)
                colors.push_back(game.Form->Session()->LeftGrid().Cell(col, row));
            return *TCode::FromColors(colors);
        };
        const auto fitsRow = [&](const TCode& code, int row) {
            return Score(rowCode(row), code) == TKeyPegs{logic.CountBlacks(row), logic.CountWhites(row)};
        };
        // Placed as the hint places a row: checked at once when full.
        // A row that opens no box leaves no answer waiting for a later one.
        const auto play = [&](const TCode& code) -> QString {
            const auto text = std::make_shared<QString>();
            const auto done = std::make_shared<bool>(false);
            AnswerNextModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_Return); },
                            [text](QWidget* m) { *text = qobject_cast<QMessageBox*>(m)->text(); }, done);
            const auto colors = code.Colors();
            logic.PlaceRow(std::span(colors).first(static_cast<std::size_t>(width)), true);
            *done = true;
            return *text;
        };
        const auto refusal = [&](int row) {
            return QStringLiteral("Row %1 answered %2 black, %3 white: this row cannot be the secret.")
                .arg(row + 1)
                .arg(logic.CountBlacks(row))
                .arg(logic.CountWhites(row));
        };
        const TCode first = FirstCode(width, [&](const TCode& c) { return c != secret; });
        QCOMPARE(play(first), QString());
        const TCode unfit = FirstCode(width, [&](const TCode& c) { return !fitsRow(c, 0) && c != first; });
        QAction* hardMode = game.Form->Tools().HardMode();
        QVERIFY(!hardMode->isChecked());
        QCOMPARE(play(unfit), QString());  // off: checked as written
        QCOMPARE(logic.CurrentRow(), 2);

        hardMode->trigger();
        QVERIFY(hardMode->isChecked());
        const TCode againstBoth = FirstCode(width, [&](const TCode& c) { return !fitsRow(c, 0) && !fitsRow(c, 1); });
        const TCode againstSecond = FirstCode(width, [&](const TCode& c) { return fitsRow(c, 0) && !fitsRow(c, 1); });
        const TCode fitting = FirstCode(width, [&](const TCode& c) { return fitsRow(c, 0) && fitsRow(c, 1); });
        for (const TCode& code : {againstBoth, againstSecond, fitting})
            QCOMPARE(code.Width(), width);
        QCOMPARE(play(againstBoth), refusal(0));
        QCOMPARE(logic.CurrentRow(), 2);
        QCOMPARE(rowCode(2), againstBoth);
        QCOMPARE(play(againstSecond), refusal(1));
        QCOMPARE(logic.CurrentRow(), 2);
        const QString fitted = play(fitting);
        QCOMPARE(fitted, fitting == secret ? QStringLiteral("You won the game!") : QString());
        QCOMPARE(logic.CurrentRow(), fitting == secret ? 0 : 3);

        game.Form->close();
        QFile saved(game.Folder.filePath("Peglore.ini"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains("[Tools]\nHardMode=1"));
    }

    // The code typed in the window is broken on the game's board; the end
    // tells the rows needed and shows the code, and the game's statistics
    // know nothing of it.
    // Under six colours the code 882 holds a colour out of play, which the
    // computer could never find: it is sent back to the player.
    void breakMyCodeEndsWithTheRowsNeededAndTheCode_data()
    {
        QTest::addColumn<QByteArray>("variant");
        QTest::newRow("eight colours") << QByteArray();
        QTest::newRow("six colours") << QByteArray("[Variant]\nColours=6\n");
    }
    void breakMyCodeEndsWithTheRowsNeededAndTheCode()
    {
        QFETCH(QByteArray, variant);
        TActiveGame game("[Options]\nMusic=0\n" + variant);
        game.Form->Tools().BreakMyCode()->trigger();
        TfrmCodeBreaker* window = game.Form->CodeBreaker().Window();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->Width(), game.Form->Session()->Logic().BoardColumns());
        for (Qt::Key key : {Qt::Key_8, Qt::Key_8, Qt::Key_2})
            QTest::keyClick(window, key);
        QCOMPARE(window->Secret(), TCode::FromDigits("882"));
        if (!variant.isEmpty()) {
            QString text;
            AnswerNextModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_Return); },
                            [&](QWidget* m) { text = qobject_cast<QMessageBox*>(m)->text(); });
            window->findChild<QPushButton*>(QStringLiteral("StartButton"))->click();
            QCOMPARE(text, QStringLiteral("Your code uses a colour that is not in play: this game plays with the "
                                          "first 6 colours of the colour bar only. Change your code before starting."));
            QVERIFY(!game.Form->CodeBreaker().Busy());
            return;
        }
        window->findChild<QPushButton*>(QStringLiteral("StartButton"))->click();
        for (int press = 0; press < 2; ++press)
            window->findChild<QPushButton*>(QStringLiteral("FasterButton"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(!game.Form->CodeBreaker().Busy(), 20000);
        QVERIFY2(window->StatusText().startsWith(QStringLiteral("The computer broke your code in ")),
                 qPrintable(window->StatusText()));
        QVERIFY(window->StatusText().endsWith(QStringLiteral(". Your code: 882.")));
        QCOMPARE(game.Form->Session()->Statistics().TotalGames(), 0);
    }
};

QTEST_MAIN(TestToolsMenu)
#include "TestToolsMenu.moc"
