// The dialogs as a screen reader reads them: every control shown has a
// name, the trackbars and pictures included.

#include <QAccessible>
#include <QtTest>

#include <memory>

#include "dialogs/DialogTestSupport.h"
#include "dialogs/about/TfrmAbout.h"
#include "dialogs/correctanswer/TRectShape.h"
#include "dialogs/correctanswer/TfrmCorrectAnswer.h"
#include "dialogs/customboard/TfrmCustomBoard.h"
#include "dialogs/properties/TfrmProperties.h"
#include "support/AccessibleTree.h"

using namespace peglore;
using namespace peglore::testing;

class TestDialogAccessibility : public QObject {
    Q_OBJECT
private slots:
    void everyControlShownHasAName_data()
    {
        QTest::addColumn<int>("dialog");
        QTest::newRow("Properties") << 0;
        QTest::newRow("Custom Board Size") << 1;
        QTest::newRow("Correct Combination") << 2;
        QTest::newRow("About") << 3;
    }
    void everyControlShownHasAName()
    {
        QFETCH(int, dialog);
        TRecordingHelp help;
        std::unique_ptr<QDialog> window;
        switch (dialog) {
        case 0: window = std::make_unique<TfrmProperties>(help); break;
        case 1: window = std::make_unique<TfrmCustomBoard>(help); break;
        case 2: {
            auto correct = std::make_unique<TfrmCorrectAnswer>(help);
            for (TRectShape* shape : correct->findChildren<TRectShape*>())
                shape->SetBrushColor(Qt::red);
            window = std::move(correct);
            break;
        }
        default: window = std::make_unique<TfrmAbout>(help); break;
        }
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QStringList nameless = NamelessControls(*window);
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(", ")));
    }

    void trackbarsAndPicturesAreNamed()
    {
        TRecordingHelp help;
        TfrmCustomBoard custom(help);
        QVERIFY(FindAccessible(custom, "Holes", QAccessible::Slider));
        QVERIFY(FindAccessible(custom, "Rows", QAccessible::Slider));
        QVERIFY(FindAccessible(custom, "Board preview", QAccessible::Graphic));

        TfrmCorrectAnswer correct(help);
        TRectShape* shape = correct.findChild<TRectShape*>("CorrectColor1");
        shape->SetBrushColor(QColor(0xFF, 0x00, 0xFF));
        QCOMPARE(QAccessible::queryAccessibleInterface(shape)->role(), QAccessible::Graphic);
        QCOMPARE(QAccessible::queryAccessibleInterface(shape)->text(QAccessible::Name), QStringLiteral("fuchsia"));
        correct.SetPegSymbols(true);
        QCOMPARE(QAccessible::queryAccessibleInterface(shape)->text(QAccessible::Name),
                 QStringLiteral("fuchsia, triangle pointing down"));

        TfrmAbout about(help);
        QVERIFY(FindAccessible(about, "Peglore", QAccessible::StaticText));
    }
};

QTEST_MAIN(TestDialogAccessibility)
#include "TestDialogAccessibility.moc"
