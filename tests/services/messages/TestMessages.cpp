#include <QAbstractButton>
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>

#include "services/messages/TMessageBox.h"
#include "services/messages/TMessages.h"
#include "support/ModalAnswer.h"

using namespace peglore;
using namespace peglore::testing;

Q_DECLARE_METATYPE(QMessageBox::Icon)

namespace {
using TRoutine = std::function<TAnswer()>;

struct TSeenBox {
    QString Caption;
    QString Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QStringList Buttons;
    QString DefaultButton;
    QString EscapeButton;
};

TSeenBox Inspect(QWidget* modal)
{
    TSeenBox seen;
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box)
        return seen;
    seen.Caption = box->windowTitle();
    seen.Text = box->text();
    seen.Icon = box->icon();
    for (QAbstractButton* b : box->buttons())
        seen.Buttons << b->text();
    seen.Buttons.sort();
    if (box->defaultButton())
        seen.DefaultButton = box->defaultButton()->text();
    if (box->escapeButton())
        seen.EscapeButton = box->escapeButton()->text();
    return seen;
}

void PressKey(QWidget* modal, Qt::Key key)
{
    QTest::keyClick(modal, key);
}

// The window frame's close button: a close request that no key sent.
void CloseFromTitleBar(QWidget* modal)
{
    modal->close();
}

TRoutine Routine(const QString& name)
{
    if (name == "ShowWon")
        return &TMessages::ShowWon;
    if (name == "ShowLost")
        return &TMessages::ShowLost;
    if (name == "ShowRowNotFull")
        return &TMessages::ShowRowNotFull;
    if (name == "ShowDisplayError")
        return &TMessages::ShowDisplayError;
    if (name == "AskNewGame")
        return &TMessages::AskNewGame;
    return &TMessages::AskGiveUp;
}
}  // namespace

class TestMessages : public QObject {
    Q_OBJECT
private slots:
    void boxes_data()
    {
        QTest::addColumn<QString>("routine");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("buttons");
        const QStringList ok{"OK"};
        const QStringList yesNo{"&No", "&Yes"};
        QTest::newRow("won") << "ShowWon"
                             << "Information" << QMessageBox::Information << "You won the game!" << ok;
        QTest::newRow("lost") << "ShowLost"
                              << "Information" << QMessageBox::Information << "You lost the game!" << ok;
        QTest::newRow("row not full") << "ShowRowNotFull"
                                      << "Error" << QMessageBox::Critical
                                      << "You must completely fill the row before trying to check it!" << ok;
        QTest::newRow("display") << "ShowDisplayError"
                                 << "Error" << QMessageBox::Critical
                                 << "Sorry, Peglore requires at least 256 color display driver." << ok;
        QTest::newRow("new game") << "AskNewGame"
                                  << "Confirm" << QMessageBox::Question << "Do you really want to start a new game?"
                                  << yesNo;
        QTest::newRow("give up") << "AskGiveUp"
                                 << "Confirm" << QMessageBox::Question << "Are you sure you want to give up?" << yesNo;
    }
    void boxes()
    {
        QFETCH(QString, routine);
        QFETCH(QString, caption);
        QFETCH(QMessageBox::Icon, icon);
        QFETCH(QString, text);
        QFETCH(QStringList, buttons);
        TSeenBox seen;
        AnswerNextModal([](QWidget* m) { PressKey(m, Qt::Key_Return); }, [&](QWidget* m) { seen = Inspect(m); });
        Routine(routine)();
        QCOMPARE(seen.Caption, caption);
        QCOMPARE(seen.Icon, icon);
        QCOMPARE(seen.Text, text);
        QCOMPARE(seen.Buttons, buttons);
        QCOMPARE(seen.DefaultButton, buttons.size() == 1 ? QStringLiteral("OK") : QStringLiteral("&Yes"));
        QCOMPARE(seen.EscapeButton, buttons.size() == 1 ? QStringLiteral("OK") : QStringLiteral("&No"));
    }

    void answers_data()
    {
        QTest::addColumn<QString>("routine");
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("answer");
        using A = TAnswer;
        for (const char* question : {"AskNewGame", "AskGiveUp"}) {
            const QString q = QString::fromLatin1(question);
            QTest::newRow(qPrintable(q + " Enter")) << q << "enter" << int(A::Yes);
            QTest::newRow(qPrintable(q + " Escape")) << q << "escape" << int(A::No);
            QTest::newRow(qPrintable(q + " Y key")) << q << "y" << int(A::Yes);
            QTest::newRow(qPrintable(q + " N key")) << q << "n" << int(A::No);
            QTest::newRow(qPrintable(q + " title bar")) << q << "close" << int(A::Cancel);
        }
        QTest::newRow("won Enter") << "ShowWon"
                                   << "enter" << int(A::Ok);
        QTest::newRow("won Escape") << "ShowWon"
                                    << "escape" << int(A::Ok);
        QTest::newRow("won title bar") << "ShowWon"
                                       << "close" << int(A::Cancel);
    }
    void answers()
    {
        QFETCH(QString, routine);
        QFETCH(QString, how);
        QFETCH(int, answer);
        AnswerNextModal([how](QWidget* m) {
            if (how == "enter")
                PressKey(m, Qt::Key_Return);
            else if (how == "escape")
                PressKey(m, Qt::Key_Escape);
            else if (how == "y")
                QTest::keyClick(m, Qt::Key_Y);
            else if (how == "n")
                QTest::keyClick(m, Qt::Key_N);
            else
                CloseFromTitleBar(m);
        });
        QCOMPARE(int(Routine(routine)()), answer);
    }

    void generalErrorReportAddsAFullStopUnderTheApplicationTitle()
    {
        QCoreApplication::setApplicationName(QStringLiteral("Peglore"));
        TSeenBox seen;
        AnswerNextModal([](QWidget* m) { PressKey(m, Qt::Key_Return); }, [&](QWidget* m) { seen = Inspect(m); });
        TMessages::ShowError(QStringLiteral("Unable to write to /tmp/x/Peglore.ini"));
        QCOMPARE(seen.Caption, QStringLiteral("Peglore"));
        QCOMPARE(seen.Icon, QMessageBox::Critical);
        QCOMPARE(seen.Text, QStringLiteral("Unable to write to /tmp/x/Peglore.ini."));
        QCOMPARE(seen.Buttons, QStringList{"OK"});
    }

    void textIsShownAsPlainText()
    {
        // A path with markup characters must read as written.
        TSeenBox seen;
        QMessageBox* box = nullptr;
        AnswerNextModal([](QWidget* m) { PressKey(m, Qt::Key_Return); },
                        [&](QWidget* m) {
                            box = qobject_cast<QMessageBox*>(m);
                            seen = Inspect(m);
                            QVERIFY(box && box->textFormat() == Qt::PlainText);
                        });
        TMessages::ShowError(QStringLiteral("Unable to write to /tmp/<b>x</b>"));
        QCOMPARE(seen.Text, QStringLiteral("Unable to write to /tmp/<b>x</b>."));
    }

    void boxIsTransientForTheMainWindowWhenNoneIsActive()
    {
        // As on Wayland while the seat has no keyboard: shown, none active.
        QMainWindow main;
        main.show();
        auto other = std::make_unique<QWidget>();
        other->show();
        QVERIFY(QTest::qWaitForWindowActive(other.get()));
        other.reset();
        QVERIFY(!QApplication::activeWindow());
        QWindow* transientParent = nullptr;
        AnswerNextModal([](QWidget* m) { PressKey(m, Qt::Key_Return); },
                        [&](QWidget* m) { transientParent = m->windowHandle()->transientParent(); });
        TMessages::ShowWon();
        QCOMPARE(transientParent, main.windowHandle());
    }

    void dialogsOpenModally_data()
    {
        QTest::addColumn<int>("which");
        QTest::newRow("about") << 0;
        QTest::newRow("correct answer") << 1;
        QTest::newRow("properties") << 2;
    }
    void dialogsOpenModally()
    {
        QFETCH(int, which);
        QDialog dialog;
        bool wasModal = false;
        AnswerNextModal([](QWidget* m) { static_cast<QDialog*>(m)->accept(); },
                        [&](QWidget* m) { wasModal = (m == &dialog) && dialog.isModal(); });
        if (which == 0)
            TMessages::ShowAbout(dialog);
        else if (which == 1)
            TMessages::ShowCorrectAnswer(dialog);
        else
            TMessages::ShowProperties(dialog);
        QVERIFY(wasModal);
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(TestMessages)
#include "TestMessages.moc"
