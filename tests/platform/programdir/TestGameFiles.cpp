#include "platform/programdir/TGameFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

// Where an installed game finds its files.
using namespace peglore;

namespace {

std::string Folder(const QTemporaryDir& dir, const QString& relative = {})
{
    return QDir(dir.path()).filePath(relative).toStdString() + "/";
}

int ModeOf(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
}

void Touch(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

}  // namespace

class TestGameFiles : public QObject {
    Q_OBJECT

private slots:
    void userSettingsFolder_data()
    {
        QTest::addColumn<QByteArray>("xdgConfigHome");  // "-" for unset
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<QString>("folder");
        QTest::newRow("XDG_CONFIG_HOME") << QByteArray("/x/conf") << QByteArray("/home/p") << "/x/conf/peglore/";
        QTest::newRow("XDG_CONFIG_HOME with slash") << QByteArray("/x/conf/") << QByteArray("-") << "/x/conf/peglore/";
        QTest::newRow("unset") << QByteArray("-") << QByteArray("/home/p") << "/home/p/.config/peglore/";
        QTest::newRow("empty") << QByteArray("") << QByteArray("/home/p/") << "/home/p/.config/peglore/";
        // Relative paths are not to be trusted, whatever the current folder.
        QTest::newRow("relative XDG") << QByteArray("conf") << QByteArray("/home/p") << "/home/p/.config/peglore/";
        QTest::newRow("relative HOME") << QByteArray("-") << QByteArray("p") << "";
        QTest::newRow("neither") << QByteArray("-") << QByteArray("-") << "";
    }
    void userSettingsFolder()
    {
        QFETCH(QByteArray, xdgConfigHome);
        QFETCH(QByteArray, home);
        QFETCH(QString, folder);
        const auto value = [](const QByteArray& v) { return v == "-" ? nullptr : v.constData(); };
        QCOMPARE(QString::fromStdString(UserSettingsFolder(value(xdgConfigHome), value(home))), folder);
    }

    // The records lie beside the settings in a build folder, and in the
    // player's data folder when installed.
    void recordsFolder_data()
    {
        QTest::addColumn<QByteArray>("xdgDataHome");  // "-" for unset
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("folder");
        QTest::newRow("build folder") << QByteArray("/x/data") << QByteArray("/home/p") << false << "/b/";
        QTest::newRow("XDG_DATA_HOME") << QByteArray("/x/data") << QByteArray("/home/p") << true << "/x/data/peglore/";
        QTest::newRow("unset") << QByteArray("-") << QByteArray("/home/p/") << true << "/home/p/.local/share/peglore/";
        QTest::newRow("relative XDG") << QByteArray("data") << QByteArray("/home/p") << true
                                      << "/home/p/.local/share/peglore/";
        QTest::newRow("neither") << QByteArray("-") << QByteArray("-") << true << "/c/";
    }
    void recordsFolder()
    {
        QFETCH(QByteArray, xdgDataHome);
        QFETCH(QByteArray, home);
        QFETCH(bool, installed);
        QFETCH(QString, folder);
        const auto value = [](const QByteArray& v) { return v == "-" ? nullptr : v.constData(); };
        const TGameFiles files = installed ? TGameFiles{"/c/", "/usr/share/peglore/", "/usr/bin/peglore"}
                                           : TGameFiles{"/b/", "/b/", "/b/peglore"};
        QCOMPARE(QString::fromStdString(LocateRecordsFolder(files, UserDataFolder(value(xdgDataHome), value(home)))),
                 folder);
    }

    // Which layout a game uses is fixed when it is built: a help file beside
    // the installed executable does not turn it into a build folder.
    void installedBesideAHelpFileStaysInstalled()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("bin"));
        Touch(dir.filePath("bin/Peglore.hlp"));
        const TGameFiles files = LocateGameFiles(Folder(dir, "bin"), "../share/peglore/", "/home/p/.config/peglore/");
        QCOMPARE(files.DataFolder, Folder(dir, "share/peglore"));
        QCOMPARE(files.SettingsFolder, std::string("/home/p/.config/peglore/"));
    }

    void installedDataFromTheProgramFolder_data()
    {
        QTest::addColumn<QString>("bin");
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QString>("data");
        QTest::newRow("bin") << "/usr/bin/"
                             << "../share/peglore/"
                             << "/usr/share/peglore/";
        QTest::newRow("deeper") << "/opt/peglore/bin/"
                                << "../share/peglore"
                                << "/opt/peglore/share/peglore/";
        QTest::newRow("two up") << "/usr/lib/games/"
                                << "../../share/peglore/"
                                << "/usr/share/peglore/";
        QTest::newRow("root's parent") << "/"
                                       << "../share/peglore/"
                                       << "/share/peglore/";
        QTest::newRow("unknown folder") << "./"
                                        << "../share/peglore/"
                                        << "./../share/peglore/";
        QTest::newRow("down") << "/usr/bin/"
                              << "data/"
                              << "/usr/bin/data/";
    }
    void installedDataFromTheProgramFolder()
    {
        QFETCH(QString, bin);
        QFETCH(QString, relative);
        QFETCH(QString, data);
        // None of these folders holds a help file here.
        const TGameFiles files = LocateGameFiles(bin.toStdString(), relative.toStdString(), "/home/p/.config/peglore/");
        QCOMPARE(QString::fromStdString(files.DataFolder), data);
        QCOMPARE(files.SettingsFolder, std::string("/home/p/.config/peglore/"));
        QCOMPARE(QString::fromStdString(files.Executable), bin + "peglore");
    }

    // A folder named like the help file is not one.
    void installedWhenTheHelpFileIsAFolder()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("bin/Peglore.hlp"));
        const TGameFiles files = LocateGameFiles(Folder(dir, "bin"), "../share/peglore/", "/c/peglore/");
        QCOMPARE(files.DataFolder, Folder(dir, "share/peglore"));
        QCOMPARE(files.SettingsFolder, std::string("/c/peglore/"));
    }

    // Without a home the settings stay beside the executable, where writing
    // them fails with the game's own message rather than going astray.
    void installedWithoutAHomeKeepsSettingsBesideTheProgram()
    {
        const TGameFiles files = LocateGameFiles("/usr/bin/", "../share/peglore/", "");
        QCOMPARE(files.SettingsFolder, std::string("/usr/bin/"));
        QCOMPARE(files.DataFolder, std::string("/usr/share/peglore/"));
    }

    void makeFoldersCreatesThePathForTheOwnerOnly()
    {
        QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                      QFile::ReadGroup | QFile::ExeGroup));
        QVERIFY(MakeFolders(Folder(dir, "config/peglore")));
        QCOMPARE(ModeOf(dir.filePath("config")), 0700);
        QCOMPARE(ModeOf(dir.filePath("config/peglore")), 0700);
        QCOMPARE(ModeOf(dir.path()), 0750);  // an existing folder is left as it is
        // Again, and without the trailing slash: already there.
        QVERIFY(MakeFolders(Folder(dir, "config/peglore")));
        QVERIFY(MakeFolders(dir.filePath("config/peglore").toStdString()));
    }

    void makeFoldersFailsOnAFileInTheWay_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("the folder itself") << "config";
        QTest::newRow("a folder above") << "config/peglore/";
    }
    void makeFoldersFailsOnAFileInTheWay()
    {
        QFETCH(QString, folder);
        QTemporaryDir dir;
        Touch(dir.filePath("config"));
        QVERIFY(!MakeFolders(dir.filePath(folder).toStdString()));
        QVERIFY(QFileInfo(dir.filePath("config")).isFile());
        QVERIFY(!MakeFolders(""));
    }
};

QTEST_GUILESS_MAIN(TestGameFiles)
#include "TestGameFiles.moc"
