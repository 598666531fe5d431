#include "platform/versioninfo/TVersionResource.h"
#include "tests/platform/versioninfo/VersionValues.h"
#include "tests/platform/versioninfo/VersionImageBuilder.h"
#include "tests/platform/versioninfo/VersionTestFiles.h"

#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>

using namespace peglore;
using namespace VersionImages;
using namespace VersionTestFiles;

// From a file's version block to the fifteen values: numbers, names, the
// chosen string table and its keys.
class TestVersionDecode : public QObject {
    Q_OBJECT

private slots:
    void init();

    void versions_data();
    void versions();
    void fileOS_data();
    void fileOS();
    void fileTypes_data();
    void fileTypes();
    void everyKey_data();
    void everyKey();
    void keySpelling_data();
    void keySpelling();
    void productVersion_data();
    void productVersion();
    void prefix_data();
    void prefix();
    void chosenTable_data();
    void chosenTable();
    void noFixedRecord_data();
    void noFixedRecord();
    void languageOutOfRange();

private:
    // The values TVersionResource decodes from ROOT in an image of KIND.
    QStringList Decode(const TNode& root, const QString& kind = "PE32");
    QString Path() const { return FDir->filePath("image.exe"); }

    std::optional<QTemporaryDir> FDir;
    TVersionResource FResource;
};

namespace {

// Where each value stands in AllValues().
namespace Ix {
enum {
    Comment,
    CompanyName,
    FileDescription,
    FileVersion,
    InternalName,
    LegalCopyright,
    LegalTradeMarks,
    OriginalFileName,
    PrivateBuild,
    ProductName,
    ProductVersion,
    SpecialBuild,
    FileOS,
    FileType,
    FileSubType,
};
}  // namespace Ix

}  // namespace

void TestVersionDecode::init()
{
    FDir.emplace();
    QVERIFY(FDir->isValid());
    FResource.SetOnChange({});
    FResource.SetLanguage(TLanguage::lnUSEnglish);
    FResource.SetCharacterSet(TCharacterSet::csMultilingual);
}

QStringList TestVersionDecode::Decode(const TNode& root, const QString& kind)
{
    if (!WriteFile(Path(), Image(kind, root)))
        return {"not written"};
    FResource.SetFileName(Path().toStdString());
    return AllValues(FResource.VersionInfo());
}

void TestVersionDecode::versions_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<uint>("ms");
    QTest::addColumn<uint>("ls");
    QTest::addColumn<QString>("dotted");
    for (const QString& kind : ImageKinds()) {
        auto row = [&kind](const char* name, uint ms, uint ls, const char* dotted) {
            QTest::addRow("%s %s", qPrintable(kind), name) << kind << ms << ls << QString(dotted);
        };
        row("1.1.0.0", 0x00010001, 0x00000000, "1.1.0.0");
        row("every half", 0x00020003, 0x00040005, "2.3.4.5");
        row("no padding", 0x000A0000, 0x00640007, "10.0.100.7");
        row("zero", 0, 0, "0.0.0.0");
        row("largest", 0xFFFFFFFF, 0xFFFFFFFF, "65535.65535.65535.65535");
    }
}

// File and product numbers come from their own words of the record.
void TestVersionDecode::versions()
{
    QFETCH(QString, kind);
    QFETCH(uint, ms);
    QFETCH(uint, ls);
    QFETCH(QString, dotted);
    TFixedInfo info;
    info.FileVersionMS = ms;
    info.FileVersionLS = ls;
    info.ProductVersionMS = ~ms;
    info.ProductVersionLS = ~ls;
    const QStringList values = Decode(SimpleRoot(info, {}), kind);
    QCOMPARE(values[Ix::FileVersion], dotted);

    info.FileVersionMS = ~ms;
    info.FileVersionLS = ~ls;
    info.ProductVersionMS = ms;
    info.ProductVersionLS = ls;
    QCOMPARE(Decode(SimpleRoot(info, {}), kind)[Ix::ProductVersion], dotted);
}

void TestVersionDecode::fileOS_data()
{
    QTest::addColumn<uint>("os");
    QTest::addColumn<QString>("name");
    QTest::newRow("1") << 0x00000001u << "Windows 3.0 or later";
    QTest::newRow("2") << 0x00000002u << "16 bit OS/2 Presentation Manager";
    QTest::newRow("3") << 0x00000003u << "32 bit OS/2 Presentation Manager";
    QTest::newRow("4") << 0x00000004u << "32 bit Windows";
    QTest::newRow("10000") << 0x00010000u << "MS-Dos";
    QTest::newRow("10001") << 0x00010001u << "Windows 3.0 or later with MS-Dos";
    QTest::newRow("10004") << 0x00010004u << "32 bit Windows with MS-Dos";
    QTest::newRow("20000") << 0x00020000u << "16 bit OS/2";
    QTest::newRow("20002") << 0x00020002u << "16 bit OS/2 with Presentation Manager";
    QTest::newRow("30000") << 0x00030000u << "32 bit OS/2";
    QTest::newRow("30003") << 0x00030003u << "32 bit OS/2 with Presentation Manager";
    QTest::newRow("40000") << 0x00040000u << "Windows NT";
    QTest::newRow("40004") << 0x00040004u << "Windows NT with 32 bit Windows";
    QTest::newRow("0") << 0x00000000u << "Unknown";
    QTest::newRow("5") << 0x00000005u << "Unknown";
    QTest::newRow("10002") << 0x00010002u << "Unknown";
    QTest::newRow("40001") << 0x00040001u << "Unknown";
    QTest::newRow("50000") << 0x00050000u << "Unknown";
    QTest::newRow("all bits") << 0xFFFFFFFFu << "Unknown";
}

void TestVersionDecode::fileOS()
{
    QFETCH(uint, os);
    QFETCH(QString, name);
    TFixedInfo info;
    info.FileOS = os;
    QCOMPARE(Decode(SimpleRoot(info, {}))[Ix::FileOS], name);
}

void TestVersionDecode::fileTypes_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<uint>("subtype");
    QTest::addColumn<QString>("typeName");
    QTest::addColumn<QString>("subtypeName");
    auto row = [](uint type, uint subtype, const char* typeName, const char* subtypeName) {
        QTest::addRow("%u/%u", type, subtype) << type << subtype << QString(typeName) << QString(subtypeName);
    };
    // Only drivers and fonts have named subtypes.
    row(1, 0, "Application", "");
    row(1, 3, "Application", "");
    row(2, 1, "Dynamic-Link Library", "");
    row(5, 4, "Virtual Device Driver", "");
    row(7, 2, "Static-Link Library", "");
    row(0, 1, "Unknown", "");
    row(6, 3, "Unknown", "");
    row(8, 0, "Unknown", "");
    row(0xFFFFFFFF, 3, "Unknown", "");
    const char* drivers[] = {"Unknown", "Printer", "Keyboard",    "Language", "Display",        "Mouse",
                             "Network", "System",  "Installable", "Sound",    "Communications", "Unknown"};
    for (uint subtype = 0; subtype <= 11; ++subtype)
        row(3, subtype, "Device Driver", drivers[subtype]);
    row(3, 0xFFFFFFFF, "Device Driver", "Unknown");
    const char* fonts[] = {"Unknown", "Raster", "Vector", "TrueType", "Unknown"};
    for (uint subtype = 0; subtype <= 4; ++subtype)
        row(4, subtype, "Font", fonts[subtype]);
}

void TestVersionDecode::fileTypes()
{
    QFETCH(uint, type);
    QFETCH(uint, subtype);
    QFETCH(QString, typeName);
    QFETCH(QString, subtypeName);
    TFixedInfo info;
    info.FileType = type;
    info.FileSubtype = subtype;
    const QStringList values = Decode(SimpleRoot(info, {}));
    QCOMPARE(values[Ix::FileType], typeName);
    QCOMPARE(values[Ix::FileSubType], subtypeName);
}

void TestVersionDecode::everyKey_data()
{
    QTest::addColumn<QString>("kind");
    for (const QString& kind : ImageKinds())
        QTest::newRow(qPrintable(kind)) << kind;
}

// Each of the eleven keys lands in its own value; a "FileVersion" string is
// never looked up.
void TestVersionDecode::everyKey()
{
    QFETCH(QString, kind);
    TFixedInfo info;
    info.FileVersionMS = 0x00010002;
    info.FileVersionLS = 0x00030004;
    info.FileOS = 4;
    info.FileType = 2;
    const TStrings strings = {
        {"Comment", "a comment"},     {"CompanyName", "a company"},         {"FileDescription", "a description"},
        {"FileVersion", "9.9.9.9"},   {"InternalName", "internal"},         {"LegalCopyright", "(c) us"},
        {"LegalTradeMarks", "marks"}, {"OriginalFileName", "original.exe"}, {"PrivateBuild", "private"},
        {"ProductName", "a product"}, {"ProductVersion", "1.1 beta"},       {"SpecialBuild", "special"},
    };
    const QStringList expected = {
        "a comment",
        "a company",
        "a description",
        "1.2.3.4",
        "internal",
        "(c) us",
        "marks",
        "original.exe",
        "private",
        "a product",
        "1.1 beta",
        "special",
        "32 bit Windows",
        "Dynamic-Link Library",
        "",
    };
    QCOMPARE(Decode(SimpleRoot(info, strings), kind), expected);
}

void TestVersionDecode::keySpelling_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("field");
    QTest::addColumn<bool>("read");
    QTest::newRow("Comment") << "Comment" << int(Ix::Comment) << true;
    QTest::newRow("plural Comments") << "Comments" << int(Ix::Comment) << false;
    QTest::newRow("Comment in other letter case") << "COMMENT" << int(Ix::Comment) << true;
    QTest::newRow("LegalTrademarks") << "LegalTrademarks" << int(Ix::LegalTradeMarks) << true;
    QTest::newRow("OriginalFilename") << "OriginalFilename" << int(Ix::OriginalFileName) << true;
    QTest::newRow("Original File Name") << "Original File Name" << int(Ix::OriginalFileName) << false;
    QTest::newRow("Copyright") << "Copyright" << int(Ix::LegalCopyright) << false;
}

void TestVersionDecode::keySpelling()
{
    QFETCH(QString, key);
    QFETCH(int, field);
    QFETCH(bool, read);
    for (const QString& kind : ImageKinds()) {
        const QStringList values = Decode(SimpleRoot({}, {{key.toStdString(), "text"}}), kind);
        QCOMPARE(values[field], read ? QString("text") : QString());
        QCOMPARE(values[Ix::FileVersion], QString("1.1.0.0"));
    }
}

void TestVersionDecode::productVersion_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    for (const QString& kind : ImageKinds()) {
        QTest::addRow("%s absent", qPrintable(kind)) << kind << false << QString() << "3.0.0.1";
        QTest::addRow("%s present", qPrintable(kind)) << kind << true << "3.0 Gold"
                                                      << "3.0 Gold";
        QTest::addRow("%s present and empty", qPrintable(kind)) << kind << true << QString() << QString();
    }
}

void TestVersionDecode::productVersion()
{
    QFETCH(QString, kind);
    QFETCH(bool, present);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    TFixedInfo info;
    info.ProductVersionMS = 0x00030000;
    info.ProductVersionLS = 0x00000001;
    TStrings strings = {{"CompanyName", "c"}};
    if (present)
        strings.push_back({"ProductVersion", text.toStdString()});
    QCOMPARE(Decode(SimpleRoot(info, strings), kind)[Ix::ProductVersion], expected);
}

void TestVersionDecode::prefix_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("characterSet");
    QTest::addColumn<QString>("prefix");

    const int multilingual = int(TCharacterSet::csMultilingual);
    for (int ordinal = 0; ordinal <= 32; ++ordinal)
        QTest::addRow("language %d", ordinal)
            << ordinal << multilingual
            << "\\StringFileInfo\\" + QString("%1").arg(0x0401 + ordinal, 4, 16, QChar('0')).toUpper() + "04E4\\";
    const char* others[] = {"0804", "0807", "0809", "080A", "080C", "0810",
                            "0813", "0814", "0816", "081A", "0C0C", "100C"};
    for (int i = 0; i < 12; ++i)
        QTest::addRow("language %d", 33 + i)
            << 33 + i << multilingual << "\\StringFileInfo\\" + QString(others[i]) + "04E4\\";
    QCOMPARE(33 + 12, LanguageCount);

    const char* pages[] = {"0000", "03A4", "03B5", "03B6", "04B0", "04E2",
                           "04E3", "04E4", "04E5", "04E6", "04E7", "04E8"};
    for (int i = 0; i < CharacterSetCount; ++i)
        QTest::addRow("code page %d", i) << int(TLanguage::lnUSEnglish) << i
                                         << QString("\\StringFileInfo\\0409%1\\").arg(pages[i]);
    QTest::newRow("Swiss French, ASCII") << int(TLanguage::lnSwissFrench) << int(TCharacterSet::csASCII)
                                         << "\\StringFileInfo\\100C0000\\";
}

void TestVersionDecode::prefix()
{
    QFETCH(int, language);
    QFETCH(int, characterSet);
    QFETCH(QString, prefix);
    QCOMPARE(
        QString::fromStdString(TVersionResource::StringTablePrefix(TLanguage(language), TCharacterSet(characterSet))),
        prefix);
}

void TestVersionDecode::chosenTable_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("characterSet");
    QTest::addColumn<QString>("company");
    for (const QString& kind : ImageKinds()) {
        auto row = [&kind](const char* name, TLanguage language, TCharacterSet characterSet, const char* company) {
            QTest::addRow("%s %s", qPrintable(kind), name)
                << kind << int(language) << int(characterSet) << QString(company);
        };
        row("defaults", TLanguage::lnUSEnglish, TCharacterSet::csMultilingual, "040904E4");
        row("ASCII", TLanguage::lnUSEnglish, TCharacterSet::csASCII, "04090000");
        row("Swiss French", TLanguage::lnSwissFrench, TCharacterSet::csMultilingual, "100C04E4");
        row("Unicode", TLanguage::lnUSEnglish, TCharacterSet::csUnicode, "040904B0");
        row("no such table", TLanguage::lnGerman, TCharacterSet::csMultilingual, "");
    }
}

// Each table names itself; only the chosen one is read, the fixed values
// are there whatever the choice.
void TestVersionDecode::chosenTable()
{
    QFETCH(QString, kind);
    QFETCH(int, language);
    QFETCH(int, characterSet);
    QFETCH(QString, company);
    std::vector<TNode> tables;
    for (const char* key : {"040904E4", "04090000", "100C04E4", "040904b0", "100C0000"})
        tables.push_back(StringTable(key, {{"CompanyName", QByteArray(key).toUpper().toStdString()}}));
    QVERIFY(WriteFile(Path(), Image(kind, VersionRoot({}, tables))));
    FResource.SetFileName(Path().toStdString());
    FResource.SetLanguage(TLanguage(language));
    FResource.SetCharacterSet(TCharacterSet(characterSet));
    const QStringList values = AllValues(FResource.VersionInfo());
    QCOMPARE(values[Ix::CompanyName], company);
    QCOMPARE(values[Ix::FileVersion], QString("1.1.0.0"));
}

void TestVersionDecode::noFixedRecord_data()
{
    QTest::addColumn<int>("recordSize");
    QTest::newRow("none") << 0;
    QTest::newRow("too short") << 48;
}

// Without a whole fixed record nothing is decoded, not even the strings.
void TestVersionDecode::noFixedRecord()
{
    QFETCH(int, recordSize);
    TNode root = SimpleRoot({}, {{"CompanyName", "c"}, {"ProductVersion", "2"}});
    root.Binary.resize(std::size_t(recordSize));
    for (const QString& kind : ImageKinds())
        QCOMPARE(Decode(root, kind), NoValues());
}

// A language outside the enumeration is refused once the fixed record is
// decoded, before any string is looked up, and no change is announced.
void TestVersionDecode::languageOutOfRange()
{
    QVERIFY(WriteFile(Path(), Image("PE32", SimpleRoot({}, {{"CompanyName", "c"}}))));
    FResource.SetFileName(Path().toStdString());
    int changes = 0;
    FResource.SetOnChange([&changes](TVersionResource*) { ++changes; });
    try {
        FResource.SetLanguage(TLanguage(LanguageCount));
        QFAIL("no error");
    } catch (const std::out_of_range& error) {
        QCOMPARE(QString(error.what()), QString());
    }
    QCOMPARE(changes, 0);
    QCOMPARE(FResource.VersionInfo().FileVersion(), std::string("1.1.0.0"));
    QCOMPARE(FResource.VersionInfo().CompanyName(), std::string());

    QVERIFY_THROWS_EXCEPTION(std::out_of_range, FResource.SetCharacterSet(TCharacterSet(CharacterSetCount)));
    // A file without a block never reaches the table, so nothing is refused.
    FResource.SetFileName(FDir->filePath("missing").toStdString());
    QCOMPARE(changes, 1);
    QCOMPARE(AllValues(FResource.VersionInfo()), NoValues());
}

QTEST_GUILESS_MAIN(TestVersionDecode)
#include "TestVersionDecode.moc"
