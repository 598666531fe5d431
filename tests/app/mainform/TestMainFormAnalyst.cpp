// The analyst as the player meets it: the hint key and the popup menu's
// Hint item, a hint that comes too late, and the analysis window's figures
// against the solver for a game played.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTableWidget>
#include <QtTest>

#include <vector>

#include "app/TAnalyst.h"
#include "app/TGameSession.h"
#include "app/TGuessBoardInput.h"
#include "app/mainform/ActiveGame.h"
#include "game/PegColors.h"
#include "game/TLeftGrid.h"
#include "game/TLogic.h"
#include "solver/Solver.h"
#include "support/ModalAnswer.h"
#include "windows/analysis/TAnalysisWindow.h"

using namespace peglore;
using namespace peglore::testing;

namespace {
const QByteArray IntermediateNoAutoCheck = "[Options]\nMusic=0\nAutoCheck=0\n[Level Settings]\nDifficultyLevel=1\n";

struct TAnalysedGame : TActiveGame {
    TAnalysedGame() : TActiveGame(IntermediateNoAutoCheck) {}
    TLogic& Logic() const { return Form->Session()->Logic(); }
    TAnalyst& Analyst() const { return *Form->findChild<TAnalyst*>(QStringLiteral("Analyst")); }

    // The code in row, as the board holds it.
    std::optional<TCode> Row(int row) const
    {
        std::vector<TColor> colors;
        for (int col = 0; col < Logic().BoardColumns(); ++col)
            colors.push_back(Form->Session()->LeftGrid().Cell(col, row));
        return TCode::FromColors(colors);
    }
    void Play(const TCode& code) const
    {
        const auto colors = code.Colors();
        Logic().PlaceRow(std::span(colors).first(static_cast<std::size_t>(code.Width())), false);
        Logic().CheckCurrentRow();
    }
    std::vector<TCheckedRow> Checked() const
    {
        std::vector<TCheckedRow> rows;
        for (int r = 0; r < Logic().CurrentRow(); ++r)
            rows.push_back({*Row(r), {Logic().CountBlacks(r), Logic().CountWhites(r)}});
        return rows;
    }
};

QString Text(const QTableWidget& table, int row, int column)
{
    const QTableWidgetItem* item = table.item(row, column);
    return item ? item->text() : QString();
}
}  // namespace

class TestMainFormAnalyst : public QObject {
    Q_OBJECT
private slots:
    // H fills the current row with the solver's hint for the rows so far;
    // with automatic checking off the row waits for Check.
    void hintKeyPlaysTheSolversHint()
    {
        TAnalysedGame game;
        QVERIFY(game.Active());
        for (int row = 0; row < 2; ++row) {
            const std::vector<TCheckedRow> rows = game.Checked();
            QTest::keyClick(game.Form.get(), Qt::Key_H, row == 0 ? Qt::NoModifier : Qt::ControlModifier);
            QTRY_VERIFY(game.Row(row).has_value());
            QCOMPARE(game.Row(row)->Digits(), Hint(5, rows)->Digits());
            QCOMPARE(game.Logic().CurrentRow(), row);
            QCOMPARE(game.Analyst().HintsUsed(), row + 1);
            QTest::keyClick(game.Form.get(), Qt::Key_Return);
        }
    }

    // A hint for a row the player has checked meanwhile is dropped.
    void lateHintIsDropped()
    {
        TAnalysedGame game;
        game.Analyst().Hint();
        game.Play(*TCode::FromDigits("11111"));
        QTRY_VERIFY(!game.Analyst().HintPending());
        QCOMPARE(game.Logic().CurrentRow(), 1);
        QCOMPARE(game.Row(0)->Digits(), std::string("11111"));
        QVERIFY(game.Form->Session()->LeftGrid().IsRowEmpty(1));
        QCOMPARE(game.Analyst().HintsUsed(), 0);
    }

    // The last item of the guess board's menu, after a separator; off
    // while a hint is on its way.
    void popupHintItem()
    {
        TAnalysedGame game;
        auto* menu = game.Form->findChild<QMenu*>(QStringLiteral("PopupMenu1"));
        auto* input = game.Form->findChild<TGuessBoardInput*>();
        const QList<QAction*> items = menu->actions();
        QCOMPARE(items.last()->text(), QStringLiteral("&Hint"));
        QCOMPARE(items[items.size() - 3]->text(), QStringLiteral("&Give Up!"));
        QVERIFY(items[items.size() - 2]->isSeparator());
        input->PopupMenu1Popup();
        QVERIFY(items.last()->isEnabled());
        game.Analyst().Hint();
        input->PopupMenu1Popup();
        QVERIFY(!items.last()->isEnabled());
        items.last()->trigger();  // a second ask while one runs does nothing
        QTRY_VERIFY(game.Row(0).has_value());
        QCOMPARE(game.Analyst().HintsUsed(), 1);
        input->PopupMenu1Popup();
        QVERIFY(items.last()->isEnabled());
    }

    // Every count, the hint and the review, as the solver has them.
    void windowFiguresAreTheSolvers()
    {
        TAnalysedGame game;
        game.Logic().SetNextGameNumber(777);
        game.Logic().NewGame(false, false);
        for (const char* guess : {"12345", "66781", "23456"})
            game.Play(*TCode::FromDigits(guess));
        const std::vector<TCheckedRow> rows = game.Checked();
        QTest::keyClick(game.Form.get(), Qt::Key_F3);
        TAnalysisWindow* window = game.Analyst().Window();
        QVERIFY(window && window->isVisible());
        QVERIFY(game.Form->isActiveWindow());  // the keys stay with the game
        // Reading it, even with the focus in it, does not stop the clock.
        window->activateWindow();
        QTRY_VERIFY(window->isActiveWindow());
        QCOMPARE(game.Form->findChild<TActiveFormTracker*>()->ActiveForm(), game.Form.get());
        auto* table = window->findChild<QTableWidget*>(QStringLiteral("AnalysisRows"));
        auto* heading = window->findChild<QLabel*>(QStringLiteral("AnalysisHeading"));
        QTRY_COMPARE(heading->text(), QStringLiteral("Game 777, 3 rows checked"));
        QCOMPARE(table->rowCount(), 3);
        for (int r = 0; r < 3; ++r) {
            const auto before = *CountFitting(5, std::span(rows).first(static_cast<std::size_t>(r)));
            const auto after = *CountFitting(5, std::span(rows).first(static_cast<std::size_t>(r) + 1));
            QCOMPARE(Text(*table, r, 1), QString::fromStdString(rows[static_cast<std::size_t>(r)].Guess.Digits()));
            QCOMPARE(Text(*table, r, 3), QString::number(before));
            QCOMPARE(Text(*table, r, 4), QString::number(after));
            QCOMPARE(Text(*table, r, 5), QString::number(std::log2(double(before) / double(after)), 'f', 2));
        }
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("AnalysisRemaining"))->text(),
                 QStringLiteral("Secrets possible now: %1").arg(*CountFitting(5, rows)));
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("AnalysisHint"))->text(),
                 QStringLiteral("Hint for row 4: %1").arg(QString::fromStdString(Hint(5, rows)->Digits())));

        // Given up: the review keeps the rows beside what the hint would
        // have played, until the next game's first row is checked.
        game.Logic().GiveUp();
        QTRY_COMPARE(heading->text(), QStringLiteral("Review of game 777: given up after 3 rows. To play it again: "
                                                     "peglore --game 777"));
        QVERIFY(!table->isColumnHidden(7));
        for (int r = 0; r < 3; ++r)
            QCOMPARE(Text(*table, r, 7),
                     QString::fromStdString(Hint(5, std::span(rows).first(static_cast<std::size_t>(r)))->Digits()));
        game.Play(*TCode::FromDigits("11111"));
        QTRY_VERIFY2(heading->text().endsWith(QStringLiteral(", 1 row checked")), qPrintable(heading->text()));
        QVERIFY(table->isColumnHidden(7));
    }

    // A settings file can make a board wider than the solver takes: the
    // hint says so in a box, the analysis in a line, and neither is left
    // waiting, during the game or in its review.
    void boardTooWideForTheSolverIsSaidPlainly()
    {
        TActiveGame game("[Options]\nMusic=0\nAutoCheck=0\n"
                         "[Level Settings]\nDifficultyLevel=3\nCustomColumns=12\nCustomRows=10\n");
        TLogic& logic = game.Form->Session()->Logic();
        QString box;
        AnswerNextModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_Return); },
                        [&](QWidget* m) { box = m->windowTitle() + ": " + qobject_cast<QMessageBox*>(m)->text(); });
        QTest::keyClick(game.Form.get(), Qt::Key_H);
        QCOMPARE(box, QStringLiteral("Information: The hint covers boards up to 10 holes, and this board has 12."));
        auto* analyst = game.Form->findChild<TAnalyst*>(QStringLiteral("Analyst"));
        analyst->ToggleWindow();  // F3
        auto* heading = analyst->Window()->findChild<QLabel*>(QStringLiteral("AnalysisHeading"));
        const QString line = QStringLiteral("The analysis covers boards up to 10 holes, and this board has 12.");
        QCOMPARE(heading->text(), line);
        logic.PlaceRow(std::vector<TColor>(12, PegColors[0]), false);
        logic.CheckCurrentRow();
        logic.GiveUp();
        QCoreApplication::processEvents();
        QCOMPARE(heading->text(), line);
    }
};

QTEST_MAIN(TestMainFormAnalyst)
#include "TestMainFormAnalyst.moc"
