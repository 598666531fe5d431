#include "ProfileTestFiles.h"
#include "platform/profile/TProfileFile.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace peglore;
using namespace ProfileTestFiles;

// A settings file that is a symbolic link: written through only to a regular
// file of the user's own, and never by root, for whom every system file is
// "his own"; read through as any file.
class TestProfileLinks : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void linkToOwnFileIsWrittenThrough();
    void refusedLinkChangesNothing_data();
    void refusedLinkChangesNothing();

private:
    // The user that writes: a plain one even when the tests run as root.
    static uid_t Writer() { return ::geteuid() == 0 ? uid_t(65534) : ::geteuid(); }
    // Writes Music=0 through the link as USER in a child process and returns
    // the error, or -1 when the child could not run as USER.
    int WriteAs(uid_t user) const;
    QString Link() const { return FDir->filePath("Peglore.ini"); }
    QString LinkTarget() const { return QFileInfo(Link()).symLinkTarget(); }

    std::unique_ptr<QTemporaryDir> FDir;
    std::unique_ptr<QTemporaryDir> FElsewhere;
    const QByteArray FOld = "; kept\n[Options]\nMusic=1\n";
};

void TestProfileLinks::init()
{
    FDir = std::make_unique<QTemporaryDir>();
    FElsewhere = std::make_unique<QTemporaryDir>();
    QVERIFY(FDir->isValid() && FElsewhere->isValid());
    // Both folders open to the plain user the root run writes as.
    QCOMPARE(::chmod(QFile::encodeName(FDir->path()).constData(), 0777), 0);
    QCOMPARE(::chmod(QFile::encodeName(FElsewhere->path()).constData(), 0777), 0);
}

void TestProfileLinks::cleanup()
{
    FDir.reset();
    FElsewhere.reset();
}

int TestProfileLinks::WriteAs(uid_t user) const
{
    const std::string path = Std(Link());
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() != user && (::setgid(gid_t(user)) != 0 || ::setuid(user) != 0))
            ::_exit(255);
        TProfileFile file(path);
        file.WriteString("Options", "Music", "0");
        ::_exit(int(file.LastError()));
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 255)
        return -1;
    return WEXITSTATUS(status);
}

void TestProfileLinks::linkToOwnFileIsWrittenThrough()
{
    const QString real = FElsewhere->filePath("real.ini");
    QVERIFY(WriteBytes(real, FOld));
    QCOMPARE(::chown(QFile::encodeName(real).constData(), Writer(), gid_t(-1)), 0);
    QVERIFY(QFile::link(real, Link()));

    QCOMPARE(WriteAs(Writer()), int(TProfileError::None));
    QVERIFY(QFileInfo(Link()).isSymLink());
    QCOMPARE(LinkTarget(), real);
    QCOMPARE(ReadBytes(real), QByteArray("; kept\n[Options]\nMusic=0\n"));
    QCOMPARE(Entries(FDir->path()), QStringList{"Peglore.ini"});
    QCOMPARE(Entries(FElsewhere->path()), QStringList{"real.ini"});
}

void TestProfileLinks::refusedLinkChangesNothing_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("file of another user") << "other";
    // Only root can be root.
    if (::geteuid() == 0)
        QTest::newRow("root's own file, written by root") << "root";
    QTest::newRow("folder") << "folder";
    QTest::newRow("device") << "device";
    QTest::newRow("named pipe") << "pipe";
    QTest::newRow("dangling") << "dangling";
}

void TestProfileLinks::refusedLinkChangesNothing()
{
    QFETCH(QString, target);
    const bool root = ::geteuid() == 0;
    QString real = FElsewhere->filePath("real.ini");
    uid_t writer = Writer();
    if (target == "other" && !root) {
        // Only root can give a file away; every system has one of root's.
        real = QStringLiteral("/etc/passwd");
    } else if (target == "other" || target == "root") {
        QVERIFY(WriteBytes(real, FOld));
        // Writable by all, so that only its owner stops the write.
        QCOMPARE(::chmod(QFile::encodeName(real).constData(), 0666), 0);
        if (target == "root")
            writer = 0;
    } else if (target == "folder") {
        QVERIFY(QDir(FElsewhere->path()).mkdir("real.ini"));
    } else if (target == "device") {
        real = "/dev/null";
    } else if (target == "pipe") {
        QCOMPARE(::mkfifo(QFile::encodeName(real).constData(), 0666), 0);
    }
    QVERIFY(QFile::link(real, Link()));
    const QByteArray content = target == "other" || target == "root" ? ReadBytes(real) : QByteArray();
    struct stat before {};
    const bool targetExists = ::stat(QFile::encodeName(real).constData(), &before) == 0;

    QCOMPARE(WriteAs(writer), int(TProfileError::LinkRefused));
    QVERIFY(QFileInfo(Link()).isSymLink());
    QCOMPARE(LinkTarget(), real);
    QCOMPARE(Entries(FDir->path()), QStringList{"Peglore.ini"});
    struct stat after {};
    QCOMPARE(::stat(QFile::encodeName(real).constData(), &after) == 0, targetExists);
    if (targetExists) {
        QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(after.st_mode, before.st_mode);
        QCOMPARE(after.st_size, before.st_size);
    }
    if (real.startsWith(FElsewhere->path()))
        QCOMPARE(Entries(FElsewhere->path()), targetExists ? QStringList{"real.ini"} : QStringList{});
    if (target == "other" || target == "root")
        QCOMPARE(ReadBytes(real), content);
    if (real.startsWith(FElsewhere->path()) && (target == "other" || target == "root")) {
        QCOMPARE(content, FOld);
        // Reading through the link is as ever.
        QCOMPARE(ReadProfileString(Std(Link()), "Options", "Music", "?"), std::string("1"));
    }
}

QTEST_GUILESS_MAIN(TestProfileLinks)
#include "TestProfileLinks.moc"
