// The text rules of unturned drawing, and AutoSize's measuring.
#include "components/labeleffect/LblEffct.h"

#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <QVBoxLayout>

#include <cstdlib>
#include <memory>

using namespace peglore;

namespace {

QFont TestFont()
{
    QFont Font(QStringLiteral("Liberation Sans"));
    Font.setPixelSize(20);
    Font.setStyleStrategy(QFont::NoAntialias);
    return Font;
}

// A label whose three layers coincide in black at the top left.
std::unique_ptr<TLabelEffect> FlatLabel(const QString& Caption, QSize Size)
{
    auto L = std::make_unique<TLabelEffect>();
    L->setFont(TestFont());
    L->resize(Size);
    L->SetCaption(Caption);
    L->SetEffectStyle(TEffectStyle::esNone);
    L->SetColourHighlight(Qt::black);
    L->SetColourShadow(Qt::black);
    L->SetFontColor(Qt::black);
    return L;
}

QImage Render(TLabelEffect& L)
{
    QImage Image(L.size(), QImage::Format_RGB32);
    Image.fill(Qt::white);
    L.render(&Image, QPoint(), QRegion(), QWidget::DrawChildren);
    return Image;
}

QImage Render(const QString& Caption, QSize Size) { return Render(*FlatLabel(Caption, Size)); }

// Plain text drawn on one line at the top left, for comparison.
QImage Painted(const QString& Text, QSize Size)
{
    QImage Image(Size, QImage::Format_RGB32);
    Image.fill(Qt::white);
    QPainter P(&Image);
    P.setFont(TestFont());
    P.setPen(Qt::black);
    P.drawText(QPointF(0, QFontMetrics(TestFont()).ascent()), Text);
    return Image;
}

QRect InkBounds(const QImage& Image, QRect Within = {})
{
    if (Within.isNull())
        Within = Image.rect();
    QRect Bounds;
    for (int Y = Within.top(); Y <= Within.bottom(); ++Y)
        for (int X = Within.left(); X <= Within.right(); ++X)
            if (Image.pixelColor(X, Y) != Qt::white)
                Bounds |= QRect(X, Y, 1, 1);
    return Bounds;
}

}  // namespace

class TestLabelEffectText : public QObject {
    Q_OBJECT

private slots:
    void DoubleAmpersandDrawsOne();
    void AmpersandUnderlinesNextCharacter();
    void TurnedTextKeepsAmpersands();
    void WordsBreakToFitWidth();
    void LongWordIsNotBroken();
    void TabsAreExpanded();
    void OnlyFirst255CharactersDrawn();
    void Alignment_data();
    void Alignment();
    void AutoSizeOffKeepsSize();
    void AutoSizeFitsCaption_data();
    void AutoSizeFitsCaption();
    void AutoSizeRightJustifiedKeepsRightEdge();
    void AutoSizeWithWordWrap();
    void MnemonicFocusesFocusControl();
};

void TestLabelEffectText::DoubleAmpersandDrawsOne()
{
    const QSize Size(120, 30);
    QCOMPARE(Render(QStringLiteral("A&&B"), Size), Painted(QStringLiteral("A&B"), Size));
}

void TestLabelEffectText::AmpersandUnderlinesNextCharacter()
{
    const QSize Size(120, 30);
    const QImage Marked = Render(QStringLiteral("&Ab"), Size);
    const QImage Plain = Render(QStringLiteral("Ab"), Size);
    QCOMPARE(Plain, Painted(QStringLiteral("Ab"), Size));
    const QFontMetrics Fm(TestFont());
    // The "&" itself is not drawn: above the baseline nothing differs...
    QCOMPARE(Marked.copy(0, 0, Size.width(), Fm.ascent()), Plain.copy(0, 0, Size.width(), Fm.ascent()));
    // ... and below it only an underline under "A" is added.
    QRect Added;
    for (int Y = 0; Y < Size.height(); ++Y)
        for (int X = 0; X < Size.width(); ++X)
            if (Marked.pixel(X, Y) != Plain.pixel(X, Y))
                Added |= QRect(X, Y, 1, 1);
    QVERIFY(!Added.isEmpty());
    QVERIFY(Added.top() > Fm.ascent() - 1);
    QVERIFY(Added.right() <= Fm.horizontalAdvance(QLatin1Char('A')));
}

void TestLabelEffectText::TurnedTextKeepsAmpersands()
{
    // Turned drawing is one plain line: the "&" is drawn.
    auto A = FlatLabel(QStringLiteral("&&&"), QSize(100, 100));
    auto B = FlatLabel(QStringLiteral("&"), QSize(100, 100));
    A->SetAngle(180);
    B->SetAngle(180);
    QVERIFY(InkBounds(Render(*A)).width() > 2 * InkBounds(Render(*B)).width());
}

void TestLabelEffectText::WordsBreakToFitWidth()
{
    const QFontMetrics Fm(TestFont());
    const QSize Size(Fm.horizontalAdvance(QStringLiteral("Aa Bb")) - 4, 2 * Fm.height() + 4);
    const QImage Broken = Render(QStringLiteral("Aa Bb"), Size);
    QCOMPARE(Broken, Render(QStringLiteral("Aa\nBb"), Size));
    QVERIFY(!InkBounds(Broken, QRect(0, Fm.height(), Size.width(), Fm.height())).isEmpty());
    // With room for both words there is one line only.
    const QSize Wide(Size.width() + 20, Size.height());
    const QRect SecondLine(0, Fm.height(), Wide.width(), Fm.height());
    QVERIFY(InkBounds(Render(QStringLiteral("Aa Bb"), Wide), SecondLine).isEmpty());
}

void TestLabelEffectText::LongWordIsNotBroken()
{
    const QFontMetrics Fm(TestFont());
    const QImage Image = Render(QStringLiteral("Abcdefgh"), QSize(30, 3 * Fm.height()));
    QVERIFY(!InkBounds(Image).isEmpty());
    QVERIFY(InkBounds(Image).bottom() < Fm.height());
}

void TestLabelEffectText::TabsAreExpanded()
{
    const QFontMetrics Fm(TestFont());
    const int TabStop = 8 * Fm.averageCharWidth();
    const QImage Image = Render(QStringLiteral("I\tI"), QSize(TabStop + 40, 30));
    const QRect AfterFirst = InkBounds(Image, QRect(Fm.horizontalAdvance(QLatin1Char('I')) + 1, 0,
                                                    Image.width() - 10, 30));
    QVERIFY(!AfterFirst.isEmpty());
    QVERIFY(AfterFirst.left() >= TabStop);
    QVERIFY(AfterFirst.left() <= TabStop + Fm.horizontalAdvance(QLatin1Char('I')));
}

void TestLabelEffectText::OnlyFirst255CharactersDrawn()
{
    const QSize Size(2000, 30);
    QVERIFY(!InkBounds(Render(QString(254, u' ') + u'W', Size)).isEmpty());
    QVERIFY(InkBounds(Render(QString(255, u' ') + u'W', Size)).isEmpty());
}

void TestLabelEffectText::Alignment_data()
{
    QTest::addColumn<TAlignment>("alignment");
    QTest::newRow("left") << TAlignment::taLeftJustify;
    QTest::newRow("right") << TAlignment::taRightJustify;
    QTest::newRow("centre") << TAlignment::taCenter;
}

void TestLabelEffectText::Alignment()
{
    QFETCH(TAlignment, alignment);
    auto L = FlatLabel(QStringLiteral("HH"), QSize(150, 30));
    L->SetAlignment(alignment);
    const QRect Ink = InkBounds(Render(*L));
    const int LeftGap = Ink.left();
    const int RightGap = L->width() - 1 - Ink.right();
    switch (alignment) {
    case TAlignment::taLeftJustify: QVERIFY(LeftGap <= 3); break;
    case TAlignment::taRightJustify: QVERIFY(RightGap <= 3); break;
    case TAlignment::taCenter: QVERIFY(std::abs(LeftGap - RightGap) <= 2); break;
    }
}

void TestLabelEffectText::AutoSizeOffKeepsSize()
{
    auto L = FlatLabel(QStringLiteral("A rather long caption"), QSize(65, 17));
    QCOMPARE(L->size(), QSize(65, 17));
}

void TestLabelEffectText::AutoSizeFitsCaption_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("showAccel");
    QTest::addColumn<QString>("measured");
    QTest::newRow("plain") << "Hello" << true << "Hello";
    QTest::newRow("mnemonic") << "&Hello" << true << "Hello";
    QTest::newRow("no accel char") << "&Hello" << false << "&Hello";
    QTest::newRow("empty is a blank") << "" << true << " ";
}

void TestLabelEffectText::AutoSizeFitsCaption()
{
    QFETCH(QString, caption);
    QFETCH(bool, showAccel);
    QFETCH(QString, measured);
    const QFontMetrics Fm(TestFont());
    const QSize Expected(Fm.horizontalAdvance(measured), Fm.height());
    auto L = FlatLabel(caption, QSize(300, 100));
    L->SetShowAccelChar(showAccel);
    L->SetAutoSize(true);
    QCOMPARE(L->size(), Expected);
    // Neither the layer offsets nor a turn are taken into account.
    L->SetEffectStyle(TEffectStyle::esFlying);
    L->SetAngle(90);
    L->SetCaption(caption + u'x');
    L->SetCaption(caption);
    QCOMPARE(L->size(), Expected);
}

void TestLabelEffectText::AutoSizeRightJustifiedKeepsRightEdge()
{
    auto L = FlatLabel(QStringLiteral("Hi"), QSize(200, 40));
    L->move(50, 10);
    L->SetAlignment(TAlignment::taRightJustify);
    L->SetAutoSize(true);
    QCOMPARE(L->geometry().right(), 249);
    QCOMPARE(L->y(), 10);
    L->SetCaption(QStringLiteral("Hello world"));
    QCOMPARE(L->geometry().right(), 249);
}

void TestLabelEffectText::AutoSizeWithWordWrap()
{
    const QFontMetrics Fm(TestFont());
    const int Width = Fm.horizontalAdvance(QStringLiteral("Aa Bbb")) - 4;
    auto L = FlatLabel(QStringLiteral("Aa Bbb"), QSize(Width, 10));
    L->SetAutoSize(true);
    QCOMPARE(L->height(), Fm.height());  // no word breaking without WordWrap
    L->resize(Width, 10);
    L->SetWordWrap(true);
    QCOMPARE(L->height(), 2 * Fm.height());
    QCOMPARE(L->width(), Fm.horizontalAdvance(QStringLiteral("Bbb")));
}

void TestLabelEffectText::MnemonicFocusesFocusControl()
{
    QWidget Window;
    auto* Layout = new QVBoxLayout(&Window);
    auto* Other = new QLineEdit(&Window);
    auto* Label = new TLabelEffect(&Window);
    auto* Target = new QLineEdit(&Window);
    Layout->addWidget(Other);
    Layout->addWidget(Label);
    Layout->addWidget(Target);
    Label->SetCaption(QStringLiteral("&Name"));
    Label->SetFocusControl(Target);
    Window.show();
    QVERIFY(QTest::qWaitForWindowActive(&Window));
    Other->setFocus();
    QTRY_VERIFY(Other->hasFocus());
    QTest::keyClick(&Window, Qt::Key_N, Qt::AltModifier);
    QTRY_VERIFY(Target->hasFocus());

    Other->setFocus();
    Label->SetShowAccelChar(false);
    QTest::keyClick(&Window, Qt::Key_N, Qt::AltModifier);
    QVERIFY(Other->hasFocus());
}

QTEST_MAIN(TestLabelEffectText)
#include "TestLabelEffectText.moc"
