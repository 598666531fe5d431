// The Tools menu as the player meets it: every command one action, shown
// wherever the command is, with a key no other command has; check items
// that show the options as they are; the Hint item off exactly while a
// hint is on its way.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include "app/TAnalyst.h"
#include "app/TGameSession.h"
#include "app/TMainForm.h"
#include "app/TToolActions.h"
#include "app/mainform/ActiveGame.h"
#include "components/widgets/TStatusPanels.h"
#include "game/TLogic.h"
#include "services/clock/TMyTimer.h"
#include "settings/configuration/TConfiguration.h"

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
        for (const char* damage : {"", "cut short", "wrong answer", "binary", "huge", "folder", "fifo", "other variant"})
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
};

QTEST_MAIN(TestToolsMenu)
#include "TestToolsMenu.moc"
