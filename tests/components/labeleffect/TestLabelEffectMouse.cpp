#include "components/labeleffect/LblEffct.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

using namespace peglore;
using S = TEffectStyle;

namespace {

void Send(TLabelEffect& l, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons,
          Qt::KeyboardModifiers keys = Qt::NoModifier)
{
    QMouseEvent event(type, QPointF(pos), QPointF(l.mapToGlobal(pos)), button, buttons, keys);
    QCoreApplication::sendEvent(&l, &event);
}

void Press(TLabelEffect& l, QPoint pos, Qt::MouseButton button = Qt::LeftButton)
{
    Send(l, QEvent::MouseButtonPress, pos, button, button);
}

void Release(TLabelEffect& l, QPoint pos, Qt::MouseButton button = Qt::LeftButton)
{
    Send(l, QEvent::MouseButtonRelease, pos, button, Qt::NoButton);
}

void Move(TLabelEffect& l, QPoint pos, Qt::MouseButtons buttons = Qt::LeftButton,
          Qt::KeyboardModifiers keys = Qt::NoModifier)
{
    Send(l, QEvent::MouseMove, pos, Qt::NoButton, buttons, keys);
}

}  // namespace

class TestLabelEffectMouse : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void leftPressSinks();
    void rightPressDoesNothing();
    void moveWhileHeld_data();
    void moveWhileHeld();
    void releaseInsideRaises_data();
    void releaseInsideRaises();
    void releaseOutsideKeepsSunken();
    void clickStillRaised();
    void clickNeedsReleaseInside();
    void disabledDoesNotSink();
    void plainLabelSendsMouseSignals();

private:
    TLabelEffect* FL = nullptr;
};

void TestLabelEffectMouse::init()
{
    FL = new TLabelEffect;
    FL->resize(80, 30);
    FL->SetAsButton(true);
}

void TestLabelEffectMouse::cleanup()
{
    delete FL;
    FL = nullptr;
}

void TestLabelEffectMouse::leftPressSinks()
{
    QSignalSpy down(FL, &TLabelEffect::OnMouseDown);
    Press(*FL, {10, 10});
    QCOMPARE(FL->EffectStyle(), S::esSunken);
    QVERIFY(FL->AsButton());
    QCOMPARE(down.count(), 0);
}

void TestLabelEffectMouse::rightPressDoesNothing()
{
    QSignalSpy down(FL, &TLabelEffect::OnMouseDown);
    Press(*FL, {10, 10}, Qt::RightButton);
    QCOMPARE(FL->EffectStyle(), S::esRaised);
    QCOMPARE(down.count(), 0);
}

void TestLabelEffectMouse::moveWhileHeld_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("keys");
    QTest::addColumn<S>("style");
    const int left = Qt::LeftButton;
    QTest::newRow("outside right") << QPoint(81, 10) << left << 0 << S::esRaised;
    QTest::newRow("outside above") << QPoint(10, -1) << left << 0 << S::esRaised;
    QTest::newRow("on right edge counts inside") << QPoint(80, 30) << left << 0 << S::esSunken;
    QTest::newRow("origin") << QPoint(0, 0) << left << 0 << S::esSunken;
    QTest::newRow("shift held") << QPoint(200, 10) << left << int(Qt::ShiftModifier) << S::esSunken;
    QTest::newRow("ctrl held") << QPoint(200, 10) << left << int(Qt::ControlModifier) << S::esSunken;
    QTest::newRow("alt held") << QPoint(200, 10) << left << int(Qt::AltModifier) << S::esSunken;
    QTest::newRow("two buttons") << QPoint(200, 10) << int(Qt::LeftButton | Qt::RightButton) << 0 << S::esSunken;
    QTest::newRow("no button") << QPoint(200, 10) << 0 << 0 << S::esSunken;
}

void TestLabelEffectMouse::moveWhileHeld()
{
    QFETCH(QPoint, pos);
    QFETCH(int, buttons);
    QFETCH(int, keys);
    QFETCH(S, style);
    QSignalSpy moves(FL, &TLabelEffect::OnMouseMove);
    Press(*FL, {10, 10});
    Move(*FL, pos, Qt::MouseButtons(buttons), Qt::KeyboardModifiers(keys));
    QCOMPARE(FL->EffectStyle(), style);
    QCOMPARE(moves.count(), 0);
    // Dragged back inside while held, it sinks again.
    Move(*FL, {5, 5});
    QCOMPARE(FL->EffectStyle(), S::esSunken);
}

void TestLabelEffectMouse::releaseInsideRaises_data()
{
    QTest::addColumn<int>("button");
    QTest::newRow("left") << int(Qt::LeftButton);
    QTest::newRow("right") << int(Qt::RightButton);
    QTest::newRow("middle") << int(Qt::MiddleButton);
}

void TestLabelEffectMouse::releaseInsideRaises()
{
    QFETCH(int, button);
    QSignalSpy up(FL, &TLabelEffect::OnMouseUp);
    Press(*FL, {10, 10});
    Release(*FL, {80, 30}, Qt::MouseButton(button));
    QCOMPARE(FL->EffectStyle(), S::esRaised);
    QCOMPARE(up.count(), 0);
}

void TestLabelEffectMouse::releaseOutsideKeepsSunken()
{
    Press(*FL, {10, 10});
    Release(*FL, {81, 10});
    QCOMPARE(FL->EffectStyle(), S::esSunken);
}

void TestLabelEffectMouse::clickStillRaised()
{
    QSignalSpy clicks(FL, &TLabelEffect::OnClick);
    Press(*FL, {10, 10});
    Release(*FL, {10, 10});
    QCOMPARE(clicks.count(), 1);
}

void TestLabelEffectMouse::clickNeedsReleaseInside()
{
    QSignalSpy clicks(FL, &TLabelEffect::OnClick);
    Press(*FL, {10, 10});
    Release(*FL, {80, 10});  // the right edge is outside for a click
    Press(*FL, {10, 10}, Qt::RightButton);
    Release(*FL, {10, 10}, Qt::RightButton);
    QCOMPARE(clicks.count(), 0);
}

void TestLabelEffectMouse::disabledDoesNotSink()
{
    FL->setEnabled(false);
    Press(*FL, {10, 10});
    QCOMPARE(FL->EffectStyle(), S::esRaised);
}

void TestLabelEffectMouse::plainLabelSendsMouseSignals()
{
    FL->SetAsButton(false);
    QSignalSpy down(FL, &TLabelEffect::OnMouseDown);
    QSignalSpy moves(FL, &TLabelEffect::OnMouseMove);
    QSignalSpy up(FL, &TLabelEffect::OnMouseUp);
    QSignalSpy clicks(FL, &TLabelEffect::OnClick);
    Press(*FL, {3, 4});
    Move(*FL, {200, 5});
    Release(*FL, {6, 7});
    QCOMPARE(FL->EffectStyle(), S::esRaised);
    QCOMPARE(down.count(), 1);
    QCOMPARE(down.at(0).at(0).value<Qt::MouseButton>(), Qt::LeftButton);
    QCOMPARE(down.at(0).at(2).toInt(), 3);
    QCOMPARE(down.at(0).at(3).toInt(), 4);
    QCOMPARE(moves.count(), 1);
    QCOMPARE(moves.at(0).at(2).toInt(), 200);
    QCOMPARE(up.count(), 1);
    QCOMPARE(up.at(0).at(2).toInt(), 6);
    QCOMPARE(clicks.count(), 1);
}

QTEST_MAIN(TestLabelEffectMouse)
#include "TestLabelEffectMouse.moc"
