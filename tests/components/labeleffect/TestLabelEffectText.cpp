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
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(20);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// A label whose three layers coincide in black at the top left.
std::unique_ptr<TLabelEffect> FlatLabel(const QString& caption, QSize size)
{
    auto l = std::make_unique<TLabelEffect>();
    l->setFont(TestFont());
    l->resize(size);
    l->SetCaption(caption);
    l->SetEffectStyle(TEffectStyle::esNone);
    l->SetColourHighlight(Qt::black);
    l->SetColourShadow(Qt::black);
    l->SetFontColor(Qt::black);
    return l;
}

QImage Render(TLabelEffect& l)
{
    QImage image(l.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    l.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QImage Render(const QString& caption, QSize size)
{
    return Render(*FlatLabel(caption, size));
}

// Plain text drawn on one line at the top left, for comparison.
QImage Painted(const QString& text, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(TestFont());
    p.setPen(Qt::black);
    p.drawText(QPointF(0, QFontMetrics(TestFont()).ascent()), text);
    return image;
}

QRect InkBounds(const QImage& image, QRect within = {})
{
    if (within.isNull())
        within = image.rect();
    QRect bounds;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (image.pixelColor(x, y) != Qt::white)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

}  // namespace

class TestLabelEffectText : public QObject {
    Q_OBJECT

private slots:
    void doubleAmpersandDrawsOne();
    void ampersandUnderlinesNextCharacter();
    void turnedTextKeepsAmpersands();
    void wordsBreakToFitWidth();
    void longWordIsNotBroken();
    void tabsAreExpanded();
    void onlyFirst255CharactersDrawn();
    void alignment_data();
    void alignment();
    void autoSizeOffKeepsSize();
    void autoSizeFitsCaption_data();
    void autoSizeFitsCaption();
    void autoSizeRightJustifiedKeepsRightEdge();
    void autoSizeWithWordWrap();
    void mnemonicFocusesFocusControl();
};

void TestLabelEffectText::doubleAmpersandDrawsOne()
{
    const QSize size(120, 30);
    QCOMPARE(Render(QStringLiteral("A&&B"), size), Painted(QStringLiteral("A&B"), size));
}

void TestLabelEffectText::ampersandUnderlinesNextCharacter()
{
    const QSize size(120, 30);
    const QImage marked = Render(QStringLiteral("&Ab"), size);
    const QImage plain = Render(QStringLiteral("Ab"), size);
    QCOMPARE(plain, Painted(QStringLiteral("Ab"), size));
    const QFontMetrics fm(TestFont());
    // The "&" itself is not drawn: above the baseline nothing differs...
    QCOMPARE(marked.copy(0, 0, size.width(), fm.ascent()), plain.copy(0, 0, size.width(), fm.ascent()));
    // ... and below it only an underline under "A" is added.
    QRect added;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            if (marked.pixel(x, y) != plain.pixel(x, y))
                added |= QRect(x, y, 1, 1);
    QVERIFY(!added.isEmpty());
    QVERIFY(added.top() > fm.ascent() - 1);
    QVERIFY(added.right() <= fm.horizontalAdvance(QLatin1Char('A')));
}

void TestLabelEffectText::turnedTextKeepsAmpersands()
{
    // Turned drawing is one plain line: the "&" is drawn.
    auto a = FlatLabel(QStringLiteral("&&&"), QSize(100, 100));
    auto b = FlatLabel(QStringLiteral("&"), QSize(100, 100));
    a->SetAngle(180);
    b->SetAngle(180);
    QVERIFY(InkBounds(Render(*a)).width() > 2 * InkBounds(Render(*b)).width());
}

void TestLabelEffectText::wordsBreakToFitWidth()
{
    const QFontMetrics fm(TestFont());
    const QSize size(fm.horizontalAdvance(QStringLiteral("Aa Bb")) - 4, 2 * fm.height() + 4);
    const QImage broken = Render(QStringLiteral("Aa Bb"), size);
    QCOMPARE(broken, Render(QStringLiteral("Aa\nBb"), size));
    QVERIFY(!InkBounds(broken, QRect(0, fm.height(), size.width(), fm.height())).isEmpty());
    // With room for both words there is one line only.
    const QSize wide(size.width() + 20, size.height());
    const QRect secondLine(0, fm.height(), wide.width(), fm.height());
    QVERIFY(InkBounds(Render(QStringLiteral("Aa Bb"), wide), secondLine).isEmpty());
}

void TestLabelEffectText::longWordIsNotBroken()
{
    const QFontMetrics fm(TestFont());
    const QImage image = Render(QStringLiteral("Abcdefgh"), QSize(30, 3 * fm.height()));
    QVERIFY(!InkBounds(image).isEmpty());
    QVERIFY(InkBounds(image).bottom() < fm.height());
}

void TestLabelEffectText::tabsAreExpanded()
{
    const QFontMetrics fm(TestFont());
    const int tabStop = 8 * fm.averageCharWidth();
    const QImage image = Render(QStringLiteral("I\tI"), QSize(tabStop + 40, 30));
    const QRect afterFirst =
        InkBounds(image, QRect(fm.horizontalAdvance(QLatin1Char('I')) + 1, 0, image.width() - 10, 30));
    QVERIFY(!afterFirst.isEmpty());
    QVERIFY(afterFirst.left() >= tabStop);
    QVERIFY(afterFirst.left() <= tabStop + fm.horizontalAdvance(QLatin1Char('I')));
}

void TestLabelEffectText::onlyFirst255CharactersDrawn()
{
    const QSize size(2000, 30);
    QVERIFY(!InkBounds(Render(QString(254, u' ') + u'W', size)).isEmpty());
    QVERIFY(InkBounds(Render(QString(255, u' ') + u'W', size)).isEmpty());
}

void TestLabelEffectText::alignment_data()
{
    QTest::addColumn<TAlignment>("alignment");
    QTest::newRow("left") << TAlignment::taLeftJustify;
    QTest::newRow("right") << TAlignment::taRightJustify;
    QTest::newRow("centre") << TAlignment::taCenter;
}

void TestLabelEffectText::alignment()
{
    QFETCH(TAlignment, alignment);
    auto l = FlatLabel(QStringLiteral("HH"), QSize(150, 30));
    l->SetAlignment(alignment);
    const QRect ink = InkBounds(Render(*l));
    const int leftGap = ink.left();
    const int rightGap = l->width() - 1 - ink.right();
    switch (alignment) {
    case TAlignment::taLeftJustify: QVERIFY(leftGap <= 3); break;
    case TAlignment::taRightJustify: QVERIFY(rightGap <= 3); break;
    case TAlignment::taCenter: QVERIFY(std::abs(leftGap - rightGap) <= 2); break;
    }
}

void TestLabelEffectText::autoSizeOffKeepsSize()
{
    auto l = FlatLabel(QStringLiteral("A rather long caption"), QSize(65, 17));
    QCOMPARE(l->size(), QSize(65, 17));
}

void TestLabelEffectText::autoSizeFitsCaption_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("showAccel");
    QTest::addColumn<QString>("measured");
    QTest::newRow("plain") << "Hello" << true << "Hello";
    QTest::newRow("mnemonic") << "&Hello" << true << "Hello";
    QTest::newRow("no accel char") << "&Hello" << false << "&Hello";
    QTest::newRow("empty is a blank") << "" << true << " ";
}

void TestLabelEffectText::autoSizeFitsCaption()
{
    QFETCH(QString, caption);
    QFETCH(bool, showAccel);
    QFETCH(QString, measured);
    const QFontMetrics fm(TestFont());
    const QSize expected(fm.horizontalAdvance(measured), fm.height());
    auto l = FlatLabel(caption, QSize(300, 100));
    l->SetShowAccelChar(showAccel);
    l->SetAutoSize(true);
    QCOMPARE(l->size(), expected);
    // Neither the layer offsets nor a turn are taken into account.
    l->SetEffectStyle(TEffectStyle::esFlying);
    l->SetAngle(90);
    l->SetCaption(caption + u'x');
    l->SetCaption(caption);
    QCOMPARE(l->size(), expected);
}

void TestLabelEffectText::autoSizeRightJustifiedKeepsRightEdge()
{
    auto l = FlatLabel(QStringLiteral("Hi"), QSize(200, 40));
    l->move(50, 10);
    l->SetAlignment(TAlignment::taRightJustify);
    l->SetAutoSize(true);
    QCOMPARE(l->geometry().right(), 249);
    QCOMPARE(l->y(), 10);
    l->SetCaption(QStringLiteral("Hello world"));
    QCOMPARE(l->geometry().right(), 249);
}

void TestLabelEffectText::autoSizeWithWordWrap()
{
    const QFontMetrics fm(TestFont());
    const int width = fm.horizontalAdvance(QStringLiteral("Aa Bbb")) - 4;
    auto l = FlatLabel(QStringLiteral("Aa Bbb"), QSize(width, 10));
    l->SetAutoSize(true);
    QCOMPARE(l->height(), fm.height());  // no word breaking without WordWrap
    l->resize(width, 10);
    l->SetWordWrap(true);
    QCOMPARE(l->height(), 2 * fm.height());
    QCOMPARE(l->width(), fm.horizontalAdvance(QStringLiteral("Bbb")));
}

void TestLabelEffectText::mnemonicFocusesFocusControl()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* other = new QLineEdit(&window);
    auto* label = new TLabelEffect(&window);
    auto* target = new QLineEdit(&window);
    layout->addWidget(other);
    layout->addWidget(label);
    layout->addWidget(target);
    label->SetCaption(QStringLiteral("&Name"));
    label->SetFocusControl(target);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    QTRY_VERIFY(other->hasFocus());
    QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
    QTRY_VERIFY(target->hasFocus());

    other->setFocus();
    label->SetShowAccelChar(false);
    QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
    QVERIFY(other->hasFocus());
}

QTEST_MAIN(TestLabelEffectText)
#include "TestLabelEffectText.moc"
