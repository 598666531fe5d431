#include "services/music/TMusic.h"

#include "platform/media/IMediaPlayer.h"
#include "settings/configuration/TConfiguration.h"

namespace peglore {

TMusic::TMusic(IMediaPlayer& player, TConfiguration& configuration, std::string programFolder)
    : FPlayer(player), FConfiguration(configuration), FProgramFolder(std::move(programFolder))
{
}

TMusic::~TMusic()
{
    if (FOpening)
        FPlayer.CancelOpen();
}

void TMusic::OpenMusic()
{
    FOpening = true;
    FPlayer.SetFileName(FProgramFolder + FileName);
    FPlayer.BeginOpen([this](bool opened) { OpenFinished(opened); });
}

void TMusic::OpenFinished(bool opened)
{
    FOpening = false;
    const bool play = FPlayWhenOpen;
    FPlayWhenOpen = false;
    if (opened) {
        // The file may have appeared since an earlier open failed; an option
        // that stays on must not stay silent.
        FOpened = true;
        if (play) {
            FPlayer.SeekToStart();
            FPlayer.Play();
        }
        return;
    }
    // Turns the option off; its Stop does nothing now.
    FConfiguration.SetMusic(false);
}

void TMusic::Play()
{
    if (!FOpened) {
        // Set first: a player may hand the outcome over at once.
        FPlayWhenOpen = true;
        if (!FOpening)
            OpenMusic();
        return;
    }
    FPlayer.SeekToStart();
    FPlayer.Play();
}

void TMusic::Stop()
{
    FPlayWhenOpen = false;
    if (FOpened)
        FPlayer.Stop();
}

void TMusic::MediaPlayerNotify(bool successful)
{
    // A report of an end reached just before the option was switched off
    // must not start the music again.
    if (successful && FConfiguration.Music())
        Play();
}

void TMusic::WaitForOpen()
{
    if (FOpening)
        FPlayer.WaitForOpen();
}

}  // namespace peglore
