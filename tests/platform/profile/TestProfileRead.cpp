#include "ProfileTestFiles.h"
#include "platform/profile/TProfileFile.h"

#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <string>
#include <vector>

using namespace peglore;
using namespace ProfileTestFiles;

// What a key reads as, from files written byte by byte.
class TestProfileRead : public QObject {
    Q_OBJECT

private slots:
    void readsValue_data();
    void readsValue();
    void missingFileGivesDefaults();
    void readsManyKeysAtOnce();

private:
    QTemporaryDir FDir;
};

void TestProfileRead::readsValue_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("expected");  // the default is always "DEF"

    const QByteArray v1023(1023, 'v');
    const QByteArray v1024 = v1023 + "w";

    // clang-format off
    QTest::newRow("plain") << QByteArray("[Options]\nMusic=0\n") << QByteArray("Options") << QByteArray("Music") << QByteArray("0");
    QTest::newRow("section in other case") << QByteArray("[oPTIONS]\nMusic=0\n") << QByteArray("Options") << QByteArray("Music") << QByteArray("0");
    QTest::newRow("key in other case") << QByteArray("[Options]\nmUSIC=0\n") << QByteArray("Options") << QByteArray("Music") << QByteArray("0");
    QTest::newRow("caller's case differs") << QByteArray("[Options]\nMusic=0\n") << QByteArray("OPTIONS") << QByteArray("music") << QByteArray("0");
    QTest::newRow("name with a blank inside") << QByteArray("[Level Settings]\nCustomRows=12\n") << QByteArray("level settings") << QByteArray("CustomRows") << QByteArray("12");
    QTest::newRow("blanks around names and value") << QByteArray(" \t[ Options\t]  \n \t Music \t=\t 0 \t\n") << QByteArray("Options") << QByteArray("Music") << QByteArray("0");
    QTest::newRow("blanks inside a value kept") << QByteArray("[S]\nK= a \t b \n") << QByteArray("S") << QByteArray("K") << QByteArray("a \t b");
    QTest::newRow("caller's names trimmed") << QByteArray("[Options]\nMusic=0\n") << QByteArray(" Options\t") << QByteArray("\tMusic ") << QByteArray("0");
    QTest::newRow("first key wins") << QByteArray("[S]\nA=1\nA=2\n") << QByteArray("S") << QByteArray("A") << QByteArray("1");
    QTest::newRow("first section wins") << QByteArray("[S]\nA=1\n[s]\nA=2\n") << QByteArray("S") << QByteArray("A") << QByteArray("1");
    QTest::newRow("later duplicate section not consulted") << QByteArray("[S]\nA=1\n[S]\nB=2\n") << QByteArray("S") << QByteArray("B") << QByteArray("DEF");
    QTest::newRow("key of another section") << QByteArray("[T]\nA=1\n[S]\nB=2\n") << QByteArray("S") << QByteArray("A") << QByteArray("DEF");
    QTest::newRow("key before any section") << QByteArray("A=1\n[S]\nB=2\n") << QByteArray("S") << QByteArray("A") << QByteArray("DEF");
    QTest::newRow("missing section") << QByteArray("[T]\nA=1\n") << QByteArray("S") << QByteArray("A") << QByteArray("DEF");
    QTest::newRow("missing key") << QByteArray("[S]\nB=1\n") << QByteArray("S") << QByteArray("A") << QByteArray("DEF");
    QTest::newRow("key is a prefix") << QByteArray("[S]\nAB=1\n") << QByteArray("S") << QByteArray("A") << QByteArray("DEF");
    QTest::newRow("empty value is no default") << QByteArray("[S]\nA=\n") << QByteArray("S") << QByteArray("A") << QByteArray("");
    QTest::newRow("value holding '='") << QByteArray("[S]\nA=b=c\n") << QByteArray("S") << QByteArray("A") << QByteArray("b=c");
    QTest::newRow("double quotes removed") << QByteArray("[S]\nA=\" x \"\n") << QByteArray("S") << QByteArray("A") << QByteArray(" x ");
    QTest::newRow("single quotes removed") << QByteArray("[S]\nA='0'\n") << QByteArray("S") << QByteArray("A") << QByteArray("0");
    QTest::newRow("unmatched quote kept") << QByteArray("[S]\nA=\"0'\n") << QByteArray("S") << QByteArray("A") << QByteArray("\"0'");
    QTest::newRow("commented entries ignored") << QByteArray("[S]\n;A=1\n  #A=2\nA=3\n") << QByteArray("S") << QByteArray("A") << QByteArray("3");
    QTest::newRow("commented header ignored") << QByteArray("[T]\n;[S]\nA=1\n") << QByteArray("S") << QByteArray("A") << QByteArray("DEF");
    QTest::newRow("unclosed header opens nothing") << QByteArray("[S\nA=1\n") << QByteArray("S") << QByteArray("A") << QByteArray("DEF");
    QTest::newRow("text after header") << QByteArray("[S] ; the options\nA=1\n") << QByteArray("S") << QByteArray("A") << QByteArray("1");
    QTest::newRow("line without '=' skipped") << QByteArray("[S]\nA\nA=1\n") << QByteArray("S") << QByteArray("A") << QByteArray("1");
    QTest::newRow("CRLF") << QByteArray("[S]\r\nA=1\r\nB=2\r\n") << QByteArray("S") << QByteArray("A") << QByteArray("1");
    QTest::newRow("no final newline") << QByteArray("[S]\nA=1") << QByteArray("S") << QByteArray("A") << QByteArray("1");
    QTest::newRow("lone CR at the end") << QByteArray("[S]\nA=1\r") << QByteArray("S") << QByteArray("A") << QByteArray("1");
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF[S]\nA=1\n") << QByteArray("S") << QByteArray("A") << QByteArray("1");
    QTest::newRow("1023 characters") << QByteArray("[S]\nA=" + v1023 + "\n") << QByteArray("S") << QByteArray("A") << v1023;
    QTest::newRow("1024 characters cut to 1023") << QByteArray("[S]\nA=" + v1024 + "\n") << QByteArray("S") << QByteArray("A") << v1023;
    QTest::newRow("cut after trimming") << QByteArray("[S]\nA=   " + v1023 + "   \n") << QByteArray("S") << QByteArray("A") << v1023;
    QTest::newRow("empty section asked") << QByteArray("[]\nA=1\n") << QByteArray("") << QByteArray("A") << QByteArray("DEF");
    // clang-format on
}

void TestProfileRead::readsValue()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, expected);
    QVERIFY(FDir.isValid());
    const QString path = FDir.filePath("Peglore.ini");
    QVERIFY(WriteBytes(path, file));

    QCOMPARE(Bytes(ReadProfileString(Std(path), Std(section), Std(key), "DEF")), expected);
}

void TestProfileRead::missingFileGivesDefaults()
{
    const std::string path = Std(FDir.filePath("absent.ini"));
    QCOMPARE(ReadProfileString(path, "Options", "Music", "1"), std::string("1"));
    QCOMPARE(ReadProfileString(path, "Options", "Music", ""), std::string());

    TProfileError error = TProfileError::None;
    const TProfileKey key{"Options", "Music"};
    QCOMPARE(TProfileFile(path).ReadStrings({&key, 1}, &error), std::vector<std::optional<std::string>>(1));
    QCOMPARE(error, TProfileError::FileMissing);
    QVERIFY(!QFile::exists(FDir.filePath("absent.ini")));
}

void TestProfileRead::readsManyKeysAtOnce()
{
    const QString path = FDir.filePath("many.ini");
    QVERIFY(WriteBytes(path, "[Options]\nMusic=0\n[Statistics]\nTotalGames=0x1A\n"
                             "[Level Settings]\nCustomRows=12\n[options]\nSmartHints=1\n"));
    const std::vector<TProfileKey> keys{{"Level Settings", "CustomRows"},
                                        {"Options", "Music"},
                                        {"Statistics", "TotalGames"},
                                        {"Level Settings", "CustomColumns"},
                                        {"Options", "SmartHints"},
                                        {"OPTIONS", "music"},
                                        {"", "Music"}};
    TProfileError error = TProfileError::FileMissing;
    const std::vector<std::optional<std::string>> values = TProfileFile(Std(path)).ReadStrings(keys, &error);
    QCOMPARE(error, TProfileError::None);
    const std::vector<std::optional<std::string>> expected{"12",         "0", "0x1A",      std::nullopt,
                                                           std::nullopt, "0", std::nullopt};
    QCOMPARE(values, expected);
}

QTEST_GUILESS_MAIN(TestProfileRead)
#include "TestProfileRead.moc"
