// The one reader of files from outside: what it refuses and why, and that a
// regular file reads back whole up to the limit and byte for byte at any
// offset.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <string>

#include "platform/files/TReadOnlyFile.h"

using namespace peglore;

Q_DECLARE_METATYPE(peglore::TFileError)

namespace {

constexpr std::size_t Limit = 4096;

QByteArray Pattern(qsizetype size)
{
    QByteArray bytes(size, '\0');
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char(i * 7 + i / 251);
    return bytes;
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

class TestReadOnlyFile : public QObject {
    Q_OBJECT

private slots:
    void refuses_data();
    void refuses();
    void readsRegularFiles_data();
    void readsRegularFiles();
};

void TestReadOnlyFile::refuses_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<TFileError>("error");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << "missing" << TFileError::Missing << "there is no such file";
    QTest::newRow("under a file") << "under a file" << TFileError::Missing << "there is no such file";
    QTest::newRow("folder") << "folder" << TFileError::NotAFile << "it is a folder, not a file";
    QTest::newRow("named pipe") << "pipe" << TFileError::NotAFile << "it is a named pipe, not a file";
    QTest::newRow("device") << "device" << TFileError::NotAFile << "it is a device, not a file";
    QTest::newRow("one byte too large") << "large" << TFileError::TooLarge << "it is larger than 4096 bytes";
}

void TestReadOnlyFile::refuses()
{
    QFETCH(QString, kind);
    QFETCH(TFileError, error);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QString path = folder.filePath("file");
    if (kind == "under a file") {
        QVERIFY(WriteFile(path, "x"));
        path += "/file";
    } else if (kind == "folder") {
        QVERIFY(QDir(folder.path()).mkdir("file"));
    } else if (kind == "pipe") {
        // No writer: a blocking open would wait here for ever.
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == "device") {
        path = "/dev/zero";  // endless: a reader that took it would never stop
    } else if (kind == "large") {
        QVERIFY(WriteFile(path, Pattern(Limit + 1)));
    }

    const TFileContents contents = ReadFileContents(path.toStdString(), Limit);
    QCOMPARE(contents.Error, error);
    QCOMPARE(QString::fromStdString(contents.Reason), reason);
    QVERIFY(contents.Bytes.empty());
    if (error != TFileError::TooLarge) {
        const TReadOnlyFile file(path.toStdString());
        QVERIFY(!file.IsOpen());
        QCOMPARE(file.Error(), error);
        QCOMPARE(QString::fromStdString(file.Reason()), reason);
        char byte = 0;
        QVERIFY(!file.ReadAt(0, &byte, 1));
    }
}

void TestReadOnlyFile::readsRegularFiles_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("empty") << 0;
    QTest::newRow("one byte") << 1;
    QTest::newRow("some") << 1000;
    QTest::newRow("at the limit") << int(Limit);
}

void TestReadOnlyFile::readsRegularFiles()
{
    QFETCH(int, size);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath("file");
    const QByteArray bytes = Pattern(size);
    QVERIFY(WriteFile(path, bytes));

    const TFileContents contents = ReadFileContents(path.toStdString(), Limit);
    QCOMPARE(contents.Error, TFileError::None);
    QVERIFY(contents.Reason.empty());
    QCOMPARE(QByteArray::fromStdString(contents.Bytes), bytes);

    // Every stretch inside reads as it is; none reaching past the end does.
    const TReadOnlyFile file(path.toStdString());
    QVERIFY(file.IsOpen());
    QCOMPARE(file.Size(), std::uint64_t(size));
    for (const int offset : {0, size / 3, size}) {
        const int count = size - offset;
        QByteArray read(count, '\0');
        QVERIFY(file.ReadAt(std::uint64_t(offset), read.data(), std::size_t(count)));
        QCOMPARE(read, bytes.mid(offset));
        char byte = 0;
        QVERIFY(!file.ReadAt(std::uint64_t(offset), &byte, std::size_t(count) + 1));
    }
}

QTEST_APPLESS_MAIN(TestReadOnlyFile)
#include "TestReadOnlyFile.moc"
