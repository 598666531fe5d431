#include "platform/help/THelpFile.h"

#include <QTemporaryDir>
#include <QtTest>

#include <string>
#include <sys/stat.h>

using namespace peglore;

Q_DECLARE_METATYPE(THelpFile::TError)

namespace {

std::string Titles(const THelpFile& file)
{
    std::string out;
    for (const THelpTopic& topic : file.Topics())
        out += std::to_string(topic.Context) + ":" + topic.Title + ";";
    return out;
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

}  // namespace

class TestHelpFile : public QObject {
    Q_OBJECT

private slots:
    void sections_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("titles");
        QTest::addColumn<int>("problems");

        QTest::newRow("one topic") << QByteArray("[topic 201]\ntitle=New game\n\nBody.\n") << "201:New game;" << 0;
        QTest::newRow("order kept") << QByteArray("[topic 3]\ntitle=C\n[topic 1]\ntitle=A\n") << "3:C;1:A;" << 0;
        QTest::newRow("case and blanks") << QByteArray("  [ TOPIC   42 ]  \n  TiTlE =  Spaced out  \n")
                                         << "42:Spaced out;" << 0;
        QTest::newRow("crlf and bom") << QByteArray("\xEF\xBB\xBF[topic 7]\r\ntitle=Seven\r\n") << "7:Seven;" << 0;
        QTest::newRow("comments anywhere") << QByteArray("; head\n[topic 5]\n; note\ntitle=Five\n") << "5:Five;" << 0;
        QTest::newRow("missing title") << QByteArray("[topic 9]\n\nText\n") << "9:Topic 9;" << 0;
        QTest::newRow("duplicate keeps first")
            << QByteArray("[topic 2]\ntitle=First\n[topic 2]\ntitle=Second\nBody\n[topic 3]\ntitle=T\n")
            << "2:First;3:T;" << 1;
        QTest::newRow("zero is no context")
            << QByteArray("[topic 0]\ntitle=Zero\n[topic 1]\ntitle=One\n") << "1:One;" << 1;
        QTest::newRow("bad numbers") << QByteArray(
                                            "[topic -4]\n[topic 12a]\n[topic 1000000000]\n[topic]\n[topic 999999999]\n")
                                     << "999999999:Topic 999999999;" << 4;
        QTest::newRow("unknown section skipped whole")
            << QByteArray("[options]\ntitle=Nope\nText\n[topic 4]\ntitle=Four\n") << "4:Four;" << 1;
        QTest::newRow("text before topics") << QByteArray("stray\n\n[topic 1]\ntitle=A\n") << "1:A;" << 1;
        QTest::newRow("unknown field") << QByteArray("[topic 1]\ntitle=A\ncolour=red\n") << "1:A;" << 1;
    }

    void sections()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, titles);
        QFETCH(int, problems);
        const THelpFile file = THelpFile::Parse(text.toStdString());
        QVERIFY(file.IsValid());
        QCOMPARE(QString::fromStdString(Titles(file)), titles);
        QCOMPARE(int(file.ProblemCount()), problems);
        QCOMPARE(int(file.Problems().size()), problems);
        for (const THelpTopic& topic : file.Topics())
            QCOMPARE(file.Find(topic.Context), &topic);
    }

    void bodyStartsAfterTheHeader_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("body");
        QTest::newRow("blank line dropped")
            << QByteArray("[topic 1]\ntitle=A\n\nLine one\n\nLine two\n\n\n") << "Line one\n\nLine two";
        QTest::newRow("no blank line") << QByteArray("[topic 1]\ntitle=A\nPress F1 now.\n") << "Press F1 now.";
        QTest::newRow("equals sign in body")
            << QByteArray("[topic 1]\ntitle=A\n\nkeywords=not a header\n") << "keywords=not a header";
        QTest::newRow("name with blank is body") << QByteArray("[topic 1]\nSee here: a=b\n") << "See here: a=b";
        QTest::newRow("indent kept") << QByteArray("[topic 1]\n\n* item\n  more\n") << "* item\n  more";
        QTest::newRow("link line is no section") << QByteArray("[topic 1]\n\n[[2]]\n[topic 2]\n") << "[[2]]";
        QTest::newRow("body ends at next topic") << QByteArray("[topic 1]\n\nOne\n[topic 2]\n\nTwo\n") << "One";
    }

    void bodyStartsAfterTheHeader()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, body);
        const THelpFile file = THelpFile::Parse(text.toStdString());
        QVERIFY(file.Find(1) != nullptr);
        QCOMPARE(QString::fromStdString(file.Find(1)->Body), body);
    }

    void keywords()
    {
        const THelpFile file =
            THelpFile::Parse("[topic 1]\nkeywords= new game ;F2;;  F2 ; starting ; \nkeywords=more\n");
        const std::vector<std::string> expected{"new game", "F2", "starting", "more"};
        QCOMPARE(file.Find(1)->Keywords, expected);
    }

    void longTitlesAreCutAtACharacter()
    {
        // After the "a", "é" (two bytes each) puts the limit inside a character.
        std::string title = "a";
        for (int i = 0; i < 150; ++i)
            title += "\xC3\xA9";
        const THelpFile file = THelpFile::Parse("[topic 1]\ntitle=" + title + "\n");
        const QString cut = QString::fromStdString(file.Find(1)->Title);
        QCOMPARE(cut, "a" + QString(99, QChar(0xE9)));
    }

    void unusableTexts_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<THelpFile::TError>("error");
        QTest::newRow("empty") << QByteArray() << THelpFile::TError::NoTopics;
        QTest::newRow("only comments") << QByteArray("; nothing\n\n") << THelpFile::TError::NoTopics;
        QTest::newRow("no valid section") << QByteArray("[topic x]\ntitle=A\n") << THelpFile::TError::NoTopics;
        QTest::newRow("nul byte") << QByteArray("[topic 1]\ntitle=A\0B\n", 20) << THelpFile::TError::NotText;
    }

    void unusableTexts()
    {
        QFETCH(QByteArray, text);
        QFETCH(THelpFile::TError, error);
        const THelpFile file = THelpFile::Parse(std::string(text.constData(), text.size()));
        QCOMPARE(file.Error(), error);
        QVERIFY(!file.IsValid());
        QVERIFY(file.Topics().empty());
        QVERIFY(file.Find(1) == nullptr);
    }

    void problemsAreBounded()
    {
        std::string text;
        for (int i = 0; i < 1000; ++i)
            text += "[topic 1]\n";
        const THelpFile file = THelpFile::Parse(text);
        QCOMPARE(file.ProblemCount(), std::size_t(999));
        QCOMPARE(file.Problems().size(), THelpFile::MaxProblems);
        QCOMPARE(QString::fromStdString(file.Problems().front()),
                 QString("line 2: topic 1 appears again; the first one is kept"));
    }

    void loadingFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<THelpFile::TError>("error");
        QTest::addColumn<QString>("reason");
        QTest::newRow("good") << "good" << THelpFile::TError::None << QString();
        QTest::newRow("missing") << "missing" << THelpFile::TError::Missing << "no such file";
        QTest::newRow("missing folder") << "missing folder" << THelpFile::TError::Missing << "no such file";
        QTest::newRow("empty") << "empty" << THelpFile::TError::NoTopics << "no help topics";
        QTest::newRow("folder") << "folder" << THelpFile::TError::NotAFile << "not a file";
        QTest::newRow("pipe") << "pipe" << THelpFile::TError::NotAFile << "not a file";
        QTest::newRow("huge") << "huge" << THelpFile::TError::TooLarge << "too large";
        QTest::newRow("binary") << "binary" << THelpFile::TError::NotText << "not a help file";
    }

    void loadingFiles()
    {
        QFETCH(QString, kind);
        QFETCH(THelpFile::TError, error);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QString path = folder.filePath("Peglore.hlp");
        if (kind == "good")
            WriteFile(path, "[topic 1]\ntitle=A\n");
        else if (kind == "missing folder")
            path = folder.filePath("nowhere/Peglore.hlp");
        else if (kind == "empty")
            WriteFile(path, QByteArray());
        else if (kind == "folder")
            QVERIFY(QDir(folder.path()).mkdir("Peglore.hlp"));
        else if (kind == "pipe")
            QCOMPARE(::mkfifo(path.toLocal8Bit().constData(), 0600), 0);
        else if (kind == "huge")
            WriteFile(path, "[topic 1]\ntitle=A\n" + QByteArray(int(THelpFile::MaxFileSize), 'x'));
        else if (kind == "binary")
            WriteFile(path, QByteArray("\x7F"
                                       "ELF\x02\x01\x01\0\0\0[topic 1]\n",
                                       20));

        const THelpFile file = THelpFile::Load(path.toStdString());
        QCOMPARE(file.Error(), error);
        QCOMPARE(QString::fromStdString(file.Path()), path);
        const QString text = QString::fromStdString(file.ErrorText());
        if (error == THelpFile::TError::None) {
            QVERIFY(text.isEmpty());
            QCOMPARE(file.Find(1)->Title, std::string("A"));
        } else {
            QVERIFY2(text.startsWith("Cannot open the help file \"" + path + "\": "), qPrintable(text));
            QVERIFY2(text.contains(reason), qPrintable(text));
        }
    }

    void fileOfExactlyTheLimitIsRead()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("Peglore.hlp");
        QByteArray text = "[topic 1]\ntitle=A\n\n";
        const qsizetype header = text.size();
        text += QByteArray(int(THelpFile::MaxFileSize) - header, 'x');
        WriteFile(path, text);
        const THelpFile file = THelpFile::Load(path.toStdString());
        QVERIFY(file.IsValid());
        QCOMPARE(file.Find(1)->Body.size(), THelpFile::MaxFileSize - std::size_t(header));
    }
};

QTEST_GUILESS_MAIN(TestHelpFile)
#include "TestHelpFile.moc"
