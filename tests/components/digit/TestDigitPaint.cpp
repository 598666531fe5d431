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

bool OnSegment(TPt P, TPt A, TPt B)
{
    const long Cross = long(B.X - A.X) * (P.Y - A.Y) - long(B.Y - A.Y) * (P.X - A.X);
    if (Cross != 0)
        return false;
    return std::min(A.X, B.X) <= P.X && P.X <= std::max(A.X, B.X) && std::min(A.Y, B.Y) <= P.Y
        && P.Y <= std::max(A.Y, B.Y);
}

bool OnOutline(TPt P, const TShape& Shape)
{
    for (std::size_t I = 0; I < Shape.size(); ++I)
        if (OnSegment(P, Shape[I], Shape[(I + 1) % Shape.size()]))
            return true;
    return false;
}

// Even-odd rule, for a point known not to lie on the outline.
bool Inside(TPt P, const TShape& Shape)
{
    bool In = false;
    for (std::size_t I = 0; I < Shape.size(); ++I) {
        const TPt A = Shape[I];
        const TPt B = Shape[(I + 1) % Shape.size()];
        if ((A.Y > P.Y) != (B.Y > P.Y)) {
            const double X = A.X + double(P.Y - A.Y) * (B.X - A.X) / double(B.Y - A.Y);
            if (P.X < X)
                In = !In;
        }
    }
    return In;
}

// Every shape is filled and outlined with a one-pixel black line through
// its corner points; all edges are straight or at 45 degrees, so the
// outline passes exactly through whole pixels.
QImage Reference(QSize Size, const TShapes& Shapes, std::uint8_t Mask, QColor Back, QColor Off,
                 QColor On)
{
    QImage Image(Size, QImage::Format_RGB32);
    Image.fill(Back);
    for (std::size_t Bit = 0; Bit < Shapes.size(); ++Bit) {
        const QColor Fill = (Mask >> Bit) & 1U ? On : Off;
        for (int Y = 0; Y < Size.height(); ++Y)
            for (int X = 0; X < Size.width(); ++X) {
                const TPt P{X, Y};
                if (OnOutline(P, Shapes[Bit]))
                    Image.setPixelColor(X, Y, Qt::black);
                else if (Inside(P, Shapes[Bit]))
                    Image.setPixelColor(X, Y, Fill);
            }
    }
    return Image;
}

QImage Render(TDigit& Digit)
{
    QImage Image(Digit.size(), QImage::Format_RGB32);
    Image.fill(Qt::magenta);  // shows any pixel the digit leaves unpainted
    Digit.render(&Image);
    return Image;
}

// Names the first differing pixel, which is more use than "images differ".
QString FirstDifference(const QImage& Actual, const QImage& Expected)
{
    for (int Y = 0; Y < Expected.height(); ++Y)
        for (int X = 0; X < Expected.width(); ++X)
            if (Actual.pixel(X, Y) != Expected.pixel(X, Y))
                return QStringLiteral("pixel (%1,%2): got %3, expected %4")
                    .arg(X)
                    .arg(Y)
                    .arg(QColor(Actual.pixel(X, Y)).name(), QColor(Expected.pixel(X, Y)).name());
    return {};
}

const QColor Back(0, 0, 255);
const QColor Off(128, 128, 128);
const QColor On(255, 255, 0);

}  // namespace

class TestDigitPaint : public QObject {
    Q_OBJECT

private slots:
    void DigitMatchesReference_data();
    void DigitMatchesReference();
    void MaskMatchesReference_data();
    void MaskMatchesReference();
    void LargeDigitMatchesReference_data();
    void LargeDigitMatchesReference();
    void MainWindowColours();
    void BorderStyleChangesNoPixel();
    void SameValueKeepsDirectMask();
};

void TestDigitPaint::DigitMatchesReference_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("mask");
    const int Masks[10] = {125, 80, 55, 87, 90, 79, 111, 81, 127, 95};
    for (int V = 0; V < 10; ++V)
        QTest::addRow("%d", V) << V << Masks[V];
}

void TestDigitPaint::DigitMatchesReference()
{
    QFETCH(int, value);
    QFETCH(int, mask);
    TDigit Digit;
    Digit.SetColor(Back);
    Digit.SetColorOff(Off);
    Digit.SetColorOn(On);
    // Start from a different digit so that every row sets Value for real.
    Digit.SetValue(value == 8 ? 1 : 8);
    Digit.SetValue(value);
    QCOMPARE(Digit.ValueBinary(), std::uint8_t(mask));
    const QImage Actual = Render(Digit);
    const QImage Expected = Reference({16, 32}, Shapes16x32, std::uint8_t(mask), Back, Off, On);
    QVERIFY2(Actual == Expected, qPrintable(FirstDifference(Actual, Expected)));
}

void TestDigitPaint::MaskMatchesReference_data()
{
    QTest::addColumn<int>("mask");
    QTest::newRow("all unlit") << 0;
    QTest::newRow("corner only") << 128;
    QTest::newRow("all lit") << 255;
}

void TestDigitPaint::MaskMatchesReference()
{
    QFETCH(int, mask);
    TDigit Digit;
    Digit.SetColor(Back);
    Digit.SetColorOff(Off);
    Digit.SetColorOn(On);
    Digit.SetValueBinary(std::uint8_t(mask));
    const QImage Actual = Render(Digit);
    const QImage Expected = Reference({16, 32}, Shapes16x32, std::uint8_t(mask), Back, Off, On);
    QVERIFY2(Actual == Expected, qPrintable(FirstDifference(Actual, Expected)));
}

void TestDigitPaint::LargeDigitMatchesReference_data()
{
    QTest::addColumn<int>("mask");
    for (int V = 0; V < 10; ++V)
        QTest::addRow("digit %d", V) << int(TDigit::DigitPattern(V));
    QTest::newRow("mask 0") << 0;
    QTest::newRow("mask 128") << 128;
    QTest::newRow("mask 255") << 255;
}

void TestDigitPaint::LargeDigitMatchesReference()
{
    QFETCH(int, mask);
    TDigit Digit;
    Digit.resize(40, 80);
    Digit.SetThickness(5);
    Digit.SetSeparation(2);
    QCOMPARE(Digit.Thickness(), 5);
    Digit.SetColor(Back);
    Digit.SetColorOff(Off);
    Digit.SetColorOn(On);
    Digit.SetValueBinary(std::uint8_t(mask));
    const QImage Actual = Render(Digit);
    const QImage Expected = Reference({40, 80}, Shapes40x80, std::uint8_t(mask), Back, Off, On);
    QVERIFY2(Actual == Expected, qPrintable(FirstDifference(Actual, Expected)));
}

void TestDigitPaint::MainWindowColours()
{
    // Black background: the outline merges with it. 0x000080 is maroon.
    TDigit Digit;
    Digit.SetColorOff(QColor(128, 0, 0));
    Digit.SetValue(4);
    const QImage Actual = Render(Digit);
    const QImage Expected =
        Reference({16, 32}, Shapes16x32, 90, Qt::black, QColor(128, 0, 0), QColor(255, 255, 0));
    QVERIFY2(Actual == Expected, qPrintable(FirstDifference(Actual, Expected)));
}

void TestDigitPaint::BorderStyleChangesNoPixel()
{
    TDigit Digit;
    Digit.SetColor(Back);
    Digit.SetValue(2);
    const QImage Before = Render(Digit);
    Digit.SetBorderStyle(TBorderStyle::bsNone);
    QCOMPARE(Digit.BorderStyle(), TBorderStyle::bsNone);
    QCOMPARE(Render(Digit), Before);
    Digit.SetBorderStyle(TBorderStyle::bsSingle);
    QCOMPARE(Render(Digit), Before);
}

void TestDigitPaint::SameValueKeepsDirectMask()
{
    TDigit Digit;
    Digit.SetColor(Back);
    Digit.SetColorOff(Off);
    Digit.SetColorOn(On);
    Digit.SetValue(5);
    Digit.SetValueBinary(0);
    Digit.SetValue(5);
    QCOMPARE(Digit.ValueBinary(), std::uint8_t(0));
    QCOMPARE(Render(Digit), Reference({16, 32}, Shapes16x32, 0, Back, Off, On));
    Digit.SetValue(4);
    Digit.SetValue(5);
    QCOMPARE(Render(Digit), Reference({16, 32}, Shapes16x32, 79, Back, Off, On));
}

QTEST_MAIN(TestDigitPaint)
#include "TestDigitPaint.moc"
