#pragma once

// Fakes of the main window's outside collaborators: the help viewer and
// the media player.

#include <QList>
#include <QPair>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <string>
#include <utility>

#include "platform/help/IHelpCommands.h"
#include "platform/media/IMediaPlayer.h"
#include "platform/programdir/TGameFiles.h"

namespace peglore::testing {

// Every file of the game in one temporary folder.
inline TGameFiles FilesIn(const QTemporaryDir& folder)
{
    const std::string dir = folder.path().toStdString() + "/";
    return {dir, dir, dir + "peglore"};
}

class TRecordingHelp final : public IHelpCommands {
public:
    QList<QPair<int, int>> Calls;
    void HelpCommand(int command, int data) override { Calls << qMakePair(command, data); }
};

// A player whose open succeeds or fails as told and which reports what
// the test asks, when it asks.
class TFakePlayer final : public IMediaPlayer {
public:
    bool OpenSucceeds = false;
    // The open's outcome waits for WaitForOpen instead of coming at once.
    bool OpenTakesTime = false;
    QStringList Calls;
    std::function<void(TMediaResult)> OnNotify;

    void SetFileName(const std::string& fileName) override
    {
        Calls << QStringLiteral("file %1").arg(QString::fromStdString(fileName).section('/', -1));
    }
    // Answers at once unless the open takes time.
    void BeginOpen(std::function<void(bool)> onOpened) override
    {
        Calls << QStringLiteral("open");
        if (OpenTakesTime)
            FOnOpened = std::move(onOpened);
        else
            onOpened(OpenSucceeds);
    }
    void WaitForOpen() override
    {
        if (FOnOpened) {
            Calls << QStringLiteral("wait");
            std::exchange(FOnOpened, nullptr)(OpenSucceeds);
        }
    }
    void CancelOpen() override { FOnOpened = nullptr; }
    void SeekToStart() override { Calls << QStringLiteral("seek"); }
    void Play() override { Calls << QStringLiteral("play"); }
    void Stop() override { Calls << QStringLiteral("stop"); }
    void Close() override { Calls << QStringLiteral("close"); }
    void SetOnNotify(std::function<void(TMediaResult)> notify) override { OnNotify = std::move(notify); }

    void Report(TMediaResult result)
    {
        if (OnNotify)
            OnNotify(result);
    }

private:
    std::function<void(bool)> FOnOpened;
};

}  // namespace peglore::testing
