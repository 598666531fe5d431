// The lock that keeps two runs' saves of one folder apart: taken when it is
// free, given up after its time while another holds it, free again when
// its holder goes.

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include "platform/files/TFolderLock.h"

using namespace peglore;
using namespace std::chrono_literals;

class TestFolderLock : public QObject {
    Q_OBJECT

private slots:
    void waitsForAHolderOnlyForItsTime()
    {
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString() + "/";
        {
            const TFolderLock first(folder, 0ms);
            QVERIFY(first.Held());
            QElapsedTimer clock;
            clock.start();
            const TFolderLock second(folder, 200ms);
            QVERIFY(!second.Held());
            QVERIFY(clock.elapsed() >= 200);
        }
        QVERIFY(TFolderLock(folder, 0ms).Held());
        QVERIFY(!TFolderLock(folder + "missing/", 0ms).Held());
    }
};

QTEST_GUILESS_MAIN(TestFolderLock)
#include "TestFolderLock.moc"
