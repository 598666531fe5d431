#include "platform/programdir/ProgramDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTest>

// The folder of the running executable, as the kernel reports it.
using peglore::ProgramDir;

class TestProgramDir : public QObject {
    Q_OBJECT

private slots:
    void isTheExecutablesFolder();
};

void TestProgramDir::isTheExecutablesFolder()
{
    const QString dir = QString::fromStdString(ProgramDir());
    QVERIFY(dir.endsWith('/'));
    QVERIFY(QDir::isAbsolutePath(dir));
    QVERIFY(!dir.endsWith("//"));
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    QCOMPARE(QFileInfo(dir).canonicalFilePath(), exe.canonicalPath());
    QVERIFY(QFileInfo::exists(dir + exe.fileName()));

    // Not the current folder: the result must not depend on where the game starts.
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(QDir::rootPath()));
    const QString fromRoot = QString::fromStdString(ProgramDir());
    QVERIFY(QDir::setCurrent(previous));
    QCOMPARE(fromRoot, dir);
}

QTEST_GUILESS_MAIN(TestProgramDir)
#include "TestProgramDir.moc"
