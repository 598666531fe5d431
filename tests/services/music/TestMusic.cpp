// The background music's states, looping and failures, with a recording
// player; then with the real player behind the settings file.

#include <QtTest>

#include <cmath>
#include <deque>
#include <memory>
#include <utility>

#include "../../game/GameFakes.h"
#include "platform/media/IMediaPlayer.h"
#include "platform/media/TFluidSynthPlayer.h"
#include "services/music/TMusic.h"
#include "settings/configuration/TConfiguration.h"

using namespace peglore;

namespace {

// Records every command. An open ends, with the next of OpenResults (a
// success when none is left), when the test says so, as the event loop
// would bring it, or inside WaitForOpen.
class TRecordingPlayer final : public IMediaPlayer {
public:
    explicit TRecordingPlayer(QStringList& log) : FLog(log) {}
    std::deque<bool> OpenResults;
    std::function<void(TMediaResult)> OnNotify;

    void SetFileName(const std::string& fileName) override { FLog << "name " + QString::fromStdString(fileName); }
    void BeginOpen(std::function<void(bool)> onOpened) override
    {
        FLog << "open";
        FOnOpened = std::move(onOpened);
    }
    void WaitForOpen() override
    {
        FLog << "wait";
        FinishOpen();
    }
    void CancelOpen() override
    {
        FLog << "cancel";
        FOnOpened = nullptr;
    }
    void SeekToStart() override { FLog << "seek"; }
    void Play() override { FLog << "play"; }
    void Stop() override { FLog << "stop"; }
    void Close() override { FLog << "close"; }
    void SetOnNotify(std::function<void(TMediaResult)> handler) override { OnNotify = std::move(handler); }

    void FinishOpen()
    {
        if (!FOnOpened)
            return;
        bool result = true;
        if (!OpenResults.empty()) {
            result = OpenResults.front();
            OpenResults.pop_front();
        }
        std::exchange(FOnOpened, nullptr)(result);
    }
    bool OpenUnderWay() const { return bool(FOnOpened); }

private:
    QStringList& FLog;
    std::function<void(bool)> FOnOpened;
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
    void destructionGivesUpTheOpen();
    void reportAfterDestructionReachesNobody();
    void optionOffAtStartLeavesTheFileAlone();
    void withTheRealPlayer_data();
    void withTheRealPlayer();
    void destroyedWhileTheRealPlayerOpens();
};

void TestMusic::states_data()
{
    QTest::addColumn<QString>("Opens");  // outcomes of the player's opens, in turn
    QTest::addColumn<QString>("Steps");
    QTest::addColumn<QStringList>("Calls");
    QTest::addColumn<bool>("Opened");
    QTest::addColumn<bool>("Music");

    // "done": the open's outcome arrives; "wait": the owner settles it.
    const QString name = "name /game/Peglore.mid";
    const QStringList open{name, "open"};
    const QStringList start = open + QStringList{"seek", "play"};
    const auto row = [](const char* title, const char* opens, const char* steps, const QStringList& calls, bool opened,
                        bool music) { QTest::newRow(title) << opens << steps << calls << opened << music; };
    row("not yet opened", "", "", {}, false, false);
    row("on begins the open, silent until it is done", "", "on", open, false, true);
    row("on plays once opened", "", "on done", start, true, true);
    row("off stops and keeps the file open", "", "on done off", start + QStringList{"stop"}, true, false);
    row("on again starts from the beginning", "", "on done off on", start + QStringList{"stop", "seek", "play"}, true,
        true);
    row("each end starts it again", "", "on done end end", start + QStringList{"seek", "play", "seek", "play"}, true,
        true);
    row("aborted: no restart", "", "on done off aborted", start + QStringList{"stop"}, true, false);
    row("superseded and failure: nothing", "", "on done superseded failure", start, true, true);
    row("on while playing does nothing", "", "on done on", start, true, true);
    row("off while off does nothing", "", "off", {}, false, false);
    row("an end reported after off: no restart", "", "on done off end", start + QStringList{"stop"}, true, false);
    row("failed open turns the option off", "0", "on done", open, false, false);
    row("off after a failed open: nothing", "0", "on done off", open, false, false);
    row("unavailable: on tries again, and fails again", "00", "on done on done", open + open, false, false);
    row("a later open that succeeds plays", "01", "on done on done", open + start, true, true);
    row("off during the open: opened, silent", "", "on off done", open, true, false);
    row("off and on during the open: one open, one play", "", "on off on done", start, true, true);
    row("failure after off during the open", "0", "on off done", open, false, false);
    row("waiting settles the open and plays", "", "on wait", open + QStringList{"wait", "seek", "play"}, true, true);
    row("waiting settles a failure: option off", "0", "on wait", open + QStringList{"wait"}, false, false);
    row("nothing to wait for", "", "wait on done wait", start, true, true);
}

void TestMusic::states()
{
    QFETCH(QString, Opens);
    QFETCH(QString, Steps);
    QFETCH(QStringList, Calls);
    QFETCH(bool, Opened);
    QFETCH(bool, Music);

    QStringList log;
    TRecordingPlayer player(log);
    for (const QChar c : Opens)
        player.OpenResults.push_back(c == '1');
    TMusicRig rig(player);
    for (const QString& step : Steps.split(' ', Qt::SkipEmptyParts)) {
        if (step == "on" || step == "off")
            rig.Config().SetMusic(step == "on");
        else if (step == "done")
            player.FinishOpen();
        else if (step == "wait")
            rig.Music()->WaitForOpen();
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
    QCOMPARE(rig.Config().Music(), Music);

    // What the music is in shows in a stop and a play: an open file is
    // stopped and started from its beginning; while an open is under way
    // both wait for it; otherwise a play opens the file.
    const bool opening = player.OpenUnderWay();
    QVERIFY(!(Opened && opening));
    const QStringList expected = Opened    ? QStringList{"stop", "seek", "play"}
                                 : opening ? QStringList{}
                                           : QStringList{"name /game/Peglore.mid", "open"};
    log.clear();
    rig.Music()->Stop();
    rig.Music()->Play();
    QCOMPARE(log, expected);
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

void TestMusic::destructionGivesUpTheOpen()
{
    QStringList log;
    TRecordingPlayer player(log);
    TMusicRig rig(player);
    rig.Config().SetMusic(true);
    rig.DestroyMusic();
    QCOMPARE(log.last(), QStringLiteral("cancel"));
    QVERIFY(!player.OpenUnderWay());
}

void TestMusic::reportAfterDestructionReachesNobody()
{
    QStringList log;
    TRecordingPlayer player(log);
    TMusicRig rig(player);
    rig.Config().SetMusic(true);
    player.FinishOpen();
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
}

void TestMusic::withTheRealPlayer_data()
{
    QTest::addColumn<bool>("FilePresent");
    QTest::addColumn<bool>("AudioDevice");
    QTest::addColumn<bool>("Wait");  // the owner settles the open, or it arrives as an event
    QTest::addColumn<QByteArray>("SavedMusic");
    for (const bool wait : {true, false}) {
        const char* how = wait ? ", settled" : ", as an event";
        QTest::addRow("music file missing%s", how) << false << true << wait << QByteArray("Music=0");
        QTest::addRow("no audio device%s", how) << true << false << wait << QByteArray("Music=0");
        QTest::addRow("everything there%s", how) << true << true << wait << QByteArray("Music=1");
    }
}

void TestMusic::withTheRealPlayer()
{
    QFETCH(bool, FilePresent);
    QFETCH(bool, AudioDevice);
    QFETCH(bool, Wait);
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
    QVERIFY(player.IsOpening());
    QVERIFY(rig.Config().Music());
    if (Wait)
        rig.Music()->WaitForOpen();
    else
        QTRY_VERIFY(!player.IsOpening());  // the outcome has reached the music
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

void TestMusic::destroyedWhileTheRealPlayerOpens()
{
    QTemporaryDir dir;
    QVERIFY(QFile::copy(PEGLORE_TUNE, dir.filePath("Peglore.mid")));
    TFluidSynthOptions options;
    options.Output = TAudioOutput::Caller;
    TFluidSynthPlayer player(options);
    TMusicRig rig(player, dir.path().toStdString() + "/");
    rig.Config().SetMusic(true);
    QVERIFY(player.IsOpening());
    rig.DestroyMusic();
    QVERIFY(!player.IsOpening());
    QVERIFY(!player.IsOpen());
    QCoreApplication::processEvents();
    QVERIFY(!player.IsOpen());
}

QTEST_GUILESS_MAIN(TestMusic)
#include "TestMusic.moc"
