// Renders digits and compares every pixel with a raster built here from
// literal point lists, by a rasteriser that shares nothing with the widget.
#include "components/digit/Udigit.h"

#include <QImage>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

using peglore::TBorderStyle;
using peglore::TDigit;

namespace {

struct TPt {
    int X;
    int Y;
};
using TShape = std::vector<TPt>;
using TShapes = std::array<TShape, 8>;  // in bit order

// 16 x 32, thickness 2, separation 1.
const TShapes Shapes16x32 = {{
    {{3, 2}, {5, 0}, {10, 0}, {12, 2}, {10, 4}, {5, 4}},
    {{3, 15}, {5, 13}, {10, 13}, {12, 15}, {10, 17}, {5, 17}},
    {{3, 29}, {5, 27}, {10, 27}, {12, 29}, {10, 31}, {5, 31}},
    {{0, 5}, {2, 3}, {4, 5}, {4, 12}, {2, 14}, {0, 12}},
    {{11, 5}, {13, 3}, {15, 5}, {15, 12}, {13, 14}, {11, 12}},
    {{0, 18}, {2, 16}, {4, 18}, {4, 25}, {2, 27}, {0, 25}},
    {{11, 18}, {13, 16}, {15, 18}, {15, 25}, {13, 27}, {11, 25}},
    {{15, 31}, {12, 31}, {15, 28}},
}};

// 40 x 80, thickness 5, separation 2.
const TShapes Shapes40x80 = {{
    {{7, 5}, {12, 0}, {27, 0}, {32, 5}, {27, 10}, {12, 10}},
    {{7, 39}, {12, 34}, {27, 34}, {32, 39}, {27, 44}, {12, 44}},
    {{7, 74}, {12, 69}, {27, 69}, {32, 74}, {27, 79}, {12, 79}},
    {{0, 12}, {5, 7}, {10, 12}, {10, 32}, {5, 37}, {0, 32}},
    {{29, 12}, {34, 7}, {39, 12}, {39, 32}, {34, 37}, {29, 32}},
    {{0, 46}, {5, 41}, {10, 46}, {10, 66}, {5, 71}, {0, 66}},
    {{29, 46}, {34, 41}, {39, 46}, {39, 66}, {34, 71}, {29, 66}},
    {{39, 79}, {31, 79}, {39, 71}},
}};

bool OnSegment(TPt p, TPt a, TPt b)
{
    const long cross = long(b.X - a.X) * (p.Y - a.Y) - long(b.Y - a.Y) * (p.X - a.X);
    if (cross != 0)
        return false;
    return std::min(a.X, b.X) <= p.X && p.X <= std::max(a.X, b.X) && std::min(a.Y, b.Y) <= p.Y &&
           p.Y <= std::max(a.Y, b.Y);
}

bool OnOutline(TPt p, const TShape& shape)
{
    for (std::size_t i = 0; i < shape.size(); ++i)
        if (OnSegment(p, shape[i], shape[(i + 1) % shape.size()]))
            return true;
    return false;
}

// Even-odd rule, for a point known not to lie on the outline.
bool Inside(TPt p, const TShape& shape)
{
    bool in = false;
    for (std::size_t i = 0; i < shape.size(); ++i) {
        const TPt a = shape[i];
        const TPt b = shape[(i + 1) % shape.size()];
        if ((a.Y > p.Y) != (b.Y > p.Y)) {
            const double x = a.X + double(p.Y - a.Y) * (b.X - a.X) / double(b.Y - a.Y);
            if (p.X < x)
                in = !in;
        }
    }
    return in;
}

// Every shape is filled and outlined with a one-pixel black line through
// its corner points; all edges are straight or at 45 degrees, so the
// outline passes exactly through whole pixels.
QImage Reference(QSize size, const TShapes& shapes, std::uint8_t mask, QColor back, QColor off, QColor on)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(back);
    for (std::size_t bit = 0; bit < shapes.size(); ++bit) {
        const QColor fill = (mask >> bit) & 1U ? on : off;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                const TPt p{x, y};
                if (OnOutline(p, shapes[bit]))
                    image.setPixelColor(x, y, Qt::black);
                else if (Inside(p, shapes[bit]))
                    image.setPixelColor(x, y, fill);
            }
    }
    return image;
}

QImage Render(TDigit& digit)
{
    QImage image(digit.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);  // shows any pixel the digit leaves unpainted
    digit.render(&image);
    return image;
}

// Names the first differing pixel, which is more use than "images differ".
QString FirstDifference(const QImage& actual, const QImage& expected)
{
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return QStringLiteral("pixel (%1,%2): got %3, expected %4")
                    .arg(x)
                    .arg(y)
                    .arg(QColor(actual.pixel(x, y)).name(), QColor(expected.pixel(x, y)).name());
    return {};
}

const QColor Back(0, 0, 255);
const QColor Off(128, 128, 128);
const QColor On(255, 255, 0);

}  // namespace

class TestDigitPaint : public QObject {
    Q_OBJECT

private slots:
    void digitMatchesReference_data();
    void digitMatchesReference();
    void maskMatchesReference_data();
    void maskMatchesReference();
    void largeDigitMatchesReference_data();
    void largeDigitMatchesReference();
    void mainWindowColours();
    void borderStyleChangesNoPixel();
    void sameValueKeepsDirectMask();
};

void TestDigitPaint::digitMatchesReference_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("mask");
    const int masks[10] = {125, 80, 55, 87, 90, 79, 111, 81, 127, 95};
    for (int v = 0; v < 10; ++v)
        QTest::addRow("%d", v) << v << masks[v];
}

void TestDigitPaint::digitMatchesReference()
{
    QFETCH(int, value);
    QFETCH(int, mask);
    TDigit digit;
    digit.SetColor(Back);
    digit.SetColorOff(Off);
    digit.SetColorOn(On);
    // Start from a different digit so that every row sets Value for real.
    digit.SetValue(value == 8 ? 1 : 8);
    digit.SetValue(value);
    QCOMPARE(digit.ValueBinary(), std::uint8_t(mask));
    const QImage actual = Render(digit);
    const QImage expected = Reference({16, 32}, Shapes16x32, std::uint8_t(mask), Back, Off, On);
    QVERIFY2(actual == expected, qPrintable(FirstDifference(actual, expected)));
}

void TestDigitPaint::maskMatchesReference_data()
{
    QTest::addColumn<int>("mask");
    QTest::newRow("all unlit") << 0;
    QTest::newRow("corner only") << 128;
    QTest::newRow("all lit") << 255;
}

void TestDigitPaint::maskMatchesReference()
{
    QFETCH(int, mask);
    TDigit digit;
    digit.SetColor(Back);
    digit.SetColorOff(Off);
    digit.SetColorOn(On);
    digit.SetValueBinary(std::uint8_t(mask));
    const QImage actual = Render(digit);
    const QImage expected = Reference({16, 32}, Shapes16x32, std::uint8_t(mask), Back, Off, On);
    QVERIFY2(actual == expected, qPrintable(FirstDifference(actual, expected)));
}

void TestDigitPaint::largeDigitMatchesReference_data()
{
    QTest::addColumn<int>("mask");
    for (int v = 0; v < 10; ++v)
        QTest::addRow("digit %d", v) << int(TDigit::DigitPattern(v));
    QTest::newRow("mask 0") << 0;
    QTest::newRow("mask 128") << 128;
    QTest::newRow("mask 255") << 255;
}

void TestDigitPaint::largeDigitMatchesReference()
{
    QFETCH(int, mask);
    TDigit digit;
    digit.resize(40, 80);
    digit.SetThickness(5);
    digit.SetSeparation(2);
    QCOMPARE(digit.Thickness(), 5);
    digit.SetColor(Back);
    digit.SetColorOff(Off);
    digit.SetColorOn(On);
    digit.SetValueBinary(std::uint8_t(mask));
    const QImage actual = Render(digit);
    const QImage expected = Reference({40, 80}, Shapes40x80, std::uint8_t(mask), Back, Off, On);
    QVERIFY2(actual == expected, qPrintable(FirstDifference(actual, expected)));
}

void TestDigitPaint::mainWindowColours()
{
    // Black background: the outline merges with it. 0x000080 is maroon.
    TDigit digit;
    digit.SetColorOff(QColor(128, 0, 0));
    digit.SetValue(4);
    const QImage actual = Render(digit);
    const QImage expected = Reference({16, 32}, Shapes16x32, 90, Qt::black, QColor(128, 0, 0), QColor(255, 255, 0));
    QVERIFY2(actual == expected, qPrintable(FirstDifference(actual, expected)));
}

void TestDigitPaint::borderStyleChangesNoPixel()
{
    TDigit digit;
    digit.SetColor(Back);
    digit.SetValue(2);
    const QImage before = Render(digit);
    digit.SetBorderStyle(TBorderStyle::bsNone);
    QCOMPARE(digit.BorderStyle(), TBorderStyle::bsNone);
    QCOMPARE(Render(digit), before);
    digit.SetBorderStyle(TBorderStyle::bsSingle);
    QCOMPARE(Render(digit), before);
}

void TestDigitPaint::sameValueKeepsDirectMask()
{
    TDigit digit;
    digit.SetColor(Back);
    digit.SetColorOff(Off);
    digit.SetColorOn(On);
    digit.SetValue(5);
    digit.SetValueBinary(0);
    digit.SetValue(5);
    QCOMPARE(digit.ValueBinary(), std::uint8_t(0));
    QCOMPARE(Render(digit), Reference({16, 32}, Shapes16x32, 0, Back, Off, On));
    digit.SetValue(4);
    digit.SetValue(5);
    QCOMPARE(Render(digit), Reference({16, 32}, Shapes16x32, 79, Back, Off, On));
}

QTEST_MAIN(TestDigitPaint)
#include "TestDigitPaint.moc"
