// The early answer to whether any sound output could be had: a sound
// server's traces in a folder of the test's own, ALSA's own devices, and
// the drivers in turn.

#include <QtTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "platform/media/TAudioOutputProbe.h"

using namespace peglore;

namespace {

using TPlaces = TAudioOutputProbe::TSoundServerPlaces;

bool WriteFile(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

// A listening socket as a sound server leaves it.
bool MakeSocket(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = path.toLocal8Bit();
    if (fd < 0 || name.size() >= qsizetype(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
    const bool bound = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return bound;
}

}  // namespace

class TestAudioOutputProbe : public QObject {
    Q_OBJECT
private slots:
    void soundServer_data();
    void soundServer();
    void alsaDevices_data();
    void alsaDevices();
    void drivers_data();
    void drivers();
};

void TestAudioOutputProbe::soundServer_data()
{
    QTest::addColumn<QString>("Setup");
    QTest::addColumn<bool>("Announced");
    QTest::newRow("no trace at all") << "" << false;
    QTest::newRow("server in the environment") << "variable" << true;
    QTest::newRow("socket of a running server") << "socket" << true;
    QTest::newRow("a daemon the library may start") << "daemon" << true;
    QTest::newRow("client.conf naming a server") << "conf:default-server = unix:/elsewhere" << true;
    QTest::newRow("with blanks and capitals") << "conf:  default-server=tcp:Host  " << true;
    QTest::newRow("commented out, both ways") << "conf:; default-server = a\n# default-server = b" << false;
    QTest::newRow("named as nothing") << "conf:default-server =" << false;
    QTest::newRow("localhost allowed") << "conf:auto-connect-localhost = yes" << true;
    QTest::newRow("display host allowed") << "conf:auto-connect-display = True" << true;
    QTest::newRow("localhost refused") << "conf:auto-connect-localhost = no" << false;
    QTest::newRow("other keys only") << "conf:autospawn = yes\nextra-arguments = --log-target=syslog" << false;
    QTest::newRow("binary junk") << "junk" << false;
    QTest::newRow("a conf in the folder of confs") << "dconf:default-server = x" << true;
    QTest::newRow("a server in an included file") << "include" << true;
    QTest::newRow("a file including itself") << "selfinclude" << false;
    QTest::newRow("a configuration too large to read") << "huge" << true;
}

void TestAudioOutputProbe::soundServer()
{
    QFETCH(QString, Setup);
    QFETCH(bool, Announced);
    QTemporaryDir dir;
    TPlaces places;
    places.Sockets = {dir.filePath("run/pulse/native").toStdString()};
    places.ClientConfigs = {dir.filePath("client.conf").toStdString(), dir.filePath("client.conf.d").toStdString()};
    places.Daemons = {dir.filePath("bin/pulseaudio").toStdString()};
    const QString conf = dir.filePath("client.conf");
    if (Setup == "variable")
        places.ServerVariable = "unix:/somewhere/native";
    else if (Setup == "socket")
        QVERIFY(MakeSocket(dir.filePath("run/pulse/native")));
    else if (Setup == "daemon")
        QVERIFY(WriteFile(dir.filePath("bin/pulseaudio"), "#!/bin/sh\n"));
    else if (Setup.startsWith("conf:"))
        QVERIFY(WriteFile(conf, Setup.mid(5).toUtf8() + "\n"));
    else if (Setup.startsWith("dconf:"))
        QVERIFY(WriteFile(dir.filePath("client.conf.d/50-server.conf"), Setup.mid(6).toUtf8() + "\n"));
    else if (Setup == "junk") {
        QByteArray junk;
        for (int i = 0; i < 5000; ++i)
            junk += char((i * 37) % 256);
        QVERIFY(WriteFile(conf, junk));
    } else if (Setup == "include") {
        QVERIFY(WriteFile(conf, ".include " + dir.filePath("more.conf").toUtf8() + "\n"));
        QVERIFY(WriteFile(dir.filePath("more.conf"), "default-server = x\n"));
    } else if (Setup == "selfinclude")
        QVERIFY(WriteFile(conf, ".include " + conf.toUtf8() + "\n"));
    else if (Setup == "huge")
        QVERIFY(WriteFile(conf, QByteArray(2 * 1024 * 1024, ';')));
    QCOMPARE(TAudioOutputProbe::SoundServerAnnounced(places), Announced);
}

void TestAudioOutputProbe::alsaDevices_data()
{
    QTest::addColumn<QString>("Device");
    QTest::addColumn<bool>("MayOpen");
    QTest::newRow("ALSA's null device") << "null" << true;
    QTest::newRow("a device ALSA does not know") << "no_such_device_here" << false;
    // ALSA answers "invalid" here, which may mean other things: a doubt.
    QTest::newRow("a card that is not there") << "hw:37" << true;
}

void TestAudioOutputProbe::alsaDevices()
{
    QFETCH(QString, Device);
    QFETCH(bool, MayOpen);
    QCOMPARE(TAudioOutputProbe::AlsaDeviceMayOpen(Device.toStdString()), MayOpen);
    // Asked twice, in case the first question left ALSA in a state.
    QCOMPARE(TAudioOutputProbe::AlsaDeviceMayOpen(Device.toStdString()), MayOpen);
}

void TestAudioOutputProbe::drivers_data()
{
    QTest::addColumn<QStringList>("Drivers");
    QTest::addColumn<QString>("Alsa");
    QTest::addColumn<bool>("OssPresent");
    QTest::addColumn<bool>("MayFind");
    QTest::newRow("no drivers") << QStringList{} << "null" << true << false;
    QTest::newRow("OSS without its device") << QStringList{"oss"} << "null" << false << false;
    QTest::newRow("OSS with its device") << QStringList{"oss"} << "null" << true << true;
    QTest::newRow("ALSA with a device") << QStringList{"alsa"} << "null" << false << true;
    QTest::newRow("ALSA without one") << QStringList{"alsa"} << "no_such_device_here" << false << false;
    QTest::newRow("neither") << QStringList{"oss", "alsa"} << "no_such_device_here" << false << false;
    QTest::newRow("the second one") << QStringList{"oss", "alsa"} << "null" << false << true;
    QTest::newRow("a driver asked no questions") << QStringList{"jack"} << "no_such_device_here" << false << true;
}

void TestAudioOutputProbe::drivers()
{
    QFETCH(QStringList, Drivers);
    QFETCH(QString, Alsa);
    QFETCH(bool, OssPresent);
    QFETCH(bool, MayFind);
    QTemporaryDir dir;
    const QString oss = dir.filePath("dsp");
    if (OssPresent)
        QVERIFY(WriteFile(oss, {}));
    std::vector<std::string> drivers;
    for (const QString& d : Drivers)
        drivers.push_back(d.toStdString());
    QCOMPARE(TAudioOutputProbe::MayFindOutput(drivers, Alsa.toStdString(), oss.toStdString()), MayFind);
}

QTEST_GUILESS_MAIN(TestAudioOutputProbe)
#include "TestAudioOutputProbe.moc"
