// The painted pieces of the dialogs: the bevels, the self-sizing label and
// the background without its picture.

#include <QPainter>
#include <QtTest>

#include "components/widgets/TBevel.h"
#include "components/widgets/TMarbleBackground.h"
#include "dialogs/DialogTestSupport.h"
#include "dialogs/common/DialogFonts.h"
#include "dialogs/common/TAutoSizeLabel.h"

using namespace peglore;
using namespace peglore::testing;

namespace {
constexpr QRgb Shadow = 0xFF808080;
constexpr QRgb Light = 0xFFFFFFFF;
constexpr QRgb Untouched = 0xFFFF00FF;

// The bounding box of what differs from white.
QRect Ink(const QImage& image)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != 0xFFFFFFFF)
                ink |= QRect(x, y, 1, 1);
    return ink;
}
}  // namespace

class TestDialogWidgets : public QObject {
    Q_OBJECT
private slots:
    void bevel_data()
    {
        QTest::addColumn<int>("shape");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRgb>("colour");
        const int box = int(TBevelShape::Box);
        const int left = int(TBevelShape::LeftLine);
        const int top = int(TBevelShape::TopLine);
        const QSize rule(263, 3);
        QTest::newRow("box: top edge") << box << rule << QPoint(100, 0) << Shadow;
        QTest::newRow("box: left edge") << box << rule << QPoint(0, 1) << Shadow;
        QTest::newRow("box: bottom edge") << box << rule << QPoint(100, 2) << Light;
        QTest::newRow("box: right edge") << box << rule << QPoint(262, 1) << Light;
        QTest::newRow("box: top right corner") << box << rule << QPoint(262, 0) << Light;
        QTest::newRow("box: inside") << box << rule << QPoint(100, 1) << Untouched;
        QTest::newRow("left line: shadow") << left << QSize(2, 192) << QPoint(0, 150) << Shadow;
        QTest::newRow("left line: highlight") << left << QSize(2, 192) << QPoint(1, 0) << Light;
        QTest::newRow("top line: shadow") << top << QSize(105, 7) << QPoint(104, 0) << Shadow;
        QTest::newRow("top line: highlight") << top << QSize(105, 7) << QPoint(0, 1) << Light;
        QTest::newRow("top line: below") << top << QSize(105, 7) << QPoint(50, 2) << Untouched;
        QTest::newRow("top line: bottom") << top << QSize(105, 7) << QPoint(50, 6) << Untouched;
    }
    void bevel()
    {
        QFETCH(int, shape);
        QFETCH(QSize, size);
        QFETCH(QPoint, at);
        QFETCH(QRgb, colour);
        TBevel bevel{TBevelShape(shape)};
        bevel.resize(size);
        QCOMPARE(Render(bevel).pixel(at), colour);
    }

    void labelGrowsToTheRight_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::newRow("one digit") << "5";
        QTest::newRow("five digits") << "12345";
        QTest::newRow("negative") << "-2147483648";
        QTest::newRow("descenders") << "Total Games Played:";
        QTest::newRow("empty") << "";
    }
    void labelGrowsToTheRight()
    {
        QFETCH(QString, caption);
        QWidget parent;
        parent.resize(400, 50);
        TAutoSizeLabel label(QStringLiteral("10"), &parent);
        label.setFont(DialogFont(12, true));
        label.move(201, 20);
        label.SetCaption(caption);
        const QFontMetrics metrics(label.font());
        QCOMPARE(label.pos(), QPoint(201, 20));
        QCOMPARE(label.size(), QSize(metrics.horizontalAdvance(caption), metrics.height()));
        // Nothing of the text would be cut off: drawn without a limit, its
        // ink, descenders included, stays inside the label.
        if (!caption.isEmpty()) {
            QImage wide(label.width() + 20, label.height() + 10, QImage::Format_RGB32);
            wide.fill(Qt::white);
            QPainter painter(&wide);
            painter.setFont(label.font());
            painter.setPen(Qt::black);
            painter.drawText(QRect(0, 0, wide.width(), wide.height()), Qt::AlignLeft | Qt::AlignTop, caption);
            painter.end();
            QVERIFY2(QRect(QPoint(0, 0), label.size()).contains(Ink(wide)), "the caption is cut off");
        }
    }

    void labelFollowsItsFont()
    {
        TAutoSizeLabel label(QStringLiteral("Games Won:"));
        label.setFont(DialogFont(11));
        const int small = label.width();
        label.setFont(DialogFont(16, true));
        QVERIFY(label.width() > small);
        QCOMPARE(label.height(), QFontMetrics(DialogFont(16, true)).height());
    }

    void backgroundWithoutItsPictureIsPlain()
    {
        TMarbleBackground background;
        background.resize(323, 111);
        QVERIFY(!background.HasTexture());
        const QImage image = Render(background);
        for (const QPoint p : {QPoint(0, 0), QPoint(322, 110), QPoint(160, 55)})
            QCOMPARE(image.pixel(p), TMarbleBackground::FallbackColor.rgb());
    }
};

QTEST_MAIN(TestDialogWidgets)
#include "TestDialogWidgets.moc"
