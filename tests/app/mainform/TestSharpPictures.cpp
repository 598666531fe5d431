// At QT_SCALE_FACTOR=2 every picture of the main window shows as its drawing
// at twice the size, pixel for pixel; a picture of the written size stretched
// to the screen would show as 2 x 2 blocks, or as a blur.

#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <QtTest>

#include "app/TMainForm.h"
#include "app/mainform/AppFakes.h"
#include "resources/pictures/Pictures.h"
#include "windows/analysis/PegRowPicture.h"

using namespace peglore;
using namespace peglore::testing;

class TestSharpPictures : public QObject {
    Q_OBJECT
private slots:
    void picturesShowAtTwiceTheirSize_data()
    {
        QTest::addColumn<QString>("shown");  // a control, "-" for disabled, or none: the window's icon
        QTest::addColumn<QString>("picture");
        for (const char* row : {"sbtnNew new", "-sbtnNew new-disabled", "sbtnProperties properties", "sbtnCheck check",
                                "-sbtnCheck check-disabled", "Hand row-marker", "RedShape hand", "window peglore"})
            QTest::newRow(row) << QString(row).section(' ', 0, 0) << QString(row).section(' ', 1);
    }
    void picturesShowAtTwiceTheirSize()
    {
        QFETCH(QString, shown);
        QFETCH(QString, picture);
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        InitPictures();
        QTemporaryDir folder;
        TRecordingHelp help;
        TFakePlayer player;
        TMainForm form(help, player, FilesIn(folder));
        form.show();
        QWidget* control = form.findChild<QWidget*>(QString(shown).remove('-'));
        QPixmap seen = control ? control->cursor().pixmap() : form.windowIcon().pixmap(QSize(48, 48), 2.0);
        if (auto* button = qobject_cast<QToolButton*>(control)) {
            button->setEnabled(!shown.startsWith('-'));
            seen = button->grab(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, QSize(16, 16), button->rect()));
        } else if (qobject_cast<QLabel*>(control)) {
            seen = control->grab();
        }
        const QImage twice = QImage(":/pictures/" + picture + "@2x.png").convertToFormat(QImage::Format_ARGB32);
        const QImage image = seen.toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(seen.devicePixelRatio(), 2.0);
        QCOMPARE(image.size(), twice.size());
        for (int y = 0; y < twice.height(); ++y)
            for (int x = 0; x < twice.width(); ++x)
                if (qAlpha(twice.pixel(x, y)) == 255)
                    QCOMPARE(image.pixel(x, y), twice.pixel(x, y));
    }

    void analysisPegRowsAreDrawnInTheScreensPixels()
    {
        const QPixmap row = PegRowPicture(*TCode::FromDigits("1234"), true);
        QCOMPARE(row.devicePixelRatio(), 2.0);
        QCOMPARE(row.deviceIndependentSize(), QSizeF(4 * 19 + 3, 22));
    }
};

QTEST_MAIN(TestSharpPictures)
#include "TestSharpPictures.moc"
