// The background music's states, looping and failures, with a recording
// player; then with the real player behind the settings file.

#include <QtTest>

#include <cmath>
#include <deque>
#include <memory>

#include "../../game/GameFakes.h"
#include "platform/media/IMediaPlayer.h"
#include "platform/media/TFluidSynthPlayer.h"
#include "services/music/TMusic.h"
#include "settings/configuration/TConfiguration.h"

using namespace peglore;

namespace {

// Records every command; opens succeed or fail as told.
class TRecordingPlayer final : public IMediaPlayer {
public:
    explicit TRecordingPlayer(QStringList& log) : FLog(log) {}
    std::deque<bool> OpenResults;
    std::function<void(TMediaResult)> OnNotify;

    void SetFileName(const std::string& fileName) override { FLog << "name " + QString::fromStdString(fileName); }
    bool Open() override
    {
        FLog << "open";
        if (OpenResults.empty())
            return true;
        const bool result = OpenResults.front();
        OpenResults.pop_front();
        return result;
    }
    void SeekToStart() override { FLog << "seek"; }
    void Play() override { FLog << "play"; }
    void Stop() override { FLog << "stop"; }
    void Close() override { FLog << "close"; }
    void SetOnNotify(std::function<void(TMediaResult)> handler) override { OnNotify = std::move(handler); }

private:
    QStringList& FLog;
};

// The music wired as the main window wires it: the options' effects call
// Play and Stop, the player's reports reach MediaPlayerNotify while the
// music object exists.
class TMusicRig final : public IOptionEffects {
public:
    explicit TMusicRig(IMediaPlayer& player, const std::string& folder = "/game/")
        : FConfig(*this, folder), FMusic(std::make_unique<TMusic>(player, FConfig, folder))
    {
        player.SetOnNotify([this](TMediaResult result) {
            if (FMusic)
                FMusic->MediaPlayerNotify(result == TMediaResult::Successful);
        });
    }

    TConfiguration& Config() { return FConfig; }
    TMusic* Music() { return FMusic.get(); }
    void DestroyMusic() { FMusic.reset(); }

    void PlayMusic() override
    {
        if (FMusic)
            FMusic->Play();
    }
    void StopMusic() override
    {
        if (FMusic)
            FMusic->Stop();
    }
    void SetTooltipsEnabled(bool) override {}
    void SetCheckButtonEnabled(bool) override {}

private:
    TConfiguration FConfig;
    std::unique_ptr<TMusic> FMusic;
};

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TestMusic : public QObject {
    Q_OBJECT
private slots:
    void states_data();
    void states();
    void doesNotRegisterWithThePlayer();
    void reportAfterDestructionReachesNobody();
    void optionOffAtStartLeavesTheFileAlone();
    void withTheRealPlayer_data();
    void withTheRealPlayer();
};

void TestMusic::states_data()
{
    QTest::addColumn<QString>("Opens");  // results of the player's opens, in turn
    QTest::addColumn<QString>("Steps");
    QTest::addColumn<QStringList>("Calls");
    QTest::addColumn<bool>("Opened");
    QTest::addColumn<bool>("Available");
    QTest::addColumn<bool>("Music");

    const QString name = "name /game/Peglore.mid";
    const QStringList start{name, "open", "seek", "play"};
    QTest::newRow("not yet opened") << ""
                                    << "" << QStringList{} << false << true << false;
    QTest::newRow("on opens and plays") << ""
                                        << "on" << start << true << true << true;
    QTest::newRow("off stops and keeps the file open")
        << ""
        << "on off" << start + QStringList{"stop"} << true << true << false;
    QTest::newRow("on again starts from the beginning")
        << ""
        << "on off on" << start + QStringList{"stop", "seek", "play"} << true << true << true;
    QTest::newRow("each end starts it again")
        << ""
        << "on end end" << start + QStringList{"seek", "play", "seek", "play"} << true << true << true;
    QTest::newRow("aborted: no restart") << ""
                                         << "on off aborted" << start + QStringList{"stop"} << true << true << false;
    QTest::newRow("superseded and failure: nothing") << ""
                                                     << "on superseded failure" << start << true << true << true;
    QTest::newRow("on while playing does nothing") << ""
                                                   << "on on" << start << true << true << true;
    QTest::newRow("off while off does nothing") << ""
                                                << "off" << QStringList{} << false << true << false;
    QTest::newRow("an end reported after off: no restart")
        << ""
        << "on off end" << start + QStringList{"stop"} << true << true << false;
    QTest::newRow("failed open turns the option off") << "0"
                                                      << "on" << QStringList{name, "open"} << false << false << false;
    QTest::newRow("off after a failed open: nothing")
        << "0"
        << "on off" << QStringList{name, "open"} << false << false << false;
    QTest::newRow("unavailable: on tries again, and fails again")
        << "00"
        << "on on" << QStringList{name, "open", name, "open"} << false << false << false;
    QTest::newRow("a later open that succeeds plays")
        << "01"
        << "on on" << QStringList{name, "open", name, "open", "seek", "play"} << true << true << true;
}

void TestMusic::states()
{
    QFETCH(QString, Opens);
    QFETCH(QString, Steps);
    QFETCH(QStringList, Calls);
    QFETCH(bool, Opened);
    QFETCH(bool, Available);
    QFETCH(bool, Music);

    QStringList log;
    TRecordingPlayer player(log);
    for (const QChar c : Opens)
        player.OpenResults.push_back(c == '1');
    TMusicRig rig(player);
    for (const QString& step : Steps.split(' ', Qt::SkipEmptyParts)) {
        if (step == "on" || step == "off")
            rig.Config().SetMusic(step == "on");
        else if (step == "end")
            player.OnNotify(TMediaResult::Successful);
        else if (step == "aborted")
            player.OnNotify(TMediaResult::Aborted);
        else if (step == "superseded")
            player.OnNotify(TMediaResult::Superseded);
        else if (step == "failure")
            player.OnNotify(TMediaResult::Failure);
    }
    QCOMPARE(log, Calls);
    QCOMPARE(rig.Music()->Opened(), Opened);
    QCOMPARE(rig.Music()->Available(), Available);
    QCOMPARE(rig.Config().Music(), Music);
}

void TestMusic::doesNotRegisterWithThePlayer()
{
    // The owner routes the reports; a music object that hooked itself into
    // the player could be called after its destruction.
    class TNoEffects final : public IOptionEffects {
    public:
        void PlayMusic() override {}
        void StopMusic() override {}
        void SetTooltipsEnabled(bool) override {}
        void SetCheckButtonEnabled(bool) override {}
    } effects;
    QStringList log;
    TRecordingPlayer player(log);
    TConfiguration config(effects, "/game/");
    TMusic music(player, config, "/game/");
    QVERIFY(!player.OnNotify);
    QCOMPARE(log, QStringList{});
}

void TestMusic::reportAfterDestructionReachesNobody()
{
    QStringList log;
    TRecordingPlayer player(log);
    TMusicRig rig(player);
    rig.Config().SetMusic(true);
    rig.DestroyMusic();
    log.clear();
    player.OnNotify(TMediaResult::Successful);
    QCOMPARE(log, QStringList{});
}

void TestMusic::optionOffAtStartLeavesTheFileAlone()
{
    QTemporaryDir dir;
    QFile ini(dir.filePath("Peglore.ini"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Options]\nMusic=0\n");
    ini.close();
    QStringList log;
    TRecordingPlayer player(log);
    TMusicRig rig(player, dir.path().toStdString() + "/");
    testing::TGameRig game;
    rig.Config().LoadSettings(game.Stats, game.Levels);
    QCOMPARE(log, QStringList{});
    QVERIFY(!rig.Music()->Opened());
}

void TestMusic::withTheRealPlayer_data()
{
    QTest::addColumn<bool>("FilePresent");
    QTest::addColumn<bool>("AudioDevice");
    QTest::addColumn<QByteArray>("SavedMusic");
    QTest::newRow("music file missing") << false << true << QByteArray("Music=0");
    QTest::newRow("no audio device") << true << false << QByteArray("Music=0");
    QTest::newRow("everything there") << true << true << QByteArray("Music=1");
}

void TestMusic::withTheRealPlayer()
{
    QFETCH(bool, FilePresent);
    QFETCH(bool, AudioDevice);
    QFETCH(QByteArray, SavedMusic);

    // A settings file that asks for music, and the tune beside it or not.
    QTemporaryDir dir;
    QFile ini(dir.filePath("Peglore.ini"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Options]\nMusic=1\n");
    ini.close();
    if (FilePresent)
        QVERIFY(QFile::copy(PEGLORE_TUNE, dir.filePath("Peglore.mid")));

    // A device that cannot be had stands for a machine without sound; with
    // a device, the sound is pulled here instead of going to a sound card.
    TFluidSynthOptions options;
    options.SampleRate = 22050;
    if (AudioDevice)
        options.Output = TAudioOutput::Caller;
    else
        options.AudioDrivers = {"no-such-driver"};
    TFluidSynthPlayer player(options);
    TMusicRig rig(player, dir.path().toStdString() + "/");
    testing::TGameRig game;
    rig.Config().LoadSettings(game.Stats, game.Levels);
    QCOMPARE(rig.Config().Music(), SavedMusic == "Music=1");

    std::vector<float> left(4096), right(4096);
    float peak = 0;
    for (int i = 0; i < 10; ++i) {
        player.Render(left.data(), right.data(), int(left.size()));
        for (std::size_t j = 0; j < left.size(); ++j)
            peak = std::max({peak, std::fabs(left[j]), std::fabs(right[j])});
    }
    QCOMPARE(peak > 0.01f, SavedMusic == "Music=1");

    rig.Config().SaveSettings(game.Stats, game.Levels);
    const QList<QByteArray> lines = ReadAll(dir.filePath("Peglore.ini")).split('\n');
    QVERIFY2(lines.contains(SavedMusic), ReadAll(dir.filePath("Peglore.ini")).constData());
}

QTEST_GUILESS_MAIN(TestMusic)
#include "TestMusic.moc"
