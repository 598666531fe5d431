// The settings file: reading rules, the order of loading, the file the
// first save writes, and refused writes.

#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "../../game/GameFakes.h"
#include "game/TLevelSettings.h"
#include "settings/configuration/SettingsValue.h"
#include "settings/configuration/TConfiguration.h"
#include "settings/statistics/TStatistics.h"

using namespace peglore;
using namespace peglore::testing;

namespace {
// Records every effect of the options in the game's shared log.
class TRecordingEffects final : public IOptionEffects {
public:
    explicit TRecordingEffects(QStringList& log) : FLog(log) {}
    std::function<void()> OnPlay;
    void PlayMusic() override
    {
        FLog << "play";
        if (OnPlay)
            OnPlay();
    }
    void StopMusic() override { FLog << "stop"; }
    void SetTooltipsEnabled(bool on) override { FLog << QStringLiteral("tooltips %1").arg(on); }
    void SetCheckButtonEnabled(bool on) override { FLog << QStringLiteral("check button %1").arg(on); }
    void SetPegSymbolsShown(bool on) override { FLog << QStringLiteral("symbols %1").arg(on); }

private:
    QStringList& FLog;
};

struct TSettingsRig {
    QTemporaryDir Dir;
    TGameRig Game;
    TRecordingEffects Effects{Game.Log};
    TConfiguration Config{Effects, Folder()};

    std::string Folder() const { return Dir.path().toStdString() + "/"; }
    QString Path() const { return Dir.filePath("Peglore.ini"); }
    void Write(const QByteArray& text) const
    {
        QFile f(Path());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QByteArray Read() const
    {
        QFile f(Path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void Load()
    {
        Game.Log.clear();
        Config.LoadSettings(Game.Stats, Game.Levels);
    }
    QString Counters() const { return Game.Messages.Counters(); }
};

const QByteArray FirstSave = "[Options]\nMusic=1\nSmartHints=1\nAutoCheck=1\n"
                             "[Statistics]\nTotalGames=0\nGamesWon=0\nGamesLost=0\nUnfinishedGames=0\n"
                             "[Level Settings]\nCustomColumns=4\nCustomRows=10\nDifficultyLevel=0\n";
}  // namespace

class TestConfiguration : public QObject {
    Q_OBJECT
private slots:
    void parseInteger_data();
    void parseInteger();
    void firstRunDefaults();
    void firstSaveBytes();
    void pegSymbolsKey_data();
    void pegSymbolsKey();
    void variantKeys_data();
    void variantKeys();
    void loadOrder();
    void storedValues_data();
    void storedValues();
    void storedOffOptions();
    void unfinishedRule();
    void counterEdges_data();
    void counterEdges();
    void customWithoutKeys();
    void customSizeWrittenBackAsPlayed_data();
    void customSizeWrittenBackAsPlayed();
    void settersCompareFirst();
    void musicFailingDuringLoadIsSavedOff();
    void saveKeepsForeignLines();
    void refusedWrite_data();
    void refusedWrite();
    void hostileFiles_data();
    void hostileFiles();
    void linkToAFileNotOursIsRefused();
    void largeFileKeepsEveryForeignByte_data();
    void largeFileKeepsEveryForeignByte();
};

void TestConfiguration::parseInteger_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("decimal") << "42" << true << 42;
    QTest::newRow("negative") << "-7" << true << -7;
    QTest::newRow("plus") << "+7" << true << 7;
    QTest::newRow("0x1A") << "0x1A" << true << 26;
    QTest::newRow("0X1a") << "0X1a" << true << 26;
    QTest::newRow("$1A") << "$1A" << true << 26;
    QTest::newRow("-$10") << "-$10" << true << -16;
    QTest::newRow("$FFFFFFFF") << "$FFFFFFFF" << true << -1;
    QTest::newRow("0x alone") << "0x" << false << 0;
    QTest::newRow("12abc") << "12abc" << false << 0;
    QTest::newRow("word") << "Expert" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("sign only") << "-" << false << 0;
    QTest::newRow("max") << "2147483647" << true << 2147483647;
    QTest::newRow("min") << "-2147483648" << true << int(-2147483647 - 1);
    QTest::newRow("too large") << "2147483648" << false << 0;
    QTest::newRow("many digits") << "99999999999999999999999" << false << 0;
    QTest::newRow("hex too large") << "0x100000000" << false << 0;
    QTest::newRow("inner blank") << "1 2" << false << 0;
}

void TestConfiguration::parseInteger()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    const auto parsed = ParseSettingsInteger(text.toStdString());
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, value);
}

void TestConfiguration::firstRunDefaults()
{
    TSettingsRig rig;
    rig.Load();
    QVERIFY(rig.Config.Music());
    QVERIFY(rig.Config.SmartHints());
    QVERIFY(rig.Config.AutoCheck());
    QCOMPARE(rig.Counters(), QString("0/0/0/0"));
    QCOMPARE(int(rig.Game.Levels.DifficultyLevel()), int(Beginner));
    QCOMPARE(rig.Game.Levels.CustomColumns(), 4);
    QCOMPARE(rig.Game.Levels.CustomRows(), 10);
    QCOMPARE(rig.Game.Logic.BoardColumns(), 3);
    QCOMPARE(rig.Game.Window.RowText, QString("Row: 1"));
    QVERIFY(!QFile::exists(rig.Path()));  // loading writes nothing
}

void TestConfiguration::firstSaveBytes()
{
    TSettingsRig rig;
    rig.Load();
    rig.Config.SaveSettings(rig.Game.Stats, rig.Game.Levels);
    QCOMPARE(rig.Read(), FirstSave);
}

void TestConfiguration::pegSymbolsKey_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<bool>("set");
    QTest::addColumn<QByteArray>("saved");
    const QByteArray options = "[Options]\nMusic=1\nSmartHints=1\nAutoCheck=1\n";
    const QByteArray rest = FirstSave.mid(options.size());
    QTest::newRow("never used: the usual keys only") << QByteArray() << false << false << FirstSave;
    QTest::newRow("switched on") << QByteArray() << false << true << options + "PegSymbols=1\n" + rest;
    QTest::newRow("stored on, kept") << options + "PegSymbols=1\n" << true << true << options + "PegSymbols=1\n" + rest;
    // Left out, the stored 1 would switch it on again at the next start.
    QTest::newRow("stored on, switched off") << options + "PegSymbols=1\n"
                                             << true << false << options + "PegSymbols=0\n" + rest;
    QTest::newRow("stored as a word: off") << options + "PegSymbols=yes\n"
                                           << false << false << options + "PegSymbols=0\n" + rest;
}

void TestConfiguration::pegSymbolsKey()
{
    QFETCH(QByteArray, stored);
    QFETCH(bool, loaded);
    QFETCH(bool, set);
    QFETCH(QByteArray, saved);
    TSettingsRig rig;
    if (!stored.isEmpty())
        rig.Write(stored);
    rig.Load();
    QCOMPARE(rig.Config.PegSymbols(), loaded);
    QCOMPARE(rig.Game.Log.contains("symbols 1"), loaded);
    rig.Game.Log.clear();
    rig.Config.SetPegSymbols(set);
    QCOMPARE(rig.Game.Log, set == loaded ? QStringList() : QStringList{QStringLiteral("symbols %1").arg(set)});
    rig.Config.SaveSettings(rig.Game.Stats, rig.Game.Levels);
    QCOMPARE(rig.Read(), saved);
}

void TestConfiguration::variantKeys_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("colours");
    QTest::addColumn<bool>("repeats");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("a file of before: the standard game") << FirstSave << 8 << true << FirstSave;
    QTest::newRow("six colours without repeats") << FirstSave + "[Variant]\nColours=6\nRepeats=0\n"
                                                 << 6 << false << FirstSave + "[Variant]\nColours=6\nRepeats=0\n";
    QTest::newRow("hostile values: the standard game") << FirstSave + "[Variant]\nColours=99\nRepeats=\x01\xff\n"
                                                       << 8 << true << FirstSave + "[Variant]\nColours=8\nRepeats=1\n";
    QTest::newRow("one colour is too few") << FirstSave + "[Variant]\nColours=1\n"
                                           << 8 << true << FirstSave + "[Variant]\nColours=8\n";
}

// A file without the variant's keys plays eight colours with repeats and
// is written back without them; stored values the game does not offer read
// as the standard game.
void TestConfiguration::variantKeys()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, colours);
    QFETCH(bool, repeats);
    QFETCH(QByteArray, saved);
    TSettingsRig rig;
    rig.Write(stored);
    rig.Load();
    QCOMPARE(rig.Game.Logic.Variant().Colours, colours);
    QCOMPARE(rig.Game.Logic.Variant().Repeats, repeats);
    rig.Config.SaveSettings(rig.Game.Stats, rig.Game.Levels);
    QCOMPARE(rig.Read(), saved);
}

void TestConfiguration::loadOrder()
{
    TSettingsRig rig;
    rig.Load();
    // Options in order, each applied; the level last, starting the game.
    QCOMPARE(rig.Game.Log.mid(0, 4), (QStringList{"play", "tooltips 1", "tooltips 1", "check button 0"}));
    QCOMPARE(rig.Game.Log.last(), QString("clock reset"));
}

void TestConfiguration::storedValues_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("counters");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::newRow("level 7") << QByteArray("[Level Settings]\nDifficultyLevel=7\n") << "0/0/0/0" << 0 << 3 << 10;
    QTest::newRow("level -1") << QByteArray("[Level Settings]\nDifficultyLevel=-1\n") << "0/0/0/0" << 0 << 3 << 10;
    QTest::newRow("level word") << QByteArray("[Level Settings]\nDifficultyLevel=Expert\n") << "0/0/0/0" << 0 << 3
                                << 10;
    QTest::newRow("expert") << QByteArray("[level settings]\ndifficultylevel = 2\n") << "0/0/0/0" << 2 << 8 << 12;
    QTest::newRow("custom 6x7") << QByteArray("[Level Settings]\nCustomColumns=6\nCustomRows=7\nDifficultyLevel=3\n")
                                << "0/0/0/0" << 3 << 6 << 7;
    QTest::newRow("hex and junk")
        << QByteArray("[Statistics]\nTotalGames=0x1A\nGamesWon=12abc\nGamesLost=$2\nUnfinishedGames=3\n") << "26/0/2/3"
        << 0 << 3 << 10;
    QTest::newRow("custom size out of range")
        << QByteArray("[Level Settings]\nCustomColumns=0\nCustomRows=2000\nDifficultyLevel=3\n") << "0/0/0/0" << 3 << 1
        << 51;
}

void TestConfiguration::storedValues()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, counters);
    QFETCH(int, level);
    QFETCH(int, columns);
    QFETCH(int, rows);
    TSettingsRig rig;
    rig.Write(file);
    rig.Load();
    QCOMPARE(rig.Counters(), counters);
    QCOMPARE(int(rig.Game.Levels.DifficultyLevel()), level);
    QCOMPARE(rig.Game.Menu.Checked, level);
    QCOMPARE(rig.Game.Logic.BoardColumns(), columns);
    QCOMPARE(rig.Game.Logic.BoardRows(), rows);
    // A level outside 0..3 is written back as the level played.
    rig.Config.SaveSettings(rig.Game.Stats, rig.Game.Levels);
    QVERIFY(rig.Read().contains(QStringLiteral("DifficultyLevel=%1\n").arg(level).toLatin1()));
}

void TestConfiguration::storedOffOptions()
{
    TSettingsRig rig;
    rig.Write("[Options]\nMusic=0\nSmartHints=0\nAutoCheck=0\n");
    rig.Load();
    QVERIFY(!rig.Config.Music());
    QVERIFY(!rig.Config.SmartHints());
    QVERIFY(!rig.Config.AutoCheck());
    // The switch is set off even though the flag never changed.
    QVERIFY(rig.Game.Log.contains("tooltips 0"));
    QVERIFY(!rig.Game.Log.contains("play"));
    QVERIFY(!rig.Game.Log.join(' ').contains("check button"));
    rig.Config.SaveSettings(rig.Game.Stats, rig.Game.Levels);
    QVERIFY(rig.Read().startsWith("[Options]\nMusic=0\nSmartHints=0\nAutoCheck=0\n"));
}

void TestConfiguration::unfinishedRule()
{
    TSettingsRig rig;
    rig.Write("[Statistics]\nTotalGames=10\nGamesWon=3\nGamesLost=2\n");
    rig.Load();
    QCOMPARE(rig.Counters(), QString("10/3/2/0"));
    rig.Game.FillRow(rig.Game.Secret());
    rig.Game.Logic.CheckCurrentRow();
    QCOMPARE(rig.Counters(), QString("11/4/2/5"));
}

// Counters as an edited file may hold them: read as 0 when negative, as the
// largest int when larger, and never wrapping on the next win.
void TestConfiguration::counterEdges_data()
{
    QTest::addColumn<QByteArray>("stored");  // the Statistics section's lines
    QTest::addColumn<QString>("loaded");  // total/won/lost/unfinished
    QTest::addColumn<QByteArray>("saved");  // after one win
    const QByteArray max = "2147483647";
    QTest::newRow("negative") << QByteArray("TotalGames=-5\nGamesWon=-1\nGamesLost=-2147483648\nUnfinishedGames=-3\n")
                              << "0/0/0/0" << QByteArray("TotalGames=1\nGamesWon=1\nGamesLost=0\nUnfinishedGames=0\n");
    QTest::newRow("largest") << "TotalGames=" + max + "\nGamesWon=" + max + "\n"
                             << "2147483647/2147483647/0/0"
                             << "TotalGames=" + max + "\nGamesWon=" + max + "\nGamesLost=0\nUnfinishedGames=0\n";
    QTest::newRow("2^31 and beyond") << QByteArray("TotalGames=2147483648\nGamesWon=99999999999999999999\n"
                                                   "GamesLost=0x100000000\nUnfinishedGames=-99999999999\n")
                                     << "2147483647/2147483647/2147483647/0"
                                     << "TotalGames=" + max + "\nGamesWon=" + max + "\nGamesLost=" + max +
                                            "\nUnfinishedGames=0\n";
    QTest::newRow("32-bit hex that is negative")
        << QByteArray("TotalGames=$FFFFFFFF\nGamesWon=0x80000000\n") << "0/0/0/0"
        << QByteArray("TotalGames=1\nGamesWon=1\nGamesLost=0\nUnfinishedGames=0\n");
    QTest::newRow("more won than played") << QByteArray("TotalGames=3\nGamesWon=5\nGamesLost=1\n") << "3/5/1/0"
                                          << QByteArray("TotalGames=4\nGamesWon=6\nGamesLost=1\nUnfinishedGames=0\n");
}

void TestConfiguration::counterEdges()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, loaded);
    QFETCH(QByteArray, saved);
    TSettingsRig rig;
    rig.Write("[Statistics]\n" + stored);
    rig.Load();
    QCOMPARE(rig.Counters(), loaded);
    rig.Game.FillRow(rig.Game.Secret());
    rig.Game.Logic.CheckCurrentRow();
    rig.Config.SaveSettings(rig.Game.Stats, rig.Game.Levels);
    const QByteArray file = rig.Read();
    const qsizetype from = file.indexOf("TotalGames=");
    QCOMPARE(file.mid(from, file.indexOf('[', from) - from), saved);
}

void TestConfiguration::customWithoutKeys()
{
    TSettingsRig rig;
    rig.Write("[Level Settings]\nDifficultyLevel=3\n");
    rig.Load();
    QCOMPARE(rig.Game.Logic.BoardColumns(), 4);
    QCOMPARE(rig.Game.Logic.BoardRows(), 10);
}

void TestConfiguration::customSizeWrittenBackAsPlayed_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("saved");
    // Wider than the Custom dialog offers but within the board: kept.
    QTest::newRow("12 x 20") << QByteArray("CustomColumns=12\nCustomRows=20\n")
                             << QByteArray("CustomColumns=12\nCustomRows=20\n");
    QTest::newRow("beyond the board") << QByteArray("CustomColumns=2147483647\nCustomRows=-4\n")
                                      << QByteArray("CustomColumns=50\nCustomRows=1\n");
}

void TestConfiguration::customSizeWrittenBackAsPlayed()
{
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, saved);
    TSettingsRig rig;
    rig.Write("[Level Settings]\n" + stored + "DifficultyLevel=3\n");
    rig.Load();
    rig.Config.SaveSettings(rig.Game.Stats, rig.Game.Levels);
    const QByteArray file = rig.Read();
    QVERIFY2(file.startsWith("[Level Settings]\n" + saved + "DifficultyLevel=3\n"), file.constData());
}

void TestConfiguration::settersCompareFirst()
{
    TSettingsRig rig;
    rig.Load();
    rig.Game.Log.clear();
    rig.Config.SetMusic(true);
    rig.Config.SetSmartHints(true);
    rig.Config.SetAutoCheck(true);
    QVERIFY(rig.Game.Log.isEmpty());
    rig.Config.SetMusic(false);
    rig.Config.SetAutoCheck(false);
    rig.Config.SetSmartHints(false);
    QCOMPARE(rig.Game.Log, (QStringList{"stop", "check button 1", "tooltips 0"}));
}

void TestConfiguration::musicFailingDuringLoadIsSavedOff()
{
    TSettingsRig rig;
    // The music player turns the option off when the file cannot be opened.
    rig.Effects.OnPlay = [&] { rig.Config.SetMusic(false); };
    rig.Load();
    QVERIFY(!rig.Config.Music());
    rig.Config.SaveSettings(rig.Game.Stats, rig.Game.Levels);
    QVERIFY(rig.Read().startsWith("[Options]\nMusic=0\n"));
}

void TestConfiguration::saveKeepsForeignLines()
{
    TSettingsRig rig;
    const QByteArray before = "; my notes\r\n[Statistics]\r\nGamesWon = 3\r\nFavourite=blue\r\n\r\n[Other]\r\nx=1\r\n";
    rig.Write(before);
    rig.Load();
    rig.Config.SaveSettings(rig.Game.Stats, rig.Game.Levels);
    QByteArray after = rig.Read();
    QVERIFY(after.startsWith("; my notes\r\n[Statistics]\r\n"));
    QVERIFY(after.contains("GamesWon=3\r\n"));
    QVERIFY(after.contains("Favourite=blue\r\n"));
    QVERIFY(after.contains("[Other]\r\nx=1\r\n"));
    QVERIFY(after.contains("[Options]\r\nMusic=1\r\n"));
    QVERIFY(!after.contains("\n\n") && !after.replace("\r\n", "").contains('\n'));
}

void TestConfiguration::refusedWrite_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("read-only file") << "file";
    QTest::newRow("read-only folder") << "folder";
    QTest::newRow("missing folder") << "missing";
}

void TestConfiguration::refusedWrite()
{
    QFETCH(QString, how);
    QTemporaryDir dir;
    QString folder = dir.path();
    const QByteArray before = "[Options]\nMusic=0\n";
    if (how == "missing") {
        folder += "/not-there";
    } else {
        QFile f(folder + "/Peglore.ini");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(before);
        f.close();
        if (how == "file")
            QVERIFY(::chmod(QFile::encodeName(f.fileName()).constData(), 0444) == 0);
        else
            QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0555) == 0);
    }
    TGameRig game;
    TRecordingEffects effects(game.Log);
    TConfiguration config(effects, folder.toStdString() + "/");
    config.LoadSettings(game.Stats, game.Levels);
    QString message;
    try {
        config.SaveSettings(game.Stats, game.Levels);
    } catch (const TSettingsWriteError& e) {
        message = QString::fromStdString(e.what());
    }
    QCOMPARE(message, "Unable to write to " + folder + "/Peglore.ini");
    if (how != "missing") {
        QFile f(folder + "/Peglore.ini");
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
        ::chmod(QFile::encodeName(folder).constData(), 0755);
        ::chmod(QFile::encodeName(f.fileName()).constData(), 0644);
    }
}

void TestConfiguration::hostileFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("empty") << QByteArray();
    QByteArray binary;
    for (int i = 0; i < 70000; ++i)
        binary.append(char((i * 7919) % 256));
    QTest::newRow("binary") << binary;
    QTest::newRow("50 MB on one line") << QByteArray(50 * 1024 * 1024, 'A');
    QTest::newRow("NUL inside a value") << QByteArray("[Options]\nAutoCheck=0\0junk\n", 26);
}

void TestConfiguration::hostileFiles()
{
    QFETCH(QByteArray, file);
    TSettingsRig rig;
    rig.Write(file);
    rig.Load();
    // Whatever the file holds, a game at a sane size is in progress.
    QVERIFY(rig.Game.Logic.BoardColumns() >= 1 && rig.Game.Logic.BoardColumns() <= 50);
    QCOMPARE(rig.Game.Window.RowText, QString("Row: 1"));
}

// Peglore.ini -> a system file: the file must stay as it was. Root makes
// one of its own (never written through a link by root); anybody else
// links to one of root's.
void TestConfiguration::linkToAFileNotOursIsRefused()
{
    QTemporaryDir elsewhere;
    const bool root = ::geteuid() == 0;
    const QString system = root ? elsewhere.filePath("passwd") : QStringLiteral("/etc/passwd");
    QByteArray before = "root:x:0:0:root:/root:/bin/bash\n";
    {
        QFile f(system);
        if (root) {
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(before);
        } else {
            QVERIFY(f.open(QIODevice::ReadOnly));
            before = f.readAll();
        }
    }
    TSettingsRig rig;
    QVERIFY(QFile::link(system, rig.Path()));
    rig.Load();
    QString message;
    try {
        rig.Config.SaveSettings(rig.Game.Stats, rig.Game.Levels);
    } catch (const TSettingsWriteError& e) {
        message = QString::fromStdString(e.what());
    }
    QCOMPARE(message, "Unable to write to " + rig.Path());
    QFile f(system);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
    QVERIFY(QFileInfo(rig.Path()).isSymLink());
}

void TestConfiguration::largeFileKeepsEveryForeignByte_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QByteArray>("mine");

    const QByteArray mine = "[Options]\nMusic=0\nSmartHints=0\nAutoCheck=0\n"
                            "[Statistics]\nTotalGames=7\nGamesWon=3\nGamesLost=2\nUnfinishedGames=2\n"
                            "[Level Settings]\nDifficultyLevel=2\n";
    const auto foreign = [](qsizetype size) {
        QByteArray lines = "[Notes]\n";
        for (int i = 0; lines.size() < size; ++i)
            lines += "note" + QByteArray::number(i) + " = " + QByteArray(40 + i % 50, char('a' + i % 26)) + "\n";
        return lines;
    };
    QTest::newRow("2.2 MB after the keys") << QByteArray() << foreign(2'200'000) << mine;
    QTest::newRow("50 MB before the keys") << foreign(50'000'000) << QByteArray() << mine;
    QTest::newRow("keys between 30 MB and 20 MB") << foreign(30'000'000) << foreign(20'000'000) << mine;
}

void TestConfiguration::largeFileKeepsEveryForeignByte()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(QByteArray, mine);
    TSettingsRig rig;
    rig.Write(before + mine + after);
    rig.Load();
    QVERIFY(!rig.Config.Music());
    QVERIFY(!rig.Config.AutoCheck());
    QCOMPARE(rig.Counters(), QString("7/3/2/2"));
    QCOMPARE(int(rig.Game.Levels.DifficultyLevel()), int(Expert));

    rig.Config.SetAutoCheck(true);
    rig.Config.SaveSettings(rig.Game.Stats, rig.Game.Levels);
    QByteArray expected = mine;
    expected.replace("AutoCheck=0", "AutoCheck=1");
    expected += "CustomColumns=4\nCustomRows=10\n";
    const QByteArray saved = rig.Read();
    QCOMPARE(saved.size(), before.size() + expected.size() + after.size());
    QVERIFY(saved == before + expected + after);
    QCOMPARE(QDir(rig.Dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Peglore.ini"});
}

QTEST_GUILESS_MAIN(TestConfiguration)
#include "TestConfiguration.moc"
