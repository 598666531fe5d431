#include "ProfileTestFiles.h"
#include "RenameHook.h"
#include "platform/profile/TProfileFile.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

using namespace peglore;
using namespace ProfileTestFiles;

// The exact bytes a write leaves in the file.
class TestProfileWrite : public QObject {
    Q_OBJECT

private slots:
    void init();
    void writesBytes_data();
    void writesBytes();
    void refusesEntriesThatCannotReadBack_data();
    void refusesEntriesThatCannotReadBack();
    void firstSaveOfTheSettings();
    void manyEntriesInOneWrite();
    void unchangedValuesLeaveTheFileAlone();

private:
    QString Path() const { return FDir->filePath("Peglore.ini"); }
    std::unique_ptr<QTemporaryDir> FDir;
};

void TestProfileWrite::init()
{
    FDir = std::make_unique<QTemporaryDir>();
    QVERIFY(FDir->isValid());
}

void TestProfileWrite::writesBytes_data()
{
    QTest::addColumn<QByteArray>("before");  // null: no file
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("after");

    // clang-format off
    QTest::newRow("creates the file") << QByteArray() << QByteArray("Options") << QByteArray("Music") << QByteArray("1")
        << QByteArray("[Options]\nMusic=1\n");
    QTest::newRow("empty file") << QByteArray("") << QByteArray("Options") << QByteArray("Music") << QByteArray("1")
        << QByteArray("[Options]\nMusic=1\n");
    QTest::newRow("replaces in place") << QByteArray("[Options]\nMusic=1\nSmartHints=1\n") << QByteArray("Options") << QByteArray("Music") << QByteArray("0")
        << QByteArray("[Options]\nMusic=0\nSmartHints=1\n");
    QTest::newRow("replaced line loses its blanks") << QByteArray("[Options]\n  music \t= 1 \nX=1\n") << QByteArray("OPTIONS") << QByteArray("Music") << QByteArray("0")
        << QByteArray("[Options]\nMusic=0\nX=1\n");
    QTest::newRow("replaces the first of duplicate keys") << QByteArray("[S]\nA=1\nA=2\n") << QByteArray("S") << QByteArray("A") << QByteArray("9")
        << QByteArray("[S]\nA=9\nA=2\n");
    QTest::newRow("writes into the first of duplicate sections") << QByteArray("[S]\nB=1\n[S]\nA=2\n") << QByteArray("S") << QByteArray("A") << QByteArray("9")
        << QByteArray("[S]\nB=1\nA=9\n[S]\nA=2\n");
    QTest::newRow("appends after the section's last entry") << QByteArray("[Options]\nMusic=1\n\n[Statistics]\nTotalGames=3\n") << QByteArray("Options") << QByteArray("SmartHints") << QByteArray("1")
        << QByteArray("[Options]\nMusic=1\nSmartHints=1\n\n[Statistics]\nTotalGames=3\n");
    QTest::newRow("appends before a comment closing the section") << QByteArray("[S]\nA=1\n; about T\n[T]\nX=1\n") << QByteArray("S") << QByteArray("B") << QByteArray("2")
        << QByteArray("[S]\nA=1\nB=2\n; about T\n[T]\nX=1\n");
    QTest::newRow("appends after entries between comments") << QByteArray("[S]\n; one\nA=1\n; two\nC=3\n\n\n") << QByteArray("S") << QByteArray("B") << QByteArray("2")
        << QByteArray("[S]\n; one\nA=1\n; two\nC=3\nB=2\n\n\n");
    QTest::newRow("section without entries") << QByteArray("[S]\n; note\n\n[T]\nX=1\n") << QByteArray("S") << QByteArray("B") << QByteArray("2")
        << QByteArray("[S]\nB=2\n; note\n\n[T]\nX=1\n");
    QTest::newRow("commented key is not the key") << QByteArray("[S]\n;A=1\n") << QByteArray("S") << QByteArray("A") << QByteArray("2")
        << QByteArray("[S]\nA=2\n;A=1\n");
    QTest::newRow("append to a last line without newline") << QByteArray("[S]\nA=1") << QByteArray("S") << QByteArray("B") << QByteArray("2")
        << QByteArray("[S]\nA=1\nB=2\n");
    QTest::newRow("append to a header without newline") << QByteArray("[S]") << QByteArray("S") << QByteArray("B") << QByteArray("2")
        << QByteArray("[S]\nB=2\n");
    QTest::newRow("replace a last line without newline") << QByteArray("[S]\nA=1") << QByteArray("S") << QByteArray("A") << QByteArray("2")
        << QByteArray("[S]\nA=2");
    QTest::newRow("new section at the end") << QByteArray("[S]\nA=1\n") << QByteArray("T") << QByteArray("B") << QByteArray("2")
        << QByteArray("[S]\nA=1\n[T]\nB=2\n");
    QTest::newRow("new section after a missing newline") << QByteArray("[S]\nA=1") << QByteArray("T") << QByteArray("B") << QByteArray("2")
        << QByteArray("[S]\nA=1\n[T]\nB=2\n");
    QTest::newRow("new section after comments and blanks") << QByteArray("; c\n\n") << QByteArray("T") << QByteArray("B") << QByteArray("2")
        << QByteArray("; c\n\n[T]\nB=2\n");
    QTest::newRow("new section when only a later one matches in part") << QByteArray("[Level]\nA=1\n") << QByteArray("Level Settings") << QByteArray("A") << QByteArray("2")
        << QByteArray("[Level]\nA=1\n[Level Settings]\nA=2\n");
    QTest::newRow("caller's names trimmed") << QByteArray() << QByteArray(" T\t") << QByteArray("\tB ") << QByteArray("2")
        << QByteArray("[T]\nB=2\n");
    QTest::newRow("value written as given") << QByteArray("[S]\n") << QByteArray("S") << QByteArray("K") << QByteArray("a b=c")
        << QByteArray("[S]\nK=a b=c\n");
    QTest::newRow("empty value") << QByteArray("[S]\nK=1\n") << QByteArray("S") << QByteArray("K") << QByteArray("")
        << QByteArray("[S]\nK=\n");
    QTest::newRow("every other byte kept") << QByteArray("; Peglore\r\n\n  [Options] ; mine\nMusic = 1\n\tfoo :bar\n junk=\t\x01\xff \n\n[Other]\nMusic=7\n#end")
        << QByteArray("options") << QByteArray("Music") << QByteArray("0")
        << QByteArray("; Peglore\r\n\n  [Options] ; mine\nMusic=0\n\tfoo :bar\n junk=\t\x01\xff \n\n[Other]\nMusic=7\n#end");
    QTest::newRow("CRLF replace") << QByteArray("[S]\r\nA=1\r\nB=2\r\n") << QByteArray("S") << QByteArray("A") << QByteArray("3")
        << QByteArray("[S]\r\nA=3\r\nB=2\r\n");
    QTest::newRow("CRLF append") << QByteArray("[S]\r\nA=1\r\n\r\n[T]\r\n") << QByteArray("S") << QByteArray("B") << QByteArray("2")
        << QByteArray("[S]\r\nA=1\r\nB=2\r\n\r\n[T]\r\n");
    QTest::newRow("CRLF new section") << QByteArray("[S]\r\nA=1\r\n") << QByteArray("T") << QByteArray("B") << QByteArray("2")
        << QByteArray("[S]\r\nA=1\r\n[T]\r\nB=2\r\n");
    QTest::newRow("CRLF without final newline") << QByteArray("[S]\r\nA=1") << QByteArray("S") << QByteArray("B") << QByteArray("2")
        << QByteArray("[S]\r\nA=1\r\nB=2\r\n");
    QTest::newRow("lone CR at the end") << QByteArray("[S]\nA=1\r") << QByteArray("S") << QByteArray("B") << QByteArray("2")
        << QByteArray("[S]\nA=1\r\nB=2\n");
    QTest::newRow("only line ends in a lone CR") << QByteArray("; x\r") << QByteArray("T") << QByteArray("B") << QByteArray("2")
        << QByteArray("; x\r\n[T]\r\nB=2\r\n");
    QTest::newRow("byte order mark kept") << QByteArray("\xEF\xBB\xBF[S]\nA=1\n") << QByteArray("S") << QByteArray("A") << QByteArray("2")
        << QByteArray("\xEF\xBB\xBF[S]\nA=2\n");
    // clang-format on
}

void TestProfileWrite::writesBytes()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, after);
    if (!before.isNull())
        QVERIFY(WriteBytes(Path(), before));

    TProfileFile file(Std(Path()));
    QVERIFY2(file.WriteString(Std(section), Std(key), Std(value)), ProfileErrorText(file.LastError()));
    QCOMPARE(file.LastError(), TProfileError::None);
    QCOMPARE(ReadBytes(Path()), after);
    QCOMPARE(Bytes(file.ReadString(Std(section), Std(key), "DEF")), value);
    QCOMPARE(Entries(FDir->path()), QStringList{"Peglore.ini"});
}

void TestProfileWrite::refusesEntriesThatCannotReadBack_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<TProfileError>("error");

    // clang-format off
    QTest::newRow("empty section") << QByteArray("") << QByteArray("K") << QByteArray("1") << TProfileError::InvalidSection;
    QTest::newRow("blank section") << QByteArray(" \t") << QByteArray("K") << QByteArray("1") << TProfileError::InvalidSection;
    QTest::newRow("']' in section") << QByteArray("a]b") << QByteArray("K") << QByteArray("1") << TProfileError::InvalidSection;
    QTest::newRow("newline in section") << QByteArray("a\nb") << QByteArray("K") << QByteArray("1") << TProfileError::InvalidSection;
    QTest::newRow("empty key") << QByteArray("S") << QByteArray("") << QByteArray("1") << TProfileError::InvalidKey;
    QTest::newRow("'=' in key") << QByteArray("S") << QByteArray("a=b") << QByteArray("1") << TProfileError::InvalidKey;
    QTest::newRow("key like a header") << QByteArray("S") << QByteArray("[x]") << QByteArray("1") << TProfileError::InvalidKey;
    QTest::newRow("key like a comment") << QByteArray("S") << QByteArray(";x") << QByteArray("1") << TProfileError::InvalidKey;
    QTest::newRow("key like a # comment") << QByteArray("S") << QByteArray(" #x") << QByteArray("1") << TProfileError::InvalidKey;
    QTest::newRow("CR in key") << QByteArray("S") << QByteArray("a\rb") << QByteArray("1") << TProfileError::InvalidKey;
    QTest::newRow("LF in value") << QByteArray("S") << QByteArray("K") << QByteArray("1\n[T]") << TProfileError::InvalidValue;
    QTest::newRow("CR in value") << QByteArray("S") << QByteArray("K") << QByteArray("1\r") << TProfileError::InvalidValue;
    // clang-format on
}

void TestProfileWrite::refusesEntriesThatCannotReadBack()
{
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    QFETCH(TProfileError, error);
    const QByteArray before("[S]\nK=old\n");
    QVERIFY(WriteBytes(Path(), before));

    TProfileError reported = TProfileError::None;
    QVERIFY(!WriteProfileString(Std(Path()), Std(section), Std(key), Std(value), &reported));
    QCOMPARE(reported, error);
    QCOMPARE(ReadBytes(Path()), before);
    QCOMPARE(Entries(FDir->path()), QStringList{"Peglore.ini"});
}

// The ten keys written one by one into no file, in the order the game saves them.
void TestProfileWrite::firstSaveOfTheSettings()
{
    const char* const entries[][3] = {
        {"Options", "Music", "1"},
        {"Options", "SmartHints", "0"},
        {"Options", "AutoCheck", "1"},
        {"Statistics", "TotalGames", "12"},
        {"Statistics", "GamesWon", "5"},
        {"Statistics", "GamesLost", "-3"},
        {"Statistics", "UnfinishedGames", "10"},
        {"Level Settings", "CustomColumns", "4"},
        {"Level Settings", "CustomRows", "10"},
        {"Level Settings", "DifficultyLevel", "3"},
    };
    for (const auto& entry : entries)
        QVERIFY(WriteProfileString(Std(Path()), entry[0], entry[1], entry[2]));
    QCOMPARE(ReadBytes(Path()), QByteArray("[Options]\nMusic=1\nSmartHints=0\nAutoCheck=1\n"
                                           "[Statistics]\nTotalGames=12\nGamesWon=5\nGamesLost=-3\n"
                                           "UnfinishedGames=10\n"
                                           "[Level Settings]\nCustomColumns=4\nCustomRows=10\n"
                                           "DifficultyLevel=3\n"));

    // Saving again with other values changes only the values.
    QVERIFY(WriteProfileString(Std(Path()), "Statistics", "GamesWon", "6"));
    QVERIFY(WriteProfileString(Std(Path()), "Options", "Music", "0"));
    QCOMPARE(ReadBytes(Path()), QByteArray("[Options]\nMusic=0\nSmartHints=0\nAutoCheck=1\n"
                                           "[Statistics]\nTotalGames=12\nGamesWon=6\nGamesLost=-3\n"
                                           "UnfinishedGames=10\n"
                                           "[Level Settings]\nCustomColumns=4\nCustomRows=10\n"
                                           "DifficultyLevel=3\n"));
}

// All of a save in one write: the same bytes as key by key, from one rewrite.
void TestProfileWrite::manyEntriesInOneWrite()
{
    QVERIFY(WriteBytes(Path(),
                       "; mine\n[level settings]\nDifficultyLevel=1\n; end\n[Other]\nMusic=7\n[OPTIONS]\nmusic = 1\n"));
    const std::vector<TProfileEntry> entries{
        {"Options", "Music", "0"},
        {"Statistics", "TotalGames", "12"},
        {"Level Settings", "CustomColumns", "4"},
        {"Level Settings", "DifficultyLevel", "3"},
        {"Statistics", "GamesWon", "5"},
        {"Options", "AutoCheck", "1"},
        {"options", "MUSIC", "1"},
    };
    TProfileFile file(Std(Path()));
    int saves = 0;
    const TRenameHook hook([&](const std::string&, const std::string&) { return ++saves > 0; });
    QVERIFY(file.WriteStrings(entries));
    QCOMPARE(saves, 1);
    QCOMPARE(ReadBytes(Path()), QByteArray("; mine\n[level settings]\nDifficultyLevel=3\nCustomColumns=4\n; end\n"
                                           "[Other]\nMusic=7\n[OPTIONS]\nMUSIC=1\nAutoCheck=1\n"
                                           "[Statistics]\nTotalGames=12\nGamesWon=5\n"));

    // One entry that cannot be stored stops them all.
    const QByteArray before = ReadBytes(Path());
    const std::vector<TProfileEntry> broken{{"Options", "Music", "0"}, {"Options", "Bad=Key", "1"}};
    QVERIFY(!file.WriteStrings(broken));
    QCOMPARE(file.LastError(), TProfileError::InvalidKey);
    QCOMPARE(ReadBytes(Path()), before);
}

void TestProfileWrite::unchangedValuesLeaveTheFileAlone()
{
    const QByteArray before = "[Options]\nMusic=1\nSmartHints=0\n";
    QVERIFY(WriteBytes(Path(), before));
    const QFileInfo old(Path());
    TProfileFile file(Std(Path()));
    bool saved = false;
    const TRenameHook hook([&](const std::string&, const std::string&) { return saved = true; });
    const std::vector<TProfileEntry> same{{"Options", "SmartHints", "0"}, {"Options", "Music", "1"}};
    QVERIFY(file.WriteStrings(same));
    QVERIFY(!saved);
    QCOMPARE(ReadBytes(Path()), before);
    QCOMPARE(QFileInfo(Path()).fileTime(QFileDevice::FileModificationTime),
             old.fileTime(QFileDevice::FileModificationTime));

    // A blank or a letter in another case is a change.
    QVERIFY(file.WriteString("options", "music", "1"));
    QVERIFY(saved);
    QCOMPARE(ReadBytes(Path()), QByteArray("[Options]\nmusic=1\nSmartHints=0\n"));
}

QTEST_GUILESS_MAIN(TestProfileWrite)
#include "TestProfileWrite.moc"
