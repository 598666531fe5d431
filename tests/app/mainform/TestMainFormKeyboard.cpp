// Playing the main window with the keyboard, and the peg symbols: which
// key does what, the rules it keeps, the focus mark, the symbols as the
// player sees them and the settings file they leave.

#include <QDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QWhatsThis>
#include <QtTest>

#include <array>
#include <memory>

#include "app/TActiveFormTracker.h"
#include "app/TColorSwatch.h"
#include "app/TGameSession.h"
#include "app/TMainForm.h"
#include "app/TPainterCanvas.h"
#include "app/mainform/AppFakes.h"
#include "components/boardgrid/TBoardGrid.h"
#include "game/PegColors.h"
#include "game/PegSymbols.h"
#include "game/TLeftGrid.h"
#include "game/TLogic.h"
#include "resources/pictures/Pictures.h"
#include "settings/configuration/TConfiguration.h"
#include "settings/statistics/TStatistics.h"
#include "support/ModalAnswer.h"

using namespace peglore;
using namespace peglore::testing;

namespace {
const QByteArray NoAutoCheck = "[Options]\nMusic=0\nAutoCheck=0\n";
const QByteArray ExpertNoAutoCheck = NoAutoCheck + "[Level Settings]\nDifficultyLevel=2\n";

// The colour bar, left to right: the colours of keys 1 to 8.
const std::array<const char*, 8> SwatchNames{"RedShape",  "LimeShape", "BlackShape",   "YellowShape",
                                             "BlueShape", "GrayShape", "FuchsiaShape", "GreenShape"};

const QColor Navy(0, 0, 0x80);

struct TGame {
    QTemporaryDir Folder;
    TRecordingHelp Help;
    TFakePlayer Player;
    std::unique_ptr<TMainForm> Form;

    explicit TGame(const QByteArray& settings = NoAutoCheck)
    {
        QFile file(Folder.filePath("Peglore.ini"));
        file.open(QIODevice::WriteOnly);
        file.write(settings);
        file.close();
        Form = std::make_unique<TMainForm>(Help, Player, FilesIn(Folder));
        Form->show();
        Form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form.get()));
        Form->findChild<TActiveFormTracker*>()->Activated(Form.get());
    }

    TBoardGrid& Board() const { return *Form->findChild<TBoardGrid*>(QStringLiteral("LeftBoard")); }
    TLogic& Logic() const { return Form->Session()->Logic(); }
    TLeftGrid& Grid() const { return Form->Session()->LeftGrid(); }
    TColorSwatch& Swatch(std::size_t index) const
    {
        return *Form->findChild<TColorSwatch*>(QString::fromLatin1(SwatchNames[index]));
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QTest::keyClick(Form.get(), key, modifiers);
    }
    // The key of the swatch that shows colour.
    Qt::Key KeyOf(TColor colour) const
    {
        for (std::size_t i = 0; i < SwatchNames.size(); ++i)
            if (Swatch(i).Color() == colour)
                return Qt::Key(Qt::Key_1 + int(i));
        return Qt::Key_unknown;
    }
    Qt::Key LosingKey() const { return KeyOf(Logic().Secret()[0] == PegColors[0] ? PegColors[1] : PegColors[0]); }
    QByteArray SettingsBytes() const
    {
        QFile file(Folder.filePath("Peglore.ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

// Records whether a modal box opened within the next moment, and closes
// it.
// Answers a box shown from now on, from its own event loop: a box is
// modal, so it has been answered by the time the call that showed it
// returns.
struct TBoxWatch {
    bool Shown = false;
    QString Text;
    QTimer Timer;
    TBoxWatch()
    {
        Timer.setSingleShot(true);
        QObject::connect(&Timer, &QTimer::timeout, [this]() {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                Shown = true;
                Text = box->text();
                box->close();
            }
        });
        Timer.start(0);
    }
};

int CountPixels(const QImage& image, const QRect& area, const QColor& colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixelColor(x, y) == colour ? 1 : 0;
    return count;
}

// The ink pixels of a symbol, cut to their bounding box: its shape alone.
QImage InkShape(const QImage& image, const QRect& area, const QColor& ink)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == ink)
                box |= QRect(x, y, 1, 1);
    QImage shape(box.size(), QImage::Format_Mono);
    shape.fill(0);
    for (int y = 0; y < box.height(); ++y)
        for (int x = 0; x < box.width(); ++x)
            if (image.pixelColor(box.left() + x, box.top() + y) == ink)
                shape.setPixel(x, y, 1);
    return shape;
}

QColor InkOf(TColor peg)
{
    return ToQColor(PegSymbol(peg).Ink);
}

// How far apart two equally large areas are in grey: the sum of the grey
// levels' differences.
int GreyDistance(const QImage& a, const QImage& b)
{
    const QImage ga = a.convertToFormat(QImage::Format_Grayscale8);
    const QImage gb = b.convertToFormat(QImage::Format_Grayscale8);
    int sum = 0;
    for (int y = 0; y < ga.height(); ++y)
        for (int x = 0; x < ga.width(); ++x)
            sum += qAbs(qGray(ga.pixel(x, y)) - qGray(gb.pixel(x, y)));
    return sum;
}
}  // namespace

class TestMainFormKeyboard : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitPictures(); }

    void keysOneToEightPlaceTheSwatchesColours_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<uint>("colour");
        QTest::addColumn<int>("modifiers");
        const std::array<TColor, 8> colours{0x0000FF, 0x00FF00, 0x000000, 0x00FFFF,
                                            0xFF0000, 0x808080, 0xFF00FF, 0x008000};
        for (int i = 0; i < 8; ++i)
            QTest::newRow(SwatchNames[std::size_t(i)]) << int(Qt::Key_1) + i << uint(colours[std::size_t(i)]) << 0;
        QTest::newRow("keypad 4") << int(Qt::Key_4) << uint(0x00FFFF) << int(Qt::KeypadModifier);
    }
    void keysOneToEightPlaceTheSwatchesColours()
    {
        QFETCH(int, key);
        QFETCH(uint, colour);
        QFETCH(int, modifiers);
        TGame game;
        game.Press(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(game.Grid().Cell(0, 0), TColor(colour));
        QCOMPARE(game.Swatch(std::size_t(key - Qt::Key_1)).Color(), TColor(colour));
        QCOMPARE(game.Logic().SelectedHole(), 1);
        const QImage board = game.Board().grab().toImage();
        QCOMPARE(board.pixelColor(game.Board().CellRect(0, 0).center()), ToQColor(colour));
    }

    void otherKeysPlaceNothing_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Ctrl+1") << int(Qt::Key_1) << int(Qt::ControlModifier);
        QTest::newRow("Alt+2") << int(Qt::Key_2) << int(Qt::AltModifier);
        QTest::newRow("9") << int(Qt::Key_9) << 0;
        QTest::newRow("0") << int(Qt::Key_0) << 0;
        QTest::newRow("a letter") << int(Qt::Key_R) << 0;
    }
    void otherKeysPlaceNothing()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        TGame game;
        game.Press(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY(game.Grid().IsRowEmpty(0));
        QVERIFY(!game.Grid().SelectionShown());
    }

    void arrowsHomeEndBackspaceAndDelete()
    {
        TGame game(ExpertNoAutoCheck);
        for (Qt::Key k : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4})
            game.Press(k);
        game.Press(Qt::Key_Backspace);  // clears hole 3 and selects it
        QCOMPARE(game.Logic().SelectedHole(), 3);
        game.Press(Qt::Key_Home);
        game.Press(Qt::Key_Right);
        game.Press(Qt::Key_Delete);  // clears hole 1
        game.Press(Qt::Key_End);
        game.Press(Qt::Key_5);  // into hole 7; the next empty one is 1
        QCOMPARE(game.Logic().SelectedHole(), 1);
        game.Press(Qt::Key_Left);
        game.Press(Qt::Key_Left);
        QCOMPARE(game.Logic().SelectedHole(), 0);
        const std::array<TColor, 8> row{0x0000FF,  EmptyHole, 0x000000,  EmptyHole,
                                        EmptyHole, EmptyHole, EmptyHole, 0xFF0000};
        for (int col = 0; col < 8; ++col)
            QCOMPARE(game.Grid().Cell(col, 0), row[std::size_t(col)]);
    }

    void returnChecksAsTheCheckButtonDoes_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<int>("pegs");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("rowAfter");
        QTest::newRow("incomplete row: the Check button's message")
            << NoAutoCheck << 2 << "You must completely fill the row before trying to check it!" << 0;
        QTest::newRow("full row: checked") << NoAutoCheck << 3 << "" << 1;
        QTest::newRow("automatic checking on: nothing")
            << QByteArray("[Options]\nMusic=0\nAutoCheck=1\n") << 2 << "" << 0;
    }
    void returnChecksAsTheCheckButtonDoes()
    {
        QFETCH(QByteArray, settings);
        QFETCH(int, pegs);
        QFETCH(QString, box);
        QFETCH(int, rowAfter);
        TGame game(settings);
        for (int i = 0; i < pegs; ++i)
            game.Press(game.LosingKey());
        TBoxWatch watch;
        game.Press(Qt::Key_Return);
        QCOMPARE(watch.Shown, !box.isEmpty());
        QCOMPARE(watch.Text, box);
        QCOMPARE(game.Logic().CurrentRow(), rowAfter);
        QCOMPARE(game.Logic().IsRowComplete(0), pegs == 3);
    }

    void fullRowIsCheckedAtOnceAndTheMarkMovesOn()
    {
        TGame game(QByteArray("[Options]\nMusic=0\nAutoCheck=1\n"));
        for (int i = 0; i < 3; ++i)
            game.Press(game.LosingKey());
        QCOMPARE(game.Logic().CurrentRow(), 1);
        // The checked row cannot be changed from the keyboard either.
        game.Press(Qt::Key_Backspace);
        game.Press(Qt::Key_Delete);
        QVERIFY(game.Logic().IsRowComplete(0));
        const QImage board = game.Board().grab().toImage();
        const QRect next = game.Board().CellRect(0, 1);
        QCOMPARE(board.pixelColor(next.topLeft()), Navy);
        QCOMPARE(CountPixels(board, game.Board().CellRect(2, 0), Navy), 0);
    }

    void keyboardAloneWinsAGame()
    {
        TGame game(QByteArray("[Options]\nMusic=0\nAutoCheck=1\n"));
        const std::vector<TColor> secret(game.Logic().Secret().begin(), game.Logic().Secret().end());
        QString text;
        AnswerNextModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_Return); },
                        [&](QWidget* m) { text = qobject_cast<QMessageBox*>(m)->text(); });
        game.Press(Qt::Key_End);
        game.Press(game.KeyOf(secret[2]));
        game.Press(game.KeyOf(secret[0]));
        game.Press(game.KeyOf(secret[1]));
        QCOMPARE(text, QStringLiteral("You won the game!"));
        QCOMPARE(game.Form->Session()->Statistics().GamesWon(), 1);
        QVERIFY(game.Grid().IsRowEmpty(0));
        QCOMPARE(game.Grid().Selection(), (TCell{0, 0}));
    }

    void focusMarkOnlyOnceTheKeyboardPlays()
    {
        TGame game;
        const QImage before = game.Board().grab().toImage();
        QCOMPARE(CountPixels(before, before.rect(), Navy), 0);
        game.Press(Qt::Key_Right);
        const QImage after = game.Board().grab().toImage();
        const QRect hole = game.Board().CellRect(1, 0);
        // A 2-pixel frame at the hole's edges, white between it and a peg.
        QCOMPARE(CountPixels(after, hole, Navy), 2 * (30 + 25) * 2 - 16);
        QCOMPARE(after.pixelColor(hole.topLeft() + QPoint(1, 1)), Navy);
        QCOMPARE(after.pixelColor(hole.topLeft() + QPoint(2, 2)), QColor(Qt::white));
        QCOMPARE(CountPixels(after, after.rect(), Navy), CountPixels(after, hole, Navy));
        // Shift+F1 still asks for help on a control.
        game.Press(Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(QWhatsThis::inWhatsThisMode());
        QWhatsThis::leaveWhatsThisMode();
    }

    void ctrlShiftSSwitchesTheSymbolsEverywhere()
    {
        TGame game;
        QDialog correctAnswer;
        game.Form->SetDialogs(&correctAnswer, nullptr, nullptr, nullptr);
        game.Press(Qt::Key_1);
        const QRect peg = game.Board().CellRect(0, 0).adjusted(3, 3, -3, -3);
        const QColor ink = InkOf(PegColors[0]);
        auto inkOnPeg = [&] { return CountPixels(game.Board().grab().toImage(), peg, ink); };
        auto inkOnSwatch = [&] {
            const QImage swatch = game.Swatch(0).grab().toImage();
            return CountPixels(swatch, swatch.rect(), ink);
        };
        const int swatchOutline = inkOnSwatch();  // the black outline
        QCOMPARE(inkOnPeg(), 2 * (24 + 19) - 4);

        game.Press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(game.Form->Session()->Configuration().PegSymbols());
        QVERIFY(inkOnPeg() > 2 * (24 + 19) - 4 + 60);
        QVERIFY(inkOnSwatch() > swatchOutline + 60);
        QCOMPARE(correctAnswer.property("pegSymbols"), QVariant(true));

        game.Press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(!game.Form->Session()->Configuration().PegSymbols());
        QCOMPARE(inkOnPeg(), 2 * (24 + 19) - 4);
        QCOMPARE(inkOnSwatch(), swatchOutline);
        QCOMPARE(correctAnswer.property("pegSymbols"), QVariant(false));
    }

    void settingsFileWithAndWithoutSymbols_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addColumn<QByteArray>("saved");
        const QByteArray rest = "[Statistics]\nTotalGames=0\nGamesWon=0\nGamesLost=0\nUnfinishedGames=0\n"
                                "[Level Settings]\nCustomColumns=4\nCustomRows=10\nDifficultyLevel=0\n";
        QTest::newRow("never on") << false << "[Options]\nMusic=0\nSmartHints=1\nAutoCheck=1\n" + rest;
        QTest::newRow("on at start-up") << true
                                        << "[Options]\nMusic=0\nSmartHints=1\nAutoCheck=1\nPegSymbols=1\n" + rest;
    }
    void settingsFileWithAndWithoutSymbols()
    {
        QFETCH(bool, on);
        QFETCH(QByteArray, saved);
        QTemporaryDir folder;
        TRecordingHelp help;
        TFakePlayer player;
        TMainForm form(help, player, FilesIn(folder));
        form.show();
        // What the start-up does for "--symbols".
        form.SetPegSymbols(on);
        QCOMPARE(form.findChild<TColorSwatch*>(QStringLiteral("BlueShape"))->SymbolShown(), on);
        QCOMPARE(form.Session()->LeftGrid().SymbolsShown(), on);
        form.close();
        QFile file(folder.filePath("Peglore.ini"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), saved);
    }

    void symbolsTellTheEightColoursApartInGrey()
    {
        TGame game("[Options]\nMusic=0\nAutoCheck=0\nPegSymbols=1\n[Level Settings]\nDifficultyLevel=2\n");
        for (int i = 0; i < 8; ++i)
            game.Press(Qt::Key(Qt::Key_1 + i));
        const QImage board = game.Board().grab().toImage();
        std::array<QImage, 8> pegs, swatches, shapes;
        for (std::size_t i = 0; i < 8; ++i) {
            const TColor colour = game.Swatch(i).Color();
            const QRect peg = game.Board().CellRect(int(i), 0).adjusted(3, 3, -3, -3);
            pegs[i] = board.copy(peg.adjusted(2, 1, -2, -1));
            swatches[i] = game.Swatch(i).grab().toImage().copy(3, 3, 18, 16);
            // The same shape on the board and on the colour bar, of a fair size.
            const QImage onPeg = InkShape(board, peg.adjusted(1, 1, -1, -1), InkOf(colour));
            QCOMPARE(onPeg, InkShape(swatches[i], swatches[i].rect(), InkOf(colour)));
            QVERIFY2(onPeg.width() >= 10 && onPeg.height() >= 4, SwatchNames[i]);
            shapes[i] = onPeg;
        }
        for (std::size_t a = 0; a < 8; ++a)
            for (std::size_t b = a + 1; b < 8; ++b) {
                const QString pair = QStringLiteral("%1 %2").arg(SwatchNames[a], SwatchNames[b]);
                // Each colour its own shape, whatever its shade.
                QVERIFY2(shapes[a] != shapes[b], qPrintable(pair));
                // At least some twenty pixels from black to white apart.
                QVERIFY2(GreyDistance(pegs[a], pegs[b]) > 20 * 255, qPrintable(pair));
                QVERIFY2(GreyDistance(swatches[a], swatches[b]) > 20 * 255, qPrintable(pair));
            }
    }
};

QTEST_MAIN(TestMainFormKeyboard)
#include "TestMainFormKeyboard.moc"
