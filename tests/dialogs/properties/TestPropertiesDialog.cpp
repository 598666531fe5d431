// The options dialog: its layout, what each showing loads, what each way
// of closing applies and in which order, and its help.

#include <QCheckBox>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "components/contexthelp/TContextHelp.h"
#include "dialogs/DialogTestSupport.h"
#include "dialogs/properties/TfrmProperties.h"
#include "settings/configuration/TConfiguration.h"

using namespace peglore;
using namespace peglore::testing;

namespace {

struct TRig {
    QTemporaryDir Folder;
    TRecordingEffects Effects;
    TConfiguration Configuration{Effects, Folder.path().toStdString() + "/"};
    TRecordingHelp Help;
    TfrmProperties Dialog{Help};

    TRig(bool music, bool smartHints, bool autoCheck)
    {
        Configuration.SetMusic(music);
        Configuration.SetSmartHints(smartHints);
        Configuration.SetAutoCheck(autoCheck);
        Effects.Calls.clear();
        Dialog.Connect(Configuration);
    }
    QCheckBox* Box(const char* name) const { return Dialog.findChild<QCheckBox*>(name); }
    QPushButton* Button(const char* name) const { return Dialog.findChild<QPushButton*>(name); }
    QList<bool> Boxes() const
    {
        return {Box("chkBackGroundMusic")->isChecked(), Box("chkSmartHints")->isChecked(),
                Box("chkAutoCheck")->isChecked()};
    }
    QList<bool> Options() const
    {
        return {Configuration.Music(), Configuration.SmartHints(), Configuration.AutoCheck()};
    }
};

}  // namespace

class TestPropertiesDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitTestPictures(); }

    void window()
    {
        TRig rig(false, false, false);
        QCOMPARE(rig.Dialog.windowTitle(), QStringLiteral("Properties"));
        QCOMPARE(rig.Dialog.size(), QSize(211, 190));
        QVERIFY(rig.Dialog.windowFlags() & Qt::WindowContextHelpButtonHint);
        QCOMPARE(rig.Dialog.font().family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(rig.Dialog.font().pixelSize(), 11);
        auto* pages = rig.Dialog.findChild<QTabWidget*>("PageControl1");
        QCOMPARE(pages->count(), 1);
        QCOMPARE(pages->tabText(0), QStringLiteral("General"));
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("tsheetGeneral"));
        QVERIFY(rig.Button("btnOk")->isDefault());
    }

    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("context");
        QTest::newRow("imgBackGround") << "imgBackGround"
                                       << "frmProperties" << QRect(0, 0, 211, 190) << "" << 0;
        QTest::newRow("btnOk") << "btnOk"
                               << "frmProperties" << QRect(22, 159, 75, 25) << "OK" << 1;
        QTest::newRow("btnCancel") << "btnCancel"
                                   << "frmProperties" << QRect(115, 159, 75, 25) << "Cancel" << 2;
        QTest::newRow("PageControl1") << "PageControl1"
                                      << "frmProperties" << QRect(5, 5, 201, 149) << "" << 0;
        QTest::newRow("chkBackGroundMusic") << "chkBackGroundMusic"
                                            << "tsheetGeneral" << QRect(19, 18, 116, 17) << "Background music" << 1101;
        QTest::newRow("chkSmartHints") << "chkSmartHints"
                                       << "tsheetGeneral" << QRect(19, 51, 97, 17) << "Smart Hints" << 1102;
        QTest::newRow("chkAutoCheck") << "chkAutoCheck"
                                      << "tsheetGeneral" << QRect(19, 84, 122, 17) << "Automatic Checking" << 1103;
    }
    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        QFETCH(int, context);
        TRig rig(false, false, false);
        rig.Dialog.show();
        auto* control = rig.Dialog.findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->parentWidget()->objectName(), parent);
        QCOMPARE(control->geometry(), geometry);
        QCOMPARE(TContextHelp::ContextOf(control), context);
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            QCOMPARE(button->text(), caption);
            // The caption, with the box before it or the button's margins
            // around it, fits the control.
            QStyle* style = button->style();
            const int text = button->fontMetrics().horizontalAdvance(caption);
            const int room = qobject_cast<QCheckBox*>(button) ? style->pixelMetric(QStyle::PM_IndicatorWidth) +
                                                                    style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing)
                                                              : 2 * style->pixelMetric(QStyle::PM_ButtonMargin);
            QVERIFY2(text + room <= geometry.width(), qPrintable(caption));
        }
    }

    void tabOrder()
    {
        TRig rig(false, false, false);
        QStringList order;
        const auto result = RunModal(rig.Dialog, [&] {
            QVERIFY(QTest::qWaitForWindowActive(&rig.Dialog));
            for (int i = 0; i < 6; ++i) {
                QWidget* focus = QApplication::focusWidget();
                order << (qobject_cast<QTabBar*>(focus) ? QStringLiteral("PageControl1") : focus->objectName());
                QTest::keyClick(focus, Qt::Key_Tab);
            }
            rig.Dialog.reject();
        });
        QVERIFY(result.has_value());
        QCOMPARE(order, (QStringList{"btnOk", "btnCancel", "PageControl1", "chkBackGroundMusic", "chkSmartHints",
                                     "chkAutoCheck"}));
    }

    void formShowLoadsTheOptions_data()
    {
        QTest::addColumn<bool>("music");
        QTest::addColumn<bool>("hints");
        QTest::addColumn<bool>("autoCheck");
        QTest::newRow("all off") << false << false << false;
        QTest::newRow("music and auto check") << true << false << true;
        QTest::newRow("hints only") << false << true << false;
        QTest::newRow("all on") << true << true << true;
    }
    void formShowLoadsTheOptions()
    {
        QFETCH(bool, music);
        QFETCH(bool, hints);
        QFETCH(bool, autoCheck);
        TRig rig(music, hints, autoCheck);
        QList<bool> shown;
        QWidget* focus = nullptr;
        const auto result = RunModal(rig.Dialog, [&] {
            shown = rig.Boxes();
            focus = rig.Dialog.focusWidget();
            rig.Dialog.reject();
        });
        QVERIFY(result.has_value());
        QCOMPARE(shown, (QList<bool>{music, hints, autoCheck}));
        QCOMPARE(focus, rig.Button("btnOk"));
    }

    void closing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("applies");
        QTest::newRow("OK button") << "ok" << true;
        QTest::newRow("Enter") << "enter" << true;
        QTest::newRow("Enter on a check box") << "enter on box" << true;
        QTest::newRow("Cancel button") << "cancel" << false;
        QTest::newRow("Escape") << "escape" << false;
        QTest::newRow("Escape on a check box") << "escape on box" << false;
        QTest::newRow("close box") << "close" << false;
    }
    void closing()
    {
        QFETCH(QString, how);
        QFETCH(bool, applies);
        // Music on, hints and auto check off; the player turns each over.
        TRig rig(true, false, false);
        const auto result = RunModal(rig.Dialog, [&] {
            for (const char* name : {"chkBackGroundMusic", "chkSmartHints", "chkAutoCheck"})
                QTest::mouseClick(rig.Box(name), Qt::LeftButton);
            QCheckBox* box = rig.Box("chkSmartHints");
            box->setFocus();
            CloseAs(how, rig.Dialog, rig.Button("btnOk"), rig.Button("btnCancel"), box);
        });
        QCOMPARE(result, std::optional<int>(applies ? QDialog::Accepted : QDialog::Rejected));
        if (applies) {
            QCOMPARE(rig.Options(), (QList<bool>{false, true, true}));
            // Music first, then the hints, then the check button.
            QCOMPARE(rig.Effects.Calls, (QStringList{"stop", "tooltips on", "check off"}));
        } else {
            QCOMPARE(rig.Options(), (QList<bool>{true, false, false}));
            QCOMPARE(rig.Effects.Calls, QStringList{});
        }
        // The next opening shows what is stored.
        QList<bool> shown;
        RunModal(rig.Dialog, [&] {
            shown = rig.Boxes();
            rig.Dialog.reject();
        });
        QCOMPARE(shown, rig.Options());
    }

    void okWithoutChangesDoesNothing()
    {
        TRig rig(true, true, false);
        const auto result = RunModal(rig.Dialog, [&] { rig.Button("btnOk")->click(); });
        QCOMPARE(result, std::optional<int>(QDialog::Accepted));
        QCOMPARE(rig.Effects.Calls, QStringList{});
        QCOMPARE(rig.Options(), (QList<bool>{true, true, false}));
    }

    void whatsThisMenu_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("chkBackGroundMusic") << "chkBackGroundMusic" << QStringList{"8:1101"};
        QTest::newRow("chkSmartHints") << "chkSmartHints" << QStringList{"8:1102"};
        QTest::newRow("chkAutoCheck") << "chkAutoCheck" << QStringList{"8:1103"};
        QTest::newRow("btnOk") << "btnOk" << QStringList{"8:1"};
        QTest::newRow("btnCancel") << "btnCancel" << QStringList{"8:2"};
        QTest::newRow("the tab page has no menu") << "tsheetGeneral" << QStringList{};
        QTest::newRow("nor the page control") << "PageControl1" << QStringList{};
    }
    void whatsThisMenu()
    {
        QFETCH(QString, control);
        QFETCH(QStringList, calls);
        TRig rig(false, false, false);
        const auto result = RunModal(rig.Dialog, [&] {
            WhatsThisFromMenu(rig.Dialog.findChild<QWidget*>(control));
            rig.Dialog.reject();
        });
        QVERIFY(result.has_value());
        QCOMPARE(rig.Help.Calls, calls);
    }

    void contextHelp_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("chkSmartHints") << "chkSmartHints" << QStringList{"8:1102"};
        QTest::newRow("btnCancel") << "btnCancel" << QStringList{"8:2"};
        QTest::newRow("btnOk") << "btnOk" << QStringList{"8:1"};
        QTest::newRow("the tab page") << "tsheetGeneral" << QStringList{};
        QTest::newRow("the background") << "imgBackGround" << QStringList{};
    }
    void contextHelp()
    {
        QFETCH(QString, control);
        QFETCH(QStringList, calls);
        // By the What's This mode, then by F1 on the same control.
        for (const bool byF1 : {false, true}) {
            TRig rig(false, false, false);
            const auto result = RunModal(rig.Dialog, [&] {
                auto* target = rig.Dialog.findChild<QWidget*>(control);
                if (byF1) {
                    if (target->focusPolicy() != Qt::NoFocus)
                        target->setFocus();
                    QTest::keyClick(rig.Dialog.focusWidget(), Qt::Key_F1);
                } else {
                    WhatsThisByClick(rig.Dialog, target, control == "imgBackGround" ? QPoint(2, 180) : QPoint(3, 3));
                }
                rig.Dialog.reject();
            });
            QVERIFY(result.has_value());
            // Controls that take no focus leave it where it was, on btnOk.
            const bool focusable = rig.Dialog.findChild<QWidget*>(control)->focusPolicy() != Qt::NoFocus;
            QCOMPARE(rig.Help.Calls, byF1 && !focusable ? QStringList{"8:1"} : calls);
        }
    }

    void picture()
    {
        TRig rig(true, false, true);
        rig.Dialog.show();
        const QImage image = Render(rig.Dialog);
        SaveShot(rig.Dialog, QStringLiteral("properties"));
        // Every pixel of the client area is painted by something.
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QVERIFY2(image.pixel(x, y) != 0xFFFF00FF, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }
};

QTEST_MAIN(TestPropertiesDialog)
#include "TestPropertiesDialog.moc"
