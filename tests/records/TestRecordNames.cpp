// The names a window shows for a record: in the written English they are
// the game core's English words, whatever a records file holds.

#include <QtTest>

#include "records/TGameRecord.h"

using namespace peglore;

class TestRecordNames : public QObject {
    Q_OBJECT

private slots:
    void variantReadsAsTheEnglishWords()
    {
        // A records file written by hand may hold any count.
        for (int colours = -2; colours <= 12; ++colours)
            for (const bool repeats : {false, true})
                QCOMPARE(VariantText(colours, repeats), QString::fromStdString(VariantName(colours, repeats)));
    }
};

QTEST_GUILESS_MAIN(TestRecordNames)
#include "TestRecordNames.moc"
