// The frame all dialogs share: placement, what FormShow and FormClose see,
// Escape, the frame's flags and size, the background, and every way of
// asking for help.

#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QWhatsThis>
#include <QtTest>

#include "components/contexthelp/TContextHelp.h"
#include "components/widgets/TMarbleBackground.h"
#include "dialogs/DialogTestSupport.h"
#include "dialogs/common/DialogPlacement.h"
#include "dialogs/common/TGameDialog.h"

using namespace peglore;
using namespace peglore::testing;

namespace {

// A dialog with a context on an enclosing panel (77), one on a button (5)
// and a button with none anywhere; it logs its FormShow and FormClose.
class TProbeDialog final : public TGameDialog {
public:
    TProbeDialog(IHelpCommands& help, TTitleHelp titleHelp, int f1Command)
        : TGameDialog(help, QSize(200, 100), titleHelp, f1Command)
    {
        Outer = new QWidget(this);
        Outer->setObjectName("Outer");
        Outer->setGeometry(10, 10, 100, 60);
        TContextHelp::SetContext(Outer, 77);
        Inner = new QPushButton("Inner", Outer);
        Inner->setObjectName("Inner");
        Inner->setGeometry(5, 5, 50, 20);
        Own = new QPushButton("Own", this);
        Own->setObjectName("Own");
        Own->setGeometry(120, 10, 50, 20);
        TContextHelp::SetContext(Own, 5);
        Plain = new QPushButton("Plain", this);
        Plain->setObjectName("Plain");
        Plain->setGeometry(120, 50, 50, 20);
        ContextHelp().AttachPopupMenu(Outer);
        ContextHelp().AttachPopupMenu(Plain);
    }

    void UseEscapeButton(QPushButton* button) { SetEscapeButton(button); }

    QStringList Log;
    QWidget* Outer;
    QPushButton* Inner;
    QPushButton* Own;
    QPushButton* Plain;

protected:
    void FormShow() override { Log << QStringLiteral("show placed=%1").arg(Placed()); }
    void FormClose(int result) override { Log << QStringLiteral("close %1").arg(result); }
};

QRect ScreenArea()
{
    return QGuiApplication::primaryScreen()->geometry();
}

}  // namespace

class TestDialogFrame : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitTestPictures(); }

    void firstPlace_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QSize>("outer");
        QTest::addColumn<QPoint>("place");
        QTest::newRow("centred") << QRect(0, 0, 800, 600) << QSize(211, 190) << QPoint(294, 205);
        QTest::newRow("odd difference") << QRect(0, 0, 801, 601) << QSize(200, 100) << QPoint(300, 250);
        QTest::newRow("same size") << QRect(0, 0, 302, 201) << QSize(302, 201) << QPoint(0, 0);
        QTest::newRow("wider than the screen") << QRect(0, 0, 200, 600) << QSize(303, 198) << QPoint(0, 201);
        QTest::newRow("taller than the screen") << QRect(0, 0, 800, 100) << QSize(323, 111) << QPoint(238, 0);
        QTest::newRow("larger than the screen") << QRect(0, 0, 200, 150) << QSize(211, 190) << QPoint(0, 0);
        QTest::newRow("second screen") << QRect(1920, 0, 1280, 1024) << QSize(302, 201) << QPoint(2409, 411);
        QTest::newRow("second screen, too large") << QRect(100, 50, 100, 100) << QSize(300, 200) << QPoint(100, 50);
    }
    void firstPlace()
    {
        QFETCH(QRect, screen);
        QFETCH(QSize, outer);
        QFETCH(QPoint, place);
        QCOMPARE(FirstDialogPlace(screen, outer), place);
    }

    void firstShowingIsCentredAfterFormShow()
    {
        TRecordingHelp help;
        TProbeDialog dialog(help, TGameDialog::TTitleHelp::ContextHelpButton, IHelpCommands::ContextPopup);
        dialog.show();
        QCOMPARE(dialog.Log, QStringList{"show placed=0"});
        QVERIFY(dialog.Placed());
        QCOMPARE(dialog.pos(), FirstDialogPlace(ScreenArea(), dialog.frameGeometry().size()));
    }

    void movedDialogReopensWhereItWasLeft()
    {
        TRecordingHelp help;
        TProbeDialog dialog(help, TGameDialog::TTitleHelp::ContextHelpButton, IHelpCommands::ContextPopup);
        dialog.show();
        const QPoint centred = dialog.pos();
        dialog.move(centred + QPoint(-250, 130));
        const QPoint moved = dialog.pos();
        QVERIFY(moved != centred);
        dialog.hide();
        dialog.show();
        QCOMPARE(dialog.pos(), moved);
        QCOMPARE(dialog.Log, (QStringList{"show placed=0", "show placed=1"}));
    }

    void unmovedDialogStaysCentred()
    {
        TRecordingHelp help;
        TProbeDialog dialog(help, TGameDialog::TTitleHelp::None, IHelpCommands::ShowTopic);
        dialog.show();
        const QPoint first = dialog.pos();
        dialog.hide();
        dialog.show();
        QCOMPARE(dialog.pos(), first);
    }

    void closing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::newRow("accepted") << "accept" << int(QDialog::Accepted);
        QTest::newRow("rejected") << "reject" << int(QDialog::Rejected);
        QTest::newRow("close box") << "close" << int(QDialog::Rejected);
        QTest::newRow("escape") << "escape" << int(QDialog::Rejected);
        QTest::newRow("escape on an escape button") << "escape button" << int(QDialog::Accepted);
    }
    void closing()
    {
        QFETCH(QString, how);
        QFETCH(int, result);
        TRecordingHelp help;
        TProbeDialog dialog(help, TGameDialog::TTitleHelp::ContextHelpButton, IHelpCommands::ContextPopup);
        // The escape button here accepts, as the single OK button of a
        // message-like dialog does.
        connect(dialog.Own, &QPushButton::clicked, &dialog, &QDialog::accept);
        if (how == "escape button")
            dialog.UseEscapeButton(dialog.Own);
        const auto got = RunModal(dialog, [&] {
            if (how == "accept")
                dialog.accept();
            else if (how == "reject")
                dialog.reject();
            else if (how == "close")
                dialog.close();
            else
                QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QCOMPARE(got, std::optional<int>(result));
        QCOMPARE(dialog.Log, (QStringList{"show placed=0", QStringLiteral("close %1").arg(result)}));
    }

    void neverShownDialogAppliesNothing()
    {
        TRecordingHelp help;
        TProbeDialog dialog(help, TGameDialog::TTitleHelp::None, IHelpCommands::ShowTopic);
        dialog.accept();
        QVERIFY(dialog.Log.isEmpty());
    }

    void frame_data()
    {
        QTest::addColumn<bool>("helpButton");
        QTest::newRow("with the help button") << true;
        QTest::newRow("without") << false;
    }
    void frame()
    {
        QFETCH(bool, helpButton);
        TRecordingHelp help;
        TProbeDialog dialog(help,
                            helpButton ? TGameDialog::TTitleHelp::ContextHelpButton : TGameDialog::TTitleHelp::None,
                            IHelpCommands::ContextPopup);
        const Qt::WindowFlags flags = dialog.windowFlags();
        QCOMPARE(bool(flags & Qt::WindowContextHelpButtonHint), helpButton);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QCOMPARE(dialog.minimumSize(), QSize(200, 100));
        QCOMPARE(dialog.maximumSize(), QSize(200, 100));
        dialog.show();
        QCOMPARE(dialog.size(), QSize(200, 100));
    }

    void backgroundFillsTheClientAreaBehindAll()
    {
        TRecordingHelp help;
        TProbeDialog dialog(help, TGameDialog::TTitleHelp::None, IHelpCommands::ShowTopic);
        auto* background = dialog.findChild<TMarbleBackground*>(QStringLiteral("imgBackGround"));
        QVERIFY(background);
        QCOMPARE(background->objectName(), QStringLiteral("imgBackGround"));
        QCOMPARE(background->geometry(), QRect(0, 0, 200, 100));
        QCOMPARE(dialog.children().indexOf(background), 0);
#ifdef PEGLORE_HAVE_PICTURES
        // The marble is drawn, not the plain fill: a stretched texture has
        // more than one colour.
        QVERIFY(background->HasTexture());
        const QImage image = Render(dialog);
        QSet<QRgb> colours;
        for (int x = 0; x < 200; x += 3)
            colours.insert(image.pixel(x, 90));
        QVERIFY2(colours.size() > 3, "the background looks plain");
#endif
    }

    void whatsThisClick_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("own context") << "Own" << QStringList{"8:5"};
        QTest::newRow("context of the enclosing panel") << "Inner" << QStringList{"8:77"};
        QTest::newRow("the panel itself") << "Outer" << QStringList{"8:77"};
        QTest::newRow("no context anywhere") << "Plain" << QStringList{};
        QTest::newRow("the background") << "imgBackGround" << QStringList{};
    }
    void whatsThisClick()
    {
        QFETCH(QString, control);
        QFETCH(QStringList, calls);
        TRecordingHelp help;
        TProbeDialog dialog(help, TGameDialog::TTitleHelp::ContextHelpButton, IHelpCommands::ContextPopup);
        auto* target = dialog.findChild<QWidget*>(control);
        QVERIFY(target);
        // Outer's own area lies right of Inner; the background's below Outer.
        const QPoint point = control == "Outer"           ? QPoint(80, 40)
                             : control == "imgBackGround" ? QPoint(5, 90)
                                                          : QPoint(3, 3);
        int clicked = 0;
        for (QPushButton* b : {dialog.Inner, dialog.Own, dialog.Plain})
            connect(b, &QPushButton::clicked, &dialog, [&] { ++clicked; });
        const auto result = RunModal(dialog, [&] {
            QTest::keyClick(&dialog, Qt::Key_F1, Qt::ShiftModifier);
            QVERIFY(QWhatsThis::inWhatsThisMode());
            QTest::mouseClick(target, Qt::LeftButton, {}, point);
            QVERIFY(!QWhatsThis::inWhatsThisMode());
            dialog.accept();
        });
        QVERIFY(result.has_value());
        QCOMPARE(help.Calls, calls);
        QCOMPARE(clicked, 0);  // the click asked for help and pressed nothing
    }

    void shiftF1NeedsTheHelpButton()
    {
        TRecordingHelp help;
        TProbeDialog dialog(help, TGameDialog::TTitleHelp::None, IHelpCommands::ShowTopic);
        const auto result = RunModal(dialog, [&] {
            QTest::keyClick(&dialog, Qt::Key_F1, Qt::ShiftModifier);
            QVERIFY(!QWhatsThis::inWhatsThisMode());
            dialog.accept();
        });
        QVERIFY(result.has_value());
        QVERIFY(help.Calls.isEmpty());
    }

    void f1_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("pop-up, own context") << 8 << "Own" << QStringList{"8:5"};
        QTest::newRow("pop-up, enclosing context") << 8 << "Inner" << QStringList{"8:77"};
        QTest::newRow("pop-up, none") << 8 << "Plain" << QStringList{};
        QTest::newRow("topic, own context") << 1 << "Own" << QStringList{"1:5"};
        QTest::newRow("topic, enclosing context") << 1 << "Inner" << QStringList{"1:77"};
    }
    void f1()
    {
        QFETCH(int, command);
        QFETCH(QString, focus);
        QFETCH(QStringList, calls);
        TRecordingHelp help;
        TProbeDialog dialog(help, TGameDialog::TTitleHelp::ContextHelpButton, command);
        const auto result = RunModal(dialog, [&] {
            auto* target = dialog.findChild<QWidget*>(focus);
            target->setFocus();
            QTest::keyClick(target, Qt::Key_F1);
            QVERIFY(dialog.isVisible());
            dialog.accept();
        });
        QVERIFY(result.has_value());
        QCOMPARE(help.Calls, calls);
    }

    void whatsThisMenu_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("a control's own context") << "Outer" << QStringList{"8:77"};
        QTest::newRow("a control inside it, without a menu") << "Inner" << QStringList{"8:77"};
        QTest::newRow("zero is sent unchanged") << "Plain" << QStringList{"8:0"};
        QTest::newRow("a control without a menu") << "Own" << QStringList{};
    }
    void whatsThisMenu()
    {
        QFETCH(QString, control);
        QFETCH(QStringList, calls);
        TRecordingHelp help;
        TProbeDialog dialog(help, TGameDialog::TTitleHelp::ContextHelpButton, IHelpCommands::ContextPopup);
        QCOMPARE(dialog.findChild<QMenu*>(QStringLiteral("PopupMenu2"))->actions().first()->text(),
                 QStringLiteral("&What's This?"));
        QCOMPARE(dialog.findChild<QMenu*>(QStringLiteral("PopupMenu2"))->actions().first()->objectName(),
                 QStringLiteral("pmenuWhatsThis"));
        const auto result = RunModal(dialog, [&] {
            auto* target = dialog.findChild<QWidget*>(control);
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), target->mapToGlobal(QPoint(2, 2)));
            QTimer answer;
            ChooseWhatsThis(answer);
            QApplication::sendEvent(target, &event);
            QVERIFY(!QApplication::activePopupWidget());
            dialog.accept();
        });
        QVERIFY(result.has_value());
        QCOMPARE(help.Calls, calls);
    }
};

QTEST_MAIN(TestDialogFrame)
#include "TestDialogFrame.moc"
