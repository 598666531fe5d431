// The correct-combination dialog: its layout, the shapes that show the
// secret for each column count, closing, and help.

#include <QPushButton>
#include <QtTest>

#include "components/contexthelp/TContextHelp.h"
#include "components/widgets/TBevelPanel.h"
#include "dialogs/DialogTestSupport.h"
#include "dialogs/common/TAutoSizeLabel.h"
#include "dialogs/correctanswer/TRectShape.h"
#include "dialogs/correctanswer/TfrmCorrectAnswer.h"
#include "game/GameFakes.h"
#include "game/PegSymbols.h"

using namespace peglore;
using namespace peglore::testing;

namespace {

constexpr std::array<int, 10> Lefts{6, 37, 68, 99, 130, 162, 193, 224, 255, 286};
constexpr QRgb PanelFace = 0xFFC0C0C0;

QRgb ToRgb(TColor color)
{
    return qRgb(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

struct TRig {
    TGameRig Game;
    TRecordingHelp Help;
    TfrmCorrectAnswer Dialog{Help};

    TRig() { Dialog.Connect(Game.Logic); }
    QPushButton* Ok() const { return Dialog.findChild<QPushButton*>("OkButton"); }

    // Opens the dialog for a game of columns holes, returns the picture it
    // showed and closes it.
    QImage Open(int columns)
    {
        Game.Logic.SetBoardSize(columns, 10);
        QImage image;
        RunModal(Dialog, [&] {
            image = Render(Dialog);
            Ok()->click();
        });
        return image;
    }
};

// The centre of shape i in the dialog.
QPoint ShapeCentre(int index)
{
    return QPoint(3 + Lefts[index] + 12, 39 + 4 + 13);
}

}  // namespace

class TestCorrectAnswerDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitTestPictures(); }

    void window()
    {
        TRig rig;
        QCOMPARE(rig.Dialog.windowTitle(), QStringLiteral("Correct Combination"));
        QCOMPARE(rig.Dialog.size(), QSize(323, 111));
        QVERIFY(rig.Dialog.windowFlags() & Qt::WindowContextHelpButtonHint);
        QVERIFY(rig.Ok()->isDefault());
        QVERIFY(!rig.Dialog.findChild<QMenu*>(QStringLiteral("PopupMenu2")));
        auto* label = rig.Dialog.findChild<TAutoSizeLabel*>("Label1");
        QCOMPARE(label->text(), QStringLiteral("The correct combination was:"));
        QCOMPARE(label->pos(), QPoint(44, 9));
        QCOMPARE(label->font().pixelSize(), 16);
        QVERIFY(label->font().bold());
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(64, 0, 128));
        QVERIFY(label->geometry().right() < 323);
        QCOMPARE(rig.Ok()->text(), QStringLiteral("OK"));
        QCOMPARE(rig.Ok()->font().pixelSize(), 11);
    }

    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<int>("context");
        QTest::newRow("imgBackGround") << "imgBackGround"
                                       << "frmCorrectAnswer" << QRect(0, 0, 323, 111) << 0;
        QTest::newRow("OkButton") << "OkButton"
                                  << "frmCorrectAnswer" << QRect(120, 83, 84, 26) << 1;
        QTest::newRow("Panel1") << "Panel1"
                                << "frmCorrectAnswer" << QRect(3, 39, 317, 34) << 0;
        for (int i = 0; i < 10; ++i) {
            const QString name = QStringLiteral("CorrectColor%1").arg(i + 1);
            QTest::newRow(qPrintable(name)) << name << "Panel1" << QRect(Lefts[i], 4, 25, 27) << 0;
        }
    }
    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, geometry);
        QFETCH(int, context);
        TRig rig;
        auto* control = rig.Dialog.findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->parentWidget()->objectName(), parent);
        QCOMPARE(control->geometry(), geometry);
        QCOMPARE(TContextHelp::ContextOf(control), context);
    }

    void shapesShowTheSecret_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("visible");
        QTest::newRow("1 column") << 1 << 1;
        QTest::newRow("3 columns") << 3 << 3;
        QTest::newRow("4 columns") << 4 << 4;
        QTest::newRow("5 columns") << 5 << 5;
        QTest::newRow("6 columns") << 6 << 6;
        QTest::newRow("10 columns") << 10 << 10;
        QTest::newRow("12 columns, from an edited file") << 12 << 10;
    }
    void shapesShowTheSecret()
    {
        QFETCH(int, columns);
        QFETCH(int, visible);
        TRig rig;
        const QImage image = rig.Open(columns);
        const auto secret = rig.Game.Secret();
        QCOMPARE(int(secret.size()), columns);
        for (int i = 0; i < 10; ++i) {
            TRectShape* shape = rig.Dialog.CorrectColor(i);
            QCOMPARE(shape->isVisibleTo(&rig.Dialog), i < visible);
            if (i < visible) {
                QCOMPARE(image.pixel(ShapeCentre(i)), ToRgb(secret[std::size_t(i)]));
                // The black outline.
                QCOMPARE(image.pixel(3 + Lefts[i], 39 + 4), 0xFF000000);
                QCOMPARE(image.pixel(3 + Lefts[i] + 24, 39 + 4 + 26), 0xFF000000);
            } else {
                QCOMPARE(image.pixel(ShapeCentre(i)), PanelFace);
            }
        }
        // Nothing moves or grows with the column count.
        QCOMPARE(rig.Dialog.size(), QSize(323, 111));
        QCOMPARE(rig.Dialog.CorrectColor(0)->pos(), QPoint(6, 4));
    }

    void fewerColumnsAfterMoreHideTheRest()
    {
        TRig rig;
        rig.Open(8);
        const QImage image = rig.Open(3);
        const auto secret = rig.Game.Secret();
        for (int i = 0; i < 10; ++i)
            QCOMPARE(rig.Dialog.CorrectColor(i)->isVisibleTo(&rig.Dialog), i < 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(image.pixel(ShapeCentre(i)), ToRgb(secret[std::size_t(i)]));
        QCOMPARE(image.pixel(ShapeCentre(3)), PanelFace);
    }

    void symbolsFollowTheMainWindow()
    {
        TRig rig;
        // The main window knows the dialog only as a QDialog.
        QDialog& asDialog = rig.Dialog;
        asDialog.setProperty("pegSymbols", true);
        QVERIFY(rig.Dialog.PegSymbols());
        const QImage on = rig.Open(10);
        const auto secret = rig.Game.Secret();
        for (int i = 0; i < 10; ++i) {
            const TColor peg = secret[std::size_t(i)];
            // The symbol in the middle of every shape, the colour around it.
            QCOMPARE(on.pixel(ShapeCentre(i)), ToRgb(PegSymbol(peg).Ink));
            QCOMPARE(on.pixel(3 + Lefts[i] + 2, 39 + 4 + 2), ToRgb(peg));
        }
        asDialog.setProperty("pegSymbols", false);
        const QImage off = rig.Open(10);
        for (int i = 0; i < 10; ++i)
            QCOMPARE(off.pixel(ShapeCentre(i)), ToRgb(rig.Game.Secret()[std::size_t(i)]));
    }

    void eachColourItsOwnSymbol()
    {
        std::array<QImage, 8> symbols;
        for (std::size_t i = 0; i < PegColors.size(); ++i) {
            TRectShape shape;
            shape.resize(25, 27);
            shape.SetBrushColor(QColor::fromRgb(ToRgb(PegColors[i])));
            shape.SetSymbolShown(true);
            const QImage image = shape.grab().toImage().convertToFormat(QImage::Format_RGB32);
            symbols[i] = QImage(image.size(), QImage::Format_Mono);
            symbols[i].fill(0);
            int ink = 0;
            for (int y = 1; y < 26; ++y)
                for (int x = 1; x < 24; ++x)
                    if (image.pixel(x, y) == ToRgb(PegSymbol(PegColors[i]).Ink)) {
                        symbols[i].setPixel(x, y, 1);
                        ++ink;
                    }
            QVERIFY2(ink >= 40 && ink <= 144, qPrintable(QString::number(ink)));
            for (std::size_t j = 0; j < i; ++j)
                QVERIFY2(symbols[i] != symbols[j], qPrintable(QStringLiteral("%1 %2").arg(i).arg(j)));
        }
    }

    void closing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::newRow("OK button") << "ok" << int(QDialog::Accepted);
        QTest::newRow("Enter") << "enter" << int(QDialog::Accepted);
        QTest::newRow("Escape") << "escape" << int(QDialog::Accepted);
        QTest::newRow("close box") << "close" << int(QDialog::Rejected);
    }
    void closing()
    {
        QFETCH(QString, how);
        QFETCH(int, result);
        TRig rig;
        rig.Game.Logic.SetBoardSize(4, 10);
        QWidget* focus = nullptr;
        const auto got = RunModal(rig.Dialog, [&] {
            focus = rig.Dialog.focusWidget();
            CloseAs(how, rig.Dialog, rig.Ok());
        });
        QCOMPARE(got, std::optional<int>(result));
        QCOMPARE(focus, rig.Ok());
    }

    void help_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("F1 on OK") << "f1"
                                  << "OkButton" << QStringList{"8:1"};
        QTest::newRow("What's This on OK") << "click"
                                           << "OkButton" << QStringList{"8:1"};
        QTest::newRow("What's This on a shape") << "click"
                                                << "CorrectColor2" << QStringList{};
        QTest::newRow("What's This on the label") << "click"
                                                  << "Label1" << QStringList{};
        QTest::newRow("no menu on OK") << "menu"
                                       << "OkButton" << QStringList{};
    }
    void help()
    {
        QFETCH(QString, way);
        QFETCH(QString, control);
        QFETCH(QStringList, calls);
        TRig rig;
        rig.Game.Logic.SetBoardSize(4, 10);
        const auto result = RunModal(rig.Dialog, [&] {
            auto* target = rig.Dialog.findChild<QWidget*>(control);
            if (way == "f1")
                QTest::keyClick(target, Qt::Key_F1);
            else if (way == "click")
                WhatsThisByClick(rig.Dialog, target);
            else
                WhatsThisFromMenu(target);
            rig.Dialog.reject();
        });
        QVERIFY(result.has_value());
        QCOMPARE(rig.Help.Calls, calls);
    }

    void picture()
    {
        for (const int columns : {4, 10}) {
            TRig rig;
            // A fuchsia peg would be taken for the colour that marks a part
            // left unpainted: game 15 has none on either board.
            rig.Game.Logic.SetNextGameNumber(15);
            rig.Game.Logic.SetBoardSize(columns, 10);
            rig.Dialog.show();
            const QImage image = Render(rig.Dialog);
            SaveShot(rig.Dialog, QStringLiteral("correctanswer-%1").arg(columns));
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    QVERIFY2(image.pixel(x, y) != 0xFFFF00FF, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    }
};

QTEST_MAIN(TestCorrectAnswerDialog)
#include "TestCorrectAnswerDialog.moc"
