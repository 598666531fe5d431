// The custom board dialog: layout, trackbars, the preview that follows
// them, what OK, Cancel, Escape, Enter and the close box do to the level
// object, and its help.

#include <QPushButton>
#include <QSlider>
#include <QtTest>

#include "components/boardgrid/TBoardGrid.h"
#include "components/contexthelp/TContextHelp.h"
#include "dialogs/DialogTestSupport.h"
#include "dialogs/common/TAutoSizeLabel.h"
#include "dialogs/customboard/TfrmCustomBoard.h"
#include "game/GameFakes.h"

using namespace peglore;
using namespace peglore::testing;

namespace {

constexpr QRgb Navy = 0xFF000080;

struct TRig {
    TGameRig Game;
    TRecordingHelp Help;
    TfrmCustomBoard Dialog{Help};

    explicit TRig(int columns = 5, int rows = 10, int level = Beginner) : Game(level)
    {
        Game.Levels.SetCustomColumns(columns);
        Game.Levels.SetCustomRows(rows);
        Game.Log.clear();
        Dialog.Connect(Game.Levels);
    }
    QSlider* Columns() const { return Dialog.findChild<QSlider*>("ColumnsTrackBar"); }
    QSlider* Rows() const { return Dialog.findChild<QSlider*>("RowsTrackBar"); }
    TBoardGrid* Preview() const { return Dialog.findChild<TBoardGrid*>("PreviewGrid"); }
    QString Dimensions() const { return Dialog.findChild<TAutoSizeLabel*>("GameDimensionsLabel")->text(); }
    QPushButton* Button(const char* name) const { return Dialog.findChild<QPushButton*>(name); }
};

// The navy runs along one line of pixels: how many cells it crosses.
int NavyRuns(const QImage& image, int y, bool vertical = false)
{
    int runs = 0;
    bool inside = false;
    const int length = vertical ? image.height() : image.width();
    for (int i = 0; i < length; ++i) {
        const bool navy = (vertical ? image.pixel(y, i) : image.pixel(i, y)) == Navy;
        runs += navy && !inside;
        inside = navy;
    }
    return runs;
}

}  // namespace

class TestCustomBoardDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitTestPictures(); }

    void window()
    {
        TRig rig;
        QCOMPARE(rig.Dialog.windowTitle(), QStringLiteral("Custom Board Size:"));
        QCOMPARE(rig.Dialog.size(), QSize(303, 198));
        QVERIFY(rig.Dialog.windowFlags() & Qt::WindowContextHelpButtonHint);
        QCOMPARE(rig.Dialog.font().pixelSize(), 13);
        QVERIFY(rig.Dialog.font().bold());
        QVERIFY(rig.Button("OkButton")->isDefault());
        QCOMPARE(rig.Button("OkButton")->font().pixelSize(), 11);
        QVERIFY(!rig.Button("OkButton")->font().bold());
        QCOMPARE(rig.Preview()->focusPolicy(), Qt::NoFocus);
    }

    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<int>("context");
        QTest::newRow("imgBackGround") << "imgBackGround"
                                       << "frmCustomBoard" << QRect(0, 0, 303, 198) << 0;
        QTest::newRow("Bevel1") << "Bevel1"
                                << "frmCustomBoard" << QRect(191, 3, 2, 192) << 0;
        QTest::newRow("Bevel2") << "Bevel2"
                                << "frmCustomBoard" << QRect(196, 58, 105, 7) << 0;
        QTest::newRow("PreviewGrid") << "PreviewGrid"
                                     << "frmCustomBoard" << QRect(49, 48, 49, 94) << 0;
        QTest::newRow("ColumnsTrackBar") << "ColumnsTrackBar"
                                         << "frmCustomBoard" << QRect(32, 0, 125, 47) << 4001;
        QTest::newRow("RowsTrackBar") << "RowsTrackBar"
                                      << "frmCustomBoard" << QRect(3, 47, 45, 150) << 4002;
        QTest::newRow("OkButton") << "OkButton"
                                  << "frmCustomBoard" << QRect(220, 132, 60, 21) << 1;
        QTest::newRow("CancelButton") << "CancelButton"
                                      << "frmCustomBoard" << QRect(220, 169, 60, 21) << 2;
        QTest::newRow("Panel1") << "Panel1"
                                << "frmCustomBoard" << QRect(198, 11, 102, 41) << 4003;
    }
    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, geometry);
        QFETCH(int, context);
        TRig rig;  // 5 x 10
        rig.Dialog.show();
        auto* control = rig.Dialog.findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->parentWidget()->objectName(), parent);
        QCOMPARE(control->geometry(), geometry);
        QCOMPARE(TContextHelp::ContextOf(control), context);
    }

    void panelLabels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("Label1") << "Label1" << QPoint(6, 5) << "Board Dimensions:" << false << QColor(Qt::black);
        QTest::newRow("GameDimensionsLabel")
            << "GameDimensionsLabel" << QPoint(36, 23) << "5 x 10" << true << QColor(0, 0x80, 0x80);
    }
    void panelLabels()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, place);
        QFETCH(QString, caption);
        QFETCH(bool, bold);
        QFETCH(QColor, colour);
        TRig rig;
        rig.Dialog.show();
        auto* label = rig.Dialog.findChild<TAutoSizeLabel*>(name);
        QCOMPARE(label->parentWidget()->objectName(), QStringLiteral("Panel1"));
        QCOMPARE(label->pos(), place);
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->font().pixelSize(), 11);
        QCOMPARE(label->font().bold(), bold);
        QCOMPARE(label->palette().color(QPalette::WindowText), colour);
        // Inside the panel's bevels.
        QVERIFY(label->geometry().right() <= 102 - 3);
    }

    void trackBars_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<int>("maximum");
        QTest::newRow("columns") << "ColumnsTrackBar" << int(Qt::Horizontal) << 10;
        QTest::newRow("rows") << "RowsTrackBar" << int(Qt::Vertical) << 15;
    }
    void trackBars()
    {
        QFETCH(QString, name);
        QFETCH(int, orientation);
        QFETCH(int, maximum);
        TRig rig;
        auto* bar = rig.Dialog.findChild<QSlider*>(name);
        QCOMPARE(int(bar->orientation()), orientation);
        QCOMPARE(bar->minimum(), 1);
        QCOMPARE(bar->maximum(), maximum);
        QCOMPARE(bar->singleStep(), 1);
        QCOMPARE(bar->pageStep(), 2);
        QCOMPARE(bar->tickInterval(), 1);
        // Below the columns bar, right of the rows bar (the same setting).
        QCOMPARE(bar->tickPosition(), QSlider::TicksBelow);
        // The rows run from 1 at the top to 15 at the bottom.
        QCOMPARE(bar->invertedAppearance(), orientation == Qt::Vertical);
    }

    void tabOrder()
    {
        TRig rig;
        QStringList order;
        const auto result = RunModal(rig.Dialog, [&] {
            QVERIFY(QTest::qWaitForWindowActive(&rig.Dialog));
            for (int i = 0; i < 5; ++i) {
                QWidget* focus = QApplication::focusWidget();
                order << focus->objectName();
                QTest::keyClick(focus, Qt::Key_Tab);
            }
            rig.Dialog.reject();
        });
        QVERIFY(result.has_value());
        QCOMPARE(order, (QStringList{"OkButton", "CancelButton", "ColumnsTrackBar", "RowsTrackBar", "OkButton"}));
    }

    void formShowLoadsTheSize_data()
    {
        QTest::addColumn<int>("storedColumns");
        QTest::addColumn<int>("storedRows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QSize>("preview");
        QTest::newRow("5 x 10") << 5 << 10 << 5 << 10 << "5 x 10" << QSize(49, 94);
        QTest::newRow("1 x 1") << 1 << 1 << 1 << 1 << "1 x 1" << QSize(13, 13);
        QTest::newRow("10 x 15") << 10 << 15 << 10 << 15 << "10 x 15" << QSize(94, 139);
        QTest::newRow("4 x 10, the default") << 4 << 10 << 4 << 10 << "4 x 10" << QSize(40, 94);
        QTest::newRow("0 x 20 shows clamped") << 0 << 20 << 1 << 15 << "1 x 15" << QSize(13, 139);
        QTest::newRow("12 x -3 shows clamped") << 12 << -3 << 10 << 1 << "10 x 1" << QSize(94, 13);
    }
    void formShowLoadsTheSize()
    {
        QFETCH(int, storedColumns);
        QFETCH(int, storedRows);
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(QString, label);
        QFETCH(QSize, preview);
        TRig rig(storedColumns, storedRows);
        QWidget* focus = nullptr;
        const auto result = RunModal(rig.Dialog, [&] {
            focus = rig.Dialog.focusWidget();
            rig.Dialog.reject();
        });
        QVERIFY(result.has_value());
        QCOMPARE(focus, rig.Button("OkButton"));
        QCOMPARE(rig.Columns()->value(), columns);
        QCOMPARE(rig.Rows()->value(), rows);
        QCOMPARE(rig.Dimensions(), label);
        TBoardGrid* grid = rig.Preview();
        QCOMPARE(grid->geometry(), QRect(QPoint(49, 48), preview));
        QCOMPARE(grid->ColCount(), columns);
        QCOMPARE(grid->RowCount(), rows);
        // Left of the dividing line and above the bottom edge.
        QVERIFY(grid->geometry().right() < 191);
        QVERIFY(grid->geometry().bottom() < 198);
        // Cancel left the stored size as it was, in range or not.
        QCOMPARE(rig.Game.Levels.CustomColumns(), storedColumns);
        QCOMPARE(rig.Game.Levels.CustomRows(), storedRows);
        QCOMPARE(rig.Game.Log, QStringList{});
    }

    void previewPixels_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::newRow("1 x 1") << 1 << 1;
        QTest::newRow("5 x 10") << 5 << 10;
        QTest::newRow("10 x 15") << 10 << 15;
    }
    void previewPixels()
    {
        QFETCH(int, columns);
        QFETCH(int, rows);
        TRig rig(columns, rows);
        rig.Dialog.show();
        const QImage image = Render(*rig.Preview());
        // Every cell shows, navy, 8 pixels square, one pixel apart.
        QCOMPARE(NavyRuns(image, 2 + 4), columns);
        QCOMPARE(NavyRuns(image, 2 + 4, true), rows);
        for (int c = 0; c < columns; ++c) {
            QCOMPARE(image.pixel(2 + c * 9, 2), Navy);
            QCOMPARE(image.pixel(2 + c * 9 + 7, 2 + 7), Navy);
            QVERIFY(image.pixel(2 + c * 9 + 8, 2 + 4) != Navy);
        }
    }

    void playerSteps_data()
    {
        QTest::addColumn<QString>("bar");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QSize>("preview");
        QTest::newRow("right arrow") << "ColumnsTrackBar" << int(Qt::Key_Right) << "6 x 10" << QSize(58, 94);
        QTest::newRow("left arrow") << "ColumnsTrackBar" << int(Qt::Key_Left) << "4 x 10" << QSize(40, 94);
        QTest::newRow("page up") << "ColumnsTrackBar" << int(Qt::Key_PageUp) << "7 x 10" << QSize(67, 94);
        QTest::newRow("end") << "ColumnsTrackBar" << int(Qt::Key_End) << "10 x 10" << QSize(94, 94);
        QTest::newRow("rows: down arrow") << "RowsTrackBar" << int(Qt::Key_Down) << "5 x 11" << QSize(49, 103);
        QTest::newRow("rows: up arrow") << "RowsTrackBar" << int(Qt::Key_Up) << "5 x 9" << QSize(49, 85);
        QTest::newRow("rows: page down") << "RowsTrackBar" << int(Qt::Key_PageDown) << "5 x 12" << QSize(49, 112);
        QTest::newRow("rows: home") << "RowsTrackBar" << int(Qt::Key_Home) << "5 x 1" << QSize(49, 13);
    }
    void playerSteps()
    {
        QFETCH(QString, bar);
        QFETCH(int, key);
        QFETCH(QString, label);
        QFETCH(QSize, preview);
        TRig rig(5, 10);
        rig.Dialog.show();
        auto* slider = rig.Dialog.findChild<QSlider*>(bar);
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key(key));
        QCOMPARE(rig.Dimensions(), label);
        QCOMPARE(rig.Preview()->size(), preview);
        // Nothing is stored while the dialog is open.
        QCOMPARE(rig.Game.Levels.CustomColumns(), 5);
        QCOMPARE(rig.Game.Log, QStringList{});
    }

    void draggingAThumbFollows()
    {
        TRig rig(5, 10);
        rig.Dialog.show();
        rig.Columns()->setSliderDown(true);
        rig.Columns()->setSliderPosition(8);
        rig.Columns()->setSliderDown(false);
        QCOMPARE(rig.Dimensions(), QStringLiteral("8 x 10"));
        QCOMPARE(rig.Preview()->width(), 76);
    }

    void closing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("applies");
        QTest::newRow("Ok button") << "ok" << true;
        QTest::newRow("Enter") << "enter" << true;
        QTest::newRow("Enter on a trackbar") << "enter on bar" << true;
        QTest::newRow("Cancel button") << "cancel" << false;
        QTest::newRow("Escape") << "escape" << false;
        QTest::newRow("Escape on a trackbar") << "escape on bar" << false;
        QTest::newRow("close box") << "close" << false;
    }
    void closing()
    {
        QFETCH(QString, how);
        QFETCH(bool, applies);
        TRig rig(5, 10);
        const auto result = RunModal(rig.Dialog, [&] {
            // The player makes it 7 x 12.
            rig.Columns()->setFocus();
            QTest::keyClick(rig.Columns(), Qt::Key_PageUp);
            rig.Rows()->setFocus();
            QTest::keyClick(rig.Rows(), Qt::Key_PageDown);
            QCOMPARE(rig.Dimensions(), QStringLiteral("7 x 12"));
            CloseAs(how, rig.Dialog, rig.Button("OkButton"), rig.Button("CancelButton"), rig.Rows());
        });
        QCOMPARE(result, std::optional<int>(applies ? QDialog::Accepted : QDialog::Rejected));
        if (applies) {
            QCOMPARE(rig.Game.Levels.CustomColumns(), 7);
            QCOMPARE(rig.Game.Levels.CustomRows(), 12);
            QCOMPARE(int(rig.Game.Levels.DifficultyLevel()), int(Custom));
            QCOMPARE(rig.Game.Menu.Checked, int(Custom));
            QCOMPARE(rig.Game.Logic.BoardColumns(), 7);
            QCOMPARE(rig.Game.Logic.BoardRows(), 12);
            // A new game without a question.
            QVERIFY(rig.Game.Log.contains("clock reset"));
            QVERIFY(!rig.Game.Log.contains("ask new-game"));
        } else {
            QCOMPARE(rig.Game.Levels.CustomColumns(), 5);
            QCOMPARE(rig.Game.Levels.CustomRows(), 10);
            QCOMPARE(int(rig.Game.Levels.DifficultyLevel()), int(Beginner));
            QCOMPARE(rig.Game.Logic.BoardColumns(), 3);
            QCOMPARE(rig.Game.Log, QStringList{});
        }
        // The next opening shows what is stored, not the cancelled steps.
        QString shown;
        RunModal(rig.Dialog, [&] {
            shown = rig.Dimensions();
            rig.Dialog.reject();
        });
        QCOMPARE(shown, applies ? QStringLiteral("7 x 12") : QStringLiteral("5 x 10"));
    }

    void okUnchangedStillStartsANewGame()
    {
        TRig rig(4, 10, Custom);
        const auto result = RunModal(rig.Dialog, [&] { rig.Button("OkButton")->click(); });
        QCOMPARE(result, std::optional<int>(QDialog::Accepted));
        QCOMPARE(int(rig.Game.Levels.DifficultyLevel()), int(Custom));
        QVERIFY(rig.Game.Log.contains("clock reset"));
        QVERIFY(rig.Game.Log.contains("marker 88"));
    }

    void outOfRangeSizeIsStoredClampedOnlyByOk()
    {
        TRig rig(0, 20);
        RunModal(rig.Dialog, [&] { rig.Button("CancelButton")->click(); });
        QCOMPARE(rig.Game.Levels.CustomColumns(), 0);
        QCOMPARE(rig.Game.Levels.CustomRows(), 20);
        RunModal(rig.Dialog, [&] { rig.Button("OkButton")->click(); });
        QCOMPARE(rig.Game.Levels.CustomColumns(), 1);
        QCOMPARE(rig.Game.Levels.CustomRows(), 15);
        QCOMPARE(rig.Game.Logic.BoardColumns(), 1);
        QCOMPARE(rig.Game.Logic.BoardRows(), 15);
    }

    void whatsThisMenu_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("ColumnsTrackBar") << "ColumnsTrackBar" << QStringList{"8:4001"};
        QTest::newRow("RowsTrackBar") << "RowsTrackBar" << QStringList{"8:4002"};
        QTest::newRow("Panel1") << "Panel1" << QStringList{"8:4003"};
        QTest::newRow("a label in Panel1") << "GameDimensionsLabel" << QStringList{"8:4003"};
        QTest::newRow("OkButton") << "OkButton" << QStringList{"8:1"};
        QTest::newRow("CancelButton") << "CancelButton" << QStringList{"8:2"};
        QTest::newRow("PreviewGrid asks for context 0") << "PreviewGrid" << QStringList{"8:0"};
        QTest::newRow("the background has no menu") << "imgBackGround" << QStringList{};
    }
    void whatsThisMenu()
    {
        QFETCH(QString, control);
        QFETCH(QStringList, calls);
        TRig rig;
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
        QTest::newRow("ColumnsTrackBar") << "ColumnsTrackBar" << QStringList{"8:4001"};
        QTest::newRow("RowsTrackBar") << "RowsTrackBar" << QStringList{"8:4002"};
        QTest::newRow("a label in Panel1") << "Label1" << QStringList{"8:4003"};
        QTest::newRow("CancelButton") << "CancelButton" << QStringList{"8:2"};
        QTest::newRow("PreviewGrid shows nothing") << "PreviewGrid" << QStringList{};
    }
    void contextHelp()
    {
        QFETCH(QString, control);
        QFETCH(QStringList, calls);
        TRig rig;
        const auto result = RunModal(rig.Dialog, [&] {
            WhatsThisByClick(rig.Dialog, rig.Dialog.findChild<QWidget*>(control));
            rig.Dialog.reject();
        });
        QVERIFY(result.has_value());
        QCOMPARE(rig.Help.Calls, calls);
    }

    void f1_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("OkButton") << "OkButton" << QStringList{"8:1"};
        QTest::newRow("ColumnsTrackBar") << "ColumnsTrackBar" << QStringList{"8:4001"};
        QTest::newRow("RowsTrackBar") << "RowsTrackBar" << QStringList{"8:4002"};
    }
    void f1()
    {
        QFETCH(QString, focus);
        QFETCH(QStringList, calls);
        TRig rig;
        const auto result = RunModal(rig.Dialog, [&] {
            auto* target = rig.Dialog.findChild<QWidget*>(focus);
            target->setFocus();
            QTest::keyClick(target, Qt::Key_F1);
            rig.Dialog.reject();
        });
        QVERIFY(result.has_value());
        QCOMPARE(rig.Help.Calls, calls);
    }

    void picture()
    {
        for (const QSize size : {QSize(5, 10), QSize(1, 1), QSize(10, 15)}) {
            TRig rig(size.width(), size.height());
            rig.Dialog.show();
            const QImage image = Render(rig.Dialog);
            SaveShot(rig.Dialog, QStringLiteral("customboard-%1x%2").arg(size.width()).arg(size.height()));
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    QVERIFY2(image.pixel(x, y) != 0xFFFF00FF, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            // The preview's first and last cells, in the dialog.
            QCOMPARE(image.pixel(49 + 2 + 3, 48 + 2 + 3), Navy);
            QCOMPARE(image.pixel(49 + 2 + 9 * (size.width() - 1) + 3, 48 + 2 + 9 * (size.height() - 1) + 3), Navy);
        }
    }
};

QTEST_MAIN(TestCustomBoardDialog)
#include "TestCustomBoardDialog.moc"
