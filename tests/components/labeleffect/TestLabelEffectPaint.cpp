// Layer placement, turned text and background, read from rendered pixels.
// The font is drawn without antialiasing so that every pixel is exactly
// one layer colour.
#include "components/labeleffect/LblEffct.h"

#include <QFontMetrics>
#include <QImage>
#include <QTest>

#include <cmath>
#include <numbers>

using namespace peglore;
using D = TEffectDirection;

namespace {

QFont TestFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(20);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QImage Render(TLabelEffect& l, QColor back = Qt::white)
{
    QImage image(l.size(), QImage::Format_RGB32);
    image.fill(back);
    l.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// All three layers in one colour at one place: the shape of the caption.
QImage CaptionMask(const QString& caption, QSize size)
{
    TLabelEffect l;
    l.setFont(TestFont());
    l.resize(size);
    l.SetCaption(caption);
    l.SetEffectStyle(TEffectStyle::esNone);
    l.SetColourHighlight(Qt::black);
    l.SetColourShadow(Qt::black);
    l.SetFontColor(Qt::black);
    return Render(l);
}

QRect InkBounds(const QImage& image, QColor back = Qt::white)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != back)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

int RoundEven(double v)
{
    return int(std::nearbyint(v));
}

}  // namespace

class TestLabelEffectPaint : public QObject {
    Q_OBJECT

private slots:
    void layerOffsets_data();
    void layerOffsets();
    void turnedTextOrigin_data();
    void turnedTextOrigin();
    void turnedTextCentredAndRunningUp();
    void turnedBackgroundBox_data();
    void turnedBackgroundBox();
    void opaqueFillsClientRect();
    void emptyCaptionDrawsNothing_data();
    void emptyCaptionDrawsNothing();
};

void TestLabelEffectPaint::layerOffsets_data()
{
    QTest::addColumn<D>("dirHighlight");
    QTest::addColumn<int>("depthHighlight");
    QTest::addColumn<D>("dirShadow");
    QTest::addColumn<int>("depthShadow");
    QTest::addColumn<QPoint>("shadowAt");
    QTest::addColumn<QPoint>("highlightAt");
    QTest::addColumn<QPoint>("faceAt");
    QTest::newRow("about dialog") << D::edDownRight << 1 << D::edUpLeft << 1 << QPoint(0, 0) << QPoint(2, 2)
                                  << QPoint(1, 1);
    QTest::newRow("raised default") << D::edUpLeft << 1 << D::edDownRight << 1 << QPoint(2, 2) << QPoint(0, 0)
                                    << QPoint(1, 1);
    QTest::newRow("shadow left 3") << D::edNone << 1 << D::edLeft << 3 << QPoint(0, 3) << QPoint(3, 3) << QPoint(3, 3);
    QTest::newRow("drop shadow") << D::edNone << 0 << D::edDownRight << 2 << QPoint(2, 2) << QPoint(0, 0)
                                 << QPoint(0, 0);
    QTest::newRow("flying") << D::edDownRight << 1 << D::edDownRight << 5 << QPoint(5, 5) << QPoint(1, 1)
                            << QPoint(0, 0);
    QTest::newRow("up 2, right 4") << D::edUp << 2 << D::edRight << 4 << QPoint(6, 2) << QPoint(2, 0) << QPoint(2, 2);
    QTest::newRow("down-left 2, up-right 1")
        << D::edDownLeft << 2 << D::edUpRight << 1 << QPoint(3, 1) << QPoint(0, 4) << QPoint(2, 2);
    QTest::newRow("left 1, up 3") << D::edLeft << 1 << D::edUp << 3 << QPoint(3, 0) << QPoint(2, 3) << QPoint(3, 3);
}

void TestLabelEffectPaint::layerOffsets()
{
    QFETCH(D, dirHighlight);
    QFETCH(int, depthHighlight);
    QFETCH(D, dirShadow);
    QFETCH(int, depthShadow);
    QFETCH(QPoint, shadowAt);
    QFETCH(QPoint, highlightAt);
    QFETCH(QPoint, faceAt);

    const QString caption = QStringLiteral("Ag");
    const QSize size(80, 40);
    const QImage mask = CaptionMask(caption, size);
    QVERIFY(!InkBounds(mask).isEmpty());

    TLabelEffect l;
    l.setFont(TestFont());
    l.resize(size);
    l.SetCaption(caption);
    l.SetDirectionHighlight(dirHighlight);
    l.SetDepthHighlight(TEffectDepth(depthHighlight));
    l.SetDirectionShadow(dirShadow);
    l.SetDepthShadow(TEffectDepth(depthShadow));
    const QColor shadow(255, 0, 0), highlight(0, 160, 0), face(0, 0, 255);
    l.SetColourShadow(shadow);
    l.SetColourHighlight(highlight);
    l.SetFontColor(face);

    // The mask stamped at each expected offset, in drawing order.
    QImage expected(size, QImage::Format_RGB32);
    expected.fill(Qt::white);
    const struct {
        QPoint At;
        QColor Colour;
    } layers[] = {{shadowAt, shadow}, {highlightAt, highlight}, {faceAt, face}};
    for (const auto& layer : layers)
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                const QPoint to = QPoint(x, y) + layer.At;
                if (mask.pixelColor(x, y) == Qt::black && expected.rect().contains(to))
                    expected.setPixelColor(to, layer.Colour);
            }
    QCOMPARE(Render(l), expected);
}

void TestLabelEffectPaint::turnedTextOrigin_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("tw");
    QTest::addColumn<int>("th");
    QTest::addColumn<QPoint>("origin");
    QTest::newRow("90") << 90 << 57 << 100 << 20 << QPoint(47, 107);
    QTest::newRow("180") << 180 << 57 << 100 << 20 << QPoint(107, 67);
    QTest::newRow("270") << 270 << 57 << 100 << 20 << QPoint(67, 7);
    // -2.5 rounds to -2, not -3.
    QTest::newRow("half to even") << 180 << 10 << 5 << 3 << QPoint(12, 12);
}

void TestLabelEffectPaint::turnedTextOrigin()
{
    QFETCH(int, angle);
    QFETCH(int, h);
    QFETCH(int, tw);
    QFETCH(int, th);
    QFETCH(QPoint, origin);
    const double radians = angle * std::numbers::pi / 180.0;
    QCOMPARE(TLabelEffect::TurnedTextOrigin(h, tw, th, std::cos(radians), std::sin(radians)), origin);
}

void TestLabelEffectPaint::turnedTextCentredAndRunningUp()
{
    // Ink only at the start of the caption shows which way it runs.
    const QString caption = QStringLiteral("IIIIII      ");
    TLabelEffect l;
    l.setFont(TestFont());
    l.resize(120, 120);
    l.SetCaption(caption);
    l.SetEffectStyle(TEffectStyle::esNone);
    l.SetFontColor(Qt::black);
    l.SetAngle(90);
    const QFontMetrics fm(TestFont());
    const int h = fm.horizontalAdvance(caption + QStringLiteral("   ")) / 2;
    const int tw = fm.horizontalAdvance(caption);
    const int th = fm.height();
    // The turned text cell: TH wide, TW tall, centred on (h, h).
    const QRect cell(h - th / 2 - 1, h - tw / 2 - 1, th + 2, tw + 2);
    const QRect ink = InkBounds(Render(l));
    QVERIFY(!ink.isEmpty());
    QVERIFY2(cell.contains(ink), qPrintable(QStringLiteral("ink %1,%2 %3x%4 outside cell")
                                                .arg(ink.x())
                                                .arg(ink.y())
                                                .arg(ink.width())
                                                .arg(ink.height())));
    // It starts at the bottom of the cell and goes up.
    QVERIFY(ink.bottom() >= cell.bottom() - 5);
    QVERIFY(ink.top() > h);
    QVERIFY(ink.height() > ink.width());
}

void TestLabelEffectPaint::turnedBackgroundBox_data()
{
    QTest::addColumn<TEffectStyle>("style");
    QTest::newRow("no shift") << TEffectStyle::esNone;
    QTest::newRow("raised, layers shifted") << TEffectStyle::esRaised;
}

void TestLabelEffectPaint::turnedBackgroundBox()
{
    QFETCH(TEffectStyle, style);
    const QString caption = QStringLiteral("Box");
    TLabelEffect l;
    l.setFont(TestFont());
    l.resize(100, 100);
    l.SetCaption(caption);
    l.SetEffectStyle(style);
    l.SetColourHighlight(Qt::red);
    l.SetColourShadow(Qt::red);
    l.SetFontColor(Qt::red);
    l.SetTransparent(false);
    l.SetColor(Qt::green);
    l.SetAngle(90);

    const QFontMetrics fm(TestFont());
    const int h = fm.horizontalAdvance(caption + QStringLiteral("   ")) / 2;
    const int halfW = RoundEven((fm.horizontalAdvance(caption) + 7) / 2.0);
    const int halfH = RoundEven((fm.height() + 5) / 2.0);
    // Turned by 90 degrees the box stands upright: TH+5 wide, TW+7 tall.
    const QRect box(QPoint(h - halfH, h - halfW), QPoint(h + halfH, h + halfW));
    const QImage image = Render(l);
    int text = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const bool edge =
                box.contains(x, y) && (x == box.left() || x == box.right() || y == box.top() || y == box.bottom());
            const QString where = QStringLiteral("(%1,%2)").arg(x).arg(y);
            if (!box.contains(x, y))
                QVERIFY2(c == Qt::white, qPrintable(where));
            else if (edge)
                QVERIFY2(c == Qt::black, qPrintable(where));
            else if (c == Qt::red)
                ++text;
            else
                QVERIFY2(c == Qt::green, qPrintable(where));
        }
    QVERIFY(text > 0);
}

void TestLabelEffectPaint::opaqueFillsClientRect()
{
    TLabelEffect l;
    l.SetCaption(QString());
    l.SetTransparent(false);
    l.SetColor(Qt::cyan);
    QImage expected(l.size(), QImage::Format_RGB32);
    expected.fill(Qt::cyan);
    QCOMPARE(Render(l), expected);
}

void TestLabelEffectPaint::emptyCaptionDrawsNothing_data()
{
    QTest::addColumn<int>("angle");
    QTest::newRow("flat") << 0;
    QTest::newRow("turned") << 45;
}

void TestLabelEffectPaint::emptyCaptionDrawsNothing()
{
    QFETCH(int, angle);
    TLabelEffect l;
    l.SetAngle(TAngleRange(angle));
    l.SetEffectStyle(TEffectStyle::esFlying);
    QImage expected(l.size(), QImage::Format_RGB32);
    expected.fill(Qt::magenta);
    QCOMPARE(Render(l, Qt::magenta), expected);
    // A caption on the same label does draw.
    l.SetCaption(QStringLiteral("Xy"));
    QVERIFY(Render(l, Qt::magenta) != expected);
}

QTEST_MAIN(TestLabelEffectPaint)
#include "TestLabelEffectPaint.moc"
