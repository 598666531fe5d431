#include "platform/help/THelpFile.h"
#include "platform/help/THelpMarkup.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>

using namespace peglore;

// The help file that ships with the game: a topic behind every context number
// the game sends, and nothing broken in it.
class TestShippedHelpFile : public QObject {
    Q_OBJECT

private:
    THelpFile FIle;

private slots:
    void initTestCase()
    {
        FIle = THelpFile::Load(PEGLORE_HELP_SOURCE);
        QVERIFY2(FIle.IsValid(), FIle.ErrorText().c_str());
    }

    void readsWithoutProblems()
    {
        QStringList problems;
        for (const std::string& problem : FIle.Problems())
            problems << QString::fromStdString(problem);
        QCOMPARE(problems, QStringList());
    }

    void copyBesideTheProgramIsTheSame()
    {
        QFile source(PEGLORE_HELP_SOURCE);
        QFile copy(QCoreApplication::applicationDirPath() + "/Peglore.hlp");
        QVERIFY(source.open(QIODevice::ReadOnly));
        QVERIFY2(copy.open(QIODevice::ReadOnly), qPrintable(copy.fileName()));
        QCOMPARE(copy.readAll(), source.readAll());
    }

    void everyContextOfTheGameHasATopic_data()
    {
        QTest::addColumn<int>("context");
        for (const int context : {23, 100, 201, 202, 221, 1, 2, 1101, 1102, 1103, 3001, 3002, 3003, 4001, 4002, 4003})
            QTest::newRow(qPrintable(QString::number(context))) << context;
    }

    void everyContextOfTheGameHasATopic()
    {
        QFETCH(int, context);
        const THelpTopic* topic = FIle.Find(context);
        QVERIFY(topic != nullptr);
        QVERIFY(topic->Title != "Topic " + std::to_string(context));
        QVERIFY(!topic->Keywords.empty());
        QVERIFY2(topic->Body.size() > 80, topic->Title.c_str());
    }

    void generalTopicsCoverTheGame_data()
    {
        QTest::addColumn<QString>("words");
        QTest::newRow("dragging") << "drag";
        QTest::newRow("black key pegs") << "black key peg";
        QTest::newRow("white key pegs") << "white key peg";
        QTest::newRow("auto-check") << "Automatic Checking";
        QTest::newRow("repeat") << "Repeat";
        QTest::newRow("clear row") << "Clear Row";
        QTest::newRow("give up") << "Give Up!";
        QTest::newRow("beginner") << "Beginner**: 3 holes, 10 rows";
        QTest::newRow("intermediate") << "Intermediate**: 5 holes, 9 rows";
        QTest::newRow("expert") << "Expert!**: 8 holes, 12 rows";
        QTest::newRow("custom") << "1 to 10 holes and 1 to 15 rows";
        QTest::newRow("F2") << "F2";
        QTest::newRow("Shift+F1") << "Shift+F1";
        QTest::newRow("statistics") << "unfinished";
        QTest::newRow("keyboard play") << "**Backspace** clears the hole before it";
        QTest::newRow("peg symbols") << "**Ctrl+Shift+S**";
        QTest::newRow("records") << "Press **F4** in the main window to open the Records window";
    }

    void generalTopicsCoverTheGame()
    {
        QFETCH(QString, words);
        for (const THelpTopic& topic : FIle.Topics())
            if (topic.Context < 100 && QString::fromStdString(topic.Body).contains(words))
                return;
        QFAIL("no general topic mentions it");
    }

    void everyLinkLeadsToATopic()
    {
        const QRegularExpression link(R"(\[\[\s*(\d+)\s*(\|[^\]]*)?\]\])");
        int links = 0;
        for (const THelpTopic& topic : FIle.Topics()) {
            auto matches = link.globalMatch(QString::fromStdString(topic.Body));
            while (matches.hasNext()) {
                const int target = matches.next().captured(1).toInt();
                QVERIFY2(FIle.Find(target) != nullptr, qPrintable(QString("%1 -> %2").arg(topic.Context).arg(target)));
                ++links;
            }
            // No link left unconverted in the page.
            const std::string html = THelpMarkup::TopicHtml(topic, FIle, THelpMarkup::TTarget::Window);
            QVERIFY2(html.find("[[") == std::string::npos, topic.Title.c_str());
        }
        QVERIFY(links > 20);
    }

    // A link shows its own words or else its topic's title, and it must read
    // as part of the text around it: "See The game clock." does not. Inside a
    // sentence a link starts in lower case, unless it is a name the game
    // shows with capitals; at the start of a paragraph, list item or
    // sentence it starts with a capital.
    void linkTextsReadAsPartOfTheirSentence()
    {
        const QStringList namesAsShown{"Automatic Checking", "Smart Hints", "Help Topics", "Peglore"};
        const QRegularExpression link(R"(\[\[\s*(\d+)\s*(?:\|([^\]]*))?\]\])");
        QStringList misfits;
        int checked = 0;
        for (const THelpTopic& topic : FIle.Topics()) {
            const QString body = QString::fromStdString(topic.Body);
            auto matches = link.globalMatch(body);
            while (matches.hasNext()) {
                const QRegularExpressionMatch match = matches.next();
                const THelpTopic* target = FIle.Find(match.captured(1).toInt());
                QVERIFY(target != nullptr);
                QString shown = match.captured(2).trimmed();
                if (shown.isEmpty())
                    shown = QString::fromStdString(target->Title);
                const bool startsSentence = StartsSentence(body.left(match.capturedStart()));
                const bool named = std::any_of(namesAsShown.begin(), namesAsShown.end(),
                                               [&](const QString& name) { return shown.startsWith(name); });
                const bool fits = startsSentence ? shown.front().isUpper() : (shown.front().isLower() || named);
                if (!fits)
                    misfits << QString("%1: ...%2 [%3]")
                                   .arg(topic.Context)
                                   .arg(body.mid(match.capturedStart() - 12, 12).simplified(), shown);
                ++checked;
            }
        }
        QVERIFY2(misfits.isEmpty(), qPrintable("\n" + misfits.join("\n")));
        QVERIFY(checked > 20);
    }

private:
    // Whether text ending in BEFORE leaves the next word at the start of a
    // paragraph, a heading, a list item or a sentence.
    static bool StartsSentence(const QString& before)
    {
        QString text = before;
        text.remove("**");
        const QStringList lines = text.split('\n');
        const QString here = lines.last().trimmed();
        if (here == "*" || here == "!")
            return true;
        if (!here.isEmpty())
            return QString(".!?").contains(here.back());
        // At the start of a line: a new paragraph, unless the line above goes on.
        if (lines.size() < 2)
            return true;
        const QString above = lines[lines.size() - 2].trimmed();
        return above.isEmpty() || above.startsWith("! ") || QString(".!?").contains(above.back());
    }
};

QTEST_GUILESS_MAIN(TestShippedHelpFile)
#include "TestShippedHelpFile.moc"
