#include "platform/versioninfo/VersionApi.h"
#include "tests/platform/versioninfo/VersionImageBuilder.h"
#include "tests/platform/versioninfo/VersionTestFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <random>
#include <sys/stat.h>

using namespace peglore;
using namespace VersionImages;
using namespace VersionTestFiles;

// Broken, cut-off and hostile files: no version block, or only the parts that
// are sound; never a crash, a hang or a read outside the buffer.
class TestVersionHostileFiles : public QObject {
    Q_OBJECT

private slots:
    void init();

    void noBlock_data();
    void noBlock();
    void notExecutables_data();
    void notExecutables();
    void everyTruncation_data();
    void everyTruncation();
    void malformedChildren_data();
    void malformedChildren();
    void mutatedImages_data();
    void mutatedImages();

private:
    QString Path(const QString& name) const { return FDir->filePath(name); }
    std::optional<QTemporaryDir> FDir;
};

Q_DECLARE_METATYPE(TBytes)

namespace {

const TStrings ThreeStrings = {
    {"CompanyName", "First"},
    {"FileDescription", "Second"},
    {"ProductName", "Third"},
};

const char* const StringPaths[] = {
    "\\StringFileInfo\\040904E4\\CompanyName",
    "\\StringFileInfo\\040904E4\\FileDescription",
    "\\StringFileInfo\\040904E4\\ProductName",
};

DWORD SizeOf(const QString& path)
{
    return GetFileVersionInfoSizeA(path.toLocal8Bit().constData(), nullptr);
}

std::vector<BYTE> BlockOf(const QString& path)
{
    const QByteArray name = path.toLocal8Bit();
    const DWORD size = GetFileVersionInfoSizeA(name.constData(), nullptr);
    std::vector<BYTE> block(size);
    if (size == 0 || !GetFileVersionInfoA(name.constData(), 0, size, block.data()))
        return {};
    return block;
}

// A value lies wholly inside the buffer; a text value ends with its zero.
bool Inside(const std::vector<BYTE>& block, const char* path, bool text, bool* found = nullptr)
{
    void* value = nullptr;
    UINT length = 0;
    const bool ok = VerQueryValueA(block.data(), path, &value, &length);
    if (found)
        *found = ok;
    if (!ok)
        return true;
    const auto* begin = static_cast<const BYTE*>(value);
    if (begin < block.data() || begin + length > block.data() + block.size())
        return false;
    return !text || (length > 0 && begin[length - 1] == 0);
}

TBytes Truncated(TBytes bytes, std::size_t size)
{
    bytes.resize(size);
    return bytes;
}

}  // namespace

void TestVersionHostileFiles::init()
{
    FDir.emplace();
    QVERIFY(FDir->isValid());
}

void TestVersionHostileFiles::noBlock_data()
{
    QTest::addColumn<TBytes>("image");

    const TNode root = SimpleRoot({}, ThreeStrings);
    const TBytes block = EncodeUnicode(root);
    TPeLayout pe;
    const TBytes good = BuildPe(TPeKind::Pe32, {{0x0409, block}}, &pe);
    auto patched16 = [&good](std::size_t at, std::uint16_t value) {
        TBytes image = good;
        PutU16(image, at, value);
        return image;
    };
    auto patched32 = [&good](std::size_t at, std::uint32_t value) {
        TBytes image = good;
        PutU32(image, at, value);
        return image;
    };
    const std::size_t coff = pe.PeHeader + 4;
    const std::size_t rootEntry = pe.RootDirectory + 16;
    const std::size_t nameEntry = pe.NameDirectory + 16;
    const std::size_t languageEntry = pe.LanguageDirectory + 16;

    QTest::newRow("empty file") << TBytes{};
    QTest::newRow("MZ only") << TBytes{'M', 'Z'};
    QTest::newRow("DOS header cut") << Truncated(good, 0x30);
    QTest::newRow("new header past the end") << patched32(0x3C, 0xFFFFFFF0);
    QTest::newRow("PE signature cut") << Truncated(good, pe.PeHeader + 2);
    QTest::newRow("COFF header cut") << Truncated(good, coff + 10);
    QTest::newRow("optional header cut") << Truncated(good, pe.OptionalHeader + 50);
    QTest::newRow("section table cut") << Truncated(good, pe.SectionHeader + 20);
    QTest::newRow("unknown optional header") << patched16(pe.OptionalHeader, 0x0107);
    QTest::newRow("optional header without room for resources") << patched16(coff + 16, 96);
    QTest::newRow("two data directories only") << patched32(pe.RvaCountField, 2);
    QTest::newRow("no resource directory") << patched32(pe.ResourceDirectoryField, 0);
    QTest::newRow("resources outside every section") << patched32(pe.ResourceDirectoryField, 0x9000);
    QTest::newRow("resources at the section's end")
        << patched32(pe.ResourceDirectoryField, 0x1000 + GetU32(good, pe.SectionHeader + 8));
    QTest::newRow("no sections") << patched16(coff + 2, 0);
    QTest::newRow("section data past the end") << patched32(pe.SectionHeader + 20, 0x7FFFFFF0);
    QTest::newRow("section shorter than its resources") << patched32(pe.SectionHeader + 8, 0x40);
    QTest::newRow("section at the top of the address space") << patched32(pe.SectionHeader + 12, 0xFFFFFF00);
    QTest::newRow("entry count past the section") << patched16(pe.RootDirectory + 14, 0xFFFF);
    QTest::newRow("named entries past the section") << patched16(pe.RootDirectory + 12, 0xFFFF);
    QTest::newRow("type entry past the section") << patched32(rootEntry + 4, 0x8000FFF0);
    QTest::newRow("type entry leads to data") << patched32(rootEntry + 4, 0x00000018);
    QTest::newRow("type is named") << patched32(rootEntry, 0x80000010);
    QTest::newRow("type 16 missing") << patched32(rootEntry, 6);
    QTest::newRow("name 1 missing") << patched32(nameEntry, 2);
    QTest::newRow("type directory is the root again") << patched32(rootEntry + 4, 0x80000000);
    QTest::newRow("name directory is the root again") << patched32(nameEntry + 4, 0x80000000);
    QTest::newRow("name directory is itself") << patched32(nameEntry + 4, 0x80000018);
    QTest::newRow("language leads to a directory") << patched32(languageEntry + 4, 0x80000030);
    QTest::newRow("language entry past the section") << patched32(languageEntry + 4, 0x0000FFF0);
    QTest::newRow("language is named") << patched32(languageEntry, 0x80000000);
    QTest::newRow("no languages") << patched16(pe.LanguageDirectory + 14, 0);
    QTest::newRow("data past the end") << patched32(pe.DataEntries[0], 0xFFFFFF00);
    QTest::newRow("data before the section") << patched32(pe.DataEntries[0], 0x0800);
    QTest::newRow("data size past the section") << patched32(pe.DataEntries[0] + 4, 0x00100000);
    QTest::newRow("data size at most") << patched32(pe.DataEntries[0] + 4, 0xFFFFFFFF);
    QTest::newRow("data size zero") << patched32(pe.DataEntries[0] + 4, 0);
    QTest::newRow("data shorter than a header") << patched32(pe.DataEntries[0] + 4, 4);
    QTest::newRow("block of zero length") << patched16(pe.Blocks[0], 0);
    QTest::newRow("block of length 2") << patched16(pe.Blocks[0], 2);
    QTest::newRow("block longer than the resource") << patched16(pe.Blocks[0], std::uint16_t(block.size() + 4));
    QTest::newRow("block of the largest length") << patched16(pe.Blocks[0], 0xFFFF);
    {
        TNode unterminated = root;
        unterminated.KeyUnterminated = true;
        QTest::newRow("root key without its end")
            << BuildPe(TPeKind::Pe32Plus, {{0x0409, EncodeUnicode(unterminated)}});
    }
    {
        TBytes odd = EncodeUnicode(root);
        odd.push_back('V');  // half a UTF-16 unit: the key cannot end inside
        PutU16(odd, 0, 7);
        QTest::newRow("root key cut inside a character") << BuildPe(TPeKind::Pe32, {{0x0409, odd}});
    }

    TNeLayout ne;
    const TBytes goodNe = BuildNe(EncodeAnsi(root), &ne);
    auto ne16 = [&goodNe](std::size_t at, std::uint16_t value) {
        TBytes image = goodNe;
        PutU16(image, at, value);
        return image;
    };
    QTest::newRow("NE header cut") << Truncated(goodNe, ne.NeHeader + 0x20);
    QTest::newRow("NE without resources") << ne16(ne.NeHeader + 0x24, 0);
    QTest::newRow("NE resource table past the end") << ne16(ne.NeHeader + 0x24, 0xFFF0);
    QTest::newRow("NE resource table cut") << Truncated(goodNe, ne.ResourceTable + 5);
    QTest::newRow("NE version type missing") << ne16(ne.VersionType, 0x8006);
    QTest::newRow("NE version name missing") << ne16(ne.VersionName + 6, 0x8002);
    QTest::newRow("NE resource past the end") << ne16(ne.VersionName, 0xFFFF);
    QTest::newRow("NE resource length past the end") << ne16(ne.VersionName + 2, 0xFFFF);
    QTest::newRow("NE resource length zero") << ne16(ne.VersionName + 2, 0);
    QTest::newRow("NE alignment shift too large") << ne16(ne.ResourceTable, 30);
    QTest::newRow("NE alignment shift past the file") << ne16(ne.ResourceTable, 16);
    QTest::newRow("NE block of zero length") << ne16(ne.Block, 0);
    QTest::newRow("NE block longer than the resource") << ne16(ne.Block, 0x7FFF);
    {
        TBytes image = ne16(ne.VersionName + 6, 0x8002);
        PutU16(image, ne.VersionType + 2, 0xFFFF);
        QTest::newRow("NE name count past the table") << image;
    }
    {
        // The type list stops being a list: types without names fill the
        // rest of the file, which is longer than any table can be.
        TBytes image = Truncated(goodNe, ne.VersionType);
        while (image.size() < 0x48000)
            image.insert(image.end(), {0x02, 0x80, 0, 0, 0, 0, 0, 0});
        QTest::newRow("NE type list without its end") << image;
    }
    {
        TBytes image = ne16(ne.VersionType, 0x8006);
        QTest::newRow("NE type list cut before its end") << Truncated(image, ne.TypeListEnd);
    }
    {
        TNode unterminated = root;
        unterminated.KeyUnterminated = true;
        QTest::newRow("NE root key without its end") << BuildNe(EncodeAnsi(unterminated));
    }
}

void TestVersionHostileFiles::noBlock()
{
    QFETCH(TBytes, image);
    QVERIFY(WriteFile(Path("image"), image));
    QCOMPARE(SizeOf(Path("image")), 0u);
    std::vector<BYTE> buffer(4096, 0x5A);
    QCOMPARE(GetFileVersionInfoA(Path("image").toLocal8Bit().constData(), 0, DWORD(buffer.size()), buffer.data()), 0);
    QVERIFY(std::all_of(buffer.begin(), buffer.end(), [](BYTE b) { return b == 0x5A; }));
}

void TestVersionHostileFiles::notExecutables_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing") << "missing";
    QTest::newRow("empty name") << "";
    QTest::newRow("folder") << "folder";
    QTest::newRow("pipe") << "pipe";
    QTest::newRow("own executable") << "own";
    QTest::newRow("character device") << "/dev/zero";
    QTest::newRow("file of a reported size 0") << "/proc/self/maps";
    QTest::newRow("sparse gigabyte") << "sparse";
}

void TestVersionHostileFiles::notExecutables()
{
    QFETCH(QString, name);
    QString path = name.startsWith('/') || name.isEmpty() ? name : Path(name);
    if (name == "folder")
        QVERIFY(QDir(FDir->path()).mkdir("folder"));
    if (name == "pipe")  // opened for reading, a pipe without a writer would wait
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    if (name == "own")
        path = QCoreApplication::applicationFilePath();
    if (name == "sparse") {
        TBytes start(0x40, 0);
        start[0] = 'M';
        start[1] = 'Z';
        PutU32(start, 0x3C, 0x3FFFFF00);
        QVERIFY(WriteFile(path, start));
        QFile file(path);
        QVERIFY(file.resize(qint64(1) << 30));
    }
    QCOMPARE(SizeOf(path), 0u);
}

void TestVersionHostileFiles::everyTruncation_data()
{
    QTest::addColumn<TBytes>("image");
    QTest::addColumn<int>("blockEnd");
    QTest::addColumn<int>("resourceEnd");

    const TNode root = SimpleRoot({}, ThreeStrings);
    for (TPeKind kind : {TPeKind::Pe32, TPeKind::Pe32Plus}) {
        TPeLayout layout;
        const TBytes block = EncodeUnicode(root);
        const TBytes image = BuildPe(kind, {{0x0409, block}}, &layout);
        const int end = int(layout.Blocks[0] + block.size());
        QTest::newRow(kind == TPeKind::Pe32 ? "PE32" : "PE32+") << image << end << end;
    }
    TNeLayout layout;
    const TBytes block = EncodeAnsi(root);
    const TBytes image = BuildNe(block, &layout);
    const int units = (int(block.size()) + (1 << layout.AlignShift) - 1) >> layout.AlignShift;
    QTest::newRow("NE") << image << int(layout.Block + block.size())
                        << int(layout.Block) + (units << layout.AlignShift);
}

// Cut short anywhere before the block's end, a file has no block; once the
// resource is whole, the block reads as from the whole file.
void TestVersionHostileFiles::everyTruncation()
{
    QFETCH(TBytes, image);
    QFETCH(int, blockEnd);
    QFETCH(int, resourceEnd);
    QVERIFY(WriteFile(Path("whole"), image));
    const std::vector<BYTE> whole = BlockOf(Path("whole"));
    QVERIFY(!whole.empty());

    for (std::size_t size = 0; size < image.size(); ++size) {
        QVERIFY(WriteFile(Path("cut"), Truncated(image, size)));
        const std::vector<BYTE> cut = BlockOf(Path("cut"));
        if (int(size) < blockEnd)
            QVERIFY2(cut.empty(), qPrintable(QString::number(size)));
        else if (int(size) >= resourceEnd)
            QVERIFY2(cut == whole, qPrintable(QString::number(size)));
        else
            QVERIFY2(cut.empty() || cut == whole, qPrintable(QString::number(size)));
    }
}

void TestVersionHostileFiles::malformedChildren_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("broken");  // which of the three strings is changed
    QTest::addColumn<QString>("change");
    QTest::addColumn<QList<bool>>("found");

    for (const QString& kind : ImageKinds()) {
        auto row = [&kind](int broken, const char* change, QList<bool> found) {
            QTest::addRow("%s %s %d", qPrintable(kind), change, broken) << kind << broken << QString(change) << found;
        };
        // Past its parent: neither it nor anything after it can be found.
        row(1, "length past the table", {true, false, false});
        row(0, "length past the table", {false, false, false});
        // Zero: no sibling can be found after it.
        row(1, "length zero", {true, false, false});
        // Its own length is sound, so the next sibling is still found.
        row(1, "key without its end", {true, false, true});
        row(2, "key without its end", {true, true, false});
        // A value running past its block is cut at the block's end.
        row(1, "value length past the block", {true, true, true});
    }
}

void TestVersionHostileFiles::malformedChildren()
{
    QFETCH(QString, kind);
    QFETCH(int, broken);
    QFETCH(QString, change);
    QFETCH(QList<bool>, found);

    TNode root = SimpleRoot({}, ThreeStrings);
    TNode& child = root.Children[0].Children[0].Children[std::size_t(broken)];
    if (change == "length past the table")
        child.LengthOverride = 0x4000;
    else if (change == "length zero")
        child.LengthOverride = 0;
    else if (change == "key without its end")
        child.KeyUnterminated = true;
    else
        child.ValueLengthOverride = 0x7FFF;
    QVERIFY(WriteFile(Path("image"), Image(kind, root)));
    const std::vector<BYTE> block = BlockOf(Path("image"));
    QVERIFY(!block.empty());

    bool fixed = false;
    QVERIFY(Inside(block, "\\", false, &fixed));
    QVERIFY(fixed);
    for (int i = 0; i < 3; ++i) {
        bool present = false;
        QVERIFY(Inside(block, StringPaths[i], true, &present));
        QCOMPARE(present, found[i]);
        if (present) {
            void* value = nullptr;
            UINT length = 0;
            QVERIFY(VerQueryValueA(block.data(), StringPaths[i], &value, &length));
            QCOMPARE(QByteArray(static_cast<const char*>(value)),
                     QByteArray::fromStdString(ThreeStrings[std::size_t(i)].second));
        }
    }
    // The translation after the string table is unaffected by the table's children.
    bool translation = false;
    QVERIFY(Inside(block, "\\VarFileInfo\\Translation", false, &translation));
    QVERIFY(translation);
}

void TestVersionHostileFiles::mutatedImages_data()
{
    QTest::addColumn<QString>("kind");
    for (const QString& kind : ImageKinds())
        QTest::newRow(qPrintable(kind)) << kind;
}

// Random changes to a sound image, from a fixed seed: whatever is still
// found lies inside the buffer, and text ends with its zero.
void TestVersionHostileFiles::mutatedImages()
{
    QFETCH(QString, kind);
    TFixedInfo info;
    const TBytes image =
        Image(kind, VersionRoot(info, {StringTable("040904E4", ThreeStrings), StringTable("040704B0", ThreeStrings)}));
    std::mt19937 random(20240801u + unsigned(kind.size()));
    const std::uint32_t extremes[] = {0,    1,      2,      3,      4,           0x7F,       0x80,
                                      0xFF, 0x7FFF, 0x8000, 0xFFFF, 0x80000000u, 0xFFFFFFFFu};
    int withBlock = 0;
    for (int round = 0; round < 600; ++round) {
        TBytes mutated = image;
        const int changes = 1 + int(random() % 4);
        for (int c = 0; c < changes; ++c) {
            const std::size_t at = random() % (mutated.size() - 4);
            switch (random() % 3) {
            case 0: mutated[at] = std::uint8_t(random()); break;
            case 1: PutU16(mutated, at, std::uint16_t(extremes[random() % std::size(extremes)])); break;
            default: PutU32(mutated, at, extremes[random() % std::size(extremes)]); break;
            }
        }
        QVERIFY(WriteFile(Path("image"), mutated));
        const std::vector<BYTE> block = BlockOf(Path("image"));
        if (block.empty())
            continue;
        ++withBlock;
        QVERIFY(Inside(block, "\\", false));
        QVERIFY(Inside(block, "\\VarFileInfo\\Translation", false));
        QVERIFY(Inside(block, "\\StringFileInfo", false));
        for (const char* path : StringPaths)
            QVERIFY(Inside(block, path, true));
        QVERIFY(Inside(block, "\\StringFileInfo\\040704B0\\ProductName", true));
    }
    // Most single changes miss the parts that matter; the checks above ran.
    QVERIFY(withBlock > 100);
}

QTEST_GUILESS_MAIN(TestVersionHostileFiles)
#include "TestVersionHostileFiles.moc"
