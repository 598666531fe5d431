// The application object: an error escaping an event handler is reported
// in the general error box, and the program goes on.

#include <QMessageBox>
#include <QtTest>

#include <stdexcept>

#include "app/DisplayCheck.h"
#include "app/TPegloreApplication.h"
#include "support/ModalAnswer.h"

using namespace peglore;
using namespace peglore::testing;

namespace {
// Throws from its event handler, as a failing command would.
class TThrowingObject : public QObject {
public:
    int Handled = 0;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User) {
            ++Handled;
            throw std::runtime_error("Unable to write to /home/player/Peglore.ini");
        }
        return QObject::event(event);
    }
};
}  // namespace

class TestApplication : public QObject {
    Q_OBJECT
private slots:
    void titleNamesTheGame() { QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Peglore")); }

    void escapedErrorIsReportedAndTheLoopGoesOn()
    {
        TThrowingObject thrower;
        QString caption, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        AnswerNextModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_Return); },
                        [&](QWidget* m) {
                            auto* box = qobject_cast<QMessageBox*>(m);
                            caption = box->windowTitle();
                            text = box->text();
                            icon = box->icon();
                        });
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
        QTRY_COMPARE(thrower.Handled, 1);
        QTRY_COMPARE(text, QStringLiteral("Unable to write to /home/player/Peglore.ini."));
        QCOMPARE(caption, QStringLiteral("Peglore"));
        QCOMPARE(icon, QMessageBox::Critical);
        // The event loop still serves the next event.
        bool served = false;
        QTimer::singleShot(0, [&] { served = true; });
        QTRY_VERIFY(served);
    }

    void displayDepthThreshold_data()
    {
        QTest::addColumn<int>("depth");
        QTest::addColumn<bool>("sufficient");
        QTest::newRow("monochrome") << 1 << false;
        QTest::newRow("16 colours") << 4 << false;
        QTest::newRow("7 bits") << 7 << false;
        QTest::newRow("256 colours") << 8 << true;
        QTest::newRow("true colour") << 24 << true;
    }
    void displayDepthThreshold()
    {
        QFETCH(int, depth);
        QFETCH(bool, sufficient);
        QCOMPARE(DisplayDepthSufficient(depth), sufficient);
    }

    void displayDepthCanBeForcedForTrials()
    {
        qputenv("PEGLORE_DISPLAY_DEPTH", "4");
        QCOMPARE(DisplayDepth(), 4);
        qunsetenv("PEGLORE_DISPLAY_DEPTH");
        QVERIFY(DisplayDepth() >= 8);  // the offscreen screen
    }
};

int main(int argc, char** argv)
{
    TPegloreApplication application(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestApplication.moc"
