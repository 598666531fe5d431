#include "components/labeleffect/LblEffct.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

using namespace peglore;
using S = TEffectStyle;

namespace {

void Send(TLabelEffect& L, QEvent::Type Type, QPoint Pos, Qt::MouseButton Button,
          Qt::MouseButtons Buttons, Qt::KeyboardModifiers Keys = Qt::NoModifier)
{
    QMouseEvent Event(Type, QPointF(Pos), QPointF(L.mapToGlobal(Pos)), Button, Buttons, Keys);
    QCoreApplication::sendEvent(&L, &Event);
}

void Press(TLabelEffect& L, QPoint Pos, Qt::MouseButton Button = Qt::LeftButton)
{
    Send(L, QEvent::MouseButtonPress, Pos, Button, Button);
}

void Release(TLabelEffect& L, QPoint Pos, Qt::MouseButton Button = Qt::LeftButton)
{
    Send(L, QEvent::MouseButtonRelease, Pos, Button, Qt::NoButton);
}

void Move(TLabelEffect& L, QPoint Pos, Qt::MouseButtons Buttons = Qt::LeftButton,
          Qt::KeyboardModifiers Keys = Qt::NoModifier)
{
    Send(L, QEvent::MouseMove, Pos, Qt::NoButton, Buttons, Keys);
}

}  // namespace

class TestLabelEffectMouse : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void LeftPressSinks();
    void RightPressDoesNothing();
    void MoveWhileHeld_data();
    void MoveWhileHeld();
    void ReleaseInsideRaises_data();
    void ReleaseInsideRaises();
    void ReleaseOutsideKeepsSunken();
    void ClickStillRaised();
    void ClickNeedsReleaseInside();
    void DisabledDoesNotSink();
    void PlainLabelSendsMouseSignals();

private:
    TLabelEffect* L = nullptr;
};

void TestLabelEffectMouse::init()
{
    L = new TLabelEffect;
    L->resize(80, 30);
    L->SetAsButton(true);
}

void TestLabelEffectMouse::cleanup()
{
    delete L;
    L = nullptr;
}

void TestLabelEffectMouse::LeftPressSinks()
{
    QSignalSpy Down(L, &TLabelEffect::OnMouseDown);
    Press(*L, {10, 10});
    QCOMPARE(L->EffectStyle(), S::esSunken);
    QVERIFY(L->AsButton());
    QCOMPARE(Down.count(), 0);
}

void TestLabelEffectMouse::RightPressDoesNothing()
{
    QSignalSpy Down(L, &TLabelEffect::OnMouseDown);
    Press(*L, {10, 10}, Qt::RightButton);
    QCOMPARE(L->EffectStyle(), S::esRaised);
    QCOMPARE(Down.count(), 0);
}

void TestLabelEffectMouse::MoveWhileHeld_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("keys");
    QTest::addColumn<S>("style");
    const int Left = Qt::LeftButton;
    QTest::newRow("outside right") << QPoint(81, 10) << Left << 0 << S::esRaised;
    QTest::newRow("outside above") << QPoint(10, -1) << Left << 0 << S::esRaised;
    QTest::newRow("on right edge counts inside") << QPoint(80, 30) << Left << 0 << S::esSunken;
    QTest::newRow("origin") << QPoint(0, 0) << Left << 0 << S::esSunken;
    QTest::newRow("shift held") << QPoint(200, 10) << Left << int(Qt::ShiftModifier)
                                << S::esSunken;
    QTest::newRow("ctrl held") << QPoint(200, 10) << Left << int(Qt::ControlModifier)
                               << S::esSunken;
    QTest::newRow("alt held") << QPoint(200, 10) << Left << int(Qt::AltModifier)
                              << S::esSunken;
    QTest::newRow("two buttons") << QPoint(200, 10) << int(Qt::LeftButton | Qt::RightButton) << 0
                                 << S::esSunken;
    QTest::newRow("no button") << QPoint(200, 10) << 0 << 0 << S::esSunken;
}

void TestLabelEffectMouse::MoveWhileHeld()
{
    QFETCH(QPoint, pos);
    QFETCH(int, buttons);
    QFETCH(int, keys);
    QFETCH(S, style);
    QSignalSpy Moves(L, &TLabelEffect::OnMouseMove);
    Press(*L, {10, 10});
    Move(*L, pos, Qt::MouseButtons(buttons), Qt::KeyboardModifiers(keys));
    QCOMPARE(L->EffectStyle(), style);
    QCOMPARE(Moves.count(), 0);
    // Dragged back inside while held, it sinks again.
    Move(*L, {5, 5});
    QCOMPARE(L->EffectStyle(), S::esSunken);
}

void TestLabelEffectMouse::ReleaseInsideRaises_data()
{
    QTest::addColumn<int>("button");
    QTest::newRow("left") << int(Qt::LeftButton);
    QTest::newRow("right") << int(Qt::RightButton);
    QTest::newRow("middle") << int(Qt::MiddleButton);
}

void TestLabelEffectMouse::ReleaseInsideRaises()
{
    QFETCH(int, button);
    QSignalSpy Up(L, &TLabelEffect::OnMouseUp);
    Press(*L, {10, 10});
    Release(*L, {80, 30}, Qt::MouseButton(button));
    QCOMPARE(L->EffectStyle(), S::esRaised);
    QCOMPARE(Up.count(), 0);
}

void TestLabelEffectMouse::ReleaseOutsideKeepsSunken()
{
    Press(*L, {10, 10});
    Release(*L, {81, 10});
    QCOMPARE(L->EffectStyle(), S::esSunken);
}

void TestLabelEffectMouse::ClickStillRaised()
{
    QSignalSpy Clicks(L, &TLabelEffect::OnClick);
    Press(*L, {10, 10});
    Release(*L, {10, 10});
    QCOMPARE(Clicks.count(), 1);
}

void TestLabelEffectMouse::ClickNeedsReleaseInside()
{
    QSignalSpy Clicks(L, &TLabelEffect::OnClick);
    Press(*L, {10, 10});
    Release(*L, {80, 10});  // the right edge is outside for a click
    Press(*L, {10, 10}, Qt::RightButton);
    Release(*L, {10, 10}, Qt::RightButton);
    QCOMPARE(Clicks.count(), 0);
}

void TestLabelEffectMouse::DisabledDoesNotSink()
{
    L->setEnabled(false);
    Press(*L, {10, 10});
    QCOMPARE(L->EffectStyle(), S::esRaised);
}

void TestLabelEffectMouse::PlainLabelSendsMouseSignals()
{
    L->SetAsButton(false);
    QSignalSpy Down(L, &TLabelEffect::OnMouseDown);
    QSignalSpy Moves(L, &TLabelEffect::OnMouseMove);
    QSignalSpy Up(L, &TLabelEffect::OnMouseUp);
    QSignalSpy Clicks(L, &TLabelEffect::OnClick);
    Press(*L, {3, 4});
    Move(*L, {200, 5});
    Release(*L, {6, 7});
    QCOMPARE(L->EffectStyle(), S::esRaised);
    QCOMPARE(Down.count(), 1);
    QCOMPARE(Down.at(0).at(0).value<Qt::MouseButton>(), Qt::LeftButton);
    QCOMPARE(Down.at(0).at(2).toInt(), 3);
    QCOMPARE(Down.at(0).at(3).toInt(), 4);
    QCOMPARE(Moves.count(), 1);
    QCOMPARE(Moves.at(0).at(2).toInt(), 200);
    QCOMPARE(Up.count(), 1);
    QCOMPARE(Up.at(0).at(2).toInt(), 6);
    QCOMPARE(Clicks.count(), 1);
}

QTEST_MAIN(TestLabelEffectMouse)
#include "TestLabelEffectMouse.moc"
