// The FluidSynth player with a real synthesizer and soundfont but no sound
// card: the sound is pulled through Render, faster than real time.

#include <QtTest>

#include <fluidsynth.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "platform/media/TFluidSynthPlayer.h"
#include "platform/midi/TMidiFile.h"

using namespace peglore;

namespace {

constexpr double Rate = 22050;
constexpr int Block = 512;

int ThreadCount()
{
    return int(QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

QString Name(TMediaResult result)
{
    switch (result) {
    case TMediaResult::Successful: return "Successful";
    case TMediaResult::Superseded: return "Superseded";
    case TMediaResult::Aborted: return "Aborted";
    case TMediaResult::Failure: return "Failure";
    }
    return "?";
}

std::string Bytes(std::initializer_list<int> values)
{
    std::string s;
    for (int v : values)
        s += char(v);
    return s;
}

// One second at 120 beats a minute: a flute note for the first half,
// then a rest up to the end of the track.
std::string OneSecondSong(bool withNote = true)
{
    const std::string note = withNote ? Bytes({0x00, 0x90, 72, 100, 0x83, 0x60, 0x80, 72, 0})
                                      : Bytes({0x00, 0xB0, 7, 100, 0x83, 0x60, 0xB0, 7, 90});
    const std::string body = Bytes({0x00, 0xC0, 73}) + note + Bytes({0x83, 0x60, 0xFF, 0x2F, 0x00});
    const auto n = body.size();
    return "MThd" + Bytes({0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0}) + "MTrk" +
           Bytes({0, 0, int(n >> 8) & 0xFF, int(n) & 0xFF}) + body;
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const std::string& bytes)
{
    QFile f(dir.filePath(name));
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write(bytes.data(), qint64(bytes.size()));
    return f.fileName();
}

// The length of a file of one tempo as FluidSynth's own file player reads
// it: its tick count at its tempo, over the division in the file's header.
double FluidSynthFileSeconds(const QString& path, const std::string& soundFont)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray header = file.read(14);
    const int division = (quint8(header[12]) << 8) | quint8(header[13]);

    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", Rate);
    fluid_synth_t* synth = new_fluid_synth(settings);
    fluid_synth_sfload(synth, soundFont.c_str(), 1);
    fluid_player_t* player = new_fluid_player(synth);
    fluid_player_add(player, path.toLocal8Bit().constData());
    fluid_player_play(player);
    // The player reads the file when the synthesizer first calls it.
    std::vector<float> left(64), right(64);
    for (int i = 0; i < 16; ++i)
        fluid_synth_write_float(synth, 64, left.data(), 0, 1, right.data(), 0, 1);
    const double seconds =
        double(fluid_player_get_total_ticks(player)) * fluid_player_get_midi_tempo(player) / division / 1e6;
    delete_fluid_player(player);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return seconds;
}

// Handles events as they come, until count reports are in or ten seconds
// have passed.
void WaitForReports(const QStringList& reports, qsizetype count)
{
    QTimer timeout;
    timeout.setSingleShot(true);
    timeout.start(10000);
    while (reports.size() < count && timeout.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// ALSA's null device: a real audio thread that takes sound as fast as it
// comes, with no sound card.
TFluidSynthOptions NullDevice()
{
    TFluidSynthOptions options;
    options.AudioDrivers = {"alsa"};
    options.StringSettings = {{"audio.alsa.device", "null"}};
    options.SampleRate = Rate;
    return options;
}

// Bytes this process has read so far, from files, pipes and sockets alike.
qint64 BytesRead()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : io.readAll().split('\n'))
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    return -1;
}

double TuneSeconds()
{
    const auto tune = TMidiFile::Load(PEGLORE_TUNE);
    return tune ? double(tune->Duration()) / 1e6 : 0;
}

// A player that renders on request and records its reports.
struct TRig {
    explicit TRig(TFluidSynthOptions options = Caller()) : Player(std::move(options))
    {
        Player.SetOnNotify([this](TMediaResult result) { Reports << Name(result); });
    }
    static TFluidSynthOptions Caller()
    {
        TFluidSynthOptions options;
        options.Output = TAudioOutput::Caller;
        options.SampleRate = Rate;
        return options;
    }

    // Renders blocks, handling events after each, until seconds have passed
    // or, with untilReport, a new report has arrived. Returns the frames.
    qint64 Render(double seconds, bool untilReport = false)
    {
        const qsizetype reports = Reports.size();
        qint64 frames = 0;
        Peak = 0;
        SumOfSquares = 0;
        while (frames < qint64(seconds * Rate) && !(untilReport && Reports.size() > reports)) {
            Player.Render(Left.data(), Right.data(), Block);
            for (int i = 0; i < Block; ++i) {
                Peak = std::max({Peak, std::fabs(Left[i]), std::fabs(Right[i])});
                SumOfSquares += double(Left[i]) * Left[i] + double(Right[i]) * Right[i];
            }
            frames += Block;
            QCoreApplication::processEvents();
        }
        Frames = frames;
        return frames;
    }
    double Rms() const { return Frames ? std::sqrt(SumOfSquares / (2.0 * double(Frames))) : 0; }

    TFluidSynthPlayer Player;
    QStringList Reports;
    std::vector<float> Left = std::vector<float>(Block), Right = std::vector<float>(Block);
    float Peak = 0;
    double SumOfSquares = 0;
    qint64 Frames = 0;
};

}  // namespace

class TestFluidSynthPlayer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void tuneRendersToItsLength();
    void reports_data();
    void reports();
    void reportsArriveAsEvents();
    void endReachedBeforeANewPlayIsNotReported();
    void stopSilencesAndSeekRestarts();
    void openFailures_data();
    void openFailures();
    void audioDeviceOfThisMachine();
    void audioThreadReportsEachPlayOnce();
    void destructionEndsTheAudioThread();
    void soundFontLookup();
    void destroyedPlayerReportsToNobody();
    void openGoesOnInTheBackground();
    void waitForOpenHandsTheOutcomeOver_data();
    void waitForOpenHandsTheOutcomeOver();
    void givingUpAnOpen_data();
    void givingUpAnOpen();
    void soundsAsTheWholeSoundFont_data();
    void soundsAsTheWholeSoundFont();
    void playingReadsNoSamples();

private:
    QTemporaryDir FDir;
    QString FSong;
};

void TestFluidSynthPlayer::initTestCase()
{
    QVERIFY(FDir.isValid());
    FSong = WriteFile(FDir, "Song.mid", OneSecondSong());
    QVERIFY(!FSong.isEmpty());
    QVERIFY2(!TFluidSynthPlayer().FindSoundFont().empty(), "a General MIDI soundfont is installed");
    // What FluidSynth sets up once per process is in place before threads
    // are counted.
    TRig warmUp;
    warmUp.Player.SetFileName(FSong.toStdString());
    QVERIFY(warmUp.Player.Open());
}

void TestFluidSynthPlayer::tuneRendersToItsLength()
{
    TRig rig;
    rig.Player.SetFileName(PEGLORE_TUNE);
    QVERIFY(rig.Player.Open());
    QCOMPARE(rig.Player.SampleRate(), Rate);
    rig.Player.SeekToStart();
    rig.Player.Play();

    // Played in windows of two seconds: sound in every one of them, none
    // of it clipped.
    qint64 frames = 0;
    int windows = 0;
    while (rig.Reports.isEmpty() && frames < qint64(Rate * 300)) {
        frames += rig.Render(2.0, true);
        if (rig.Reports.isEmpty()) {
            QVERIFY2(rig.Rms() > 0.002, qPrintable(QStringLiteral("window %1: rms %2").arg(windows).arg(rig.Rms())));
            QVERIFY2(rig.Peak < 1.0f, qPrintable(QStringLiteral("window %1: peak %2").arg(windows).arg(rig.Peak)));
            ++windows;
        }
    }
    QCOMPARE(rig.Reports, QStringList{"Successful"});

    // As long as the file is by FluidSynth's reading and by ours. (The
    // music ends with the file, not when its last sound has died away, so
    // that the loop keeps the beat.)
    const double reference = FluidSynthFileSeconds(PEGLORE_TUNE, rig.Player.FindSoundFont());
    const auto tune = TMidiFile::Load(PEGLORE_TUNE);
    QVERIFY(tune);
    const double seconds = double(frames) / Rate;
    QVERIFY2(std::fabs(seconds - reference) < 0.05,
             qPrintable(QStringLiteral("%1 s against FluidSynth's %2 s").arg(seconds).arg(reference)));
    QVERIFY2(
        std::fabs(seconds - double(tune->Duration()) / 1e6) < 0.05,
        qPrintable(QStringLiteral("%1 s against the file's %2 s").arg(seconds).arg(double(tune->Duration()) / 1e6)));
    QVERIFY(windows >= 30);
}

void TestFluidSynthPlayer::reports_data()
{
    QTest::addColumn<QString>("Commands");
    QTest::addColumn<QStringList>("Reports");
    QTest::newRow("plays to its end") << "open seek play end" << QStringList{"Successful"};
    QTest::newRow("again from the start")
        << "open seek play end seek play end" << QStringList{"Successful", "Successful"};
    QTest::newRow("stop aborts") << "open seek play render stop" << QStringList{"Aborted"};
    QTest::newRow("a second play supersedes the first")
        << "open seek play render play end" << QStringList{"Superseded", "Successful"};
    QTest::newRow("close aborts") << "open seek play render close" << QStringList{"Aborted"};
    QTest::newRow("open again aborts") << "open seek play render open" << QStringList{"Aborted"};
    QTest::newRow("play without open fails") << "play" << QStringList{"Failure"};
    QTest::newRow("play after close fails") << "open close play" << QStringList{"Failure"};
    QTest::newRow("stop while idle reports nothing") << "open stop seek stop" << QStringList{};
    QTest::newRow("stop after the end reports nothing more") << "open seek play end stop" << QStringList{"Successful"};
    QTest::newRow("play at the end ends at once")
        << "open seek play end play end" << QStringList{"Successful", "Successful"};
}

void TestFluidSynthPlayer::reports()
{
    QFETCH(QString, Commands);
    QFETCH(QStringList, Reports);
    TRig rig;
    rig.Player.SetFileName(FSong.toStdString());
    for (const QString& command : Commands.split(' ')) {
        if (command == "open")
            QVERIFY(rig.Player.Open());
        else if (command == "seek")
            rig.Player.SeekToStart();
        else if (command == "play")
            rig.Player.Play();
        else if (command == "stop")
            rig.Player.Stop();
        else if (command == "close")
            rig.Player.Close();
        else if (command == "render")
            rig.Render(0.2);
        else if (command == "end")
            QVERIFY(rig.Render(5.0, true) < qint64(5.0 * Rate));
    }
    // Nothing further turns up later.
    rig.Render(1.5);
    QCOMPARE(rig.Reports, Reports);
}

void TestFluidSynthPlayer::reportsArriveAsEvents()
{
    TRig rig;
    rig.Player.SetFileName(FSong.toStdString());
    QVERIFY(rig.Player.Open());
    rig.Player.Play();
    rig.Player.Stop();
    QVERIFY(rig.Reports.isEmpty());
    QCoreApplication::processEvents();
    QCOMPARE(rig.Reports, QStringList{"Aborted"});
}

void TestFluidSynthPlayer::endReachedBeforeANewPlayIsNotReported()
{
    // The audio side reaches the end, but before its report is handled the
    // music is started again: the old report must not end the new play.
    TRig rig;
    rig.Player.SetFileName(FSong.toStdString());
    QVERIFY(rig.Player.Open());
    rig.Player.SeekToStart();
    rig.Player.Play();
    for (int i = 0; i < int(1.5 * Rate) / Block; ++i)
        rig.Player.Render(rig.Left.data(), rig.Right.data(), Block);
    rig.Player.SeekToStart();
    rig.Player.Play();
    QCoreApplication::processEvents();
    QCOMPARE(rig.Reports, QStringList{"Superseded"});
    const qint64 frames = rig.Render(5.0, true);
    QCOMPARE(rig.Reports, QStringList({"Superseded", "Successful"}));
    QVERIFY2(std::abs(frames - qint64(Rate)) <= Block, qPrintable(QString::number(frames)));
}

void TestFluidSynthPlayer::stopSilencesAndSeekRestarts()
{
    TRig rig;
    rig.Player.SetFileName(FSong.toStdString());
    QVERIFY(rig.Player.Open());
    rig.Player.SeekToStart();
    rig.Player.Play();
    rig.Render(0.3);
    QVERIFY(rig.Rms() > 0.005);
    rig.Player.Stop();
    // The reverberation dies away; then nothing sounds.
    rig.Render(2.0);
    rig.Render(0.5);
    QVERIFY2(rig.Peak < 1e-4f, qPrintable(QString::number(rig.Peak)));

    // From the start, the whole second again rather than what was left.
    rig.Player.SeekToStart();
    rig.Player.Play();
    const qint64 frames = rig.Render(5.0, true);
    QCOMPARE(rig.Reports, QStringList({"Aborted", "Successful"}));
    QVERIFY2(std::abs(frames - qint64(Rate)) <= Block, qPrintable(QString::number(frames)));
}

void TestFluidSynthPlayer::openFailures_data()
{
    QTest::addColumn<QString>("File");
    QTest::addColumn<QStringList>("SoundFonts");
    QTest::addColumn<QStringList>("Drivers");

    const QString text = WriteFile(FDir, "Peglore.mid", "Not music, only text under the music file's name.\n");
    const QString silent = WriteFile(FDir, "Silent.mid", OneSecondSong(false));
    const QString notSoundFont = WriteFile(FDir, "Text.sf2", "RIFF, but no soundfont\n");
    const QStringList none;
    QTest::newRow("missing file") << FDir.filePath("Missing.mid") << none << none;
    QTest::newRow("text file named Peglore.mid") << text << none << none;
    QTest::newRow("MIDI file without a note") << silent << none << none;
    QTest::newRow("missing soundfont") << FSong << QStringList{FDir.filePath("Missing.sf2")} << none;
    QTest::newRow("soundfont that is none") << FSong << QStringList{notSoundFont} << none;
    QTest::newRow("no audio device") << FSong << none << QStringList{"no-such-driver"};
    // Known before FluidSynth is asked.
    QTest::newRow("no sound output at all") << FSong << none << QStringList{"oss"};
}

void TestFluidSynthPlayer::openFailures()
{
    QFETCH(QString, File);
    QFETCH(QStringList, SoundFonts);
    QFETCH(QStringList, Drivers);
    TFluidSynthOptions options = TRig::Caller();
    for (const QString& s : SoundFonts)
        options.SoundFonts.push_back(s.toStdString());
    if (!Drivers.isEmpty()) {
        options.Output = TAudioOutput::Device;
        for (const QString& d : Drivers)
            options.AudioDrivers.push_back(d.toStdString());
        options.StringSettings = {{"audio.oss.device", FDir.filePath("no-dsp").toStdString()}};
    }
    const int threads = ThreadCount();
    TRig rig(options);
    rig.Player.SetFileName(File.toStdString());
    QVERIFY(!rig.Player.Open());
    QVERIFY(!rig.Player.IsOpen());
    QCOMPARE(ThreadCount(), threads);
    rig.Player.SeekToStart();
    rig.Player.Play();
    rig.Render(0.1);
    QCOMPARE(rig.Reports, QStringList{"Failure"});
    QCOMPARE(rig.Peak, 0.0f);
}

void TestFluidSynthPlayer::audioDeviceOfThisMachine()
{
    // The usual drivers: on a machine without sound the open fails and
    // leaves no thread behind; with sound, closing ends the audio thread.
    const int threads = ThreadCount();
    TFluidSynthOptions options;
    options.SampleRate = Rate;
    TRig rig(options);
    rig.Player.SetFileName(FSong.toStdString());
    if (!rig.Player.Open()) {
        QVERIFY(!rig.Player.IsOpen());
        QCOMPARE(ThreadCount(), threads);
        return;
    }
    QVERIFY(ThreadCount() > threads);
    rig.Player.SeekToStart();
    rig.Player.Play();
    rig.Player.Stop();
    rig.Player.Close();
    QCoreApplication::processEvents();
    QCOMPARE(rig.Reports, QStringList{"Aborted"});
    QCOMPARE(ThreadCount(), threads);
}

void TestFluidSynthPlayer::audioThreadReportsEachPlayOnce()
{
    const int threads = ThreadCount();
    TFluidSynthPlayer player(NullDevice());
    QStringList reports;
    player.SetOnNotify([&reports](TMediaResult result) { reports << Name(result); });
    player.SetFileName(FSong.toStdString());
    QVERIFY2(player.Open(), "ALSA's null device takes the sound");
    QVERIFY(ThreadCount() > threads);

    // The second of music is over at once, and its end is reported from
    // the audio thread.
    player.SeekToStart();
    player.Play();
    WaitForReports(reports, 1);
    QCOMPARE(reports, QStringList{"Successful"});

    // Commands racing the audio thread's end of the music: the end it
    // reaches before a stop or a new play is not reported on top.
    QStringList expected = reports;
    for (int i = 0; i < 150; ++i) {
        player.SeekToStart();
        player.Play();
        if (i % 3 == 0) {
            player.Stop();
            expected << "Aborted";
        } else if (i % 3 == 1) {
            player.SeekToStart();
            player.Play();
            player.Stop();
            expected << "Superseded"
                     << "Aborted";
        } else {
            expected << "Successful";
            WaitForReports(reports, expected.size());
            QCOMPARE(reports.size(), expected.size());
        }
    }
    player.Close();
    QCOMPARE(ThreadCount(), threads);
    QCoreApplication::processEvents();
    QCOMPARE(reports, expected);
}

void TestFluidSynthPlayer::destructionEndsTheAudioThread()
{
    const int threads = ThreadCount();
    {
        TFluidSynthPlayer player(NullDevice());
        player.SetFileName(FSong.toStdString());
        QVERIFY(player.Open());
        player.Play();
    }
    QCOMPARE(ThreadCount(), threads);
}

void TestFluidSynthPlayer::soundFontLookup()
{
    const std::vector<std::string> defaults = TFluidSynthPlayer::DefaultSoundFonts();
    // FluidSynth's own setting first, then the sf3 and sf2 alternatives.
    fluid_settings_t* settings = new_fluid_settings();
    char* configured = nullptr;
    fluid_settings_dupstr(settings, "synth.default-soundfont", &configured);
    const std::string first = configured ? configured : "";
    fluid_free(configured);
    delete_fluid_settings(settings);
    QVERIFY(!defaults.empty());
    if (!first.empty())
        QCOMPARE(defaults.front(), first);
    const auto at = [&](const std::string& path) {
        return std::find(defaults.begin(), defaults.end(), path) - defaults.begin();
    };
    QVERIFY(at("/usr/share/sounds/sf3/default-GM.sf3") < at("/usr/share/sounds/sf2/default-GM.sf2"));
    QVERIFY(at("/usr/share/sounds/sf2/default-GM.sf2") < qsizetype(defaults.size()));

    // The first candidate that really is a soundfont.
    const std::string real = TFluidSynthPlayer().FindSoundFont();
    TFluidSynthOptions options;
    options.SoundFonts = {FDir.filePath("Missing.sf2").toStdString(), FSong.toStdString(), real};
    QCOMPARE(TFluidSynthPlayer(options).FindSoundFont(), real);
}

void TestFluidSynthPlayer::destroyedPlayerReportsToNobody()
{
    int calls = 0;
    {
        TFluidSynthPlayer player(TRig::Caller());
        player.SetOnNotify([&calls](TMediaResult) { ++calls; });
        player.SetFileName(FSong.toStdString());
        QVERIFY(player.Open());
        player.Play();
        player.Stop();
    }
    QCoreApplication::processEvents();
    QCOMPARE(calls, 0);
}

void TestFluidSynthPlayer::openGoesOnInTheBackground()
{
    const int threads = ThreadCount();
    TRig rig;
    rig.Player.SetFileName(PEGLORE_TUNE);
    QList<bool> outcomes;
    rig.Player.BeginOpen([&outcomes](bool opened) { outcomes << opened; });
    QVERIFY(outcomes.isEmpty());
    QVERIFY(rig.Player.IsOpening());
    QVERIFY(!rig.Player.IsOpen());

    // The outcome comes as an event, and the worker is gone after it.
    QTRY_COMPARE(outcomes, QList<bool>{true});
    QVERIFY(rig.Player.IsOpen());
    QVERIFY(!rig.Player.IsOpening());
    QTRY_COMPARE(ThreadCount(), threads);
    rig.Player.SeekToStart();
    rig.Player.Play();
    rig.Render(1.0);
    QVERIFY(rig.Rms() > 0.002);
}

void TestFluidSynthPlayer::waitForOpenHandsTheOutcomeOver_data()
{
    QTest::addColumn<QString>("File");
    QTest::addColumn<bool>("Device");
    QTest::addColumn<bool>("Opened");
    QTest::newRow("the tune") << QStringLiteral(PEGLORE_TUNE) << false << true;
    QTest::newRow("missing file") << FDir.filePath("Missing.mid") << false << false;
    QTest::newRow("no audio device") << QStringLiteral(PEGLORE_TUNE) << true << false;
}

void TestFluidSynthPlayer::waitForOpenHandsTheOutcomeOver()
{
    QFETCH(QString, File);
    QFETCH(bool, Device);
    QFETCH(bool, Opened);
    TFluidSynthOptions options = TRig::Caller();
    if (Device) {
        options.Output = TAudioOutput::Device;
        options.AudioDrivers = {"no-such-driver"};
    }
    TRig rig(options);
    rig.Player.SetFileName(File.toStdString());
    QList<bool> outcomes;
    rig.Player.BeginOpen([&outcomes](bool opened) { outcomes << opened; });
    rig.Player.WaitForOpen();
    QCOMPARE(outcomes, QList<bool>{Opened});
    QCOMPARE(rig.Player.IsOpen(), Opened);
    QVERIFY(!rig.Player.IsOpening());

    // The report the worker queued, and a second wait, add nothing.
    QCoreApplication::processEvents();
    rig.Player.WaitForOpen();
    QCOMPARE(outcomes, QList<bool>{Opened});
}

void TestFluidSynthPlayer::givingUpAnOpen_data()
{
    QTest::addColumn<QString>("How");
    QTest::newRow("cancelled") << "cancel";
    QTest::newRow("closed") << "close";
    QTest::newRow("opened again") << "open";
    QTest::newRow("player destroyed") << "destroy";
}

void TestFluidSynthPlayer::givingUpAnOpen()
{
    QFETCH(QString, How);
    const int threads = ThreadCount();
    QList<bool> first, second;
    auto rig = std::make_unique<TRig>();
    rig->Player.SetFileName(PEGLORE_TUNE);
    rig->Player.BeginOpen([&first](bool opened) { first << opened; });
    if (How == "cancel")
        rig->Player.CancelOpen();
    else if (How == "close")
        rig->Player.Close();
    else if (How == "open")
        rig->Player.BeginOpen([&second](bool opened) { second << opened; });
    else
        rig.reset();

    if (How == "open") {
        QTRY_COMPARE(second, QList<bool>{true});
    } else {
        if (rig) {
            QVERIFY(!rig->Player.IsOpening());
            QVERIFY(!rig->Player.IsOpen());
        }
        // Whatever the worker queued before it was stopped is handled now.
        QCoreApplication::processEvents();
    }
    QCOMPARE(first, QList<bool>{});
    rig.reset();
    QTRY_COMPARE(ThreadCount(), threads);
}

void TestFluidSynthPlayer::soundsAsTheWholeSoundFont_data()
{
    QTest::addColumn<bool>("onDemand");
    QTest::addColumn<bool>("subset");
    QTest::addColumn<int>("polyphony");
    QTest::newRow("samples on demand") << true << false << 256;
    QTest::newRow("only the tune's presets") << false << true << 256;
    QTest::newRow("128 voices") << false << false << 128;
    QTest::newRow("as the game plays") << true << true << TFluidSynthOptions().Polyphony;
}

void TestFluidSynthPlayer::soundsAsTheWholeSoundFont()
{
    // The whole tune, once with every preset and sample of the soundfont in
    // memory and FluidSynth's own number of voices, once as the row says.
    QFETCH(bool, onDemand);
    QFETCH(bool, subset);
    QFETCH(int, polyphony);
    int presets = 0;
    const auto render = [&presets](bool onDemand, bool subset, int polyphony) {
        TFluidSynthOptions options = TRig::Caller();
        options.DynamicSampleLoading = onDemand;
        options.SubsetSoundFont = subset;
        options.Polyphony = polyphony;
        TRig rig(options);
        rig.Player.SetFileName(PEGLORE_TUNE);
        std::vector<float> sound;
        if (!rig.Player.Open())
            return sound;
        presets = rig.Player.PresetCount();
        rig.Player.SeekToStart();
        rig.Player.Play();
        for (qint64 frames = 0; frames < qint64(TuneSeconds() * Rate); frames += Block) {
            rig.Player.Render(rig.Left.data(), rig.Right.data(), Block);
            sound.insert(sound.end(), rig.Left.begin(), rig.Left.end());
            sound.insert(sound.end(), rig.Right.begin(), rig.Right.end());
        }
        return sound;
    };
    // Rendered once for all rows.
    static int allPresets = 0;
    static const std::vector<float> everything = [&] {
        std::vector<float> whole = render(false, false, 256);
        allPresets = presets;
        return whole;
    }();
    const std::vector<float> sound = render(onDemand, subset, polyphony);
    QVERIFY(!everything.empty());
    QCOMPARE(sound.size(), everything.size());
    double signal = 0, difference = 0;
    for (std::size_t i = 0; i < everything.size(); ++i) {
        signal += double(everything[i]) * everything[i];
        difference += double(sound[i] - everything[i]) * (sound[i] - everything[i]);
    }
    const double signalRms = std::sqrt(signal / double(everything.size()));
    const double differenceRms = std::sqrt(difference / double(everything.size()));
    QVERIFY(signalRms > 0.01);
    // 100 dB below the music.
    QVERIFY2(differenceRms <= signalRms * 1e-5,
             qPrintable(QStringLiteral("difference %1 against %2").arg(differenceRms).arg(signalRms)));
    // The tune plays five instruments, one of them the drum kit.
    QVERIFY(allPresets > 100);
    QCOMPARE(presets, subset ? 5 : allPresets);
}

void TestFluidSynthPlayer::playingReadsNoSamples()
{
    // Every instrument of the tune is read while opening; the audio side
    // never waits for the soundfont, not in the first play, not in a loop.
    const double seconds = TuneSeconds();
    TRig rig;
    rig.Player.SetFileName(PEGLORE_TUNE);
    QVERIFY(rig.Player.Open());
    const qint64 before = BytesRead();
    for (int play = 0; play < 2; ++play) {
        rig.Player.SeekToStart();
        rig.Player.Play();
        rig.Render(seconds + 5.0, true);
    }
    QCOMPARE(rig.Reports, QStringList({"Successful", "Successful"}));
    const qint64 read = BytesRead() - before;
    QVERIFY2(read < 4096, qPrintable(QStringLiteral("%1 bytes read while playing").arg(read)));
}

QTEST_GUILESS_MAIN(TestFluidSynthPlayer)
#include "TestFluidSynthPlayer.moc"
