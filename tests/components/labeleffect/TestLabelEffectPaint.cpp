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
    QFont Font(QStringLiteral("Liberation Sans"));
    Font.setPixelSize(20);
    Font.setStyleStrategy(QFont::NoAntialias);
    return Font;
}

QImage Render(TLabelEffect& L, QColor Back = Qt::white)
{
    QImage Image(L.size(), QImage::Format_RGB32);
    Image.fill(Back);
    L.render(&Image, QPoint(), QRegion(), QWidget::DrawChildren);
    return Image;
}

// All three layers in one colour at one place: the shape of the caption.
QImage CaptionMask(const QString& Caption, QSize Size)
{
    TLabelEffect L;
    L.setFont(TestFont());
    L.resize(Size);
    L.SetCaption(Caption);
    L.SetEffectStyle(TEffectStyle::esNone);
    L.SetColourHighlight(Qt::black);
    L.SetColourShadow(Qt::black);
    L.SetFontColor(Qt::black);
    return Render(L);
}

QRect InkBounds(const QImage& Image, QColor Back = Qt::white)
{
    QRect Bounds;
    for (int Y = 0; Y < Image.height(); ++Y)
        for (int X = 0; X < Image.width(); ++X)
            if (Image.pixelColor(X, Y) != Back)
                Bounds |= QRect(X, Y, 1, 1);
    return Bounds;
}

int RoundEven(double V) { return int(std::nearbyint(V)); }

}  // namespace

class TestLabelEffectPaint : public QObject {
    Q_OBJECT

private slots:
    void LayerOffsets_data();
    void LayerOffsets();
    void TurnedTextOrigin_data();
    void TurnedTextOrigin();
    void TurnedTextCentredAndRunningUp();
    void TurnedBackgroundBox_data();
    void TurnedBackgroundBox();
    void OpaqueFillsClientRect();
    void EmptyCaptionDrawsNothing_data();
    void EmptyCaptionDrawsNothing();
};

void TestLabelEffectPaint::LayerOffsets_data()
{
    QTest::addColumn<D>("dirHighlight");
    QTest::addColumn<int>("depthHighlight");
    QTest::addColumn<D>("dirShadow");
    QTest::addColumn<int>("depthShadow");
    QTest::addColumn<QPoint>("shadowAt");
    QTest::addColumn<QPoint>("highlightAt");
    QTest::addColumn<QPoint>("faceAt");
    QTest::newRow("about dialog") << D::edDownRight << 1 << D::edUpLeft << 1 << QPoint(0, 0)
                                  << QPoint(2, 2) << QPoint(1, 1);
    QTest::newRow("raised default") << D::edUpLeft << 1 << D::edDownRight << 1 << QPoint(2, 2)
                                    << QPoint(0, 0) << QPoint(1, 1);
    QTest::newRow("shadow left 3") << D::edNone << 1 << D::edLeft << 3 << QPoint(0, 3)
                                   << QPoint(3, 3) << QPoint(3, 3);
    QTest::newRow("drop shadow") << D::edNone << 0 << D::edDownRight << 2 << QPoint(2, 2)
                                 << QPoint(0, 0) << QPoint(0, 0);
    QTest::newRow("flying") << D::edDownRight << 1 << D::edDownRight << 5 << QPoint(5, 5)
                            << QPoint(1, 1) << QPoint(0, 0);
    QTest::newRow("up 2, right 4") << D::edUp << 2 << D::edRight << 4 << QPoint(6, 2)
                                   << QPoint(2, 0) << QPoint(2, 2);
    QTest::newRow("down-left 2, up-right 1") << D::edDownLeft << 2 << D::edUpRight << 1
                                             << QPoint(3, 1) << QPoint(0, 4) << QPoint(2, 2);
    QTest::newRow("left 1, up 3") << D::edLeft << 1 << D::edUp << 3 << QPoint(3, 0)
                                  << QPoint(2, 3) << QPoint(3, 3);
}

void TestLabelEffectPaint::LayerOffsets()
{
    QFETCH(D, dirHighlight);
    QFETCH(int, depthHighlight);
    QFETCH(D, dirShadow);
    QFETCH(int, depthShadow);
    QFETCH(QPoint, shadowAt);
    QFETCH(QPoint, highlightAt);
    QFETCH(QPoint, faceAt);

    const QString Caption = QStringLiteral("Ag");
    const QSize Size(80, 40);
    const QImage Mask = CaptionMask(Caption, Size);
    QVERIFY(!InkBounds(Mask).isEmpty());

    TLabelEffect L;
    L.setFont(TestFont());
    L.resize(Size);
    L.SetCaption(Caption);
    L.SetDirectionHighlight(dirHighlight);
    L.SetDepthHighlight(TEffectDepth(depthHighlight));
    L.SetDirectionShadow(dirShadow);
    L.SetDepthShadow(TEffectDepth(depthShadow));
    const QColor Shadow(255, 0, 0), Highlight(0, 160, 0), Face(0, 0, 255);
    L.SetColourShadow(Shadow);
    L.SetColourHighlight(Highlight);
    L.SetFontColor(Face);

    // The mask stamped at each expected offset, in drawing order.
    QImage Expected(Size, QImage::Format_RGB32);
    Expected.fill(Qt::white);
    const struct {
        QPoint At;
        QColor Colour;
    } Layers[] = {{shadowAt, Shadow}, {highlightAt, Highlight}, {faceAt, Face}};
    for (const auto& Layer : Layers)
        for (int Y = 0; Y < Size.height(); ++Y)
            for (int X = 0; X < Size.width(); ++X) {
                const QPoint To = QPoint(X, Y) + Layer.At;
                if (Mask.pixelColor(X, Y) == Qt::black && Expected.rect().contains(To))
                    Expected.setPixelColor(To, Layer.Colour);
            }
    QCOMPARE(Render(L), Expected);
}

void TestLabelEffectPaint::TurnedTextOrigin_data()
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

void TestLabelEffectPaint::TurnedTextOrigin()
{
    QFETCH(int, angle);
    QFETCH(int, h);
    QFETCH(int, tw);
    QFETCH(int, th);
    QFETCH(QPoint, origin);
    const double Radians = angle * std::numbers::pi / 180.0;
    QCOMPARE(TLabelEffect::TurnedTextOrigin(h, tw, th, std::cos(Radians), std::sin(Radians)),
             origin);
}

void TestLabelEffectPaint::TurnedTextCentredAndRunningUp()
{
    // Ink only at the start of the caption shows which way it runs.
    const QString Caption = QStringLiteral("IIIIII      ");
    TLabelEffect L;
    L.setFont(TestFont());
    L.resize(120, 120);
    L.SetCaption(Caption);
    L.SetEffectStyle(TEffectStyle::esNone);
    L.SetFontColor(Qt::black);
    L.SetAngle(90);
    const QFontMetrics Fm(TestFont());
    const int H = Fm.horizontalAdvance(Caption + QStringLiteral("   ")) / 2;
    const int TW = Fm.horizontalAdvance(Caption);
    const int TH = Fm.height();
    // The turned text cell: TH wide, TW tall, centred on (H, H).
    const QRect Cell(H - TH / 2 - 1, H - TW / 2 - 1, TH + 2, TW + 2);
    const QRect Ink = InkBounds(Render(L));
    QVERIFY(!Ink.isEmpty());
    QVERIFY2(Cell.contains(Ink), qPrintable(QStringLiteral("ink %1,%2 %3x%4 outside cell")
                                                .arg(Ink.x()).arg(Ink.y())
                                                .arg(Ink.width()).arg(Ink.height())));
    // It starts at the bottom of the cell and goes up.
    QVERIFY(Ink.bottom() >= Cell.bottom() - 5);
    QVERIFY(Ink.top() > H);
    QVERIFY(Ink.height() > Ink.width());
}

void TestLabelEffectPaint::TurnedBackgroundBox_data()
{
    QTest::addColumn<TEffectStyle>("style");
    QTest::newRow("no shift") << TEffectStyle::esNone;
    QTest::newRow("raised, layers shifted") << TEffectStyle::esRaised;
}

void TestLabelEffectPaint::TurnedBackgroundBox()
{
    QFETCH(TEffectStyle, style);
    const QString Caption = QStringLiteral("Box");
    TLabelEffect L;
    L.setFont(TestFont());
    L.resize(100, 100);
    L.SetCaption(Caption);
    L.SetEffectStyle(style);
    L.SetColourHighlight(Qt::red);
    L.SetColourShadow(Qt::red);
    L.SetFontColor(Qt::red);
    L.SetTransparent(false);
    L.SetColor(Qt::green);
    L.SetAngle(90);

    const QFontMetrics Fm(TestFont());
    const int H = Fm.horizontalAdvance(Caption + QStringLiteral("   ")) / 2;
    const int HalfW = RoundEven((Fm.horizontalAdvance(Caption) + 7) / 2.0);
    const int HalfH = RoundEven((Fm.height() + 5) / 2.0);
    // Turned by 90 degrees the box stands upright: TH+5 wide, TW+7 tall.
    const QRect Box(QPoint(H - HalfH, H - HalfW), QPoint(H + HalfH, H + HalfW));
    const QImage Image = Render(L);
    int Text = 0;
    for (int Y = 0; Y < Image.height(); ++Y)
        for (int X = 0; X < Image.width(); ++X) {
            const QColor C = Image.pixelColor(X, Y);
            const bool Edge = Box.contains(X, Y)
                && (X == Box.left() || X == Box.right() || Y == Box.top() || Y == Box.bottom());
            const QString Where = QStringLiteral("(%1,%2)").arg(X).arg(Y);
            if (!Box.contains(X, Y))
                QVERIFY2(C == Qt::white, qPrintable(Where));
            else if (Edge)
                QVERIFY2(C == Qt::black, qPrintable(Where));
            else if (C == Qt::red)
                ++Text;
            else
                QVERIFY2(C == Qt::green, qPrintable(Where));
        }
    QVERIFY(Text > 0);
}

void TestLabelEffectPaint::OpaqueFillsClientRect()
{
    TLabelEffect L;
    L.SetCaption(QString());
    L.SetTransparent(false);
    L.SetColor(Qt::cyan);
    QImage Expected(L.size(), QImage::Format_RGB32);
    Expected.fill(Qt::cyan);
    QCOMPARE(Render(L), Expected);
}

void TestLabelEffectPaint::EmptyCaptionDrawsNothing_data()
{
    QTest::addColumn<int>("angle");
    QTest::newRow("flat") << 0;
    QTest::newRow("turned") << 45;
}

void TestLabelEffectPaint::EmptyCaptionDrawsNothing()
{
    QFETCH(int, angle);
    TLabelEffect L;
    L.SetAngle(TAngleRange(angle));
    L.SetEffectStyle(TEffectStyle::esFlying);
    QImage Expected(L.size(), QImage::Format_RGB32);
    Expected.fill(Qt::magenta);
    QCOMPARE(Render(L, Qt::magenta), Expected);
    // A caption on the same label does draw.
    L.SetCaption(QStringLiteral("Xy"));
    QVERIFY(Render(L, Qt::magenta) != Expected);
}

QTEST_MAIN(TestLabelEffectPaint)
#include "TestLabelEffectPaint.moc"
