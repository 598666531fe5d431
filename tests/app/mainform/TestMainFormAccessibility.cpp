// The main window as a screen reader reads it, at Beginner: the names and
// roles of its parts, the two boards as tables, and what they read after a
// peg is typed and after a row is checked.

#include <QAccessible>
#include <QtTest>

#include <algorithm>
#include <memory>

#include "app/TGameSession.h"
#include "app/TMainForm.h"
#include "app/mainform/ActiveGame.h"
#include "components/accessible/PegNames.h"
#include "game/PegColors.h"
#include "game/TLogic.h"
#include "resources/pictures/Pictures.h"
#include "support/AccessibleTree.h"

using namespace peglore;
using namespace peglore::testing;

namespace {
struct TGame : TActiveGame {
    TGame() : TActiveGame("[Options]\nMusic=0\nAutoCheck=1\n") {}

    QAccessibleInterface* Find(const QString& name, QAccessible::Role role) const
    {
        return FindAccessible(*Form, name, role);
    }
    QAccessibleTableInterface* Table(const QString& name) const
    {
        QAccessibleInterface* board = Find(name, QAccessible::Table);
        return board ? board->tableInterface() : nullptr;
    }
    QString Cell(const QString& board, int row, int column) const
    {
        return Table(board)->cellAt(row, column)->text(QAccessible::Name);
    }
    void Press(Qt::Key key) const { QTest::keyClick(Form.get(), key); }
};

}  // namespace

class TestMainFormAccessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitPictures(); }

    void everyPartHasItsNameAndRole()
    {
        TGame game;
        QVERIFY(game.Active());
        const QStringList nameless = NamelessControls(*game.Form);
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(", ")));
        for (const char* hint : {"New Game", "Game Properties", "Check!"})
            QVERIFY2(game.Find(QString::fromLatin1(hint), QAccessible::Button), hint);

        QAccessibleInterface* bar = game.Find("Colour bar", QAccessible::List);
        QVERIFY(bar);
        QCOMPARE(ChildNames(bar), QStringList({"red, key 1", "lime, key 2", "black, key 3", "yellow, key 4",
                                               "blue, key 5", "gray, key 6", "fuchsia, key 7", "green, key 8"}));
        for (int i = 0; i < bar->childCount(); ++i) {
            QCOMPARE(bar->child(i)->role(), QAccessible::Button);
            QCOMPARE(bar->child(i)->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
                     QStringList(QString::number(i + 1)));
        }

        QAccessibleInterface* clock = game.Find("Game clock: 0 seconds", QAccessible::StaticText);
        QVERIFY(clock);
        QVERIFY(clock->state().readOnly);
        QCOMPARE(clock->valueInterface()->currentValue().toInt(), 0);
        game.Form->SecondsTimerTimer();
        QCOMPARE(clock->text(QAccessible::Name), QStringLiteral("Game clock: 1 seconds"));

        QAccessibleInterface* status = game.Find("Status bar", QAccessible::StatusBar);
        QVERIFY(status);
        QCOMPARE(ChildNames(status).value(0), QStringLiteral("Row: 1"));

        // The row marker and the bevels are decoration: not read at all.
        for (QAccessibleInterface* node : AccessibleTree(*game.Form))
            QVERIFY(!node->object() ||
                    !QStringList({"Hand", "Bevel1", "Bevel3", "Bevel4"}).contains(node->object()->objectName()));
    }

    void boardsAreTablesOfNamedCells()
    {
        TGame game;
        QAccessibleTableInterface* guesses = game.Table("Guess board");
        QAccessibleTableInterface* answers = game.Table("Score board");
        QVERIFY(guesses && answers);
        QCOMPARE(QSize(guesses->columnCount(), guesses->rowCount()), QSize(3, 10));
        QCOMPARE(QSize(answers->columnCount(), answers->rowCount()), QSize(1, 10));
        QAccessibleInterface* board = game.Find("Guess board", QAccessible::Table);
        QCOMPARE(board->childCount(), 30);
        for (int i = 0; i < 30; ++i) {
            QAccessibleInterface* cell = board->child(i);
            QCOMPARE(cell->role(), QAccessible::Cell);
            QCOMPARE(cell->text(QAccessible::Name),
                     QStringLiteral("Row %1, hole %2: empty").arg(i / 3 + 1).arg(i % 3 + 1));
            QCOMPARE(board->indexOfChild(cell), i);
            QCOMPARE(cell->parent(), board);
            QCOMPARE(board->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
        }
        for (int row = 0; row < 10; ++row)
            QCOMPARE(game.Cell("Score board", row, 0), QStringLiteral("Row %1: not checked").arg(row + 1));
        QCOMPARE(guesses->selectedRows(), QList<int>{0});
    }

    void aTypedPegIsReadAndTheSelectionMoves()
    {
        TGame game;
        QAccessibleTableInterface* guesses = game.Table("Guess board");
        QVERIFY(!guesses->cellAt(0, 0)->state().focused);
        game.Press(Qt::Key_1);
        QCOMPARE(game.Cell("Guess board", 0, 0), QStringLiteral("Row 1, hole 1: red"));
        QAccessibleInterface* next = guesses->cellAt(0, 1);
        QVERIFY(next->state().selected && next->state().focused);
        QVERIFY(!guesses->cellAt(0, 0)->state().selected);
        QCOMPARE(guesses->selectedCells(), QList<QAccessibleInterface*>{next});
        QVERIFY(!guesses->cellAt(1, 1)->state().selectable);

        // With symbols the symbol is read too, on the board and the bar.
        QTest::keyClick(game.Form.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(game.Cell("Guess board", 0, 0), QStringLiteral("Row 1, hole 1: red, disc"));
        QVERIFY(game.Find("red, disc, key 1", QAccessible::Button));
    }

    void aCheckedRowReadsItsAnswer()
    {
        TGame game;
        // A colour missing from the secret, three times: an answer with no
        // key peg at all, which must not read as unchecked.
        const auto secret = game.Form->Session()->Logic().Secret();
        int absent = 0;
        while (std::find(secret.begin(), secret.end(), PegColors[std::size_t(absent)]) != secret.end())
            ++absent;
        const QString colour = PegColorName(PegColors[std::size_t(absent)]);
        QAccessibleInterface* swatch = nullptr;
        for (QAccessibleInterface* node : AccessibleTree(*game.Form))
            if (node->role() == QAccessible::Button && node->text(QAccessible::Name).startsWith(colour + ", key"))
                swatch = node;
        QVERIFY(swatch);
        // Pressed through the reader, the swatch places its colour as its key does.
        for (int i = 0; i < 3; ++i)
            swatch->actionInterface()->doAction(QAccessibleActionInterface::pressAction());

        QCOMPARE(game.Cell("Score board", 0, 0), QStringLiteral("Row 1: 0 black, 0 white"));
        QCOMPARE(game.Cell("Score board", 1, 0), QStringLiteral("Row 2: not checked"));
        QCOMPARE(game.Cell("Guess board", 0, 2), QStringLiteral("Row 1, hole 3: %1").arg(colour));
        QCOMPARE(game.Table("Guess board")->selectedRows(), QList<int>{1});
        QVERIFY(game.Table("Guess board")->cellAt(1, 0)->state().selected);
        QCOMPARE(ChildNames(game.Find("Status bar", QAccessible::StatusBar)).value(0), QStringLiteral("Row: 2"));
    }
};

QTEST_MAIN(TestMainFormAccessibility)
#include "TestMainFormAccessibility.moc"
