#include "platform/versioninfo/TVersionResource.h"
#include "tests/platform/versioninfo/VersionValues.h"
#include "tests/platform/versioninfo/VersionImageBuilder.h"
#include "tests/platform/versioninfo/VersionTestFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace peglore;
using namespace VersionImages;
using namespace VersionTestFiles;

// The component's life: its own file at creation, the three setters that
// re-read and notify, and the flag that decides whether FileName is stored.
class TestVersionResourceProperties : public QObject {
    Q_OBJECT

private slots:
    void init();

    void startsWithOwnFile();
    void fileNameReadsAndNotifies();
    void settersReReadUnchangedValues_data();
    void settersReReadUnchangedValues();
    void fileNameStored_data();
    void fileNameStored();
    void valuesEmptyAgain_data();
    void valuesEmptyAgain();

private:
    QString Path() const { return FDir->filePath("image.dll"); }
    std::optional<QTemporaryDir> FDir;
};

namespace {

QString OwnPath()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
}

TBytes ImageNamed(const std::string& company)
{
    return BuildPe(TPeKind::Pe32, {{0x0409, EncodeUnicode(SimpleRoot({}, {{"CompanyName", company}}))}});
}

}  // namespace

void TestVersionResourceProperties::init()
{
    FDir.emplace();
    QVERIFY(FDir->isValid());
}

// Our own executable is an ELF file without a version block.
void TestVersionResourceProperties::startsWithOwnFile()
{
    const TVersionResource resource;
    QCOMPARE(QString::fromStdString(resource.FileName()), OwnPath());
    QVERIFY(!resource.FileNameStored());
    QCOMPARE(resource.Language(), TLanguage::lnUSEnglish);
    QCOMPARE(resource.CharacterSet(), TCharacterSet::csMultilingual);
    QVERIFY(!resource.OnChange());
    QCOMPARE(AllValues(resource.VersionInfo()), NoValues());
}

void TestVersionResourceProperties::fileNameReadsAndNotifies()
{
    QVERIFY(WriteFile(Path(), ImageNamed("first")));
    TVersionResource resource;
    QList<TVersionResource*> senders;
    QList<std::string> seen;
    resource.SetOnChange([&](TVersionResource* sender) {
        senders << sender;
        seen << sender->VersionInfo().CompanyName();  // already read when told
    });
    resource.SetFileName(Path().toStdString());
    QCOMPARE(senders, QList<TVersionResource*>{&resource});
    QCOMPARE(seen, QList<std::string>{"first"});
    QCOMPARE(resource.FileName(), Path().toStdString());
    QCOMPARE(resource.VersionInfo().FileVersion(), std::string("1.1.0.0"));
}

void TestVersionResourceProperties::settersReReadUnchangedValues_data()
{
    QTest::addColumn<QString>("setter");
    QTest::newRow("FileName") << "FileName";
    QTest::newRow("Language") << "Language";
    QTest::newRow("CharacterSet") << "CharacterSet";
}

// Setting the value it already has still reads the file again (here changed
// in between) and announces the change again.
void TestVersionResourceProperties::settersReReadUnchangedValues()
{
    QFETCH(QString, setter);
    QVERIFY(WriteFile(Path(), ImageNamed("before")));
    TVersionResource resource;
    resource.SetFileName(Path().toStdString());
    QCOMPARE(resource.VersionInfo().CompanyName(), std::string("before"));

    int changes = 0;
    resource.SetOnChange([&changes](TVersionResource*) { ++changes; });
    QVERIFY(WriteFile(Path(), ImageNamed("after")));
    const std::function<void()> setSame[] = {
        [&] { resource.SetFileName(resource.FileName()); },
        [&] { resource.SetLanguage(resource.Language()); },
        [&] { resource.SetCharacterSet(resource.CharacterSet()); },
    };
    const int which = setter == "FileName" ? 0 : setter == "Language" ? 1 : 2;
    setSame[which]();
    QCOMPARE(resource.VersionInfo().CompanyName(), std::string("after"));
    QCOMPARE(changes, 1);
    setSame[which]();
    QCOMPARE(changes, 2);
}

void TestVersionResourceProperties::fileNameStored_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("stored");
    QTest::newRow("own path") << OwnPath() << false;
    QTest::newRow("own path in capitals") << OwnPath().toUpper() << true;
    QTest::newRow("own path with a doubled slash") << OwnPath().replace(0, 1, "//") << true;
    QTest::newRow("another file") << "/tmp/other.exe" << true;
    QTest::newRow("empty") << QString() << true;
}

void TestVersionResourceProperties::fileNameStored()
{
    QFETCH(QString, name);
    QFETCH(bool, stored);
    TVersionResource resource;
    resource.SetFileName("/somewhere/else.dll");
    QVERIFY(resource.FileNameStored());
    resource.SetFileName(name.toStdString());
    QCOMPARE(resource.FileNameStored(), stored);
    // A path naming the same file still reads it: here, no block either way.
    QCOMPARE(AllValues(resource.VersionInfo()), NoValues());
}

void TestVersionResourceProperties::valuesEmptyAgain_data()
{
    QTest::addColumn<QString>("next");
    QTest::newRow("missing file") << "missing";
    QTest::newRow("own executable") << "own";
    QTest::newRow("file without a block") << "plain";
    QTest::newRow("name with a zero inside") << "zero";
}

// Every read starts from empty values: nothing of the last file remains.
void TestVersionResourceProperties::valuesEmptyAgain()
{
    QFETCH(QString, next);
    QVERIFY(WriteFile(Path(), ImageNamed("full")));
    TVersionResource resource;
    resource.SetFileName(Path().toStdString());
    QVERIFY(AllValues(resource.VersionInfo()) != NoValues());

    std::string name = FDir->filePath(next).toStdString();
    if (next == "own")
        name = OwnPath().toStdString();
    if (next == "plain")
        QVERIFY(WriteFile(QString::fromStdString(name), TBytes{'M', 'Z', 'p', 'l', 'a', 'i', 'n'}));
    if (next == "zero")  // up to the zero it names the image itself
        name = Path().toStdString() + '\0' + "tail";
    resource.SetFileName(name);
    QCOMPARE(AllValues(resource.VersionInfo()), NoValues());
}

QTEST_GUILESS_MAIN(TestVersionResourceProperties)
#include "TestVersionResourceProperties.moc"
