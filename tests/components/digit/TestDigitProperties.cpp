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
    void paintEvent(QPaintEvent* Event) override
    {
        ++Paints;
        TDigit::paintEvent(Event);
    }
};

using TSetter = std::function<void(TDigit&)>;

}  // namespace

Q_DECLARE_METATYPE(TSetter)

class TestDigitProperties : public QObject {
    Q_OBJECT

private slots:
    void InitialValues();
    void OverflowResetsToZeroAndReports_data();
    void OverflowResetsToZeroAndReports();
    void OverflowRepeatsForSameOutOfRangeNumber();
    void OverflowWithoutHandler();
    void SameValueDoesNothing();
    void ValueBinaryLeavesValue();
    void ThicknessMustFit_data();
    void ThicknessMustFit();
    void SeparationIsNeverChecked();
    void RepaintTiming_data();
    void RepaintTiming();
};

void TestDigitProperties::InitialValues()
{
    TDigit Digit;
    QCOMPARE(Digit.Value(), 0);
    QCOMPARE(Digit.ValueBinary(), std::uint8_t(125));
    QCOMPARE(Digit.BorderStyle(), TBorderStyle::bsSingle);
    QCOMPARE(Digit.ColorOn(), QColor(255, 255, 0));
    QCOMPARE(Digit.ColorOff(), QColor(0, 0, 0));
    QCOMPARE(Digit.Color(), QColor(0, 0, 0));
    QCOMPARE(Digit.size(), QSize(16, 32));
    QCOMPARE(Digit.Thickness(), 2);
    QCOMPARE(Digit.Separation(), 1);
    QVERIFY(!Digit.OnOverflow());
}

void TestDigitProperties::OverflowResetsToZeroAndReports_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("10") << 10;
    QTest::newRow("-1") << -1;
    QTest::newRow("large") << 123456;
}

void TestDigitProperties::OverflowResetsToZeroAndReports()
{
    QFETCH(int, number);
    TDigit Digit;
    Digit.SetValue(7);
    std::vector<TDigit*> Senders;
    int ValueSeenByHandler = -1;
    Digit.SetOnOverflow([&](TDigit* Sender) {
        Senders.push_back(Sender);
        ValueSeenByHandler = Sender->Value();
    });
    Digit.SetValue(number);
    QCOMPARE(Digit.Value(), 0);
    QCOMPARE(Digit.ValueBinary(), std::uint8_t(125));
    QCOMPARE(Senders, std::vector<TDigit*>{&Digit});
    QCOMPARE(ValueSeenByHandler, 0);
}

void TestDigitProperties::OverflowRepeatsForSameOutOfRangeNumber()
{
    TDigit Digit;
    int Calls = 0;
    Digit.SetOnOverflow([&](TDigit*) { ++Calls; });
    Digit.SetValue(10);
    Digit.SetValue(10);
    QCOMPARE(Calls, 2);
    // 0 itself is in range and equal to the stored value: nothing.
    Digit.SetValue(0);
    QCOMPARE(Calls, 2);
}

void TestDigitProperties::OverflowWithoutHandler()
{
    TDigit Digit;
    Digit.SetValue(3);
    Digit.SetValue(-5);
    QCOMPARE(Digit.Value(), 0);
    QCOMPARE(Digit.ValueBinary(), std::uint8_t(125));
}

void TestDigitProperties::SameValueDoesNothing()
{
    TCountingDigit Digit;
    Digit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Digit));
    Digit.SetValue(5);
    Digit.SetValueBinary(0);
    const int Paints = Digit.Paints;
    Digit.SetValue(5);
    QCOMPARE(Digit.ValueBinary(), std::uint8_t(0));
    QCOMPARE(Digit.Paints, Paints);
    Digit.SetValue(4);
    Digit.SetValue(5);
    QCOMPARE(Digit.ValueBinary(), std::uint8_t(79));
}

void TestDigitProperties::ValueBinaryLeavesValue()
{
    TDigit Digit;
    Digit.SetValue(3);
    Digit.SetValueBinary(255);
    QCOMPARE(Digit.Value(), 3);
    QCOMPARE(Digit.ValueBinary(), std::uint8_t(255));
}

void TestDigitProperties::ThicknessMustFit_data()
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

void TestDigitProperties::ThicknessMustFit()
{
    QFETCH(QSize, size);
    QFETCH(int, thickness);
    QFETCH(bool, accepted);
    TDigit Digit;
    Digit.resize(size);
    QCOMPARE(Digit.Thickness(), 2);
    Digit.SetThickness(thickness);
    QCOMPARE(Digit.Thickness(), accepted ? thickness : 2);
}

void TestDigitProperties::SeparationIsNeverChecked()
{
    TDigit Digit;
    Digit.SetSeparation(-4);
    QCOMPARE(Digit.Separation(), -4);
    Digit.SetSeparation(100);
    QCOMPARE(Digit.Separation(), 100);
}

void TestDigitProperties::RepaintTiming_data()
{
    QTest::addColumn<TSetter>("setter");
    QTest::addColumn<bool>("now");
    QTest::newRow("Value") << TSetter([](TDigit& D) { D.SetValue(6); }) << true;
    QTest::newRow("ValueBinary") << TSetter([](TDigit& D) { D.SetValueBinary(1); }) << true;
    QTest::newRow("ColorOn") << TSetter([](TDigit& D) { D.SetColorOn(Qt::red); }) << true;
    QTest::newRow("ColorOff") << TSetter([](TDigit& D) { D.SetColorOff(Qt::gray); }) << true;
    QTest::newRow("BorderStyle")
        << TSetter([](TDigit& D) { D.SetBorderStyle(TBorderStyle::bsNone); }) << true;
    QTest::newRow("Color") << TSetter([](TDigit& D) { D.SetColor(Qt::blue); }) << false;
    QTest::newRow("Thickness same value")
        << TSetter([](TDigit& D) { D.SetThickness(2); }) << false;
    QTest::newRow("Separation same value")
        << TSetter([](TDigit& D) { D.SetSeparation(1); }) << false;
}

void TestDigitProperties::RepaintTiming()
{
    QFETCH(TSetter, setter);
    QFETCH(bool, now);
    TCountingDigit Digit;
    Digit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Digit));
    QTRY_VERIFY(Digit.Paints > 0);
    QCoreApplication::processEvents();
    const int Before = Digit.Paints;
    setter(Digit);
    QCOMPARE(Digit.Paints, now ? Before + 1 : Before);
    if (!now)
        QTRY_COMPARE(Digit.Paints, Before + 1);
}

QTEST_MAIN(TestDigitProperties)
#include "TestDigitProperties.moc"
