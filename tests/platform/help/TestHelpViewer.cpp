#include "platform/help/THelpViewer.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>
#include <QtTest>

using namespace peglore;

namespace {

const char HelpText[] = "[topic 201]\n"
                        "title=New game\n"
                        "keywords=new; F2\n"
                        "\n"
                        "Starts a **new** game. See [[3003|the clock]] or [[202]].\n"
                        "[topic 202]\n"
                        "title=Exit\n"
                        "keywords=exit; closing\n"
                        "\n"
                        "Closes the game.\n"
                        "[topic 3003]\n"
                        "title=Game clock\n"
                        "keywords=clock; F2\n"
                        "\n"
                        "Counts <seconds> & more. [[201]]\n";

const QString NoTopic = "No help topic is associated with this item.";

QPushButton* Button(QWidget* window, const QString& text)
{
    for (QPushButton* button : window->findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

QStringList VisibleTexts(const QListWidget* list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        if (!list->item(row)->isHidden())
            texts << list->item(row)->text();
    return texts;
}

// Clicks the link whose text is WORDS in BROWSER, as a player would.
void ClickLink(QTextBrowser* browser, const QString& words)
{
    QTextCursor found = browser->document()->find(words);
    QVERIFY2(!found.isNull(), qPrintable(words));
    found.setPosition(found.selectionStart() + 1);
    const QPoint point = browser->cursorRect(found).center();
    QVERIFY(browser->anchorAt(point).startsWith("topic:"));
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, point);
}

bool IsHelpWindow(const QWidget* window)
{
    return window->isWindow() && window->property("pegloreHelpWindow").toBool() &&
           !window->testAttribute(Qt::WA_QuitOnClose);
}

void DeleteLaterNow()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class TestHelpViewer : public QObject {
    Q_OBJECT

private:
    QTemporaryDir FOlder;
    QString FPath;

    void WriteHelp(const QByteArray& text)
    {
        QFile file(FPath);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

private slots:
    void init()
    {
        FPath = FOlder.filePath("Peglore.hlp");
        QFile::remove(FPath);
        WriteHelp(HelpText);
    }

    void cleanup()
    {
        DeleteLaterNow();
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }

    void helpFileIsFoundBesideTheProgram_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("path");
        const QString beside = QCoreApplication::applicationDirPath() + "/";
        QTest::newRow("bare name") << "Peglore.hlp" << beside + "Peglore.hlp";
        QTest::newRow("relative") << "help/../doc/x.hlp" << beside + "doc/x.hlp";
        QTest::newRow("absolute") << "/tmp/some/y.hlp"
                                  << "/tmp/some/y.hlp";
    }

    void helpFileIsFoundBesideTheProgram()
    {
        QFETCH(QString, name);
        QFETCH(QString, path);
        QCOMPARE(THelpViewer(name).FilePath(), path);
    }

    void showTopicOpensTheTopicWindow()
    {
        THelpViewer viewer(FPath);
        viewer.HelpCommand(IHelpCommands::ShowTopic, 3003);
        THelpTopicWindow* window = viewer.TopicWindow();
        QVERIFY(window != nullptr);
        QVERIFY(window->isVisible());
        QVERIFY(IsHelpWindow(window));
        QCOMPARE(window->windowTitle(), QString("Peglore Help"));
        QCOMPARE(window->CurrentContext(), 3003);
        QCOMPARE(window->PlainText(), QString("Game clock\nCounts <seconds> & more. New game"));

        // A second request reuses the window.
        viewer.HelpCommand(IHelpCommands::ShowTopic, 202);
        QCOMPARE(viewer.TopicWindow(), window);
        QVERIFY(window->PlainText().startsWith("Exit\n"));
    }

    void unknownTopicSaysSo_data()
    {
        QTest::addColumn<int>("context");
        QTest::newRow("none") << 0;
        QTest::newRow("unknown") << 4242;
    }

    void unknownTopicSaysSo()
    {
        QFETCH(int, context);
        THelpViewer viewer(FPath);
        viewer.HelpCommand(IHelpCommands::ShowTopic, context);
        QVERIFY(viewer.TopicWindow()->isVisible());
        QCOMPARE(viewer.TopicWindow()->PlainText(), "Topic not found\n" + NoTopic);
    }

    void linksBackAndForward()
    {
        THelpViewer viewer(FPath);
        viewer.DisplayTopic(201);
        THelpTopicWindow* window = viewer.TopicWindow();
        QPushButton* back = Button(window, "&Back");
        QPushButton* forward = Button(window, "&Forward");
        QVERIFY(back && forward);
        QVERIFY(!back->isEnabled());

        ClickLink(window->Browser(), "the clock");
        QCOMPARE(window->CurrentContext(), 3003);
        ClickLink(window->Browser(), "New game");
        QCOMPARE(window->CurrentContext(), 201);
        ClickLink(window->Browser(), "Exit");
        QCOMPARE(window->CurrentContext(), 202);

        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(window->CurrentContext(), 201);
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(window->CurrentContext(), 3003);
        QVERIFY(forward->isEnabled());
        QTest::mouseClick(forward, Qt::LeftButton);
        QCOMPARE(window->CurrentContext(), 201);
        QVERIFY(window->PlainText().startsWith("New game\n"));

        // A new topic after going back drops the topics ahead.
        QTest::mouseClick(back, Qt::LeftButton);
        viewer.DisplayTopic(202);
        QVERIFY(!forward->isEnabled());
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(window->CurrentContext(), 3003);
    }

    void contentsListsTopicsAndOpensThem()
    {
        THelpViewer viewer(FPath);
        viewer.HelpCommand(IHelpCommands::Contents, 0);
        THelpContentsWindow* contents = viewer.ContentsWindow();
        QVERIFY(contents != nullptr);
        QVERIFY(contents->isVisible());
        QVERIFY(IsHelpWindow(contents));
        QCOMPARE(contents->CurrentPage(), THelpContentsWindow::TPage::Contents);
        QCOMPARE(VisibleTexts(contents->ContentsList()), QStringList({"New game", "Exit", "Game clock"}));
        QVERIFY(viewer.TopicWindow() == nullptr);

        contents->ContentsList()->setCurrentRow(1);
        QTest::mouseClick(Button(contents, "&Display"), Qt::LeftButton);
        QVERIFY(viewer.TopicWindow() != nullptr);
        QVERIFY(viewer.TopicWindow()->isVisible());
        QCOMPARE(viewer.TopicWindow()->CurrentContext(), 202);
    }

    void indexFiltersKeywords()
    {
        THelpViewer viewer(FPath);
        viewer.DisplayContents();
        THelpContentsWindow* contents = viewer.ContentsWindow();
        QListWidget* index = contents->IndexList();
        // Sorted without regard to case; a keyword of two topics names both.
        QCOMPARE(VisibleTexts(index),
                 QStringList({"clock", "closing", "exit", "F2 (New game)", "F2 (Game clock)", "new"}));
        contents->ShowPage(THelpContentsWindow::TPage::Index);
        QTest::keyClicks(contents->IndexFilter(), "clo");
        QCOMPARE(VisibleTexts(index), QStringList({"clock", "closing"}));
        QCOMPARE(index->currentItem()->text(), QString("clock"));
        QTest::keyClick(contents->IndexFilter(), Qt::Key_Return);
        QCOMPARE(viewer.TopicWindow()->CurrentContext(), 3003);

        contents->IndexFilter()->setText("nothing like it");
        QVERIFY(VisibleTexts(index).isEmpty());
        QTest::keyClick(contents->IndexFilter(), Qt::Key_Return);
        QCOMPARE(viewer.TopicWindow()->CurrentContext(), 3003);
    }

    void topicWindowOpensContentsAndIndex()
    {
        THelpViewer viewer(FPath);
        viewer.DisplayTopic(201);
        QTest::mouseClick(Button(viewer.TopicWindow(), "&Index"), Qt::LeftButton);
        QVERIFY(viewer.ContentsWindow()->isVisible());
        QCOMPARE(viewer.ContentsWindow()->CurrentPage(), THelpContentsWindow::TPage::Index);
        QTest::mouseClick(Button(viewer.TopicWindow(), "&Contents"), Qt::LeftButton);
        QCOMPARE(viewer.ContentsWindow()->CurrentPage(), THelpContentsWindow::TPage::Contents);
    }

    void popupShowsTheTopicNearThePointer()
    {
        THelpViewer viewer(FPath);
        const QPoint pointer(200, 150);
        viewer.DisplayPopup(3003, pointer);
        THelpPopup* popup = viewer.Popup();
        QVERIFY(popup != nullptr);
        QVERIFY(popup->isVisible());
        QVERIFY(IsHelpWindow(popup));
        QVERIFY(popup->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(popup->windowType(), Qt::Popup);
        // Links are plain words in a pop-up.
        QCOMPARE(popup->PlainText(), QString("Game clock\nCounts <seconds> & more. New game"));
        const QRect place = popup->geometry();
        QVERIFY2(place.top() > pointer.y() && place.top() - pointer.y() < 30, qPrintable(QString::number(place.top())));
        QVERIFY(place.left() >= pointer.x() && place.left() - pointer.x() < 30);
        QVERIFY(viewer.TopicWindow() == nullptr);
    }

    void popupWithoutTopicSaysSo_data()
    {
        QTest::addColumn<int>("context");
        QTest::newRow("none") << 0;
        QTest::newRow("unknown") << 4242;
    }

    void popupWithoutTopicSaysSo()
    {
        QFETCH(int, context);
        THelpViewer viewer(FPath);
        viewer.HelpCommand(IHelpCommands::ContextPopup, context);
        QVERIFY(viewer.Popup()->isVisible());
        QCOMPARE(viewer.Popup()->PlainText(), NoTopic);
    }

    void popupStaysOnTheScreen()
    {
        THelpViewer viewer(FPath);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        viewer.DisplayPopup(201, screen.bottomRight());
        QVERIFY(screen.contains(viewer.Popup()->geometry()));
    }

    void popupClosesOnClickOrKey_data()
    {
        QTest::addColumn<bool>("click");
        QTest::newRow("click") << true;
        QTest::newRow("key") << false;
    }

    void popupClosesOnClickOrKey()
    {
        QFETCH(bool, click);
        THelpViewer viewer(FPath);
        viewer.DisplayPopup(201, QPoint(50, 50));
        QPointer<THelpPopup> popup = viewer.Popup();
        if (click)
            QTest::mouseClick(popup, Qt::LeftButton);
        else
            QTest::keyClick(popup, Qt::Key_Space);
        QVERIFY(!popup->isVisible());
        DeleteLaterNow();
        QVERIFY(popup == nullptr);
        QVERIFY(viewer.Popup() == nullptr);
    }

    void newPopupReplacesTheOld()
    {
        THelpViewer viewer(FPath);
        viewer.DisplayPopup(201, QPoint(50, 50));
        QPointer<THelpPopup> first = viewer.Popup();
        viewer.DisplayPopup(202, QPoint(60, 60));
        QVERIFY(first == nullptr);
        QVERIFY(viewer.Popup()->PlainText().startsWith("Exit"));
    }

    void quitClosesEveryWindow()
    {
        THelpViewer viewer(FPath);
        viewer.HelpCommand(IHelpCommands::Quit, 0);  // nothing open yet
        viewer.HelpCommand(IHelpCommands::ShowTopic, 201);
        viewer.HelpCommand(IHelpCommands::Contents, 0);
        viewer.DisplayPopup(202, QPoint(10, 10));
        const QList<QPointer<QWidget>> windows{viewer.TopicWindow(), viewer.ContentsWindow(), viewer.Popup()};
        for (const QPointer<QWidget>& window : windows)
            QVERIFY(window->isVisible());

        viewer.HelpCommand(IHelpCommands::Quit, 0);
        for (const QPointer<QWidget>& window : windows)
            QVERIFY(!window->isVisible());
        QVERIFY(viewer.TopicWindow() == nullptr && viewer.ContentsWindow() == nullptr && viewer.Popup() == nullptr);
        DeleteLaterNow();
        for (const QPointer<QWidget>& window : windows)
            QVERIFY(window == nullptr);

        // The viewer still works afterwards.
        viewer.HelpCommand(IHelpCommands::ShowTopic, 202);
        QVERIFY(viewer.TopicWindow()->isVisible());
    }

    void unknownCommandsOpenNothing()
    {
        THelpViewer viewer(FPath);
        for (const int command : {0, 3, 9, 10, 12, -1})
            viewer.HelpCommand(command, 201);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void unusableFileIsReported_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("present");
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing, topic") << QByteArray() << false << 1 << "there is no such file.";
        QTest::newRow("missing, popup") << QByteArray() << false << 8 << "there is no such file.";
        QTest::newRow("missing, contents") << QByteArray() << false << 11 << "there is no such file.";
        QTest::newRow("empty") << QByteArray() << true << 1 << "it holds no help topics.";
        QTest::newRow("broken") << QByteArray("[topic one]\ntitle=x\n") << true << 8 << "it holds no help topics.";
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << true << 11 << "it is not a help file.";
    }

    void unusableFileIsReported()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, present);
        QFETCH(int, command);
        QFETCH(QString, reason);
        QFile::remove(FPath);
        if (present)
            WriteHelp(contents);

        THelpViewer viewer(FPath);
        viewer.HelpCommand(command, 201);
        QMessageBox* message = viewer.MessageWindow();
        QVERIFY(message != nullptr);
        QVERIFY(message->isVisible());
        QVERIFY(IsHelpWindow(message));
        QVERIFY(!message->isModal());
        QCOMPARE(message->windowTitle(), QString("Peglore Help"));
        QCOMPARE(message->text(), "Cannot open the help file \"" + FPath + "\": " + reason);
        QVERIFY(viewer.TopicWindow() == nullptr && viewer.ContentsWindow() == nullptr && viewer.Popup() == nullptr);

        // Once the file is there, the next command uses it; quit closes the
        // message too.
        WriteHelp(HelpText);
        viewer.HelpCommand(IHelpCommands::ShowTopic, 201);
        QVERIFY(viewer.TopicWindow()->isVisible());
        QPointer<QMessageBox> old = message;
        viewer.HelpCommand(IHelpCommands::Quit, 0);
        QVERIFY(!old->isVisible());
    }

    void helpAskedForFromAModalDialogStaysUsable()
    {
        QWidget game;
        game.show();
        QDialog dialog(&game);
        THelpViewer viewer(FPath);
        bool clicked = false;
        QTimer::singleShot(0, &dialog, [&] {
            viewer.DisplayTopic(201);
            // A click through the window system, which drops input to
            // windows that a modal dialog blocks.
            THelpTopicWindow* topic = viewer.TopicWindow();
            QPushButton* index = Button(topic, "&Index");
            QTest::mouseClick(topic->windowHandle(), Qt::LeftButton, {}, index->mapTo(topic, index->rect().center()));
            clicked = viewer.ContentsWindow() != nullptr;
            dialog.accept();
        });
        dialog.exec();
        QVERIFY2(clicked, "the topic window took no click while the dialog was open");
        QCOMPARE(viewer.ContentsWindow()->CurrentPage(), THelpContentsWindow::TPage::Index);
    }

    void destroyingTheViewerClosesItsWindows()
    {
        QPointer<QWidget> topic;
        QPointer<QWidget> popup;
        {
            THelpViewer viewer(FPath);
            viewer.DisplayTopic(201);
            viewer.DisplayPopup(202, QPoint(5, 5));
            topic = viewer.TopicWindow();
            popup = viewer.Popup();
        }
        QVERIFY(topic == nullptr);
        QVERIFY(popup == nullptr);
    }
};

QTEST_MAIN(TestHelpViewer)
#include "TestHelpViewer.moc"
