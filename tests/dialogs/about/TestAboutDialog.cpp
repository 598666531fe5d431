// The about box: its layout and title label, the statistics it shows at
// each opening, closing and F1.

#include <QLabel>
#include <QPushButton>
#include <QWhatsThis>
#include <QtTest>

#include "components/contexthelp/TContextHelp.h"
#include "components/labeleffect/LblEffct.h"
#include "dialogs/DialogTestSupport.h"
#include "dialogs/about/TfrmAbout.h"
#include "dialogs/common/TAutoSizeLabel.h"
#include "settings/statistics/TStatistics.h"

using namespace peglore;
using namespace peglore::testing;

namespace {

struct TRig {
    TStatistics Statistics;
    TRecordingHelp Help;
    TfrmAbout Dialog{Help};

    TRig() { Dialog.Connect(Statistics); }
    void SetCounters(int total, int won, int lost, int unfinished)
    {
        Statistics.SetTotalGames(total);
        Statistics.SetGamesWon(won);
        Statistics.SetGamesLost(lost);
        Statistics.SetUnfinishedGames(unfinished);
    }
    QLabel* Label(const char* name) const { return Dialog.findChild<QLabel*>(name); }
    QPushButton* Ok() const { return Dialog.findChild<QPushButton*>("OkButton"); }
    QStringList Values() const
    {
        return {Label("lblTotalGames")->text(), Label("lblGamesWon")->text(), Label("lblGamesLost")->text(),
                Label("lblUnfinishedGames")->text()};
    }
    // Opens the dialog, reads the four values and closes it.
    QStringList Open()
    {
        QStringList values;
        RunModal(Dialog, [&] {
            values = Values();
            Ok()->click();
        });
        return values;
    }
};

}  // namespace

class TestAboutDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitTestPictures(); }

    void window()
    {
        TRig rig;
        QCOMPARE(rig.Dialog.windowTitle(), QStringLiteral("About..."));
        QCOMPARE(rig.Dialog.size(), QSize(302, 201));
        QVERIFY(!(rig.Dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
        QVERIFY(!rig.Dialog.findChild<QMenu*>(QStringLiteral("PopupMenu2")));
        QVERIFY(rig.Ok()->isDefault());
        QCOMPARE(rig.Ok()->text(), QStringLiteral("OK"));
        QCOMPARE(rig.Ok()->geometry(), QRect(110, 176, 84, 22));
        QCOMPARE(TContextHelp::ContextOf(rig.Ok()), 1);
        QCOMPARE(rig.Dialog.findChild<QWidget*>("imgBackGround")->geometry(), QRect(0, 0, 302, 201));
        QCOMPARE(rig.Dialog.findChild<QWidget*>("Bevel2")->geometry(), QRect(19, 86, 263, 3));
        QCOMPARE(rig.Dialog.findChild<QWidget*>("Bevel3")->geometry(), QRect(19, 117, 263, 3));
    }

    void titleLabel()
    {
        TRig rig;
        auto* title = rig.Dialog.findChild<TLabelEffect*>("LabelEffect1");
        QCOMPARE(title->Caption(), QStringLiteral("Peglore"));
        QCOMPARE(title->pos(), QPoint(68, 4));
        QCOMPARE(title->EffectStyle(), TEffectStyle::esCustom);
        QCOMPARE(title->ColourScheme(), TColourScheme::csCustom);
        QCOMPARE(title->DirectionHighlight(), TEffectDirection::edDownRight);
        QCOMPARE(title->DirectionShadow(), TEffectDirection::edUpLeft);
        QCOMPARE(title->ColourHighlight(), QColor(128, 128, 128));
        QCOMPARE(title->ColourShadow(), QColor(128, 128, 128));
        QCOMPARE(int(title->DepthHighlight()), 1);
        QCOMPARE(int(title->DepthShadow()), 1);
        QCOMPARE(title->FontColor(), QColor(Qt::black));
        QCOMPARE(title->font().pixelSize(), 37);
        QVERIFY(!title->font().bold());
        QVERIFY(title->Transparent());
        QVERIFY(title->AutoSize());
        QCOMPARE(title->FocusControl(), rig.Ok());
        // Sized to its text, and still inside the box above the version.
        QVERIFY(title->width() > 0 && title->geometry().right() < 302);
        QVERIFY(title->geometry().bottom() < 48);
    }

    void fixedLines_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("Label6") << "Label6" << QRect(119, 48, 65, 14);
        QTest::newRow("Label5") << "Label5" << QRect(49, 66, 203, 14);
    }
    void fixedLines()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        TRig rig;
        QLabel* label = rig.Label(qPrintable(name));
        QCOMPARE(label->geometry(), geometry);
        QCOMPARE(label->font().pixelSize(), 12);
        QVERIFY(label->font().bold());
        QVERIFY(!label->text().isEmpty());
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= geometry.width());
        if (name == "Label6")
            QCOMPARE(label->text(), QStringLiteral("Version 1.1"));
    }

    void statisticsLabels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QColor>("colour");
        const QColor teal(0, 0x80, 0x80);
        QTest::newRow("Label1") << "Label1" << QPoint(82, 129) << "Total Games Played:" << QColor(Qt::black);
        QTest::newRow("lblTotalGames") << "lblTotalGames" << QPoint(201, 129) << "10" << teal;
        QTest::newRow("Label2") << "Label2" << QPoint(4, 153) << "Games Won:" << QColor(Qt::black);
        QTest::newRow("lblGamesWon") << "lblGamesWon" << QPoint(77, 153) << "5" << teal;
        QTest::newRow("Label3") << "Label3" << QPoint(92, 153) << "Games Lost:" << QColor(Qt::black);
        QTest::newRow("lblGamesLost") << "lblGamesLost" << QPoint(164, 153) << "3" << teal;
        QTest::newRow("Label4") << "Label4" << QPoint(182, 153) << "Unfinished Games:" << QColor(Qt::black);
        QTest::newRow("lblUnfinishedGames") << "lblUnfinishedGames" << QPoint(290, 153) << "2" << teal;
    }
    void statisticsLabels()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, place);
        QFETCH(QString, caption);
        QFETCH(QColor, colour);
        TRig rig;  // not shown: the design captions
        QLabel* label = rig.Label(qPrintable(name));
        QCOMPARE(label->pos(), place);
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->font().pixelSize(), 12);
        QVERIFY(label->font().bold());
        QCOMPARE(label->palette().color(QPalette::WindowText), colour);
        QVERIFY(label->geometry().right() < 302);
    }

    void formShowLoadsTheCounters_data()
    {
        QTest::addColumn<QList<int>>("counters");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("no games yet") << QList<int>{0, 0, 0, 0} << QStringList{"0", "0", "0", "0"};
        QTest::newRow("some games") << QList<int>{10, 5, 3, 2} << QStringList{"10", "5", "3", "2"};
        QTest::newRow("stored, not derived") << QList<int>{7, 1, 1, 9} << QStringList{"7", "1", "1", "9"};
        QTest::newRow("negative from an edited file")
            << QList<int>{-1, 0, 0, -2147483647 - 1} << QStringList{"-1", "0", "0", "-2147483648"};
        QTest::newRow("many") << QList<int>{2147483647, 12345, 0, 1} << QStringList{"2147483647", "12345", "0", "1"};
    }
    void formShowLoadsTheCounters()
    {
        QFETCH(QList<int>, counters);
        QFETCH(QStringList, shown);
        TRig rig;
        rig.SetCounters(counters[0], counters[1], counters[2], counters[3]);
        QCOMPARE(rig.Open(), shown);
    }

    void countersAreReadAtEachOpening()
    {
        TRig rig;
        rig.SetCounters(3, 1, 1, 1);
        QCOMPARE(rig.Open(), (QStringList{"3", "1", "1", "1"}));
        rig.Statistics.SetGamesWon(2);  // keeps the unfinished count derived
        QCOMPARE(rig.Open(), (QStringList{"3", "2", "1", "0"}));
    }

    void fiveDigitsWidenTheLabelToTheRight()
    {
        TRig rig;
        rig.SetCounters(7, 0, 0, 7);
        rig.Open();
        QLabel* value = rig.Label("lblTotalGames");
        QLabel* caption = rig.Label("Label1");
        const QRect captionBefore = caption->geometry();
        const int narrow = value->width();
        rig.SetCounters(12345, 0, 0, 12345);
        rig.Open();
        QCOMPARE(value->pos(), QPoint(201, 129));
        QCOMPARE(value->width(), value->fontMetrics().horizontalAdvance(QStringLiteral("12345")));
        QVERIFY(value->width() > narrow);
        QCOMPARE(caption->geometry(), captionBefore);
    }

    // However large the figures, no caption and its figure run into another
    // and all lie inside the box; figures that fit leave the box as designed.
    void figuresNeverOverlap_data()
    {
        QTest::addColumn<QList<int>>("counters");
        QTest::addColumn<bool>("designed");
        const int max = 2147483647;
        QTest::newRow("a few") << QList<int>{42, 17, 20, 5} << true;
        QTest::newRow("many") << QList<int>{12345, 6789, 5432, 124} << false;
        QTest::newRow("largest") << QList<int>{max, max, max, max} << false;
        QTest::newRow("one large won") << QList<int>{max, max, 0, 0} << false;
    }
    void figuresNeverOverlap()
    {
        QFETCH(QList<int>, counters);
        QFETCH(bool, designed);
        TRig rig;
        rig.SetCounters(counters[0], counters[1], counters[2], counters[3]);
        rig.Open();
        QList<QRect> pairs;
        for (const auto& [caption, value] :
             {std::pair{"Label1", "lblTotalGames"}, std::pair{"Label2", "lblGamesWon"},
              std::pair{"Label3", "lblGamesLost"}, std::pair{"Label4", "lblUnfinishedGames"}})
            pairs << (rig.Label(caption)->geometry() | rig.Label(value)->geometry());
        for (int a = 0; a < pairs.size(); ++a) {
            QVERIFY(rig.Dialog.rect().contains(pairs[a]));
            for (int b = a + 1; b < pairs.size(); ++b)
                QVERIFY2(!pairs[a].intersects(pairs[b]), qPrintable(QStringLiteral("%1 and %2").arg(a).arg(b)));
        }
        QCOMPARE(rig.Dialog.width() == 302, designed);
        QCOMPARE(rig.Dialog.findChild<QWidget*>("imgBackGround")->geometry(), rig.Dialog.rect());
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
        QWidget* focus = nullptr;
        const auto got = RunModal(rig.Dialog, [&] {
            focus = rig.Dialog.focusWidget();
            CloseAs(how, rig.Dialog, rig.Ok());
        });
        QCOMPARE(got, std::optional<int>(result));
        QCOMPARE(focus, rig.Ok());
    }

    void f1ShowsTheFullTopic()
    {
        TRig rig;
        bool whatsThisMode = true;
        const auto result = RunModal(rig.Dialog, [&] {
            QTest::keyClick(rig.Ok(), Qt::Key_F1);
            // No help button in the title bar, so no What's This mode.
            QTest::keyClick(rig.Ok(), Qt::Key_F1, Qt::ShiftModifier);
            whatsThisMode = QWhatsThis::inWhatsThisMode();
            rig.Dialog.reject();
        });
        QVERIFY(result.has_value());
        QVERIFY(!whatsThisMode);
        QCOMPARE(rig.Help.Calls, QStringList{"1:1"});
    }

    void picture_data()
    {
        QTest::addColumn<QList<int>>("counters");
        QTest::addColumn<QString>("name");
        QTest::newRow("a few games") << QList<int>{42, 17, 20, 5} << "about";
        QTest::newRow("many games") << QList<int>{12345, 6789, 5432, 124} << "about-many";
    }
    void picture()
    {
        QFETCH(QList<int>, counters);
        QFETCH(QString, name);
        TRig rig;
        rig.SetCounters(counters[0], counters[1], counters[2], counters[3]);
        rig.Dialog.show();
        const QImage image = Render(rig.Dialog);
        SaveShot(rig.Dialog, name);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QVERIFY2(image.pixel(x, y) != 0xFFFF00FF, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        // The title's black face shows somewhere inside its label.
        auto* title = rig.Dialog.findChild<QWidget*>("LabelEffect1");
        bool black = false;
        for (int y = title->y(); y <= title->geometry().bottom() && !black; ++y)
            for (int x = title->x(); x <= title->geometry().right() && !black; ++x)
                black = image.pixel(x, y) == 0xFF000000;
        QVERIFY(black);
    }
};

QTEST_MAIN(TestAboutDialog)
#include "TestAboutDialog.moc"
