// The help in the player's language: each shipped Peglore.LANG.hlp holds the
// English file's topics in its order, each with a title and the same links,
// and the game opens the file of the first desktop language that has one,
// else the English.

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "app/TPlayerLanguage.h"
#include "platform/help/THelpFile.h"

using namespace peglore;

namespace {

const QString HelpFolder = QStringLiteral(PEGLORE_HELP_FOLDER);

// The targets of a body's links in their order: [[N]] and [[N|words]].
QList<int> LinksOf(const std::string& body)
{
    static const QRegularExpression link(QStringLiteral(R"(\[\[(\d+)(?:\|[^\]]*)?\]\])"));
    QList<int> targets;
    for (const auto& match : link.globalMatch(QString::fromStdString(body)))
        targets << match.captured(1).toInt();
    return targets;
}

}  // namespace

class TestHelpLanguages : public QObject {
    Q_OBJECT

private slots:
    void everyTopicInEveryLanguage_data()
    {
        QTest::addColumn<QString>("file");
        const QStringList files = QDir(HelpFolder).entryList({QStringLiteral("Peglore.*.hlp")}, QDir::Files);
        QVERIFY(files.size() >= 10);
        for (const QString& file : files)
            QTest::newRow(qPrintable(file)) << file;
    }

    void everyTopicInEveryLanguage()
    {
        QFETCH(QString, file);
        const THelpFile english = THelpFile::Load((HelpFolder + QStringLiteral("/Peglore.hlp")).toStdString());
        const THelpFile translated = THelpFile::Load((HelpFolder + QLatin1Char('/') + file).toStdString());
        QVERIFY2(translated.IsValid(), translated.ErrorText().c_str());
        QCOMPARE(translated.ProblemCount(), std::size_t{0});
        QCOMPARE(translated.Topics().size(), english.Topics().size());
        for (std::size_t i = 0; i < english.Topics().size(); ++i) {
            const THelpTopic& written = english.Topics()[i];
            const THelpTopic& topic = translated.Topics()[i];
            QCOMPARE(topic.Context, written.Context);
            QVERIFY2(!topic.Title.empty() && topic.Body != written.Body, qPrintable(QString::number(topic.Context)));
            QCOMPARE(LinksOf(topic.Body), LinksOf(written.Body));
        }
    }

    void fileOfTheFirstLanguageThatHasOne_data()
    {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("opened");
        QTest::newRow("language and country") << QStringList{"de-DE", "de"} << "Peglore.de.hlp";
        QTest::newRow("country kept") << QStringList{"pt-BR"} << "Peglore.pt_BR.hlp";
        QTest::newRow("country dropped") << QStringList{"fr-CA"} << "Peglore.fr.hlp";
        QTest::newRow("locale name") << QStringList{"de_AT.UTF-8"} << "Peglore.de.hlp";
        QTest::newRow("first without a file") << QStringList{"ja-JP", "sv-SE"} << "Peglore.sv.hlp";
        QTest::newRow("English first") << QStringList{"en-GB", "de"} << "Peglore.hlp";
        QTest::newRow("no file for any") << QStringList{"ja", "ko"} << "Peglore.hlp";
        QTest::newRow("file missing") << QStringList{"it"} << "Peglore.hlp";
        QTest::newRow("none") << QStringList{} << "Peglore.hlp";
    }

    void fileOfTheFirstLanguageThatHasOne()
    {
        QFETCH(QStringList, languages);
        QFETCH(QString, opened);
        const QTemporaryDir folder;
        for (const char* name : {"Peglore.hlp", "Peglore.de.hlp", "Peglore.fr.hlp", "Peglore.pt_BR.hlp", "Peglore.sv.hlp"}) {
            QFile file(folder.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        // A folder of that name is no help file.
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Peglore.it.hlp")));
        QCOMPARE(TPlayerLanguage::HelpFile(folder.path() + QLatin1Char('/'), languages),
                 folder.filePath(opened));
    }
};

QTEST_GUILESS_MAIN(TestHelpLanguages)
#include "TestHelpLanguages.moc"
