#include "platform/versioninfo/VersionApi.h"
#include "tests/platform/versioninfo/VersionImageBuilder.h"
#include "tests/platform/versioninfo/VersionTestFiles.h"

#include <QTemporaryDir>
#include <QTest>

#include <cstring>

using namespace peglore;
using namespace VersionImages;
using namespace VersionTestFiles;

// The three functions' contract over version blocks of each kind of image.
class TestVersionQuery : public QObject {
    Q_OBJECT

private slots:
    void init();

    void sizeThenBlock_data();
    void sizeThenBlock();
    void fixedRecordAndTranslation_data();
    void fixedRecordAndTranslation();
    void paths_data();
    void paths();
    void textIsEightBit_data();
    void textIsEightBit();
    void shortBufferIsRefused();
    void missingArguments();
    void languageChoice_data();
    void languageChoice();

private:
    // The buffer for PATH as a caller gets it: size first, then the block.
    std::vector<BYTE> ReadBlock(const QString& path);
    QString Path(const QString& name) const { return FDir->filePath(name); }

    std::optional<QTemporaryDir> FDir;
};

namespace {

const TStrings SampleStrings = {
    {"CompanyName", "Peglore Makers"},
    {"FileDescription", "Code-breaking board game"},
    {"ProductVersion", "1.1"},
};

// The value at SUBBLOCK, nullopt when the query fails.
std::optional<QByteArray> Value(const std::vector<BYTE>& block, const char* subBlock)
{
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), subBlock, &value, &length))
        return std::nullopt;
    return QByteArray(static_cast<const char*>(value), qsizetype(length));
}

}  // namespace

void TestVersionQuery::init()
{
    FDir.emplace();
    QVERIFY(FDir->isValid());
}

std::vector<BYTE> TestVersionQuery::ReadBlock(const QString& path)
{
    const QByteArray name = path.toLocal8Bit();
    DWORD handle = 0xDEAD;
    const DWORD size = GetFileVersionInfoSizeA(name.constData(), &handle);
    if (handle != 0 || size == 0)
        return {};
    std::vector<BYTE> block(size);
    if (!GetFileVersionInfoA(name.constData(), handle, size, block.data()))
        return {};
    return block;
}

void TestVersionQuery::sizeThenBlock_data()
{
    QTest::addColumn<QString>("kind");
    for (const QString& kind : ImageKinds())
        QTest::newRow(qPrintable(kind)) << kind;
}

// The buffer starts with the block exactly as the file stores it.
void TestVersionQuery::sizeThenBlock()
{
    QFETCH(QString, kind);
    const TNode root = SimpleRoot({}, SampleStrings);
    const TBytes stored = kind == "NE" ? EncodeAnsi(root) : EncodeUnicode(root);
    QVERIFY(WriteFile(Path("image"), Image(kind, root)));

    const std::vector<BYTE> block = ReadBlock(Path("image"));
    QVERIFY(block.size() > stored.size());
    QCOMPARE(Bytes(TBytes(block.begin(), block.begin() + qsizetype(stored.size()))), Bytes(stored));
}

void TestVersionQuery::fixedRecordAndTranslation_data()
{
    sizeThenBlock_data();
}

void TestVersionQuery::fixedRecordAndTranslation()
{
    QFETCH(QString, kind);
    TFixedInfo info;
    info.FileVersionMS = 0x00020003;
    info.FileVersionLS = 0x00040005;
    info.ProductVersionMS = 0x00060007;
    info.FileOS = 0x00010001;
    info.FileType = 4;
    info.FileSubtype = 3;
    QVERIFY(WriteFile(Path("image"), Image(kind, VersionRoot(info, {}, {0x04E40409, 0x04B0040C}))));
    const std::vector<BYTE> block = ReadBlock(Path("image"));

    const auto fixed = Value(block, "\\");
    QVERIFY(fixed);
    QCOMPARE(fixed->size(), qsizetype(sizeof(VS_FIXEDFILEINFO)));
    VS_FIXEDFILEINFO record;
    std::memcpy(&record, fixed->constData(), sizeof record);
    QCOMPARE(record.dwSignature, 0xFEEF04BDu);
    QCOMPARE(record.dwFileVersionMS, 0x00020003u);
    QCOMPARE(record.dwFileVersionLS, 0x00040005u);
    QCOMPARE(record.dwProductVersionMS, 0x00060007u);
    QCOMPARE(record.dwFileOS, 0x00010001u);
    QCOMPARE(record.dwFileType, 4u);
    QCOMPARE(record.dwFileSubtype, 3u);

    const auto translation = Value(block, "\\VarFileInfo\\Translation");
    QVERIFY(translation);
    QCOMPARE(*translation, QByteArray::fromHex("0904e4040c04b004"));
}

void TestVersionQuery::paths_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QByteArray>("value");

    for (const QString& kind : ImageKinds()) {
        auto row = [&kind](const char* name, const char* path, bool found, const QByteArray& value) {
            QTest::addRow("%s %s", qPrintable(kind), name) << kind << QByteArray(path) << found << value;
        };
        row("as written", "\\StringFileInfo\\040904E4\\CompanyName", true, QByteArray("Peglore Makers\0", 15));
        row("other case", "\\stringfileinfo\\040904e4\\COMPANYNAME", true, QByteArray("Peglore Makers\0", 15));
        row("no leading separator", "StringFileInfo\\040904E4\\ProductVersion", true, QByteArray("1.1\0", 4));
        row("doubled separators", "\\\\StringFileInfo\\\\040904E4\\FileDescription\\", true,
            QByteArray("Code-breaking board game\0", 25));
        row("missing key", "\\StringFileInfo\\040904E4\\Comment", false, {});
        row("key prefix only", "\\StringFileInfo\\040904E4\\Company", false, {});
        row("key with more", "\\StringFileInfo\\040904E4\\CompanyNames", false, {});
        row("other table", "\\StringFileInfo\\040904B0\\CompanyName", false, {});
        row("under the wrong parent", "\\VarFileInfo\\040904E4\\CompanyName", false, {});
        row("too deep", "\\StringFileInfo\\040904E4\\CompanyName\\More", false, {});
        row("inner node", "\\StringFileInfo", true, {});
    }
}

void TestVersionQuery::paths()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, path);
    QFETCH(bool, found);
    QFETCH(QByteArray, value);
    QVERIFY(WriteFile(Path("image"), Image(kind, SimpleRoot({}, SampleStrings))));
    const std::vector<BYTE> block = ReadBlock(Path("image"));
    QVERIFY(!block.empty());

    const auto result = Value(block, path.constData());
    QCOMPARE(bool(result), found);
    if (found)
        QCOMPARE(*result, value);
}

void TestVersionQuery::textIsEightBit_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("returned");
    // UTF-16 comes back as UTF-8, characters beyond the first plane included.
    QTest::newRow("PE32") << "PE32" << QByteArray("Gr\u00f6\u00dfe \u00a9 \u2013 \U0001F3B2")
                          << QByteArray("Gr\u00f6\u00dfe \u00a9 \u2013 \U0001F3B2");
    QTest::newRow("PE32+") << "PE32+" << QByteArray("\u00c5ngstr\u00f6m") << QByteArray("\u00c5ngstr\u00f6m");
    // An 8-bit block's text comes back byte for byte.
    QTest::newRow("NE") << "NE"
                        << QByteArray("\xa9 1995 Gr\xf6\xdf"
                                      "e")
                        << QByteArray("\xa9 1995 Gr\xf6\xdf"
                                      "e");
}

void TestVersionQuery::textIsEightBit()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, returned);
    QVERIFY(WriteFile(Path("image"), Image(kind, SimpleRoot({}, {{"LegalCopyright", stored.toStdString()}}))));
    const auto value = Value(ReadBlock(Path("image")), "\\StringFileInfo\\040904E4\\LegalCopyright");
    QVERIFY(value);
    QCOMPARE(*value, returned + '\0');
}

void TestVersionQuery::shortBufferIsRefused()
{
    QVERIFY(WriteFile(Path("image"), Image("PE32", SimpleRoot({}, SampleStrings))));
    const QByteArray name = Path("image").toLocal8Bit();
    const DWORD size = GetFileVersionInfoSizeA(name.constData(), nullptr);
    QVERIFY(size > 0);

    std::vector<BYTE> buffer(size, 0xAA);
    QCOMPARE(GetFileVersionInfoA(name.constData(), 0, size - 1, buffer.data()), 0);
    QVERIFY(std::all_of(buffer.begin(), buffer.end(), [](BYTE b) { return b == 0xAA; }));
    QCOMPARE(GetFileVersionInfoA(name.constData(), 0, size, nullptr), 0);
    // A larger buffer is fine; the handle is ignored.
    buffer.resize(size + 100);
    QVERIFY(GetFileVersionInfoA(name.constData(), 12345, size + 100, buffer.data()));
}

void TestVersionQuery::missingArguments()
{
    QVERIFY(WriteFile(Path("image"), Image("PE32", SimpleRoot({}, SampleStrings))));
    const std::vector<BYTE> block = ReadBlock(Path("image"));
    QVERIFY(!block.empty());
    void* value = nullptr;
    UINT length = 0;
    QCOMPARE(VerQueryValueA(nullptr, "\\", &value, &length), 0);
    QCOMPARE(VerQueryValueA(block.data(), nullptr, &value, &length), 0);
    QCOMPARE(VerQueryValueA(block.data(), "\\", nullptr, &length), 0);
    QCOMPARE(VerQueryValueA(block.data(), "\\", &value, nullptr), 0);
    QCOMPARE(GetFileVersionInfoSizeA(nullptr, nullptr), 0u);

    // A block the caller made without GetFileVersionInfoA is not read. The
    // zeros stand where the functions' own copy would begin.
    TBytes bare = EncodeUnicode(SimpleRoot({}, SampleStrings));
    bare.resize(bare.size() + 16, 0);
    QCOMPARE(VerQueryValueA(bare.data(), "\\", &value, &length), 0);
}

void TestVersionQuery::languageChoice_data()
{
    QTest::addColumn<QList<int>>("languages");
    QTest::addColumn<int>("chosen");
    QTest::newRow("US English among others") << QList<int>{0x0407, 0x0409, 0x040C} << 0x0409;
    QTest::newRow("neutral before US English") << QList<int>{0x0409, 0x0000} << 0x0000;
    QTest::newRow("none preferred: the first") << QList<int>{0x0407, 0x040C} << 0x0407;
    QTest::newRow("only one") << QList<int>{0x0411} << 0x0411;
}

// Each language's block names its language in CompanyName.
void TestVersionQuery::languageChoice()
{
    QFETCH(QList<int>, languages);
    QFETCH(int, chosen);
    for (TPeKind kind : {TPeKind::Pe32, TPeKind::Pe32Plus}) {
        std::vector<TPeResource> resources;
        for (int language : languages) {
            const std::string name = QByteArray::number(language, 16).toStdString();
            resources.push_back({std::uint16_t(language), EncodeUnicode(SimpleRoot({}, {{"CompanyName", name}}))});
        }
        QVERIFY(WriteFile(Path("image"), BuildPe(kind, resources)));
        const auto value = Value(ReadBlock(Path("image")), "\\StringFileInfo\\040904E4\\CompanyName");
        QVERIFY(value);
        QCOMPARE(*value, QByteArray::number(chosen, 16) + '\0');
    }
}

QTEST_GUILESS_MAIN(TestVersionQuery)
#include "TestVersionQuery.moc"
