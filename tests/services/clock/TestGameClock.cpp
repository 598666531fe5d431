// Reads the clock the way a player does: from the pixels of the panel.
#include "components/digit/Udigit.h"
#include "services/clock/TMyTimer.h"
#include "services/clock/TimerDigits.h"

#include <QImage>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <array>
#include <memory>

using peglore::CreateTimerDigits;
using peglore::TDigit;
using peglore::TMyTimer;

namespace {

const QColor Red(255, 0, 0);
const QColor Maroon(128, 0, 0);

// Inside each of the seven bars of a 16 x 32 digit, in bit order.
constexpr std::array<QPoint, 7> BarCentres = {{
    {7, 2},
    {7, 15},
    {7, 29},
    {2, 8},
    {13, 8},
    {2, 21},
    {13, 21},
}};
constexpr std::array<int, 10> Masks = {125, 80, 55, 87, 90, 79, 111, 81, 127, 95};

struct TClockPanel {
    QWidget Panel;
    std::array<TDigit*, 3> Digits{};
    std::unique_ptr<TMyTimer> Clock;

    TClockPanel()
    {
        Panel.resize(54, 39);
        Digits = CreateTimerDigits(Panel);
        Clock = std::make_unique<TMyTimer>(*Digits[0], *Digits[1], *Digits[2]);
    }

    // The three digits as read from the rendered panel; '?' for a pattern
    // that is no digit, 'x' for a bar in neither the lit nor the unlit colour.
    QString Reading(const QColor& lit = Red) const
    {
        QImage image(Panel.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        const_cast<QWidget&>(Panel).render(&image);
        QString text;
        for (const int left : {3, 19, 35}) {
            int mask = 0;
            bool unknown = false;
            for (std::size_t bit = 0; bit < BarCentres.size(); ++bit) {
                const QColor c = image.pixelColor(BarCentres[bit] + QPoint(left, 3));
                if (c == lit)
                    mask |= 1 << bit;
                else if (c != Maroon)
                    unknown = true;
            }
            const auto* it = std::find(Masks.begin(), Masks.end(), mask);
            if (unknown)
                text += u'x';
            else
                text += it == Masks.end() ? QChar(u'?') : QChar(u'0' + int(it - Masks.begin()));
        }
        return text;
    }

    void Tick() { Clock->SetSeconds(Clock->Seconds() + 1); }
};

}  // namespace

class TestGameClock : public QObject {
    Q_OBJECT

private slots:
    void digitsAsDesigned();
    void readsZeroInRedBeforeFirstTick();
    void fiveTicksReadFive();
    void showsCount_data();
    void showsCount();
    void countKeepsRisingPast999();
    void resetShowsZero();
};

void TestGameClock::digitsAsDesigned()
{
    QWidget panel;
    const auto digits = CreateTimerDigits(panel);
    const int lefts[3] = {3, 19, 35};
    for (int i = 0; i < 3; ++i) {
        const TDigit* d = digits[std::size_t(i)];
        QCOMPARE(d->parentWidget(), &panel);
        QCOMPARE(d->objectName(), QStringLiteral("TimerDigit%1").arg(i + 1));
        QCOMPARE(d->geometry(), QRect(lefts[i], 3, 16, 32));
        QCOMPARE(d->Color(), QColor(0, 0, 0));
        QCOMPARE(d->ColorOff(), Maroon);
        QCOMPARE(d->ColorOn(), QColor(255, 255, 0));
        QCOMPARE(d->Value(), 0);
        QCOMPARE(d->Thickness(), 2);
        QCOMPARE(d->Separation(), 1);
    }
}

void TestGameClock::readsZeroInRedBeforeFirstTick()
{
    TClockPanel p;
    QCOMPARE(p.Clock->Seconds(), 0);
    QCOMPARE(p.Reading(), QStringLiteral("000"));
}

void TestGameClock::fiveTicksReadFive()
{
    TClockPanel p;
    for (int i = 0; i < 5; ++i)
        p.Tick();
    QCOMPARE(p.Clock->Seconds(), 5);
    QCOMPARE(p.Reading(), QStringLiteral("005"));
}

void TestGameClock::showsCount_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("reading");
    QTest::newRow("7") << 7 << "007";
    QTest::newRow("42") << 42 << "042";
    QTest::newRow("360") << 360 << "360";
    QTest::newRow("998") << 998 << "998";
    QTest::newRow("999") << 999 << "999";
    QTest::newRow("1000") << 1000 << "999";
    QTest::newRow("1234") << 1234 << "999";
    QTest::newRow("huge") << 2147483647 << "999";
    QTest::newRow("negative") << -5 << "000";
}

void TestGameClock::showsCount()
{
    QFETCH(int, seconds);
    QFETCH(QString, reading);
    TClockPanel p;
    p.Clock->SetSeconds(seconds);
    QCOMPARE(p.Clock->Seconds(), seconds);
    QCOMPARE(p.Reading(), reading);
}

void TestGameClock::countKeepsRisingPast999()
{
    TClockPanel p;
    p.Clock->SetSeconds(997);
    for (int i = 0; i < 240; ++i) {
        p.Tick();
        if (p.Clock->Seconds() == 998)
            QCOMPARE(p.Reading(), QStringLiteral("998"));
    }
    QCOMPARE(p.Clock->Seconds(), 1237);
    QCOMPARE(p.Reading(), QStringLiteral("999"));
}

void TestGameClock::resetShowsZero()
{
    TClockPanel p;
    p.Clock->SetSeconds(1234);
    p.Clock->ResetClock();
    QCOMPARE(p.Clock->Seconds(), 0);
    QCOMPARE(p.Reading(), QStringLiteral("000"));
    p.Tick();
    QCOMPARE(p.Reading(), QStringLiteral("001"));
}

QTEST_MAIN(TestGameClock)
#include "TestGameClock.moc"
