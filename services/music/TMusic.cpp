#include "services/music/TMusic.h"

#include "platform/media/IMediaPlayer.h"
#include "settings/configuration/TConfiguration.h"

namespace peglore {

TMusic::TMusic(IMediaPlayer& player, TConfiguration& configuration, std::string programFolder)
    : FPlayer(player), FConfiguration(configuration), FProgramFolder(std::move(programFolder))
{
}

void TMusic::OpenMusic()
{
    FPlayer.SetFileName(FProgramFolder + FileName);
    if (FPlayer.Open()) {
        FOpened = true;
        // The file may have appeared since an earlier open failed; an option
        // that stays on must not stay silent.
        FAvailable = true;
        return;
    }
    FAvailable = false;
    // Turns the option off; its Stop does nothing now.
    FConfiguration.SetMusic(false);
}

void TMusic::Play()
{
    if (!FOpened)
        OpenMusic();
    if (FAvailable) {
        FPlayer.SeekToStart();
        FPlayer.Play();
    }
}

void TMusic::Stop()
{
    if (FAvailable && FOpened)
        FPlayer.Stop();
}

void TMusic::MediaPlayerNotify(bool successful)
{
    // A report of an end reached just before the option was switched off
    // must not start the music again.
    if (successful && FConfiguration.Music())
        Play();
}

}  // namespace peglore
