// The background music as a player would meet it: length, instruments,
// and an end that leads cleanly back into the start.

#include <QtTest>

#include <array>
#include <map>
#include <set>

#include "platform/midi/TMidiFile.h"

using peglore::TMidiEvent;
using peglore::TMidiFile;

class TestPegloreTune : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void lastsOneToTwoMinutes();
    void everyVoiceHasItsInstrumentBeforeItsFirstNote();
    void everyNoteEndsBeforeTheLoop();
    void copiedBesideTheExecutables();

private:
    std::optional<TMidiFile> FTune;
};

void TestPegloreTune::initTestCase()
{
    FTune = TMidiFile::Load(PEGLORE_TUNE);
    QVERIFY(FTune);
}

void TestPegloreTune::lastsOneToTwoMinutes()
{
    QVERIFY2(FTune->Duration() >= 60'000'000, qPrintable(QString::number(FTune->Duration())));
    QVERIFY2(FTune->Duration() <= 120'000'000, qPrintable(QString::number(FTune->Duration())));
    // The music starts at once rather than after a pause.
    QVERIFY(FTune->HasNotes());
    const auto first = std::find_if(FTune->Events().begin(), FTune->Events().end(),
                                    [](const TMidiEvent& e) { return (e.Status & 0xF0) == 0x90; });
    QCOMPARE(first->Microseconds, std::int64_t(0));
}

void TestPegloreTune::everyVoiceHasItsInstrumentBeforeItsFirstNote()
{
    std::map<int, int> programs;
    std::set<int> voices;
    for (const TMidiEvent& e : FTune->Events()) {
        const int channel = e.Status & 0x0F;
        if ((e.Status & 0xF0) == 0xC0)
            programs.emplace(channel, e.Data1);
        if ((e.Status & 0xF0) == 0x90 && e.Data2 > 0) {
            QVERIFY2(programs.count(channel), qPrintable(QStringLiteral("channel %1").arg(channel)));
            voices.insert(channel);
        }
    }
    // Melodic General MIDI voices only: no drum channel, and several
    // different instruments.
    QVERIFY(!voices.count(9));
    std::set<int> instruments;
    for (int channel : voices)
        instruments.insert(programs[channel]);
    QVERIFY2(instruments.size() >= 4, qPrintable(QString::number(instruments.size())));
}

void TestPegloreTune::everyNoteEndsBeforeTheLoop()
{
    // A note still held at the end would hang over the restart.
    std::array<std::array<int, 128>, 16> held{};
    std::int64_t lastNoteOff = 0;
    for (const TMidiEvent& e : FTune->Events()) {
        const int kind = e.Status & 0xF0;
        int& count = held[e.Status & 0x0F][e.Data1];
        if (kind == 0x90 && e.Data2 > 0) {
            QVERIFY2(count == 0,
                     qPrintable(QStringLiteral("key %1 struck twice at %2").arg(e.Data1).arg(e.Microseconds)));
            ++count;
        } else if (kind == 0x80 || kind == 0x90) {
            QVERIFY2(count == 1, qPrintable(QStringLiteral("key %1 released unstruck").arg(e.Data1)));
            --count;
            lastNoteOff = e.Microseconds;
        }
    }
    for (const auto& channel : held)
        for (int count : channel)
            QCOMPARE(count, 0);
    QVERIFY(lastNoteOff <= FTune->Duration());
}

void TestPegloreTune::copiedBesideTheExecutables()
{
    QFile built(PEGLORE_BIN_TUNE);
    QFile committed(PEGLORE_TUNE);
    QVERIFY(built.open(QIODevice::ReadOnly));
    QVERIFY(committed.open(QIODevice::ReadOnly));
    QCOMPARE(built.readAll(), committed.readAll());
}

QTEST_GUILESS_MAIN(TestPegloreTune)
#include "TestPegloreTune.moc"
