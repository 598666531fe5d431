// The game's pictures on a screen scaled to 200 % (run with
// QT_SCALE_FACTOR=2): each shows as its drawing at twice the size, pixel for
// pixel. A picture of the written size stretched to the screen would show
// each of its pixels as a 2 x 2 block, or smoothed into a blur.

#include <QCursor>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

#include "app/TMainForm.h"
#include "app/mainform/AppFakes.h"
#include "resources/pictures/Pictures.h"

using namespace peglore;
using namespace peglore::testing;

namespace {

// How many of the opaque pixels of picture shot does not show as they are.
int Unlike(const QImage& shot, const QImage& picture)
{
    if (shot.size() != picture.size())
        return picture.width() * picture.height();
    int unlike = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qAlpha(picture.pixel(x, y)) == 255 && shot.pixel(x, y) != picture.pixel(x, y))
                ++unlike;
    return unlike;
}

// pixmap drawn at its own size on a surface of the screen's ratio.
QImage Painted(const QPixmap& pixmap)
{
    const qreal ratio = qApp->devicePixelRatio();
    QImage surface((pixmap.deviceIndependentSize() * ratio).toSize(), QImage::Format_ARGB32);
    surface.setDevicePixelRatio(ratio);
    surface.fill(Qt::white);
    QPainter(&surface).drawPixmap(0, 0, pixmap);
    return surface;
}

}  // namespace

class TestSharpPictures : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        InitPictures();
        FForm = std::make_unique<TMainForm>(FHelp, FPlayer, FilesIn(FFolder));
        FForm->show();
        QVERIFY(QTest::qWaitForWindowExposed(FForm.get()));
    }

    void picturesShowAtTwiceTheirSize_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("picture");
        QTest::newRow("new game") << "sbtnNew"
                                  << "new";
        QTest::newRow("new game, disabled") << "sbtnNew disabled"
                                            << "new-disabled";
        QTest::newRow("properties") << "sbtnProperties"
                                    << "properties";
        QTest::newRow("check") << "sbtnCheck"
                               << "check";
        QTest::newRow("check, disabled") << "sbtnCheck disabled"
                                         << "check-disabled";
        QTest::newRow("row marker") << "Hand"
                                    << "row-marker";
        QTest::newRow("hand cursor") << "cursor"
                                     << "hand";
        QTest::newRow("window icon") << "icon"
                                     << "peglore";
    }
    void picturesShowAtTwiceTheirSize()
    {
        QFETCH(QString, shown);
        QFETCH(QString, picture);
        const QString name = shown.section(QLatin1Char(' '), 0, 0);
        QImage shot;
        if (auto* button = FForm->findChild<QToolButton*>(name)) {
            button->setEnabled(!shown.endsWith(QLatin1String("disabled")));
            shot =
                button->grab(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, button->iconSize(), button->rect()))
                    .toImage();
        } else if (auto* label = FForm->findChild<QLabel*>(name)) {
            shot = label->grab().toImage();
        } else if (shown == QLatin1String("cursor")) {
            shot = Painted(FForm->findChild<QWidget*>(QStringLiteral("RedShape"))->cursor().pixmap());
        } else {
            shot = Painted(FForm->windowIcon().pixmap(QSize(48, 48), qApp->devicePixelRatio()));
        }
        const QImage twice =
            QImage(QStringLiteral(":/pictures/%1@2x.png").arg(picture)).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(Unlike(shot.convertToFormat(QImage::Format_ARGB32), twice), 0);
    }

private:
    QTemporaryDir FFolder;
    TRecordingHelp FHelp;
    TFakePlayer FPlayer;
    std::unique_ptr<TMainForm> FForm;
};

QTEST_MAIN(TestSharpPictures)
#include "TestSharpPictures.moc"
