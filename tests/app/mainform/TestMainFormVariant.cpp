// A variant as the player meets it in the main window: the colour bar and
// the keys of the colours in play, the variant in the status bar, rows that
// break it refused in a box before they are scored, the hint keeping to it,
// and the Variant dialog's Classic board kept in the settings file.

#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "app/TColorSwatch.h"
#include "app/TGameSession.h"
#include "app/TToolActions.h"
#include "app/mainform/ActiveGame.h"
#include "components/widgets/TStatusPanels.h"
#include "dialogs/variant/TfrmVariant.h"
#include "game/TLeftGrid.h"
#include "game/TLevelSettings.h"
#include "game/TLogic.h"
#include "resources/pictures/Pictures.h"
#include "support/ModalAnswer.h"

using namespace peglore;
using namespace peglore::testing;

namespace {
const QByteArray FourNoRepeats = "[Options]\nMusic=0\nAutoCheck=1\n[Variant]\nColours=4\nRepeats=0\n";

QList<TColor> RowColours(const TActiveGame& game, int row)
{
    QList<TColor> colours;
    for (int col = 0; col < game.Form->Session()->Logic().BoardColumns(); ++col)
        colours << game.Form->Session()->LeftGrid().Cell(col, row);
    return colours;
}

QList<TColor> VisibleSwatches(const TActiveGame& game)
{
    QList<TColor> colours;
    for (const TColorSwatch* swatch : game.Form->findChildren<TColorSwatch*>())
        if (swatch->isVisible())
            colours << swatch->Color();
    return colours;
}
}  // namespace

class TestMainFormVariant : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitPictures(); }

    // Keys 1 to 4 place the four colours shown; a row that repeats one, or
    // holds one not in play, is refused with its reason and stays current.
    void rowsBreakingTheVariantAreRefused_data()
    {
        QTest::addColumn<QList<TColor>>("row");
        QTest::addColumn<QString>("box");
        QTest::newRow("a colour twice") << QList<TColor>{PegColors[0], PegColors[0], PegColors[7]}
                                        << "A colour stands twice in this row, and in this game no colour may "
                                           "repeat. Change the row before checking it.";
        QTest::newRow("a colour not in play") << QList<TColor>{PegColors[0], PegColors[7], PegColors[5]}
                                              << "This row uses a colour that is not in play: this game plays with "
                                                 "the first 4 colours of the colour bar only. Change the row before "
                                                 "checking it.";
    }
    void rowsBreakingTheVariantAreRefused()
    {
        QFETCH(QList<TColor>, row);
        QFETCH(QString, box);
        TActiveGame game(FourNoRepeats);
        QVERIFY(game.Active());
        const QList<TColor> inPlay = {PegColors[0], PegColors[7], PegColors[2], PegColors[3]};
        QCOMPARE(VisibleSwatches(game), inPlay);
        QCOMPARE(game.Form->findChild<TStatusPanels*>()->PanelText(1),
                 QStringLiteral("Variant: 4 colours, no repeats"));
        QTest::keyClick(game.Form.get(), Qt::Key_5);
        QVERIFY(game.Form->Session()->LeftGrid().IsRowEmpty(0));

        QString said;
        AnswerNextModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_Return); },
                        [&](QWidget* m) { said = qobject_cast<QMessageBox*>(m)->text(); });
        if (row.contains(PegColors[5])) {
            // No key reaches a colour beyond the bar; a row placed whole can.
            game.Form->Session()->Logic().PlaceRow(std::vector<TColor>(row.begin(), row.end()), true);
        } else {
            for (const TColor colour : row)
                QTest::keyClick(game.Form.get(), Qt::Key(Qt::Key_1 + int(inPlay.indexOf(colour))));
        }
        QCOMPARE(said, box);
        QCOMPARE(game.Form->Session()->Logic().CurrentRow(), 0);
        QCOMPARE(RowColours(game, 0), row);
    }

    // The hint fills the row with colours in play, none twice.
    void hintKeepsToTheVariant()
    {
        TActiveGame game("[Options]\nMusic=0\nAutoCheck=0\n[Variant]\nColours=3\nRepeats=0\n");
        game.Form->Tools().Hint()->trigger();
        QTRY_VERIFY(game.Form->Session()->Logic().IsRowComplete(0));
        const QList<TColor> row = RowColours(game, 0);
        for (const TColor colour : row) {
            QVERIFY(VisibleSwatches(game).contains(colour));
            QCOMPARE(row.count(colour), 1);
        }
    }

    // Classic plays 4 x 10 with six colours as the Custom level, and the
    // settings file keeps it; a file of before had none of it.
    void classicBoardIsKept()
    {
        TActiveGame game("[Options]\nMusic=0\n");
        QVERIFY(game.Form->findChild<TStatusPanels*>()->PanelText(1).isEmpty());
        TfrmVariant dialog(game.Help, game.Form.get());
        dialog.Connect(game.Form->Session()->LevelSettings());
        game.Form->SetVariantDialog(&dialog);
        AnswerNextModal([](QWidget* m) { m->findChild<QPushButton*>(QStringLiteral("ClassicButton"))->click(); });
        game.Form->Tools().Variant()->trigger();
        const TLogic& logic = game.Form->Session()->Logic();
        QCOMPARE(logic.BoardColumns(), 4);
        QCOMPARE(logic.BoardRows(), 10);
        QCOMPARE(int(game.Form->Session()->LevelSettings().DifficultyLevel()), int(Custom));
        QCOMPARE(VisibleSwatches(game).size(), 6);
        QCOMPARE(game.Form->findChild<TStatusPanels*>()->PanelText(1), QStringLiteral("Variant: 6 colours"));
        game.Form->close();
        QFile file(game.Folder.filePath("Peglore.ini"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray saved = file.readAll();
        QVERIFY2(saved.contains("CustomColumns=4\nCustomRows=10\nDifficultyLevel=3\n[Variant]\nColours=6\n"), saved);
        QVERIFY2(!saved.contains("Repeats"), saved);
    }
};

QTEST_MAIN(TestMainFormVariant)
#include "TestMainFormVariant.moc"
