#include "components/digit/Udigit.h"

#include <QTest>

#include <functional>
#include <vector>

using peglore::TBorderStyle;
using peglore::TDigit;

namespace {

// Counts paints, to tell a repaint before the setter returns from one
// that waits for the next paint cycle.
class TCountingDigit : public TDigit {
public:
    using TDigit::TDigit;
    int Paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++Paints;
        TDigit::paintEvent(event);
    }
};

using TSetter = std::function<void(TDigit&)>;

}  // namespace

Q_DECLARE_METATYPE(TSetter)

class TestDigitProperties : public QObject {
    Q_OBJECT

private slots:
    void initialValues();
    void overflowResetsToZeroAndReports_data();
    void overflowResetsToZeroAndReports();
    void overflowRepeatsForSameOutOfRangeNumber();
    void overflowWithoutHandler();
    void sameValueDoesNothing();
    void valueBinaryLeavesValue();
    void thicknessMustFit_data();
    void thicknessMustFit();
    void separationIsNeverChecked();
    void repaintTiming_data();
    void repaintTiming();
    void equalColourInAnotherSpecIsNoChange_data();
    void equalColourInAnotherSpecIsNoChange();
};

void TestDigitProperties::initialValues()
{
    TDigit digit;
    QCOMPARE(digit.Value(), 0);
    QCOMPARE(digit.ValueBinary(), std::uint8_t(125));
    QCOMPARE(digit.BorderStyle(), TBorderStyle::bsSingle);
    QCOMPARE(digit.ColorOn(), QColor(255, 255, 0));
    QCOMPARE(digit.ColorOff(), QColor(0, 0, 0));
    QCOMPARE(digit.Color(), QColor(0, 0, 0));
    QCOMPARE(digit.size(), QSize(16, 32));
    QCOMPARE(digit.Thickness(), 2);
    QCOMPARE(digit.Separation(), 1);
    QVERIFY(!digit.OnOverflow());
}

void TestDigitProperties::overflowResetsToZeroAndReports_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("10") << 10;
    QTest::newRow("-1") << -1;
    QTest::newRow("large") << 123456;
}

void TestDigitProperties::overflowResetsToZeroAndReports()
{
    QFETCH(int, number);
    TDigit digit;
    digit.SetValue(7);
    std::vector<TDigit*> senders;
    int valueSeenByHandler = -1;
    digit.SetOnOverflow([&](TDigit* sender) {
        senders.push_back(sender);
        valueSeenByHandler = sender->Value();
    });
    digit.SetValue(number);
    QCOMPARE(digit.Value(), 0);
    QCOMPARE(digit.ValueBinary(), std::uint8_t(125));
    QCOMPARE(senders, std::vector<TDigit*>{&digit});
    QCOMPARE(valueSeenByHandler, 0);
}

void TestDigitProperties::overflowRepeatsForSameOutOfRangeNumber()
{
    TDigit digit;
    int calls = 0;
    digit.SetOnOverflow([&](TDigit*) { ++calls; });
    digit.SetValue(10);
    digit.SetValue(10);
    QCOMPARE(calls, 2);
    // 0 itself is in range and equal to the stored value: nothing.
    digit.SetValue(0);
    QCOMPARE(calls, 2);
}

void TestDigitProperties::overflowWithoutHandler()
{
    TDigit digit;
    digit.SetValue(3);
    digit.SetValue(-5);
    QCOMPARE(digit.Value(), 0);
    QCOMPARE(digit.ValueBinary(), std::uint8_t(125));
}

void TestDigitProperties::sameValueDoesNothing()
{
    TCountingDigit digit;
    digit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&digit));
    digit.SetValue(5);
    digit.SetValueBinary(0);
    const int paints = digit.Paints;
    digit.SetValue(5);
    QCOMPARE(digit.ValueBinary(), std::uint8_t(0));
    QCOMPARE(digit.Paints, paints);
    digit.SetValue(4);
    digit.SetValue(5);
    QCOMPARE(digit.ValueBinary(), std::uint8_t(79));
}

void TestDigitProperties::valueBinaryLeavesValue()
{
    TDigit digit;
    digit.SetValue(3);
    digit.SetValueBinary(255);
    QCOMPARE(digit.Value(), 3);
    QCOMPARE(digit.ValueBinary(), std::uint8_t(255));
}

void TestDigitProperties::thicknessMustFit_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("thickness");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("16x32 half width") << QSize(16, 32) << 8 << true;
    QTest::newRow("16x32 too thick") << QSize(16, 32) << 9 << false;
    QTest::newRow("16x10 half height") << QSize(16, 10) << 5 << true;
    QTest::newRow("16x10 too thick") << QSize(16, 10) << 6 << false;
    QTest::newRow("odd 15x31 rounds down") << QSize(15, 31) << 7 << true;
    QTest::newRow("odd 15x31 too thick") << QSize(15, 31) << 8 << false;
    QTest::newRow("no lower bound") << QSize(16, 32) << -3 << true;
}

void TestDigitProperties::thicknessMustFit()
{
    QFETCH(QSize, size);
    QFETCH(int, thickness);
    QFETCH(bool, accepted);
    TDigit digit;
    digit.resize(size);
    QCOMPARE(digit.Thickness(), 2);
    digit.SetThickness(thickness);
    QCOMPARE(digit.Thickness(), accepted ? thickness : 2);
}

void TestDigitProperties::separationIsNeverChecked()
{
    TDigit digit;
    digit.SetSeparation(-4);
    QCOMPARE(digit.Separation(), -4);
    digit.SetSeparation(100);
    QCOMPARE(digit.Separation(), 100);
}

void TestDigitProperties::repaintTiming_data()
{
    QTest::addColumn<TSetter>("setter");
    QTest::addColumn<bool>("now");
    QTest::newRow("Value") << TSetter([](TDigit& d) { d.SetValue(6); }) << true;
    QTest::newRow("ValueBinary") << TSetter([](TDigit& d) { d.SetValueBinary(1); }) << true;
    QTest::newRow("ColorOn") << TSetter([](TDigit& d) { d.SetColorOn(Qt::red); }) << true;
    QTest::newRow("ColorOff") << TSetter([](TDigit& d) { d.SetColorOff(Qt::gray); }) << true;
    QTest::newRow("BorderStyle") << TSetter([](TDigit& d) { d.SetBorderStyle(TBorderStyle::bsNone); }) << true;
    QTest::newRow("Color") << TSetter([](TDigit& d) { d.SetColor(Qt::blue); }) << false;
    QTest::newRow("Thickness same value") << TSetter([](TDigit& d) { d.SetThickness(2); }) << false;
    QTest::newRow("Separation same value") << TSetter([](TDigit& d) { d.SetSeparation(1); }) << false;
}

void TestDigitProperties::repaintTiming()
{
    QFETCH(TSetter, setter);
    QFETCH(bool, now);
    TCountingDigit digit;
    digit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&digit));
    QTRY_VERIFY(digit.Paints > 0);
    QCoreApplication::processEvents();
    const int before = digit.Paints;
    setter(digit);
    QCOMPARE(digit.Paints, now ? before + 1 : before);
    if (!now)
        QTRY_COMPARE(digit.Paints, before + 1);
}

void TestDigitProperties::equalColourInAnotherSpecIsNoChange_data()
{
    QTest::addColumn<TSetter>("setter");
    // The digit starts yellow on black, with black unlit segments.
    QTest::newRow("ColorOn as HSV") << TSetter([](TDigit& d) { d.SetColorOn(QColor::fromHsv(60, 255, 255)); });
    QTest::newRow("ColorOn as CMYK") << TSetter([](TDigit& d) { d.SetColorOn(QColor::fromCmyk(0, 0, 255, 0)); });
    QTest::newRow("ColorOff as HSL") << TSetter([](TDigit& d) { d.SetColorOff(QColor::fromHsl(0, 0, 0)); });
    QTest::newRow("Color as HSV") << TSetter([](TDigit& d) { d.SetColor(QColor::fromHsv(0, 0, 0)); });
}

void TestDigitProperties::equalColourInAnotherSpecIsNoChange()
{
    QFETCH(TSetter, setter);
    TCountingDigit digit;
    digit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&digit));
    QTRY_VERIFY(digit.Paints > 0);
    QCoreApplication::processEvents();
    const int before = digit.Paints;
    setter(digit);
    QCoreApplication::processEvents();  // a repaint asked for would be done now
    QCOMPARE(digit.Paints, before);
    QCOMPARE(digit.ColorOn().rgba(), QColor(255, 255, 0).rgba());
    QCOMPARE(digit.ColorOff().rgba(), QColor(0, 0, 0).rgba());
    QCOMPARE(digit.Color().rgba(), QColor(0, 0, 0).rgba());

    // A colour that differs by one step is still a change.
    digit.SetColorOn(QColor(255, 254, 0));
    QCOMPARE(digit.Paints, before + 1);
}

QTEST_MAIN(TestDigitProperties)
#include "TestDigitProperties.moc"
