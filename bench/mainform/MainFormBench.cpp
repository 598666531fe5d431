// Times what a player waits for: the main window's first show (services,
// settings, first game), a level change, painting the biggest board, and
// painting it with a row of pegs typed in and their symbols on; reports
// the process's peak memory. Run with QT_QPA_PLATFORM=offscreen.

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "app/TGameSession.h"
#include "app/TMainForm.h"
#include "platform/help/IHelpCommands.h"
#include "platform/media/IMediaPlayer.h"
#include "resources/pictures/Pictures.h"
#include "settings/configuration/TConfiguration.h"

using namespace peglore;

namespace {
class TSilentHelp final : public IHelpCommands {
public:
    void HelpCommand(int, int) override {}
};

class TSilentPlayer final : public IMediaPlayer {
public:
    void SetFileName(const std::string&) override {}
    void BeginOpen(std::function<void(bool)> onOpened) override { onOpened(false); }
    void WaitForOpen() override {}
    void CancelOpen() override {}
    void SeekToStart() override {}
    void Play() override {}
    void Stop() override {}
    void Close() override {}
    void SetOnNotify(std::function<void(TMediaResult)>) override {}
};

double MedianMs(std::vector<qint64> nanos)
{
    std::sort(nanos.begin(), nanos.end());
    return nanos[nanos.size() / 2] / 1e6;
}
}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    InitPictures();
    constexpr int runs = 30;
    TSilentHelp help;
    TSilentPlayer player;
    std::vector<qint64> shows, levels, paints, repaints, symbolPaints;
    QTemporaryDir folder;
    const std::string dir = folder.path().toStdString() + "/";
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        auto form = std::make_unique<TMainForm>(help, player, TGameFiles{dir, dir, dir + "peglore"});
        form->show();
        QCoreApplication::processEvents();
        shows.push_back(clock.nsecsElapsed());

        clock.restart();
        form->findChild<QAction*>(QStringLiteral("mmenuExpert"))->trigger();
        QCoreApplication::processEvents();
        levels.push_back(clock.nsecsElapsed());

        QImage image(form->size(), QImage::Format_RGB32);
        clock.restart();
        form->render(&image);
        paints.push_back(clock.nsecsElapsed());

        clock.restart();
        form->render(&image);
        repaints.push_back(clock.nsecsElapsed());

        form->Session()->Configuration().SetAutoCheck(false);
        form->SetPegSymbols(true);
        for (int key = Qt::Key_1; key <= Qt::Key_8; ++key) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(QChar(key)));
            QApplication::sendEvent(form.get(), &press);
        }
        QCoreApplication::processEvents();
        clock.restart();
        form->render(&image);
        symbolPaints.push_back(clock.nsecsElapsed());
        form->close();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("first show: %.2f ms  level change: %.2f ms  full paint (Expert): %.2f ms  (medians of %d)\n",
                MedianMs(shows), MedianMs(levels), MedianMs(paints), runs);
    std::printf("repaint: %.2f ms  repaint with a typed row of 8 pegs and symbols on: %.2f ms\n", MedianMs(repaints),
                MedianMs(symbolPaints));
    std::printf("peak resident memory: %ld KiB\n", usage.ru_maxrss);
    return 0;
}
