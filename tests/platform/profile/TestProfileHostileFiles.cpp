#include "ProfileTestFiles.h"
#include "platform/profile/TProfileFile.h"
#include "platform/profile/TProfileLineReader.h"
#include "TMemoryProfile.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <vector>

using namespace peglore;
using namespace ProfileTestFiles;

// Files no settings writer would make: empty, binary, huge, not files at all.
class TestProfileHostileFiles : public QObject {
    Q_OBJECT

private slots:
    void init();
    void emptyFile();
    void binaryFileReadsAndGrowsAtTheEnd();
    void binaryBytesAroundEntries();
    void hugeOneLineIsAForeignLine();
    void lineAtTheLengthLimit_data();
    void lineAtTheLengthLimit();
    void entryPastTheLineLimitIsRefused();
    void manyShortLines();
    void fileAgreesWithTextAcrossReadChunks_data();
    void fileAgreesWithTextAcrossReadChunks();
    void namedPipeDoesNotBlock();

private:
    QString Path() const { return FDir->filePath("Peglore.ini"); }
    std::unique_ptr<QTemporaryDir> FDir;
};

void TestProfileHostileFiles::init()
{
    FDir = std::make_unique<QTemporaryDir>();
    QVERIFY(FDir->isValid());
}

void TestProfileHostileFiles::emptyFile()
{
    QVERIFY(WriteBytes(Path(), ""));
    TProfileError error = TProfileError::FileMissing;
    const TProfileKey key{"Options", "Music"};
    QCOMPARE(TProfileFile(Std(Path())).ReadStrings({&key, 1}, &error), std::vector<std::optional<std::string>>(1));
    QCOMPARE(error, TProfileError::None);
}

void TestProfileHostileFiles::binaryFileReadsAndGrowsAtTheEnd()
{
    // Every byte value, NULs, stray CRs and invalid UTF-8 included, but no
    // header of a section called "Options".
    QByteArray binary;
    for (int i = 0; i < 8192; ++i)
        binary.append(char((i * 37 + 11) & 0xFF));
    binary.append("\xC3\x28\xFF\xFE\x00\x00", 6);
    QVERIFY(!binary.toLower().contains("[options]"));
    QVERIFY(WriteBytes(Path(), binary));

    QCOMPARE(ReadProfileString(Std(Path()), "Options", "Music", "DEF"), std::string("DEF"));
    QVERIFY(WriteProfileString(Std(Path()), "Options", "Music", "1"));
    const QByteArray after = ReadBytes(Path());
    QVERIFY(after.startsWith(binary));
    const QByteArray tail = after.mid(binary.size());
    QVERIFY2(tail == "\n[Options]\nMusic=1\n" || tail == "\r\n[Options]\r\nMusic=1\r\n", tail.toHex().constData());
    QCOMPARE(ReadProfileString(Std(Path()), "Options", "Music", "DEF"), std::string("1"));
}

void TestProfileHostileFiles::binaryBytesAroundEntries()
{
    static const char bytes[] = "\x00\xFF\n[Options]\nMu\x00sic=0\nMusic=\x01\xFE\xC3\x28\n"
                                "\x00[Statistics]\nTotalGames=3\n";
    const QByteArray file(bytes, sizeof bytes - 1);
    QVERIFY(WriteBytes(Path(), file));
    QCOMPARE(Bytes(ReadProfileString(Std(Path()), "Options", "Music", "DEF")), QByteArray("\x01\xFE\xC3\x28"));
    // A NUL before the '[' makes that line no header.
    QCOMPARE(ReadProfileString(Std(Path()), "Statistics", "TotalGames", "DEF"), std::string("DEF"));

    QVERIFY(WriteProfileString(Std(Path()), "Options", "Music", "1"));
    QByteArray expected = file;
    expected.replace(QByteArray("Music=\x01\xFE\xC3\x28"), QByteArray("Music=1"));
    QCOMPARE(ReadBytes(Path()), expected);
}

// A line past the length limit is a foreign line whatever it holds: kept
// byte for byte, never read.
void TestProfileHostileFiles::hugeOneLineIsAForeignLine()
{
    QByteArray huge = "[Options]Music=0";
    huge.append(QByteArray(50 * 1024 * 1024, 'x'));
    QVERIFY(WriteBytes(Path(), huge));

    QCOMPARE(ReadProfileString(Std(Path()), "Options", "Music", "1"), std::string("1"));
    TProfileFile file(Std(Path()));
    QVERIFY2(file.WriteString("Options", "Music", "1"), ProfileErrorText(file.LastError()));
    const QByteArray after = ReadBytes(Path());
    QCOMPARE(after.size(), huge.size() + 19);
    QVERIFY(after.startsWith(huge));
    QCOMPARE(after.mid(huge.size()), QByteArray("\n[Options]\nMusic=1\n"));
    QCOMPARE(file.ReadString("Options", "Music", "?"), std::string("1"));
    QCOMPARE(Entries(FDir->path()), QStringList{"Peglore.ini"});
}

void TestProfileHostileFiles::lineAtTheLengthLimit_data()
{
    QTest::addColumn<int>("extra");  // bytes past the limit
    QTest::addColumn<QByteArray>("ending");
    QTest::addColumn<bool>("read");
    QTest::newRow("at the limit") << 0 << QByteArray("\n") << true;
    QTest::newRow("at the limit, CRLF") << 0 << QByteArray("\r\n") << true;
    QTest::newRow("at the limit, last line") << 0 << QByteArray() << true;
    QTest::newRow("one byte past") << 1 << QByteArray("\n") << false;
    QTest::newRow("one byte past, CRLF") << 1 << QByteArray("\r\n") << false;
    QTest::newRow("one byte past, last line") << 1 << QByteArray() << false;
}

void TestProfileHostileFiles::lineAtTheLengthLimit()
{
    QFETCH(int, extra);
    QFETCH(QByteArray, ending);
    QFETCH(bool, read);
    const qsizetype limit = qsizetype(TProfileLineReader::MaxLineLength);
    QByteArray line = "A=";
    line.append(QByteArray(limit + extra - line.size(), 'v'));
    const QByteArray rest = ending.isEmpty() ? QByteArray() : QByteArray("[T]\nB=2\n");
    QVERIFY(WriteBytes(Path(), "[S]\n" + line + ending + rest));
    QCOMPARE(ReadProfileString(Std(Path()), "S", "A", "DEF"),
             read ? std::string(MaxProfileValueLength, 'v') : std::string("DEF"));
    if (!rest.isEmpty())
        QCOMPARE(ReadProfileString(Std(Path()), "T", "B", "DEF"), std::string("2"));

    // Rewritten when read as an entry; else kept, with the new entry after the header.
    QVERIFY(WriteProfileString(Std(Path()), "S", "A", "1"));
    QCOMPARE(ReadBytes(Path()), read ? "[S]\nA=1" + ending + rest : "[S]\nA=1\n" + line + ending + rest);
}

void TestProfileHostileFiles::entryPastTheLineLimitIsRefused()
{
    const QByteArray before = "[S]\nA=1\n";
    QVERIFY(WriteBytes(Path(), before));
    const std::size_t limit = TProfileLineReader::MaxLineLength;

    TProfileFile file(Std(Path()));
    QVERIFY(!file.WriteString("S", "A", std::string(limit - 1, 'v')));
    QCOMPARE(file.LastError(), TProfileError::InvalidValue);
    QVERIFY(!file.WriteString("S", std::string(limit, 'k'), "1"));
    QCOMPARE(file.LastError(), TProfileError::InvalidKey);
    QVERIFY(!file.WriteString(std::string(limit - 1, 's'), "A", "1"));
    QCOMPARE(file.LastError(), TProfileError::InvalidSection);
    QCOMPARE(ReadBytes(Path()), before);

    // The longest line that still reads back.
    QVERIFY(file.WriteString("S", "A", std::string(limit - 2, 'v')));
    QCOMPARE(file.ReadString("S", "A", "DEF"), std::string(MaxProfileValueLength, 'v'));
}

void TestProfileHostileFiles::manyShortLines()
{
    QByteArray file;
    const QByteArray filler("[x]\n=\n;\n\n");
    while (file.size() < 3 * 1024 * 1024)
        file.append(filler);
    file.append("[S]\nA=1\n");
    QVERIFY(WriteBytes(Path(), file));
    QCOMPARE(ReadProfileString(Std(Path()), "S", "A", "DEF"), std::string("1"));
    QCOMPARE(ReadProfileString(Std(Path()), "x", "A", "DEF"), std::string("DEF"));
}

void TestProfileHostileFiles::namedPipeDoesNotBlock()
{
    QCOMPARE(::mkfifo(QFile::encodeName(Path()).constData(), 0600), 0);
    TProfileError error = TProfileError::None;
    const TProfileKey key{"Options", "Music"};
    TProfileFile(Std(Path())).ReadStrings({&key, 1}, &error);
    QCOMPARE(error, TProfileError::NotRegularFile);
    QCOMPARE(ReadProfileString(Std(Path()), "Options", "Music", "1"), std::string("1"));

    TProfileFile file(Std(Path()));
    QVERIFY(!file.WriteString("Options", "Music", "0"));
    QCOMPARE(file.LastError(), TProfileError::NotRegularFile);
    struct stat status {};
    QCOMPARE(::lstat(QFile::encodeName(Path()).constData(), &status), 0);
    QVERIFY(S_ISFIFO(status.st_mode));
}

void TestProfileHostileFiles::fileAgreesWithTextAcrossReadChunks_data()
{
    QTest::addColumn<unsigned>("seed");
    for (const unsigned seed : {1u, 2u, 3u, 4u})
        QTest::newRow(qPrintable(QString::number(seed))) << seed;
}

// A file is read in pieces, a text in memory at once: lines that straddle the
// pieces, long lines and all endings must come out the same either way.
void TestProfileHostileFiles::fileAgreesWithTextAcrossReadChunks()
{
    QFETCH(unsigned, seed);
    QRandomGenerator random(seed);
    const QList<QByteArray> names{"S", "T", "Options", "Level Settings"};
    const QList<QByteArray> endings{"\n", "\r\n", "\r", ""};
    QByteArray bytes;
    while (bytes.size() < 3 * 1024 * 1024) {
        const QByteArray& name = names[random.bounded(int(names.size()))];
        QByteArray line;
        switch (random.bounded(6)) {
        case 0: line = " [" + name + "] ;" + QByteArray(random.bounded(8), 'h'); break;
        case 1: line = ";" + QByteArray(random.bounded(200), 'c'); break;
        case 2: line = QByteArray(qsizetype(TProfileLineReader::MaxLineLength) - 2 + random.bounded(5), '['); break;
        default: line = name + QByteArray::number(random.bounded(4)) + " = " + QByteArray(random.bounded(300), 'v');
        }
        bytes += line + endings[random.bounded(random.bounded(50) == 0 ? 4 : 2)];
    }
    QVERIFY(WriteBytes(Path(), bytes));

    std::vector<std::string> sections, keys;
    std::vector<TProfileKey> wanted;
    std::vector<TProfileEntry> entries;
    for (const QByteArray& section : names)
        for (int k = 0; k < 5; ++k)
            sections.push_back(section.toStdString()), keys.push_back(section.toStdString() + std::to_string(k));
    for (std::size_t i = 0; i < sections.size(); ++i) {
        wanted.push_back({sections[i], keys[i]});
        entries.push_back({sections[i], keys[i], "new"});
    }
    entries.push_back({"New section", "K", "1"});

    TMemoryProfile text(Std(bytes));
    QCOMPARE(TProfileFile(Std(Path())).ReadStrings(wanted), text.ReadStrings(wanted));
    QCOMPARE(text.WriteStrings(entries), TProfileError::None);
    QVERIFY(TProfileFile(Std(Path())).WriteStrings(entries));
    QVERIFY(ReadBytes(Path()) == Bytes(text.Text()));
}

QTEST_GUILESS_MAIN(TestProfileHostileFiles)
#include "TestProfileHostileFiles.moc"
