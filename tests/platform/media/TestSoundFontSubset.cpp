// The cut-down soundfont on a small font built here: what it keeps and
// renumbers, that the sample data is the original's, and the files it
// refuses. That FluidSynth plays the tune the same from it is checked with
// the player.

#include <QTest>

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/files/TMemoryBytes.h"
#include "platform/media/TSoundFontSubset.h"

using namespace peglore;

namespace {

using TBytes = std::vector<std::uint8_t>;

void Put16(TBytes& out, unsigned value)
{
    out.push_back(std::uint8_t(value));
    out.push_back(std::uint8_t(value >> 8));
}

void Put32(TBytes& out, std::uint32_t value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

void PutName(TBytes& out, const std::string& name, std::size_t size)
{
    std::string padded = name;
    padded.resize(size, '\0');
    out.insert(out.end(), padded.begin(), padded.end());
}

unsigned Get16(const std::uint8_t* p)
{
    return unsigned(p[0] | (p[1] << 8));
}

std::uint32_t Get32(const std::uint8_t* p)
{
    return Get16(p) | (std::uint32_t(Get16(p + 2)) << 16);
}

enum { Phdr, Pbag, Pmod, Pgen, Inst, Ibag, Imod, Igen, Shdr };
const std::array<const char*, 9> TableIds{"phdr", "pbag", "pmod", "pgen", "inst", "ibag", "imod", "igen", "shdr"};
constexpr unsigned InstrumentGen = 41, SampleGen = 53, PanGen = 17;

// Three presets over three instruments over five samples, one of them
// unused, two a stereo pair:
//   piano   0:0   global zone (pan), instrument 1
//   strings 0:5   instrument 0 (with a modulator), instrument 2
//   drums 128:0   instrument 2
//   instrument 0: sample 0; instrument 1: global zone, sample 2;
//   instrument 2: samples 3 and 4 (linked to each other)
struct TFont {
    std::array<TBytes, 9> Tables;
    TBytes Samples = TBytes(5 * 200, 0);

    TFont()
    {
        const auto preset = [this](const char* name, unsigned program, unsigned bank, unsigned bag) {
            PutName(Tables[Phdr], name, 20);
            Put16(Tables[Phdr], program);
            Put16(Tables[Phdr], bank);
            Put16(Tables[Phdr], bag);
            Put32(Tables[Phdr], 0);
            Put32(Tables[Phdr], 0);
            Put32(Tables[Phdr], 0);
        };
        const auto bag = [this](int table, unsigned gen, unsigned mod) {
            Put16(Tables[table], gen);
            Put16(Tables[table], mod);
        };
        const auto gen = [this](int table, unsigned oper, unsigned amount) {
            Put16(Tables[table], oper);
            Put16(Tables[table], amount);
        };
        preset("piano", 0, 0, 0);
        preset("strings", 5, 0, 2);
        preset("drums", 0, 128, 4);
        preset("EOP", 0, 0, 5);
        for (const auto& [g, m] :
             std::vector<std::pair<unsigned, unsigned>>{{0, 0}, {1, 0}, {2, 0}, {3, 1}, {4, 1}, {5, 1}})
            bag(Pbag, g, m);
        Tables[Pmod].assign(20, 0);  // one modulator and the terminal
        Tables[Pmod][0] = 2;
        using TGens = std::vector<std::pair<unsigned, unsigned>>;
        for (const auto& [oper, amount] : TGens{
                 {PanGen, 100}, {InstrumentGen, 1}, {InstrumentGen, 0}, {InstrumentGen, 2}, {InstrumentGen, 2}, {0, 0}})
            gen(Pgen, oper, amount);
        for (const auto& [name, first] :
             std::vector<std::pair<const char*, unsigned>>{{"flute", 0}, {"bell", 1}, {"pair", 3}, {"EOI", 5}}) {
            PutName(Tables[Inst], name, 20);
            Put16(Tables[Inst], first);
        }
        for (unsigned i = 0; i <= 5; ++i)
            bag(Ibag, i, 0);
        Tables[Imod].assign(10, 0);
        for (const auto& [oper, amount] :
             TGens{{SampleGen, 0}, {PanGen, 7}, {SampleGen, 2}, {SampleGen, 3}, {SampleGen, 4}, {0, 0}})
            gen(Igen, oper, amount);
        for (unsigned s = 0; s <= 5; ++s) {
            PutName(Tables[Shdr], s < 5 ? "S" + std::to_string(s) : "EOS", 20);
            for (const std::uint32_t value : {100 * s, 100 * s + 90, 100 * s + 10, 100 * s + 80, 44100u})
                Put32(Tables[Shdr], s < 5 ? value : 0);
            Tables[Shdr].push_back(60);
            Tables[Shdr].push_back(0);
            Put16(Tables[Shdr], s == 3 ? 4 : s == 4 ? 3 : 0);
            Put16(Tables[Shdr], s == 3 ? 4 : s == 4 ? 2 : 1);
        }
        for (std::size_t i = 0; i < Samples.size(); ++i)
            Samples[i] = std::uint8_t(i * 7);
    }

    TBytes File(bool swapLists = false) const
    {
        const auto list = [](const char* type, const TBytes& body) {
            TBytes out{'L', 'I', 'S', 'T'};
            Put32(out, std::uint32_t(body.size() + 4));
            out.insert(out.end(), type, type + 4);
            out.insert(out.end(), body.begin(), body.end());
            return out;
        };
        const auto chunk = [](const char* id, const TBytes& body) {
            TBytes out(id, id + 4);
            Put32(out, std::uint32_t(body.size()));
            out.insert(out.end(), body.begin(), body.end());
            return out;
        };
        const TBytes info = list("INFO", chunk("ifil", {2, 0, 1, 0}));
        const TBytes sdta = list("sdta", chunk("smpl", Samples));
        TBytes hydra;
        for (int i = 0; i < 9; ++i) {
            const TBytes c = chunk(TableIds[i], Tables[i]);
            hydra.insert(hydra.end(), c.begin(), c.end());
        }
        const TBytes pdta = list("pdta", hydra);
        TBytes out{'R', 'I', 'F', 'F', 0, 0, 0, 0, 's', 'f', 'b', 'k'};
        for (const TBytes* part : swapLists ? std::array{&sdta, &info, &pdta} : std::array{&info, &sdta, &pdta})
            out.insert(out.end(), part->begin(), part->end());
        const std::uint32_t size = std::uint32_t(out.size() - 8);
        std::memcpy(&out[4], &size, 4);
        return out;
    }
};

std::optional<TSoundFontSubset> Subset(const TBytes& file, const std::set<TSoundFontSubset::TPresetNumber>& presets)
{
    return TSoundFontSubset::FromSource(std::make_unique<TMemoryBytes>(file), presets);
}

TBytes Image(const TSoundFontSubset& subset)
{
    TBytes image(std::size_t(subset.Size()));
    if (!subset.Read(0, image.data(), subset.Size()))
        image.clear();
    return image;
}

// The tables of a soundfont image, by id.
std::array<TBytes, 9> TablesOf(const TBytes& image)
{
    std::array<TBytes, 9> tables;
    for (std::size_t at = 12; at + 8 <= image.size();) {
        const std::string id(reinterpret_cast<const char*>(&image[at]), 4);
        const std::uint32_t size = Get32(&image[at + 4]);
        if (id == "LIST") {
            at += 12;
            continue;
        }
        for (int i = 0; i < 9; ++i)
            if (id == TableIds[i])
                tables[i].assign(image.begin() + long(at + 8), image.begin() + long(at + 8 + size));
        at += 8 + size;
    }
    return tables;
}

std::vector<unsigned> Field16(const TBytes& table, std::size_t recordSize, std::size_t offset)
{
    std::vector<unsigned> values;
    for (std::size_t at = 0; at + recordSize <= table.size(); at += recordSize)
        values.push_back(Get16(&table[at + offset]));
    return values;
}

std::vector<std::string> Names(const TBytes& table, std::size_t recordSize)
{
    std::vector<std::string> names;
    for (std::size_t at = 0; at + recordSize <= table.size(); at += recordSize)
        names.emplace_back(reinterpret_cast<const char*>(&table[at]),
                           strnlen(reinterpret_cast<const char*>(&table[at]), 20));
    return names;
}

}  // namespace

class TestSoundFontSubset : public QObject {
    Q_OBJECT

private slots:
    void keepsThePresetsAndWhatTheyUse();
    void aSubsetOfItselfIsTheSame();
    void refusedFiles_data();
    void refusedFiles();
};

void TestSoundFontSubset::keepsThePresetsAndWhatTheyUse()
{
    const TFont font;
    const auto subset = Subset(font.File(), {{0, 5}, {3, 3}});
    QVERIFY(subset);
    QCOMPARE(subset->PresetCount(), 1);
    const TBytes image = Image(*subset);
    QCOMPARE(std::int64_t(image.size()), subset->Size());
    QCOMPARE(std::string(image.begin(), image.begin() + 4), std::string("RIFF"));
    QCOMPARE(Get32(&image[4]), std::uint32_t(image.size() - 8));
    // The lists before the hydra, the sample data among them, where and as
    // they were.
    const TBytes original = font.File();
    const auto hydraAt = [](const TBytes& file) {
        const std::string text(file.begin(), file.end());
        return text.find("pdta");
    };
    QCOMPARE(hydraAt(image), hydraAt(original));
    QVERIFY(std::equal(image.begin() + 8, image.begin() + long(hydraAt(image)) - 8, original.begin() + 8));

    const auto tables = TablesOf(image);
    QCOMPARE(Names(tables[Phdr], 38), (std::vector<std::string>{"strings", "EOP"}));
    QCOMPARE(Field16(tables[Phdr], 38, 24), (std::vector<unsigned>{0, 2}));
    QCOMPARE(Field16(tables[Pbag], 4, 0), (std::vector<unsigned>{0, 1, 2}));
    QCOMPARE(Field16(tables[Pbag], 4, 2), (std::vector<unsigned>{0, 1, 1}));
    QCOMPARE(tables[Pmod].size(), std::size_t(20));
    QCOMPARE(tables[Pmod][0], std::uint8_t(2));
    // Instruments 0 and 2 become 0 and 1.
    QCOMPARE(Field16(tables[Pgen], 4, 0), (std::vector<unsigned>{InstrumentGen, InstrumentGen, 0}));
    QCOMPARE(Field16(tables[Pgen], 4, 2), (std::vector<unsigned>{0, 1, 0}));
    QCOMPARE(Names(tables[Inst], 22), (std::vector<std::string>{"flute", "pair", "EOI"}));
    QCOMPARE(Field16(tables[Inst], 22, 20), (std::vector<unsigned>{0, 1, 3}));
    // Samples 0, 3 and 4 become 0, 1 and 2; the pair still names each other.
    QCOMPARE(Field16(tables[Igen], 4, 2), (std::vector<unsigned>{0, 1, 2, 0}));
    QCOMPARE(Names(tables[Shdr], 46), (std::vector<std::string>{"S0", "S3", "S4", "EOS"}));
    QCOMPARE(Field16(tables[Shdr], 46, 42), (std::vector<unsigned>{0, 2, 1, 0}));
    QCOMPARE(Get32(&tables[Shdr][46 + 20]), std::uint32_t(300));

    char byte = 0;
    QVERIFY(subset->Read(subset->Size() - 1, &byte, 1));
    QVERIFY(!subset->Read(subset->Size(), &byte, 1));
    QVERIFY(!subset->Read(-1, &byte, 1));
}

void TestSoundFontSubset::aSubsetOfItselfIsTheSame()
{
    const TFont font;
    for (const std::set<TSoundFontSubset::TPresetNumber>& presets :
         {std::set<TSoundFontSubset::TPresetNumber>{{0, 0}}, {{0, 0}, {0, 5}, {128, 0}}, {{128, 0}}}) {
        const auto once = Subset(font.File(), presets);
        QVERIFY(once);
        const TBytes image = Image(*once);
        const auto twice = Subset(image, presets);
        QVERIFY(twice);
        QVERIFY(Image(*twice) == image);
    }
    // Every preset kept: the hydra as it was.
    const auto all = Subset(font.File(), {{0, 0}, {0, 5}, {128, 0}});
    QVERIFY(TablesOf(Image(*all))[Pgen] == font.Tables[Pgen]);
}

void TestSoundFontSubset::refusedFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    const auto bytes = [](const TBytes& file) {
        return QByteArray(reinterpret_cast<const char*>(file.data()), qsizetype(file.size()));
    };
    TFont font;
    QTest::newRow("none of the presets") << QByteArray();  // marked below
    QTest::newRow("lists out of order") << bytes(font.File(true));
    const TBytes whole = font.File();
    const TBytes truncated(whole.begin(), whole.end() - 30);
    QTest::newRow("hydra cut short") << bytes(truncated);
    TBytes notRiff = font.File();
    notRiff[0] = 'X';
    QTest::newRow("not a RIFF file") << bytes(notRiff);
    TFont badInstrument;
    badInstrument.Tables[Pgen][4 * 2 + 2] = 3;  // strings names instrument 3 of 3
    QTest::newRow("instrument outside its table") << bytes(badInstrument.File());
    TFont badSample;
    badSample.Tables[Igen][2] = 5;  // flute names sample 5 of 5
    QTest::newRow("sample outside its table") << bytes(badSample.File());
    TFont backwards;
    backwards.Tables[Pbag][4 * 3] = 0;  // a zone whose generators start before the last one's
    QTest::newRow("zone running backwards") << bytes(backwards.File());
    TFont ragged;
    ragged.Tables[Pmod].pop_back();
    QTest::newRow("table of part records") << bytes(ragged.File());
    TFont empty;
    empty.Tables[Shdr].clear();
    QTest::newRow("empty sample table") << bytes(empty.File());
}

void TestSoundFontSubset::refusedFiles()
{
    QFETCH(QByteArray, file);
    const bool unknownPreset = file.isEmpty();
    const TBytes data = unknownPreset ? TFont().File() : TBytes(file.begin(), file.end());
    QVERIFY(!Subset(data, {{unknownPreset ? 1 : 0, 5}}));
}

QTEST_APPLESS_MAIN(TestSoundFontSubset)
#include "TestSoundFontSubset.moc"
