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
#include "game/TLogic.h"
#include "settings/configuration/TConfiguration.h"

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
};

QTEST_MAIN(TestToolsMenu)
#include "TestToolsMenu.moc"
