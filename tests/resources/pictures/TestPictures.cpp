#include "resources/pictures/Pictures.h"

#include <QImage>
#include <QtTest>

using namespace peglore;

namespace {

int OpaquePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) >= 128)
                ++count;
    return count;
}

}  // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitPictures(); }

    void loadsWithSizeAndTransparency_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("transparentCorners");
        QTest::newRow("marble") << "marble.png" << QSize(160, 160) << false;
        QTest::newRow("hand") << "hand.png" << QSize(32, 32) << true;
        QTest::newRow("row marker") << "row-marker.png" << QSize(38, 18) << true;
        QTest::newRow("new") << "new.png" << QSize(16, 16) << false;
        QTest::newRow("new disabled") << "new-disabled.png" << QSize(16, 16) << false;
        QTest::newRow("properties") << "properties.png" << QSize(16, 16) << true;
        QTest::newRow("check") << "check.png" << QSize(16, 16) << true;
        QTest::newRow("check disabled") << "check-disabled.png" << QSize(16, 16) << true;
        QTest::newRow("icon") << "peglore.png" << QSize(48, 48) << true;
        QTest::newRow("small icon") << "peglore-32.png" << QSize(32, 32) << true;
    }

    void loadsWithSizeAndTransparency()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(bool, transparentCorners);
        const QImage image(":/pictures/" + name);
        QVERIFY2(!image.isNull(), qPrintable(name));
        QCOMPARE(image.size(), size);
        // Something must be drawn, and a glyph must not be a solid block.
        const int opaque = OpaquePixels(image);
        QVERIFY(opaque > size.width() * size.height() / 8);
        if (transparentCorners) {
            QVERIFY(image.hasAlphaChannel());
            QVERIFY(opaque < size.width() * size.height());
            const int right = size.width() - 1, bottom = size.height() - 1;
            for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom)})
                QCOMPARE(qAlpha(image.pixel(corner)), 0);
        }
    }

    void marbleIsLight256ColourTexture()
    {
        const QImage marble(":/pictures/marble.png");
        QCOMPARE(marble.format(), QImage::Format_Indexed8);
        QVERIFY(marble.colorCount() <= 256);
        QVERIFY(!marble.hasAlphaChannel());
        // Black text must read everywhere: no pixel darker than mid grey, and
        // the stone mostly light; but it is a texture, not a flat fill.
        int darkest = 255, lightest = 0;
        qint64 sum = 0;
        for (int y = 0; y < marble.height(); ++y)
            for (int x = 0; x < marble.width(); ++x) {
                const int grey = qGray(marble.pixel(x, y));
                darkest = qMin(darkest, grey);
                lightest = qMax(lightest, grey);
                sum += grey;
            }
        QVERIFY2(darkest >= 128, qPrintable(QString::number(darkest)));
        QVERIFY(sum / (160 * 160) >= 200);
        QVERIFY(lightest - darkest >= 40);
    }

    void disabledGlyphsAreGreyedCopies_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("new") << "new";
        QTest::newRow("check") << "check";
    }

    void disabledGlyphsAreGreyedCopies()
    {
        QFETCH(QString, name);
        const QImage normal(":/pictures/" + name + ".png");
        const QImage disabled(":/pictures/" + name + "-disabled.png");
        QCOMPARE(disabled.size(), normal.size());
        int coloured = 0;
        for (int y = 0; y < normal.height(); ++y)
            for (int x = 0; x < normal.width(); ++x) {
                const QRgb n = normal.pixel(x, y), d = disabled.pixel(x, y);
                if (qAlpha(d) > 0)
                    QVERIFY2(qRed(d) == qGreen(d) && qGreen(d) == qBlue(d), qPrintable(QString("%1,%2").arg(x).arg(y)));
                if (qAlpha(n) > 0 && (qRed(n) != qGreen(n) || qGreen(n) != qBlue(n)))
                    ++coloured;
            }
        QVERIFY(coloured > 0);
    }

    void handHotSpotIsOnTheFingerTip()
    {
        const QImage hand(":/pictures/hand.png");
        const QPoint hotSpot(HandHotSpotX, HandHotSpotY);
        QVERIFY(qAlpha(hand.pixel(hotSpot)) >= 128);
        // The tip is the topmost drawn pixel of the hand.
        for (int y = 0; y < HandHotSpotY; ++y)
            for (int x = 0; x < hand.width(); ++x)
                QVERIFY(qAlpha(hand.pixel(x, y)) < 128);
        // The rows below the tip widen into the finger.
        QVERIFY(qAlpha(hand.pixel(HandHotSpotX - 1, HandHotSpotY + 2)) >= 128);
        QVERIFY(qAlpha(hand.pixel(HandHotSpotX + 1, HandHotSpotY + 2)) >= 128);
    }

    void initialisingTwiceKeepsOneCopy()
    {
        InitPictures();
        QVERIFY(!QImage(":/pictures/hand.png").isNull());
    }
};

QTEST_GUILESS_MAIN(TestPictures)
#include "TestPictures.moc"
