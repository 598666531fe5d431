// The windows in a language other than the written English: what they show
// comes from the catalogue as whole sentences, and nothing they do depends
// on the English words.

#include <QTest>
#include <QTranslator>

#include "dialogs/DialogTestSupport.h"
#include "windows/codebreaker/TfrmCodeBreaker.h"
#include "windows/records/TfrmRecords.h"

using namespace peglore;

namespace {
// A language whose every text of the game is its English in capitals.
class TCapitalsTranslator final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        if (!QByteArray(context).startsWith("peglore::"))
            return {};
        // The count placeholder stays what it is.
        return QString::fromUtf8(sourceText).toUpper().replace(QStringLiteral("%N"), QStringLiteral("%n"));
    }
};
}  // namespace

class TestWindowsLanguage : public QObject {
    Q_OBJECT
private slots:
    // Answers that no code gives: the window says so, in the player's
    // language, until the row is scored again.
    void CodeBreakerConflictInAnotherLanguage()
    {
        TCapitalsTranslator capitals;
        QCoreApplication::installTranslator(&capitals);
        testing::TRecordingHelp help;
        TfrmCodeBreaker window(help, 4, 10);
        window.ShowConflict({0, 1}, 1);
        QCoreApplication::removeTranslator(&capitals);
        QVERIFY2(window.StatusText().startsWith(QStringLiteral("THE ANSWERS OF ROWS 1 AND 2 CANNOT ALL BE TRUE")),
                 qPrintable(window.StatusText()));
    }
};

QTEST_MAIN(TestWindowsLanguage)
#include "TestWindowsLanguage.moc"
