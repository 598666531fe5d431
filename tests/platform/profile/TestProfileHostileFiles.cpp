#include "ProfileTestFiles.h"
#include "platform/profile/TProfileFile.h"

#include <QCryptographicHash>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sys/stat.h>

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
    void hugeOneLineFileIsNeitherReadNorReplaced();
    void fileAtTheSizeLimit();
    void writeThatWouldPassTheLimitIsRefused();
    void manyShortLines();
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
    QVERIFY(TProfileFile(Std(Path())).Load(&error).Text().empty());
    QCOMPARE(error, TProfileError::None);
    QCOMPARE(ReadProfileString(Std(Path()), "Options", "Music", "1"), std::string("1"));
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

void TestProfileHostileFiles::hugeOneLineFileIsNeitherReadNorReplaced()
{
    QByteArray huge = "[Options]Music=0";
    huge.append(QByteArray(50 * 1024 * 1024, 'x'));
    QVERIFY(WriteBytes(Path(), huge));
    const QByteArray hash = QCryptographicHash::hash(huge, QCryptographicHash::Sha256);

    TProfileError error = TProfileError::None;
    QVERIFY(TProfileFile(Std(Path())).Load(&error).Text().empty());
    QCOMPARE(error, TProfileError::FileTooLarge);
    QCOMPARE(ReadProfileString(Std(Path()), "Options", "Music", "1"), std::string("1"));

    TProfileFile file(Std(Path()));
    QVERIFY(!file.WriteString("Options", "Music", "1"));
    QCOMPARE(file.LastError(), TProfileError::FileTooLarge);
    QCOMPARE(QCryptographicHash::hash(ReadBytes(Path()), QCryptographicHash::Sha256), hash);
    QCOMPARE(Entries(FDir->path()), QStringList{"Peglore.ini"});
}

void TestProfileHostileFiles::fileAtTheSizeLimit()
{
    const qsizetype limit = qsizetype(TProfileFile::MaxFileSize);
    QByteArray file = "[S]\nA=";
    file.append(QByteArray(limit - file.size(), 'v'));
    QCOMPARE(file.size(), limit);
    QVERIFY(WriteBytes(Path(), file));
    QCOMPARE(ReadProfileString(Std(Path()), "S", "A", "DEF"), std::string(TProfileText::MaxValueLength, 'v'));

    file.append('v');
    QVERIFY(WriteBytes(Path(), file));
    QCOMPARE(ReadProfileString(Std(Path()), "S", "A", "DEF"), std::string("DEF"));
}

void TestProfileHostileFiles::writeThatWouldPassTheLimitIsRefused()
{
    const qsizetype limit = qsizetype(TProfileFile::MaxFileSize);
    QByteArray file = "[S]\nA=";
    file.append(QByteArray(limit - file.size() - 5, 'v'));
    file.append("\n");
    QVERIFY(WriteBytes(Path(), file));

    TProfileFile profile(Std(Path()));
    QVERIFY(profile.WriteString("S", "B", "1"));  // exactly at the limit
    file.append("B=1\n");
    QCOMPARE(ReadBytes(Path()), file);
    QVERIFY(!profile.WriteString("S", "B", "12"));
    QCOMPARE(profile.LastError(), TProfileError::FileTooLarge);
    QCOMPARE(ReadBytes(Path()), file);
    QCOMPARE(profile.ReadString("S", "B", "DEF"), std::string("1"));
}

void TestProfileHostileFiles::manyShortLines()
{
    QByteArray file;
    const QByteArray filler("[x]\n=\n;\n\n");
    while (file.size() + filler.size() + 16 < qsizetype(TProfileFile::MaxFileSize))
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
    TProfileFile(Std(Path())).Load(&error);
    QCOMPARE(error, TProfileError::NotRegularFile);
    QCOMPARE(ReadProfileString(Std(Path()), "Options", "Music", "1"), std::string("1"));

    TProfileFile file(Std(Path()));
    QVERIFY(!file.WriteString("Options", "Music", "0"));
    QCOMPARE(file.LastError(), TProfileError::NotRegularFile);
    struct stat status {};
    QCOMPARE(::lstat(QFile::encodeName(Path()).constData(), &status), 0);
    QVERIFY(S_ISFIFO(status.st_mode));
}

QTEST_GUILESS_MAIN(TestProfileHostileFiles)
#include "TestProfileHostileFiles.moc"
