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
    {7, 2}, {7, 15}, {7, 29}, {2, 8}, {13, 8}, {2, 21}, {13, 21},
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
    QString Reading(const QColor& Lit = Red) const
    {
        QImage Image(Panel.size(), QImage::Format_RGB32);
        Image.fill(Qt::white);
        const_cast<QWidget&>(Panel).render(&Image);
        QString Text;
        for (const int Left : {3, 19, 35}) {
            int Mask = 0;
            bool Unknown = false;
            for (std::size_t Bit = 0; Bit < BarCentres.size(); ++Bit) {
                const QColor C = Image.pixelColor(BarCentres[Bit] + QPoint(Left, 3));
                if (C == Lit)
                    Mask |= 1 << Bit;
                else if (C != Maroon)
                    Unknown = true;
            }
            const auto* It = std::find(Masks.begin(), Masks.end(), Mask);
            if (Unknown)
                Text += u'x';
            else
                Text += It == Masks.end() ? QChar(u'?') : QChar(u'0' + int(It - Masks.begin()));
        }
        return Text;
    }

    void Tick() { Clock->SetSeconds(Clock->Seconds() + 1); }
};

}  // namespace

class TestGameClock : public QObject {
    Q_OBJECT

private slots:
    void DigitsAsDesigned();
    void ReadsZeroInRedBeforeFirstTick();
    void FiveTicksReadFive();
    void ShowsCount_data();
    void ShowsCount();
    void CountKeepsRisingPast999();
    void ResetShowsZero();
};

void TestGameClock::DigitsAsDesigned()
{
    QWidget Panel;
    const auto Digits = CreateTimerDigits(Panel);
    const int Lefts[3] = {3, 19, 35};
    for (int I = 0; I < 3; ++I) {
        const TDigit* D = Digits[std::size_t(I)];
        QCOMPARE(D->parentWidget(), &Panel);
        QCOMPARE(D->objectName(), QStringLiteral("TimerDigit%1").arg(I + 1));
        QCOMPARE(D->geometry(), QRect(Lefts[I], 3, 16, 32));
        QCOMPARE(D->Color(), QColor(0, 0, 0));
        QCOMPARE(D->ColorOff(), Maroon);
        QCOMPARE(D->ColorOn(), QColor(255, 255, 0));
        QCOMPARE(D->Value(), 0);
        QCOMPARE(D->Thickness(), 2);
        QCOMPARE(D->Separation(), 1);
    }
}

void TestGameClock::ReadsZeroInRedBeforeFirstTick()
{
    TClockPanel P;
    QCOMPARE(P.Clock->Seconds(), 0);
    QCOMPARE(P.Reading(), QStringLiteral("000"));
}

void TestGameClock::FiveTicksReadFive()
{
    TClockPanel P;
    for (int I = 0; I < 5; ++I)
        P.Tick();
    QCOMPARE(P.Clock->Seconds(), 5);
    QCOMPARE(P.Reading(), QStringLiteral("005"));
}

void TestGameClock::ShowsCount_data()
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

void TestGameClock::ShowsCount()
{
    QFETCH(int, seconds);
    QFETCH(QString, reading);
    TClockPanel P;
    P.Clock->SetSeconds(seconds);
    QCOMPARE(P.Clock->Seconds(), seconds);
    QCOMPARE(P.Reading(), reading);
}

void TestGameClock::CountKeepsRisingPast999()
{
    TClockPanel P;
    P.Clock->SetSeconds(997);
    for (int I = 0; I < 240; ++I) {
        P.Tick();
        if (P.Clock->Seconds() == 998)
            QCOMPARE(P.Reading(), QStringLiteral("998"));
    }
    QCOMPARE(P.Clock->Seconds(), 1237);
    QCOMPARE(P.Reading(), QStringLiteral("999"));
}

void TestGameClock::ResetShowsZero()
{
    TClockPanel P;
    P.Clock->SetSeconds(1234);
    P.Clock->ResetClock();
    QCOMPARE(P.Clock->Seconds(), 0);
    QCOMPARE(P.Reading(), QStringLiteral("000"));
    P.Tick();
    QCOMPARE(P.Reading(), QStringLiteral("001"));
}

QTEST_MAIN(TestGameClock)
#include "TestGameClock.moc"
