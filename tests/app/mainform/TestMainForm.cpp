// The main window as the player first sees it: frame, layout, menus,
// hints and the sizes each level gives it.

#include <QAction>
#include <QHelpEvent>
#include <QMenu>
#include <QMenuBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

#include <memory>

#include "app/TGameSession.h"
#include "app/TMainForm.h"
#include "app/TTooltipSwitch.h"
#include "app/mainform/AppFakes.h"
#include "components/boardgrid/TBoardGrid.h"
#include "components/widgets/TStatusPanels.h"
#include "game/TLevelSettings.h"
#include "game/TLogic.h"
#include "resources/pictures/Pictures.h"
#include "settings/configuration/TConfiguration.h"
#include "tests/platform/versioninfo/VersionImageBuilder.h"
#include "tests/platform/versioninfo/VersionTestFiles.h"

using namespace peglore;
using namespace peglore::testing;

namespace {
struct TGame {
    QTemporaryDir Folder;
    TRecordingHelp Help;
    TFakePlayer Player;
    std::unique_ptr<TMainForm> Form;

    // executable, when given, is written where the game's own file is.
    explicit TGame(const QByteArray& settings = {}, const VersionImages::TBytes& executable = {})
    {
        if (!executable.empty())
            VersionTestFiles::WriteFile(Folder.filePath("peglore"), executable);
        if (!settings.isEmpty()) {
            QFile file(Folder.filePath("Peglore.ini"));
            file.open(QIODevice::WriteOnly);
            file.write(settings);
        }
        Form = std::make_unique<TMainForm>(Help, Player, FilesIn(Folder));
        Form->show();
    }

    template <typename T>
    T* Find(const char* name) const
    {
        return Form->findChild<T*>(QString::fromLatin1(name));
    }
    QAction* Action(const char* name) const { return Find<QAction>(name); }
};
}  // namespace

class TestMainForm : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitPictures(); }

    void frameAndFirstGame()
    {
        TGame game;
        TMainForm& form = *game.Form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Peglore"));
        QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);
        // No settings file: Beginner, 3 x 10, AutoCheck on.
        QCOMPARE(form.findChild<QWidget*>(QStringLiteral("imgBackGround"))->size(), QSize(288, 381));
        QCOMPARE(form.BoardSize().BoardColumns(), 3);
        QCOMPARE(form.BoardSize().BoardRows(), 10);
        QVERIFY(game.Action("BeginnerMenu")->isChecked());
        QVERIFY(!game.Find<QToolButton>("sbtnCheck")->isEnabled());
        QCOMPARE(form.findChild<TStatusPanels*>(QStringLiteral("StatusBar"))->PanelText(0), QStringLiteral("Row: 1"));
        QCOMPARE(form.font().pixelSize(), 11);
        // The window cannot be resized by the player.
        QCOMPARE(form.minimumSize(), form.maximumSize());
    }

    void layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("geometry");
        const QString client = QStringLiteral("imgBackGround");
        QTest::newRow("Panel1") << "Panel1" << client << QRect(2, 6, 153, 31);
        QTest::newRow("sbtnNew") << "sbtnNew"
                                 << "Panel1" << QRect(4, 3, 25, 25);
        QTest::newRow("sbtnProperties") << "sbtnProperties"
                                        << "Panel1" << QRect(34, 3, 25, 25);
        QTest::newRow("sbtnCheck") << "sbtnCheck"
                                   << "Panel1" << QRect(64, 3, 25, 25);
        QTest::newRow("Bevel1") << "Bevel1"
                                << "Panel1" << QRect(92, 2, 3, 25);
        QTest::newRow("Bevel4") << "Bevel4" << client << QRect(162, 2, 2, 40);
        QTest::newRow("Panel2") << "Panel2" << client << QRect(172, 2, 54, 39);
        QTest::newRow("TimerDigit1") << "TimerDigit1"
                                     << "Panel2" << QRect(3, 3, 16, 32);
        QTest::newRow("TimerDigit2") << "TimerDigit2"
                                     << "Panel2" << QRect(19, 3, 16, 32);
        QTest::newRow("TimerDigit3") << "TimerDigit3"
                                     << "Panel2" << QRect(35, 3, 16, 32);
        QTest::newRow("Bevel3") << "Bevel3" << client << QRect(1, 38, 226, 9);
        QTest::newRow("ColorsBarPanel") << "ColorsBarPanel" << client << QRect(1, 49, 222, 30);
        const char* swatches[] = {"RedShape",  "LimeShape", "BlackShape",   "YellowShape",
                                  "BlueShape", "GrayShape", "FuchsiaShape", "GreenShape"};
        const int lefts[] = {3, 30, 58, 85, 112, 139, 167, 194};
        for (int i = 0; i < 8; ++i)
            QTest::newRow(swatches[i]) << swatches[i] << "ColorsBarPanel" << QRect(lefts[i], 4, 24, 22);
        QTest::newRow("Hand") << "Hand" << client << QRect(5, 88, 38, 18);
        QTest::newRow("LeftBoard") << "LeftBoard" << client << QRect(43, 83, 97, 264);
        QTest::newRow("RightBoard") << "RightBoard" << client << QRect(150, 83, 70, 264);
        QTest::newRow("StatusBar") << "StatusBar" << client << QRect(0, 381 - 19, 288, 19);
    }
    void layout()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, geometry);
        TGame game;
        auto* widget = game.Form->findChild<QWidget*>(name);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(widget->parentWidget()->objectName(), parent);
        QCOMPARE(widget->geometry(), geometry);
        QVERIFY(widget->isVisible());
    }

    void helpContexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("context");
        QTest::newRow("score board") << "RightBoard" << 3001;
        QTest::newRow("colour bar") << "ColorsBarPanel" << 3002;
        QTest::newRow("clock panel") << "Panel2" << 3003;
        QTest::newRow("guess board") << "LeftBoard" << 0;
    }
    void helpContexts()
    {
        QFETCH(QString, name);
        QFETCH(int, context);
        TGame game;
        auto* widget = game.Form->findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->property("helpContext").toInt(), context);
    }

    void statusBarPanels()
    {
        TGame game;
        TStatusPanels* bar = game.Form->findChild<TStatusPanels*>(QStringLiteral("StatusBar"));
        QCOMPARE(bar->PanelCount(), 2);
        QCOMPARE(bar->PanelRect(1).left(), 50);  // the first panel takes 50 pixels
        QCOMPARE(bar->height(), 19);
    }

    void menus_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<int>("context");
        QTest::addColumn<QString>("hint");
        QTest::newRow("new") << "&Game"
                             << "mmenuNewGame"
                             << "&New"
                             << "F2" << 201 << "Start a new game with current settings";
        QTest::newRow("give up") << "&Game"
                                 << "mmenuGiveUp"
                                 << "&Give Up!"
                                 << "" << 203 << "Abort the game and show the correct solution";
        QTest::newRow("properties") << "&Game"
                                    << "mmenuProperties"
                                    << "P&roperties..."
                                    << "" << 204 << "Change various game options";
        QTest::newRow("exit") << "&Game"
                              << "ExitMenu"
                              << "E&xit"
                              << "" << 202 << "Exit Peglore";
        QTest::newRow("beginner") << "&Level"
                                  << "BeginnerMenu"
                                  << "&Beginner"
                                  << "" << 211 << "The easiest level";
        QTest::newRow("intermediate") << "&Level"
                                      << "IntermediateMenu"
                                      << "&Intermediate"
                                      << "" << 212 << "Medium difficulty level";
        QTest::newRow("expert") << "&Level"
                                << "mmenuExpert"
                                << "&Expert!"
                                << "" << 213 << "Hardest difficulty level";
        QTest::newRow("custom") << "&Level"
                                << "CustomMenu"
                                << "&Custom..."
                                << "" << 214 << "Chose any board size you want!";
        QTest::newRow("topics") << "&Help"
                                << "HelpTopicsMenu"
                                << "Help &Topics"
                                << "" << 221 << "Show help contents";
        QTest::newRow("whats new") << "&Help"
                                   << "WhatsNewMenu"
                                   << "What's &New?"
                                   << "" << 222 << "Improvements and bug fixes since last version";
        QTest::newRow("about") << "&Help"
                               << "mmenuAbout"
                               << "&About..."
                               << "" << 223 << "Show credits and statistics information";
    }
    void menus()
    {
        QFETCH(QString, menu);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, shortcut);
        QFETCH(int, context);
        QFETCH(QString, hint);
        TGame game;
        QMenu* found = nullptr;
        for (QAction* top : game.Form->menuBar()->actions())
            if (top->text() == menu)
                found = top->menu();
        QVERIFY2(found, qPrintable(menu));
        QAction* item = nullptr;
        for (QAction* a : found->actions())
            if (a->objectName() == name)
                item = a;
        QVERIFY2(item, qPrintable(name));
        QCOMPARE(item->text(), caption);
        QCOMPARE(item->shortcut().toString(), shortcut);
        QCOMPARE(item->property("helpContext").toInt(), context);
        QCOMPARE(item->statusTip(), hint);
    }

    void menuOrderWithSeparators()
    {
        TGame game;
        QStringList seen;
        for (QAction* top : game.Form->menuBar()->actions()) {
            seen << top->text();
            for (QAction* a : top->menu()->actions())
                seen << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
        }
        QCOMPARE(seen, (QStringList{"&Game", "mmenuNewGame", "mmenuGiveUp", "-", "mmenuProperties", "-", "ExitMenu",
                                    "&Level", "BeginnerMenu", "IntermediateMenu", "mmenuExpert", "CustomMenu", "&Tools",
                                    "mmenuHint", "mmenuAnalysis", "mmenuRecords", "-", "mmenuDailyGame", "mmenuCopyDailyResult",
                                    "mmenuBreakMyCode", "-", "mmenuVariant",
                                    "mmenuHardMode", "mmenuPegSymbols", "mmenuKeepGame",
                                    "&Help", "HelpTopicsMenu", "WhatsNewMenu", "-", "mmenuAbout"}));
    }

    void levelsResizeTheWindow_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QRect>("left");
        QTest::addColumn<QRect>("right");
        QTest::addColumn<QSize>("client");
        QTest::newRow("intermediate") << "IntermediateMenu" << QRect(43, 83, 159, 238) << QRect(212, 83, 114, 238)
                                      << QSize(341, 355);
        QTest::newRow("expert") << "mmenuExpert" << QRect(43, 83, 252, 316) << QRect(305, 83, 180, 316)
                                << QSize(500, 433);
        QTest::newRow("beginner after expert")
            << "BeginnerMenu" << QRect(43, 83, 97, 264) << QRect(150, 83, 70, 264) << QSize(288, 381);
    }
    void levelsResizeTheWindow()
    {
        QFETCH(QString, item);
        QFETCH(QRect, left);
        QFETCH(QRect, right);
        QFETCH(QSize, client);
        TGame game;
        game.Action("mmenuExpert")->trigger();
        game.Action(qPrintable(item))->trigger();
        QVERIFY(game.Action(qPrintable(item))->isChecked());
        QCOMPARE(game.Form->findChild<TBoardGrid*>(QStringLiteral("LeftBoard"))->geometry(), left);
        QCOMPARE(game.Form->findChild<TBoardGrid*>(QStringLiteral("RightBoard"))->geometry(), right);
        QCOMPARE(game.Form->findChild<QWidget*>(QStringLiteral("imgBackGround"))->size(), client);
        QCOMPARE(game.Form->findChild<TStatusPanels*>(QStringLiteral("StatusBar"))->geometry(),
                 QRect(0, client.height() - 19, client.width(), 19));
        QCOMPARE(game.Form->findChild<TStatusPanels*>(QStringLiteral("StatusBar"))->PanelText(0),
                 QStringLiteral("Row: 1"));
        // Exactly one level carries the mark.
        int checked = 0;
        for (const char* n : {"BeginnerMenu", "IntermediateMenu", "mmenuExpert", "CustomMenu"})
            checked += game.Action(n)->isChecked() ? 1 : 0;
        QCOMPARE(checked, 1);
    }

    void customMenuDoesNotMoveTheMark()
    {
        TGame game;
        game.Action("mmenuExpert")->trigger();
        game.Action("CustomMenu")->trigger();  // no dialog set: nothing opens
        QVERIFY(game.Action("mmenuExpert")->isChecked());
        QVERIFY(!game.Action("CustomMenu")->isChecked());
    }

    void storedCustomLevelSizesTheBoards()
    {
        TGame game("[Level Settings]\nCustomColumns=10\nCustomRows=15\nDifficultyLevel=3\n");
        QVERIFY(game.Action("CustomMenu")->isChecked());
        QCOMPARE(game.Form->findChild<QWidget*>(QStringLiteral("imgBackGround"))->size(), QSize(606, 511));
        QCOMPARE(game.Form->findChild<TBoardGrid*>(QStringLiteral("LeftBoard"))->size(), QSize(314, 394));
        QCOMPARE(game.Form->findChild<TBoardGrid*>(QStringLiteral("RightBoard"))->geometry(), QRect(367, 83, 224, 394));
    }

    void toolButtonHints_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("new") << "sbtnNew"
                             << "New Game";
        QTest::newRow("properties") << "sbtnProperties"
                                    << "Game Properties";
        QTest::newRow("check") << "sbtnCheck"
                               << "Check!";
    }
    void toolButtonHints()
    {
        QFETCH(QString, name);
        QFETCH(QString, tooltip);
        TGame game;
        auto* button = game.Form->findChild<QToolButton*>(name);
        QCOMPARE(button->toolTip(), tooltip);
        // Entering a button shows the long part of its hint: nothing.
        game.Form->findChild<TStatusPanels*>(QStringLiteral("StatusBar"))->SetPanelText(1, QStringLiteral("old"));
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(button, &enter);
        QCOMPARE(game.Form->findChild<TStatusPanels*>(QStringLiteral("StatusBar"))->PanelText(1), QString());
    }

    void highlightedMenuItemHintFillsPanelOne()
    {
        TGame game;
        QAction* item = game.Action("mmenuGiveUp");
        item->showStatusText(game.Form.get());
        QCOMPARE(game.Form->findChild<TStatusPanels*>(QStringLiteral("StatusBar"))->PanelText(1),
                 QStringLiteral("Abort the game and show the correct solution"));
        QStatusTipEvent cleared{QString()};
        QApplication::sendEvent(game.Form.get(), &cleared);
        QCOMPARE(game.Form->findChild<TStatusPanels*>(QStringLiteral("StatusBar"))->PanelText(1), QString());
    }

    void smartHintsSwitchEveryTooltip()
    {
        TGame game("[Options]\nSmartHints=0\n");
        auto* button = game.Find<QToolButton>("sbtnNew");
        QVERIFY(!game.Form->findChild<TTooltipSwitch*>()->Enabled());
        QHelpEvent off(QEvent::ToolTip, QPoint(5, 5), button->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(button, &off);
        QVERIFY(!QToolTip::isVisible());

        game.Form->Session()->Configuration().SetSmartHints(true);
        QVERIFY(game.Form->findChild<TTooltipSwitch*>()->Enabled());
        QHelpEvent on(QEvent::ToolTip, QPoint(5, 5), button->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(button, &on);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral("New Game"));
        QToolTip::hideText();
        QCOMPARE(game.Form->findChild<TTooltipSwitch*>()->HintPause(), 600);
    }

    void swatchesBoardsAndMarkerHaveNoTooltips()
    {
        TGame game;
        for (const char* name : {"RedShape", "GreenShape", "LeftBoard", "RightBoard", "Hand"})
            QVERIFY2(game.Form->findChild<QWidget*>(QString::fromLatin1(name))->toolTip().isEmpty(), name);
    }

    void versionResourceOfTheGamesOwnFile()
    {
        // The game's own file, here one that holds a version block.
        VersionImages::TFixedInfo fixed;
        fixed.FileVersionMS = 0x00020003;
        fixed.FileVersionLS = 0x00040005;
        TGame game({}, VersionTestFiles::Image("PE32", VersionImages::SimpleRoot(fixed, {{"ProductName", "Peglore"}})));
        const TVersionResource& version = game.Form->VersionResource();
        QCOMPARE(QString::fromStdString(version.FileName()), game.Folder.filePath("peglore"));
        QCOMPARE(QString::fromStdString(version.VersionInfo().FileVersion()), QStringLiteral("2.3.4.5"));
        QCOMPARE(QString::fromStdString(version.VersionInfo().ProductName()), QStringLiteral("Peglore"));
        QVERIFY(!version.OnChange());
    }

    void swatchesShowTheHandCursor()
    {
        TGame game;
        auto* swatch = game.Form->findChild<QWidget*>(QStringLiteral("LimeShape"));
        QCOMPARE(swatch->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(swatch->cursor().hotSpot(), QPoint(HandHotSpotX, HandHotSpotY));
        QVERIFY(game.Form->findChild<TBoardGrid*>(QStringLiteral("LeftBoard"))->cursor().shape() != Qt::BitmapCursor);
    }

    void autoCheckOptionGreysTheCheckButton()
    {
        TGame game("[Options]\nAutoCheck=0\n");
        auto* check = game.Find<QToolButton>("sbtnCheck");
        QVERIFY(check->isEnabled());
        game.Form->Session()->Configuration().SetAutoCheck(true);
        QVERIFY(!check->isEnabled());
    }
};

QTEST_MAIN(TestMainForm)
#include "TestMainForm.moc"
