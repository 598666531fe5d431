// Reading MIDI files: timing through the tempo map, the merge of tracks,
// and files that must be refused without a crash or a hang.

#include <QtTest>

#include <sys/stat.h>
#include <sys/types.h>

#include <string>

#include "platform/midi/TMidiFile.h"

using peglore::TMidiEvent;
using peglore::TMidiFile;

namespace {

std::string Bytes(std::initializer_list<int> values)
{
    std::string s;
    for (int v : values)
        s += char(v);
    return s;
}

std::string Header(int format, int tracks, int division)
{
    return "MThd" + Bytes({0, 0, 0, 6, 0, format, 0, tracks, (division >> 8) & 0xFF, division & 0xFF});
}

std::string Chunk(const std::string& tag, const std::string& body)
{
    const auto n = body.size();
    return tag + Bytes({int(n >> 24) & 0xFF, int(n >> 16) & 0xFF, int(n >> 8) & 0xFF, int(n) & 0xFF}) + body;
}

std::string Track(const std::string& body)
{
    return Chunk("MTrk", body);
}

const std::string EndOfTrack = Bytes({0x00, 0xFF, 0x2F, 0x00});
// Delta 0: 60 beats a minute, one second a quarter note.
const std::string Tempo60 = Bytes({0x00, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40});

QString Describe(const TMidiEvent& e)
{
    return QStringLiteral("%1 %2 %3 %4").arg(e.Microseconds).arg(e.Status, 2, 16).arg(e.Data1).arg(e.Data2);
}

QStringList Describe(const TMidiFile& file)
{
    QStringList lines;
    for (const TMidiEvent& e : file.Events())
        lines << Describe(e);
    return lines;
}

}  // namespace

class TestMidiFile : public QObject {
    Q_OBJECT
private slots:
    void timesFollowTheTempoMap();
    void tracksMergeInTimeOrder();
    void acceptedVariations_data();
    void acceptedVariations();
    void refusedFiles_data();
    void refusedFiles();
    void loadRefusesWhatIsNoRegularFile();
    void loadReadsAFile();
};

void TestMidiFile::timesFollowTheTempoMap()
{
    // 96 ticks a quarter. A note at the start at 120 beats a minute (the
    // default), then after one quarter the tempo halves; running status
    // carries the note-off.
    const std::string body = Bytes({0x00, 0x90, 60, 100, 0x60, 60, 0}) +
                             Bytes({0x00, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40}) + Bytes({0x60, 0x80, 62, 64}) +
                             Bytes({0x81, 0x40, 0xFF, 0x2F, 0x00});
    const auto file = TMidiFile::Parse(Header(0, 1, 96) + Track(body));
    QVERIFY(file);
    QCOMPARE(Describe(*file), QStringList({"0 90 60 100", "500000 90 60 0", "1500000 80 62 64"}));
    // Then 0xC0 = 192 ticks, two quarters at one second each.
    QCOMPARE(file->Duration(), std::int64_t(3500000));
    QVERIFY(file->HasNotes());
}

void TestMidiFile::tracksMergeInTimeOrder()
{
    // The tempo lives in the first track and applies to the others; at the
    // same time the earlier track's message comes first.
    const std::string conductor = Tempo60 + Bytes({0x00, 0xB0, 7, 100}) + Bytes({0x83, 0x60}) + EndOfTrack.substr(1);
    const std::string melody = Bytes({0x00, 0xC1, 73, 0x00, 0x91, 67, 90, 0x81, 0x70, 0x81, 67, 0}) + EndOfTrack;
    const std::string bass = Bytes({0x00, 0xB2, 7, 90, 0x78, 0xE2, 0x00, 0x40}) + EndOfTrack;
    const auto file = TMidiFile::Parse(Header(1, 3, 480) + Track(conductor) + Track(melody) + Track(bass));
    QVERIFY(file);
    QCOMPARE(Describe(*file),
             QStringList({"0 b0 7 100", "0 c1 73 0", "0 91 67 90", "0 b2 7 90", "250000 e2 0 64", "500000 81 67 0"}));
    // The conductor track is the longest: 480 ticks, one second.
    QCOMPARE(file->Duration(), std::int64_t(1000000));
}

void TestMidiFile::acceptedVariations_data()
{
    QTest::addColumn<QByteArray>("Bytes");
    QTest::addColumn<int>("Events");
    QTest::addColumn<qint64>("Duration");
    QTest::addColumn<bool>("HasNotes");

    const std::string note = Bytes({0x00, 0x90, 60, 100, 0x83, 0x60, 0x80, 60, 0});  // one quarter
    const auto row = [](const char* name, const std::string& file, int events, qint64 duration, bool notes) {
        QTest::newRow(name) << QByteArray::fromStdString(file) << events << duration << notes;
    };
    row("plain", Header(0, 1, 480) + Track(note + EndOfTrack), 2, 500000, true);
    row("longer header", "MThd" + Bytes({0, 0, 0, 8, 0, 0, 0, 1, 1, 0xE0, 7, 7}) + Track(note + EndOfTrack), 2, 500000,
        true);
    row("unknown chunk skipped", Header(0, 1, 480) + Chunk("XFIH", "abc") + Track(note + EndOfTrack), 2, 500000, true);
    row("no end of track", Header(0, 1, 480) + Track(note), 2, 500000, true);
    row("bytes after end of track ignored", Header(0, 1, 480) + Track(note + EndOfTrack + "junk"), 2, 500000, true);
    row("system exclusive skipped",
        Header(0, 1, 480) + Track(Bytes({0x00, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7}) + note + EndOfTrack), 2,
        500000, true);
    row("other meta events skipped",
        Header(0, 1, 480) + Track(Bytes({0x00, 0xFF, 0x03, 0x02, 'h', 'i'}) + note + EndOfTrack), 2, 500000, true);
    row("tempo of zero ignored",
        Header(0, 1, 480) + Track(Bytes({0x00, 0xFF, 0x51, 0x03, 0, 0, 0}) + note + EndOfTrack), 2, 500000, true);
    row("velocity zero strikes nothing", Header(0, 1, 480) + Track(Bytes({0x00, 0x90, 60, 0}) + EndOfTrack), 1, 0,
        false);
    row("track count larger than the tracks", Header(1, 5, 480) + Track(note + EndOfTrack), 2, 500000, true);
    row("trailing bytes shorter than a chunk", Header(0, 1, 480) + Track(note + EndOfTrack) + "MT", 2, 500000, true);
}

void TestMidiFile::acceptedVariations()
{
    QFETCH(QByteArray, Bytes);
    QFETCH(int, Events);
    QFETCH(qint64, Duration);
    QFETCH(bool, HasNotes);
    const auto file = TMidiFile::Parse(Bytes.toStdString());
    QVERIFY(file);
    QCOMPARE(int(file->Events().size()), Events);
    QCOMPARE(qint64(file->Duration()), Duration);
    QCOMPARE(file->HasNotes(), HasNotes);
}

void TestMidiFile::refusedFiles_data()
{
    QTest::addColumn<QByteArray>("Bytes");
    const std::string note = Bytes({0x00, 0x90, 60, 100, 0x60, 0x80, 60, 0});
    const auto row = [](const char* name, const std::string& file) {
        QTest::newRow(name) << QByteArray::fromStdString(file);
    };
    row("empty", "");
    row("text", "This is not music, only a text file named Peglore.mid.\n");
    row("header tag only", "MThd");
    row("header cut short", "MThd" + Bytes({0, 0, 0, 6, 0, 0, 0, 1}));
    row("header length too small", "MThd" + Bytes({0, 0, 0, 4, 0, 0, 0, 1}) + Track(note));
    row("header length past the end", "MThd" + Bytes({0x7F, 0xFF, 0xFF, 0xFF, 0, 0, 0, 1, 0, 96}));
    row("format 2", Header(2, 1, 96) + Track(note));
    row("SMPTE time", Header(0, 1, 0xE728) + Track(note));
    row("division zero", Header(0, 1, 0) + Track(note));
    row("no tracks announced", Header(0, 0, 96) + Track(note));
    row("no track chunk", Header(0, 1, 96) + Chunk("XFIH", "abc"));
    row("track longer than the file", Header(0, 1, 96) + "MTrk" + Bytes({0, 0, 0x10, 0}) + note);
    row("event cut short", Header(0, 1, 96) + Track(Bytes({0x00, 0x90, 60})));
    row("data byte with the high bit", Header(0, 1, 96) + Track(Bytes({0x00, 0x90, 0x80, 100})));
    row("running status without a status", Header(0, 1, 96) + Track(Bytes({0x00, 60, 100})));
    row("running status after meta",
        Header(0, 1, 96) + Track(Bytes({0x00, 0x90, 60, 100, 0x00, 0xFF, 0x01, 0x00, 0x10, 60, 0})));
    row("system common message", Header(0, 1, 96) + Track(Bytes({0x00, 0xF2, 0x00, 0x00})));
    row("real-time message", Header(0, 1, 96) + Track(Bytes({0x00, 0xF8})));
    row("delta of five bytes", Header(0, 1, 96) + Track(Bytes({0x81, 0x81, 0x81, 0x81, 0x01, 0x90, 60, 100})));
    row("delta cut short", Header(0, 1, 96) + Track(Bytes({0x81})));
    row("meta longer than the track", Header(0, 1, 96) + Track(Bytes({0x00, 0xFF, 0x01, 0x7F, 'a'})));
    row("sysex longer than the track", Header(0, 1, 96) + Track(Bytes({0x00, 0xF0, 0x7F, 0x01})));
    // The slowest tempo and the longest delta, a few times over: years.
    std::string slow = Bytes({0x00, 0xFF, 0x51, 0x03, 0xFF, 0xFF, 0xFF});
    for (int i = 0; i < 4; ++i)
        slow += Bytes({0xFF, 0xFF, 0xFF, 0x7F, 0x90, 60, 100});
    row("longer than a day", Header(0, 1, 1) + Track(slow));
}

void TestMidiFile::refusedFiles()
{
    QFETCH(QByteArray, Bytes);
    QVERIFY(!TMidiFile::Parse(Bytes.toStdString()));
}

void TestMidiFile::loadRefusesWhatIsNoRegularFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(!TMidiFile::Load(dir.filePath("missing.mid").toStdString()));
    QVERIFY(!TMidiFile::Load(dir.path().toStdString()));
    // A pipe with no writer would block a plain open for good.
    const QByteArray fifo = dir.filePath("Peglore.mid").toLocal8Bit();
    QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
    QVERIFY(!TMidiFile::Load(fifo.toStdString()));

    // One byte over the limit, with a valid file at its start.
    QFile big(dir.filePath("big.mid"));
    QVERIFY(big.open(QIODevice::WriteOnly));
    const std::string valid = Header(0, 1, 96) + Track(Bytes({0x00, 0x90, 60, 100, 0x60, 0x80, 60, 0}) + EndOfTrack);
    big.write(valid.data(), qint64(valid.size()));
    big.write(QByteArray(int(TMidiFile::MaxFileSize - valid.size() + 1), '\0'));
    big.close();
    QVERIFY(!TMidiFile::Load(big.fileName().toStdString()));
    QVERIFY(big.resize(qint64(TMidiFile::MaxFileSize)));
    QVERIFY(TMidiFile::Load(big.fileName().toStdString()));
}

void TestMidiFile::loadReadsAFile()
{
    QTemporaryDir dir;
    QFile file(dir.filePath("song.mid"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    const std::string bytes = Header(0, 1, 96) + Track(Bytes({0x00, 0x90, 60, 100, 0x60, 0x80, 60, 0}) + EndOfTrack);
    file.write(bytes.data(), qint64(bytes.size()));
    file.close();
    const auto song = TMidiFile::Load(file.fileName().toStdString());
    QVERIFY(song);
    QCOMPARE(Describe(*song), QStringList({"0 90 60 100", "500000 80 60 0"}));
}

QTEST_GUILESS_MAIN(TestMidiFile)
#include "TestMidiFile.moc"
