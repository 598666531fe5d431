#include "ProfileTestFiles.h"
#include "RenameHook.h"
#include "platform/files/TFolderLock.h"
#include "platform/profile/TProfileFile.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <memory>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace peglore;
using namespace ProfileTestFiles;

// How a save replaces the file on disk, and when it refuses to.
class TestProfileSave : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void keepsModeBits_data();
    void keepsModeBits();
    void newFileFollowsUmask();
    void refusesReadOnlyFile_data();
    void refusesReadOnlyFile();
    void refusesReadOnlyFolder_data();
    void refusesReadOnlyFolder();
    void refusesMissingFolder_data();
    void refusesMissingFolder();
    void interruptedSaveKeepsOldFile();
    void crashBeforeRenameKeepsOldFile();
    void refusesFolderAtPath();
    void relativePathUsesCurrentFolder();
    void folderLockWaitsForAHolderOnlyForItsTime();

private:
    static mode_t ModeOf(const QString& path);
    QString Path() const { return FDir->filePath("Peglore.ini"); }

    std::unique_ptr<QTemporaryDir> FDir;
    const QByteArray FOld = "; kept\n[Options]\nMusic=1\n";
    const QByteArray FNew = "; kept\n[Options]\nMusic=0\n";
};

mode_t TestProfileSave::ModeOf(const QString& path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : mode_t(-1);
}

void TestProfileSave::init()
{
    FDir = std::make_unique<QTemporaryDir>();
    QVERIFY(FDir->isValid());
    QVERIFY(WriteBytes(Path(), FOld));
}

void TestProfileSave::cleanup()
{
    // Let QTemporaryDir remove what a test made read-only.
    ::chmod(QFile::encodeName(FDir->path()).constData(), 0700);
    FDir.reset();
}

void TestProfileSave::keepsModeBits_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("0600") << 0600;
    QTest::newRow("0640") << 0640;
    QTest::newRow("0604") << 0604;
    QTest::newRow("0200 write only") << 0200;
    QTest::newRow("0666") << 0666;
}

void TestProfileSave::keepsModeBits()
{
    QFETCH(int, mode);
    QCOMPARE(::chmod(QFile::encodeName(Path()).constData(), mode_t(mode)), 0);
    // Write-only stops anyone but root from reading, and an unread file cannot be kept.
    if ((mode & 0400) == 0 && ::geteuid() != 0) {
        QVERIFY(!WriteProfileString(Std(Path()), "Options", "Music", "0"));
        return;
    }

    QVERIFY(WriteProfileString(Std(Path()), "Options", "Music", "0"));
    QCOMPARE(ModeOf(Path()), mode_t(mode));
    QCOMPARE(ReadBytes(Path()), FNew);
}

void TestProfileSave::newFileFollowsUmask()
{
    QVERIFY(QFile::remove(Path()));
    const mode_t previous = ::umask(027);
    const bool written = WriteProfileString(Std(Path()), "Options", "Music", "0");
    ::umask(previous);
    QVERIFY(written);
    QCOMPARE(ModeOf(Path()), mode_t(0640));
}

void TestProfileSave::refusesReadOnlyFile_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("0444") << 0444;
    QTest::newRow("0400") << 0400;
    QTest::newRow("0000") << 0000;
}

// Runs as root too: the mode bits decide, not access().
void TestProfileSave::refusesReadOnlyFile()
{
    QFETCH(int, mode);
    QCOMPARE(::chmod(QFile::encodeName(Path()).constData(), mode_t(mode)), 0);

    TProfileFile file(Std(Path()));
    QVERIFY(!file.WriteString("Options", "Music", "0"));
    QCOMPARE(file.LastError(), TProfileError::FileReadOnly);
    QCOMPARE(ModeOf(Path()), mode_t(mode));
    QCOMPARE(::chmod(QFile::encodeName(Path()).constData(), 0600), 0);
    QCOMPARE(ReadBytes(Path()), FOld);
    QCOMPARE(Entries(FDir->path()), QStringList{"Peglore.ini"});
}

void TestProfileSave::refusesReadOnlyFolder_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::newRow("replacing a file") << true;
    QTest::newRow("creating the file") << false;
}

void TestProfileSave::refusesReadOnlyFolder()
{
    QFETCH(bool, fileExists);
    if (!fileExists)
        QVERIFY(QFile::remove(Path()));
    QCOMPARE(::chmod(QFile::encodeName(FDir->path()).constData(), 0555), 0);

    TProfileFile file(Std(Path()));
    QVERIFY(!file.WriteString("Options", "Music", "0"));
    QCOMPARE(file.LastError(), TProfileError::FolderReadOnly);
    QCOMPARE(Entries(FDir->path()), fileExists ? QStringList{"Peglore.ini"} : QStringList{});
    if (fileExists)
        QCOMPARE(ReadBytes(Path()), FOld);
}

void TestProfileSave::refusesMissingFolder_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::newRow("missing folder") << "absent/Peglore.ini";
    QTest::newRow("missing folders") << "absent/deeper/Peglore.ini";
    QTest::newRow("a file in place of the folder") << "Peglore.ini/Peglore.ini";
}

void TestProfileSave::refusesMissingFolder()
{
    QFETCH(QString, relativePath);
    TProfileFile file(Std(FDir->filePath(relativePath)));
    QVERIFY(!file.WriteString("Options", "Music", "0"));
    QCOMPARE(file.LastError(), TProfileError::FolderMissing);
    QCOMPARE(Entries(FDir->path()), QStringList{"Peglore.ini"});
    QCOMPARE(ReadBytes(Path()), FOld);
}

void TestProfileSave::interruptedSaveKeepsOldFile()
{
    TProfileFile file(Std(Path()));
    {
        bool hookRan = false;
        QString tempFolder;
        QByteArray tempBytes, targetBytes;
        const TRenameHook hook([&](const std::string& tempPath, const std::string& targetPath) {
            hookRan = true;
            tempFolder = QFileInfo(QString::fromStdString(tempPath)).absolutePath();
            tempBytes = ReadBytes(QString::fromStdString(tempPath));
            targetBytes = ReadBytes(QString::fromStdString(targetPath));
            return false;
        });

        QVERIFY(!file.WriteString("Options", "Music", "0"));
        QVERIFY(hookRan);
        // At the moment of the rename the new contents were complete beside
        // the old file, which was still untouched.
        QCOMPARE(tempFolder, QFileInfo(Path()).absolutePath());
        QCOMPARE(tempBytes, FNew);
        QCOMPARE(targetBytes, FOld);
        QCOMPARE(file.LastError(), TProfileError::WriteFailed);
        QCOMPARE(file.LastSystemError(), EIO);
        QCOMPARE(ReadBytes(Path()), FOld);
        QCOMPARE(Entries(FDir->path()), QStringList{"Peglore.ini"});
    }

    // Once the rename works again the same save goes through.
    QVERIFY(file.WriteString("Options", "Music", "0"));
    QCOMPARE(ReadBytes(Path()), FNew);
}

// A process that dies between the write and the rename leaves the old file
// whole; its hidden temporary file gets in the way of nothing.
void TestProfileSave::crashBeforeRenameKeepsOldFile()
{
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        TProfileFile file(Std(Path()));
        const TRenameHook hook([](const std::string&, const std::string&) -> bool { ::_exit(42); });
        file.WriteString("Options", "Music", "0");
        ::_exit(0);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 42);

    QCOMPARE(ReadBytes(Path()), FOld);
    QStringList entries = Entries(FDir->path());
    QCOMPARE(entries.size(), 2);
    QVERIFY(entries.removeAll("Peglore.ini") == 1);
    const QString leftOver = entries.first();
    QVERIFY2(leftOver.startsWith(".Peglore.ini.tmp"), qPrintable(leftOver));
    QCOMPARE(ReadBytes(FDir->filePath(leftOver)), FNew);

    QCOMPARE(ReadProfileString(Std(Path()), "Options", "Music", "?"), std::string("1"));
    QVERIFY(WriteProfileString(Std(Path()), "Options", "AutoCheck", "1"));
    QCOMPARE(ReadBytes(Path()), FOld + "AutoCheck=1\n");
    QCOMPARE(ReadBytes(FDir->filePath(leftOver)), FNew);
}

void TestProfileSave::refusesFolderAtPath()
{
    QVERIFY(QDir(FDir->path()).mkdir("Folder.ini"));
    TProfileFile file(Std(FDir->filePath("Folder.ini")));
    QVERIFY(!file.WriteString("Options", "Music", "0"));
    QCOMPARE(file.LastError(), TProfileError::NotRegularFile);
    QVERIFY(QFileInfo(FDir->filePath("Folder.ini")).isDir());
    QCOMPARE(file.ReadString("Options", "Music", "1"), std::string("1"));
}

void TestProfileSave::relativePathUsesCurrentFolder()
{
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(FDir->path()));
    const bool written = WriteProfileString("Peglore.ini", "Options", "Music", "0");
    const std::string read = ReadProfileString("Peglore.ini", "Options", "Music", "?");
    QVERIFY(QDir::setCurrent(previous));
    QVERIFY(written);
    QCOMPARE(read, std::string("0"));
    QCOMPARE(ReadBytes(Path()), FNew);
}

// Two runs' saves of one folder take turns by its lock; a holder that does
// not let go is waited for only so long, and its going frees the lock.
void TestProfileSave::folderLockWaitsForAHolderOnlyForItsTime()
{
    using namespace std::chrono_literals;
    const std::string folder = FDir->path().toStdString() + "/";
    {
        const TFolderLock first(folder, 0ms);
        QVERIFY(first.Held());
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!TFolderLock(folder, 200ms).Held());
        QVERIFY(clock.elapsed() >= 200);
    }
    QVERIFY(TFolderLock(folder, 0ms).Held());
    QVERIFY(!TFolderLock(folder + "missing/", 0ms).Held());
}

QTEST_GUILESS_MAIN(TestProfileSave)
#include "TestProfileSave.moc"
